#pragma once

#include <set>
#include <string>

#include "platform/fake/fake_file_system.h"
#include "platform/private_files.h"

namespace keyloom {

// Private files kept in a FakeFileSystem as they are, so that tests see exactly what is on
// "disk"; remembers which paths were written as private.
class FakePrivateFiles final : public PrivateFiles {
 public:
  explicit FakePrivateFiles(FakeFileSystem& files) : files_(files) {}

  std::optional<std::string> Read(const std::string& path) override {
    return files_.ReadFile(path);
  }
  bool Missing(const std::string& path) override { return !files_.File(path).has_value(); }
  bool Replace(const std::string& path, std::string_view content) override {
    if (!files_.ReplaceFile(path, content)) return false;
    private_paths_.insert(path);
    return true;
  }
  bool Remove(const std::string& path) override {
    files_.RemoveFile(path);
    return true;
  }

  const std::set<std::string>& private_paths() const { return private_paths_; }

 private:
  FakeFileSystem& files_;
  std::set<std::string> private_paths_;
};

}  // namespace keyloom
