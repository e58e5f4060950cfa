#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The files the programs read and write. Paths are UTF-8.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole content; nullopt when the file cannot be opened or read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Replaces the file atomically: writes a temporary file beside it, flushes it and renames it
  // over the old one. False when any step fails; the previous file is then left whole.
  virtual bool ReplaceFile(const std::string& path, std::string_view content) = 0;
  // True when a file can be created in `folder` (creating the folder when it is missing).
  virtual bool EnsureWritableFolder(const std::string& folder) = 0;
  // The names of the files (not folders) in `folder`, sorted; empty when it cannot be read.
  virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
};

// The real file system through the C++ standard library.
FileSystem& StandardFileSystem();

// `folder` joined with `name` with the platform's separator.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace keyloom
