#include "platform/fake/fake_file_system.h"

namespace keyloom {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Folders compare without a trailing separator, so "/app" and "/app/" are one folder.
std::string NormalFolder(std::string folder) {
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
  if (unreadable_.contains(path)) return std::nullopt;
  return File(path);
}

bool FakeFileSystem::ReplaceFile(const std::string& path, std::string_view content) {
  if (fail_at_ || !FolderWritable(FolderOf(path))) return false;
  files_[path] = std::string(content);
  ++replace_count_;
  return true;
}

bool FakeFileSystem::EnsureWritableFolder(const std::string& folder) {
  ensured_folders_.push_back(folder);
  return FolderWritable(folder);
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& [path, content] : files_) {
    if (NormalFolder(FolderOf(path)) == NormalFolder(folder)) {
      names.push_back(path.substr(path.find_last_of("/\\") + 1));
    }
  }
  return names;
}

std::optional<std::string> FakeFileSystem::File(const std::string& path) const {
  const auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

void FakeFileSystem::SetUnreadable(const std::string& path, bool unreadable) {
  if (unreadable) {
    unreadable_.insert(path);
  } else {
    unreadable_.erase(path);
  }
}

void FakeFileSystem::SetFolderWritable(const std::string& folder, bool writable) {
  if (writable) {
    unwritable_folders_.erase(NormalFolder(folder));
  } else {
    unwritable_folders_.insert(NormalFolder(folder));
  }
}

bool FakeFileSystem::FolderWritable(const std::string& folder) const {
  return !unwritable_folders_.contains(NormalFolder(folder));
}

}  // namespace keyloom
