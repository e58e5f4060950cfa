#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// One end of a local stream socket that carries lines of text (engine_protocol.h). It never
// waits on its peer and holds a bounded amount of its data: a peer that stops reading or sends
// a line without end is cut off (closed).
class LineChannel {
 public:
  static constexpr std::size_t kMaxLineBytes = 64 * 1024;
  // What a peer may have sent and not yet been taken, beyond one line.
  static constexpr std::size_t kMaxReceivedBytes = 16 * kMaxLineBytes;
  static constexpr std::size_t kDefaultMaxQueuedBytes = 256 * 1024;

  // Takes over `socket`, which it makes non-blocking. Lines that the socket does not take at
  // once wait in a queue of up to `max_queued_bytes`.
  explicit LineChannel(int socket, std::size_t max_queued_bytes = kDefaultMaxQueuedBytes);
  ~LineChannel();
  LineChannel(const LineChannel&) = delete;
  LineChannel& operator=(const LineChannel&) = delete;

  int socket() const { return socket_; }
  // Whether the other end went away or the socket failed.
  bool closed() const { return closed_; }

  // Sends `line` and a line break, or queues what the socket does not take now; closes when
  // the queue would outgrow its bound. False once closed.
  bool Write(std::string_view line);
  // Sends what is queued, as far as the socket takes it now.
  void SendQueued();
  bool HasQueued() const { return !queued_.empty(); }
  // Reads what has arrived, without waiting and up to the bound of what may wait untaken;
  // then TakeLine gives the complete lines. A line longer than kMaxLineBytes closes.
  void ReadAvailable();
  // A complete line read before, without its line break.
  std::optional<std::string> TakeLine();
  // Waits up to `timeout_ms` for data and reads it; false at the timeout or when the channel
  // closed.
  bool AwaitData(int timeout_ms);

 private:
  void Received(const char* data, std::size_t size);

  int socket_;
  std::size_t max_queued_bytes_;
  bool closed_ = false;
  std::string queued_;
  std::string received_;
  std::size_t taken_ = 0;      // where the first line not yet taken starts
  std::size_t open_line_ = 0;  // where the line without its line break yet starts
};

// Where the engine listens: in a folder that only the user can enter (the runtime folder, or
// one of the user's own in /tmp); nullopt when there is no such folder.
std::optional<std::string> EngineSocketPath();
// The same for a runtime folder (may be null) and a shared folder such as /tmp.
std::optional<std::string> EngineSocketPath(const char* runtime_folder,
                                            const std::string& shared_folder);
// A socket listening at `path` that only its owner can connect to; -1 when it cannot be made.
int ListenAt(const std::string& path);
// A connection to `path`; -1 when nobody listens there, or someone who is not this user.
int ConnectTo(const std::string& path);
// The connection waiting on `listener`, if its peer runs as this user; else -1 (and a peer of
// another user is turned away).
int AcceptSameUser(int listener);

}  // namespace keyloom
