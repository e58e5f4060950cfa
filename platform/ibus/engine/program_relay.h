#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ibus/engine_protocol.h"
#include "platform/ibus/line_channel.h"

namespace keyloom {

// The engine's side of the programs that are connected to it: each key press goes to every
// program, and the engine waits for their answers, together for at most one answer time,
// before the key goes on to the application, applying what they send meanwhile in the order
// they sent it. Text and keys are taken from a program only while a key waits for its answer,
// or once it has said in an answer that its output for the key comes later.
class ProgramRelay {
 public:
  // A program that has not answered within this time is left behind: the key goes on, and
  // later keys do not wait for that program until it has caught up.
  static constexpr int kAnswerTimeoutMs = 400;
  // Both programs, and room for them to connect again before their old connections are seen
  // to have closed.
  static constexpr std::size_t kMaxPrograms = 8;
  // Output that comes later (a form filled in first) is taken for at most this long.
  static constexpr int kLaterOutputMs = 15 * 60 * 1000;

  // `on_message` gets every message but the answers, in order; a program that goes away
  // leaves a kHide for its candidate list.
  explicit ProgramRelay(std::function<void(const ProgramMessage&)> on_message,
                        int answer_timeout_ms = kAnswerTimeoutMs);

  // Takes over `socket`; false (and closed) when kMaxPrograms are connected already.
  bool AddProgram(int socket);
  // Reports `key` (its sequence is set here) to every program and waits for their answers;
  // whether any program withheld the key.
  bool Report(KeyReport key);
  // Handles the lines that were read together with an answer but came after it: their socket
  // has nothing left to signal, so nothing else would read them.
  void HandleLinesReadAhead();
  // Handles what the program on `socket` sent outside a key; false when the program went
  // away, after it was removed.
  bool ReadFrom(int socket);
  std::size_t program_count() const { return programs_.size(); }

 private:
  struct Program {
    std::unique_ptr<LineChannel> channel;
    unsigned long answered = 0;  // the last key it answered
    unsigned long reported = 0;  // the last key it was sent
    bool late = false;
    // Until then the program's output is taken outside a key too.
    std::chrono::steady_clock::time_point later_until = {};
  };

  // Handles the program's complete lines; the answer to `sequence` ends the handling and
  // tells whether it withheld the key.
  std::optional<bool> HandleLines(Program& program, unsigned long sequence);
  bool AwaitAnswer(Program& program, unsigned long sequence,
                   std::chrono::steady_clock::time_point deadline);
  void RemoveClosed();

  std::function<void(const ProgramMessage&)> on_message_;
  int answer_timeout_ms_;
  std::vector<Program> programs_;
  unsigned long last_sequence_ = 0;
};

}  // namespace keyloom
