#include "platform/linux/runtime_keys_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace keyloom {
namespace {

int OpenLockFile(const std::string& path) {
  if (path.empty()) return -1;
  return open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

}  // namespace

RuntimeKeysLock::RuntimeKeysLock(const std::string& path)
    : held_file_(OpenLockFile(path)), probe_file_(OpenLockFile(path)) {}

RuntimeKeysLock::~RuntimeKeysLock() {
  if (held_file_ >= 0) close(held_file_);
  if (probe_file_ >= 0) close(probe_file_);
}

void RuntimeKeysLock::Take(bool taken) {
  if (held_file_ < 0 || taken == held_) return;
  // Never waits: should another program hold the lock, this one goes on without the sign.
  held_ = flock(held_file_, taken ? LOCK_EX | LOCK_NB : LOCK_UN) == 0 && taken;
}

bool RuntimeKeysLock::TakenElsewhere() {
  if (held_ || probe_file_ < 0) return false;
  if (flock(probe_file_, LOCK_SH | LOCK_NB) != 0) return true;
  flock(probe_file_, LOCK_UN);
  return false;
}

std::string RuntimeKeysLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return "";
  return std::string(runtime) + "/keyloom-keys.lock";
}

}  // namespace keyloom
