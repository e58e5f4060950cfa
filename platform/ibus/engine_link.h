#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ibus/engine_protocol.h"

class QSocketNotifier;
class QTimer;

namespace keyloom {

class LineChannel;

// A program's connection to the Keyloom input method engine. The engine runs while the user's
// input source is Keyloom's, so the link keeps trying to connect until it can, and again after
// the engine went away.
class EngineLink {
 public:
  static constexpr int kReconnectIntervalMs = 1000;
  // A long phrase may wait to be sent while the engine applies what came before it.
  static constexpr std::size_t kMaxQueuedBytes = 64 * 1024 * 1024;

  // Answers a key press: whether the program withholds it. What the program sends to the
  // engine meanwhile is applied before the key.
  using KeyAnswer = std::function<bool(const KeyReport& key)>;

  explicit EngineLink(std::string socket_path);
  ~EngineLink();
  EngineLink(const EngineLink&) = delete;
  EngineLink& operator=(const EngineLink&) = delete;

  void Start(KeyAnswer answer);
  bool Connected() const;
  // Sends one message (engine_protocol.h); false when there is no engine to send it to.
  bool Send(std::string_view line);

 private:
  void TryConnect();
  void OnData();
  void Disconnect();
  void WatchQueue();

  std::string socket_path_;
  KeyAnswer answer_;
  std::unique_ptr<LineChannel> channel_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::unique_ptr<QSocketNotifier> write_notifier_;  // on while lines wait to be sent
  std::unique_ptr<QTimer> reconnect_timer_;
};

}  // namespace keyloom
