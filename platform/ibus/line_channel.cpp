#include "platform/ibus/line_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace keyloom {
namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// Waits up to `timeout_ms` (-1: for ever) for `events` on `socket`; false at the timeout.
bool Await(int socket, short events, int timeout_ms) {
  pollfd entry{socket, events, 0};
  while (true) {
    const int ready = poll(&entry, 1, timeout_ms);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

// A folder, not a link to one, that belongs to this user and that no one else may enter.
bool OnlyThisUserEnters(const std::string& folder) {
  struct stat status {};
  return lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == getuid() && (status.st_mode & 0077) == 0;
}

bool PeerIsThisUser(int socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

}  // namespace

LineChannel::LineChannel(int socket, std::size_t max_queued_bytes)
    : socket_(socket), max_queued_bytes_(max_queued_bytes) {
  fcntl(socket_, F_SETFL, fcntl(socket_, F_GETFL) | O_NONBLOCK);
}

LineChannel::~LineChannel() { close(socket_); }

bool LineChannel::Write(std::string_view line) {
  if (closed_) return false;
  if (queued_.size() + line.size() + 1 > max_queued_bytes_) {
    closed_ = true;
    return false;
  }
  queued_ += line;
  queued_ += '\n';
  SendQueued();
  return !closed_;
}

void LineChannel::SendQueued() {
  std::size_t sent = 0;
  while (!closed_ && sent < queued_.size()) {
    const ssize_t count =
        send(socket_, queued_.data() + sent, queued_.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (count >= 0) {
      sent += static_cast<std::size_t>(count);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      break;
    } else if (errno != EINTR) {
      closed_ = true;
    }
  }
  queued_.erase(0, sent);
}

void LineChannel::ReadAvailable() {
  SendQueued();
  char buffer[4096];
  while (!closed_ && received_.size() - taken_ <= kMaxReceivedBytes) {
    const ssize_t count = recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (count > 0) {
      Received(buffer, static_cast<std::size_t>(count));
    } else if (count == 0) {
      closed_ = true;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return;
    } else if (errno != EINTR) {
      closed_ = true;
    }
  }
}

void LineChannel::Received(const char* data, std::size_t size) {
  // Taken lines are dropped only now and then, so that taking a line costs its own length.
  if (taken_ == received_.size() || taken_ > kMaxReceivedBytes) {
    received_.erase(0, taken_);
    open_line_ -= taken_;
    taken_ = 0;
  }
  const std::size_t searched = received_.size();
  received_.append(data, size);
  for (std::size_t end = received_.find('\n', searched); end != std::string::npos;
       end = received_.find('\n', end + 1)) {
    if (end - open_line_ > kMaxLineBytes) break;
    open_line_ = end + 1;
  }
  if (received_.size() - open_line_ > kMaxLineBytes) closed_ = true;
}

std::optional<std::string> LineChannel::TakeLine() {
  if (taken_ == open_line_) return std::nullopt;
  const std::size_t end = received_.find('\n', taken_);
  std::string line = received_.substr(taken_, end - taken_);
  taken_ = end + 1;
  return line;
}

bool LineChannel::AwaitData(int timeout_ms) {
  if (closed_ || !Await(socket_, POLLIN, timeout_ms)) return false;
  ReadAvailable();
  return true;
}

std::optional<std::string> EngineSocketPath() {
  return EngineSocketPath(std::getenv("XDG_RUNTIME_DIR"), "/tmp");
}

std::optional<std::string> EngineSocketPath(const char* runtime_folder,
                                            const std::string& shared_folder) {
  if (runtime_folder != nullptr && *runtime_folder != '\0') {
    if (!OnlyThisUserEnters(runtime_folder)) return std::nullopt;
    return std::string(runtime_folder) + "/keyloom-ibus.socket";
  }
  // Without a runtime folder, one of the user's own in the shared folder, which anyone else
  // could have made first: it is used only when it is the user's and closed to everyone else.
  const std::string folder = shared_folder + "/keyloom-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!OnlyThisUserEnters(folder)) return std::nullopt;
  return folder + "/ibus.socket";
}

int ListenAt(const std::string& path) {
  sockaddr_un address;
  if (!FillAddress(path, address)) return -1;
  const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener < 0) return -1;
  // A socket left by an engine that ended without cleaning up is replaced.
  unlink(path.c_str());
  const mode_t old_mask = umask(0077);
  const bool bound =
      bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  umask(old_mask);
  if (!bound || listen(listener, 8) != 0) {
    close(listener);
    return -1;
  }
  fcntl(listener, F_SETFL, fcntl(listener, F_GETFL) | O_NONBLOCK);
  return listener;
}

int ConnectTo(const std::string& path) {
  sockaddr_un address;
  if (!FillAddress(path, address)) return -1;
  const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (connection < 0) return -1;
  if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      !PeerIsThisUser(connection)) {
    close(connection);
    return -1;
  }
  return connection;
}

int AcceptSameUser(int listener) {
  const int connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  if (connection < 0) return -1;
  if (!PeerIsThisUser(connection)) {
    close(connection);
    return -1;
  }
  return connection;
}

}  // namespace keyloom
