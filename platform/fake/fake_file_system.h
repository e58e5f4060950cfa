#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace keyloom {

// The steps of an atomic replace, for fault injection.
enum class ReplaceStep { kCreate, kWrite, kFlush, kRename };

// An in-memory file system: a map from path to bytes. Folders exist implicitly; a path's folder
// is the text before its last '/' or '\'.
class FakeFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override;
  // Fails at the injected step, or at kCreate when the path's folder is not writable; a failed
  // replace leaves the old content (or the absence of a file) as it was.
  bool ReplaceFile(const std::string& path, std::string_view content) override;
  // Answers what set_folder_writable said for `folder`, true by default; records the call.
  bool EnsureWritableFolder(const std::string& folder) override;
  // The files whose folder is `folder`, sorted.
  std::vector<std::string> ListFiles(const std::string& folder) override;

  void SetFile(const std::string& path, std::string content) { files_[path] = std::move(content); }
  void RemoveFile(const std::string& path) { files_.erase(path); }
  std::optional<std::string> File(const std::string& path) const;
  const std::map<std::string, std::string>& files() const { return files_; }

  // The file exists but cannot be read while unreadable.
  void SetUnreadable(const std::string& path, bool unreadable);
  // Every following ReplaceFile fails at `step`; nullopt lets them succeed again.
  void FailReplaceAt(std::optional<ReplaceStep> step) { fail_at_ = step; }
  void SetFolderWritable(const std::string& folder, bool writable);

  // The folders EnsureWritableFolder was asked about, in order.
  const std::vector<std::string>& ensured_folders() const { return ensured_folders_; }
  // How many ReplaceFile calls succeeded.
  int replace_count() const { return replace_count_; }

 private:
  bool FolderWritable(const std::string& folder) const;

  std::map<std::string, std::string> files_;
  std::set<std::string> unreadable_;
  std::set<std::string> unwritable_folders_;
  std::optional<ReplaceStep> fail_at_;
  std::vector<std::string> ensured_folders_;
  int replace_count_ = 0;
};

}  // namespace keyloom
