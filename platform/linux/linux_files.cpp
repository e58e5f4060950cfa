#include "platform/linux/linux_files.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

namespace keyloom {
namespace {

constexpr std::string_view kSavingSuffix = ".saving";
constexpr int kMaxLinkHops = 40;  // as the kernel's own limit

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that `path` names once its symbolic links are followed; `path` itself when it is no
// link (or not there yet).
std::string LinkTarget(const std::string& path) {
  std::string target = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    char buffer[PATH_MAX];
    const ssize_t size = readlink(target.c_str(), buffer, sizeof buffer);
    if (size < 0 || static_cast<std::size_t>(size) >= sizeof buffer) return target;
    std::string next(buffer, static_cast<std::size_t>(size));
    target = next.starts_with('/') ? next : FolderOf(target) + "/" + next;
  }
  return target;
}

// Removes what a killed save of `target` left, if it is this user's.
void RemoveLeftoverSave(const std::string& target) {
  const std::string leftover = target + std::string(kSavingSuffix);
  struct stat status {};
  if (lstat(leftover.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
      status.st_uid == geteuid()) {
    unlink(leftover.c_str());
  }
}

bool SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// `mode`: the new file's permissions, whatever the umask; without it, the old file's, or for a
// new file what the umask leaves of 0666.
bool ReplaceDurably(const std::string& path, std::string_view content, std::optional<mode_t> mode) {
  const std::string target = LinkTarget(path);
  const std::string folder = FolderOf(target);
  const std::string temp = target + std::string(kSavingSuffix);
  struct stat old {};
  if (!mode && stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;
  RemoveLeftoverSave(target);
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      mode ? (*mode & 0600) : 0666);
  if (fd < 0) return false;
  bool saved = (!mode || fchmod(fd, *mode) == 0) && WriteAll(fd, content) && fsync(fd) == 0;
  saved = close(fd) == 0 && saved;
  saved = saved && SyncFolder(folder) && rename(temp.c_str(), target.c_str()) == 0;
  if (!saved) {
    unlink(temp.c_str());
    return false;
  }
  return SyncFolder(folder);
}

// Only the owner may enter the folder of private files: it is made so, or closed to others.
bool CloseFolder(const std::string& folder) {
  if (mkdir(folder.c_str(), 0700) == 0) return true;
  struct stat status {};
  if (errno != EEXIST || stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
    return false;
  }
  if ((status.st_mode & 0077) == 0) return true;
  return status.st_uid == geteuid() && chmod(folder.c_str(), status.st_mode & 07700) == 0;
}

class LinuxFiles final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override {
    RemoveLeftoverSave(LinkTarget(path));
    return StandardFileSystem().ReadFile(path);
  }
  bool ReplaceFile(const std::string& path, std::string_view content) override {
    return ReplaceDurably(path, content, std::nullopt);
  }
  bool EnsureWritableFolder(const std::string& folder) override {
    return StandardFileSystem().EnsureWritableFolder(folder);
  }
  std::vector<std::string> ListFiles(const std::string& folder) override {
    return StandardFileSystem().ListFiles(folder);
  }
};

class LinuxPrivate final : public PrivateFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    RemoveLeftoverSave(LinkTarget(path));
    return OwnerOnlyFiles().Read(path);
  }
  bool Missing(const std::string& path) override { return OwnerOnlyFiles().Missing(path); }
  bool Replace(const std::string& path, std::string_view content) override {
    return CloseFolder(FolderOf(LinkTarget(path))) && ReplaceDurably(path, content, 0600);
  }
  bool Remove(const std::string& path) override { return OwnerOnlyFiles().Remove(path); }
};

}  // namespace

// Never destroyed: a program that exit() ends still saves through them (learned_words_keeper).
FileSystem& LinuxFileSystem() {
  static LinuxFiles& files = *new LinuxFiles();
  return files;
}

PrivateFiles& LinuxPrivateFiles() {
  static LinuxPrivate& files = *new LinuxPrivate();
  return files;
}

}  // namespace keyloom
