#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// One end of a local stream socket that carries lines of text (engine_protocol.h).
class LineChannel {
 public:
  // Takes over `socket`, which it makes non-blocking.
  explicit LineChannel(int socket);
  ~LineChannel();
  LineChannel(const LineChannel&) = delete;
  LineChannel& operator=(const LineChannel&) = delete;

  int socket() const { return socket_; }
  // Whether the other end went away or the socket failed.
  bool closed() const { return closed_; }

  // Sends `line` and a line break, waiting while the socket is full. False once closed.
  bool Write(std::string_view line);
  // Reads what has arrived, without waiting; then TakeLine gives the complete lines.
  void ReadAvailable();
  // A complete line read before, without its line break.
  std::optional<std::string> TakeLine();
  // Waits up to `timeout_ms` for data and reads it; false at the timeout or when the channel
  // closed.
  bool AwaitData(int timeout_ms);

 private:
  int socket_;
  bool closed_ = false;
  std::string received_;
};

// Where the engine listens: in the user's runtime folder, which only the user can enter.
std::string EngineSocketPath();
// A socket listening at `path` that only its owner can connect to; -1 when it cannot be made.
int ListenAt(const std::string& path);
// A connection to `path`; -1 when nobody listens there.
int ConnectTo(const std::string& path);
// The connection waiting on `listener`, if its peer runs as this user; else -1 (and a peer of
// another user is turned away).
int AcceptSameUser(int listener);

}  // namespace keyloom
