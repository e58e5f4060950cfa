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

}  // namespace

LineChannel::LineChannel(int socket) : socket_(socket) {
  fcntl(socket_, F_SETFL, fcntl(socket_, F_GETFL) | O_NONBLOCK);
}

LineChannel::~LineChannel() { close(socket_); }

bool LineChannel::Write(std::string_view line) {
  std::string data(line);
  data += '\n';
  std::size_t sent = 0;
  while (!closed_ && sent < data.size()) {
    const ssize_t count = send(socket_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (count >= 0) {
      sent += static_cast<std::size_t>(count);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      Await(socket_, POLLOUT, -1);
    } else if (errno != EINTR) {
      closed_ = true;
    }
  }
  return !closed_;
}

void LineChannel::ReadAvailable() {
  char buffer[4096];
  while (!closed_) {
    const ssize_t count = recv(socket_, buffer, sizeof buffer, 0);
    if (count > 0) {
      received_.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0) {
      closed_ = true;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      return;
    } else if (errno != EINTR) {
      closed_ = true;
    }
  }
}

std::optional<std::string> LineChannel::TakeLine() {
  const std::size_t end = received_.find('\n');
  if (end == std::string::npos) return std::nullopt;
  std::string line = received_.substr(0, end);
  received_.erase(0, end + 1);
  return line;
}

bool LineChannel::AwaitData(int timeout_ms) {
  if (closed_ || !Await(socket_, POLLIN, timeout_ms)) return false;
  ReadAvailable();
  return true;
}

std::string EngineSocketPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') return std::string(runtime) + "/keyloom-ibus.socket";
  return "/tmp/keyloom-ibus-" + std::to_string(getuid()) + ".socket";
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
  if (connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(connection);
    return -1;
  }
  return connection;
}

int AcceptSameUser(int listener) {
  const int connection = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
  if (connection < 0) return -1;
  ucred peer{};
  socklen_t size = sizeof peer;
  if (getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid()) {
    close(connection);
    return -1;
  }
  return connection;
}

}  // namespace keyloom
