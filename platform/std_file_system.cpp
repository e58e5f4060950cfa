#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/private_files.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

// char8_t makes the standard library treat the bytes as UTF-8 on every platform, where a plain
// std::string would be read in the Windows ANSI code page.
fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

// A name beside `target` that no file has yet.
fs::path UnusedSibling(const fs::path& target, std::string_view tag) {
  static std::atomic<unsigned> counter{0};
  std::error_code error;
  for (;;) {
    fs::path candidate = target;
    candidate += "." + std::string(tag) + std::to_string(counter++);
    // On an error the create step reports the trouble.
    if (!fs::exists(candidate, error)) return candidate;
  }
}

// With `owner_only` the file is made readable by its owner alone before any byte is written.
bool WriteWhole(const fs::path& path, std::string_view content, bool owner_only = false) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  if (owner_only) {
    std::error_code error;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace,
                    error);
    if (error) return false;
  }
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  if (!out) return false;
  out.close();
  return !out.fail();
}

bool ReplaceWhole(const std::string& path, std::string_view content, bool owner_only) {
  const fs::path target = PathFromUtf8(path);
  const fs::path temp = UnusedSibling(target, "tmp");
  std::error_code error;
  if (WriteWhole(temp, content, owner_only)) {
    fs::rename(temp, target, error);
    if (!error) return true;
  }
  fs::remove(temp, error);
  return false;
}

std::optional<std::string> ReadWhole(const std::string& path) {
  const fs::path file = PathFromUtf8(path);
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[16384];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return content;
}

bool SurelyMissing(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(PathFromUtf8(path), error);
  return status.type() == fs::file_type::not_found;
}

class StdFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override { return ReadWhole(path); }

  bool ReplaceFile(const std::string& path, std::string_view content) override {
    return ReplaceWhole(path, content, false);
  }

  bool EnsureWritableFolder(const std::string& folder) override {
    const fs::path dir = PathFromUtf8(folder);
    std::error_code error;
    fs::create_directories(dir, error);
    if (!fs::is_directory(dir, error)) return false;
    // Permissions alone do not tell (ACLs, read-only mounts): try it.
    const fs::path probe = UnusedSibling(dir / "keyloom-write-test", "probe");
    const bool writable = WriteWhole(probe, "");
    fs::remove(probe, error);
    return writable;
  }

  std::vector<std::string> ListFiles(const std::string& folder) override {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(PathFromUtf8(folder), error), end; !error && it != end;
         it.increment(error)) {
      if (!it->is_regular_file(error)) continue;
      const std::u8string name = it->path().filename().u8string();
      names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

class StdOwnerOnlyFiles final : public PrivateFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override { return ReadWhole(path); }
  bool Missing(const std::string& path) override { return SurelyMissing(path); }
  bool Replace(const std::string& path, std::string_view content) override {
    return ReplaceWhole(path, content, true);
  }
  bool Remove(const std::string& path) override {
    std::error_code error;
    fs::remove(PathFromUtf8(path), error);
    return !error;
  }
};

}  // namespace

// Never destroyed: a program that exit() ends still saves through them (learned_words_keeper).
PrivateFiles& OwnerOnlyFiles() {
  static StdOwnerOnlyFiles& files = *new StdOwnerOnlyFiles();
  return files;
}

FileSystem& StandardFileSystem() {
  static StdFileSystem& file_system = *new StdFileSystem();
  return file_system;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string joined(folder);
  if (joined.back() != '/' && joined.back() != '\\') {
    joined += static_cast<char>(fs::path::preferred_separator);
  }
  joined += name;
  return joined;
}

}  // namespace keyloom
