#include "platform/ibus/engine/program_relay.h"

#include <algorithm>
#include <utility>

namespace keyloom {

ProgramRelay::ProgramRelay(std::function<void(const ProgramMessage&)> on_message,
                           int answer_timeout_ms)
    : on_message_(std::move(on_message)), answer_timeout_ms_(answer_timeout_ms) {}

bool ProgramRelay::AddProgram(int socket) {
  auto channel = std::make_unique<LineChannel>(socket);
  if (programs_.size() >= kMaxPrograms) return false;
  programs_.push_back({std::move(channel), last_sequence_, last_sequence_, false});
  return true;
}

std::optional<bool> ProgramRelay::HandleLines(Program& program, unsigned long sequence) {
  while (std::optional<std::string> line = program.channel->TakeLine()) {
    const std::optional<ProgramMessage> message = ParseProgramLine(*line);
    if (!message) continue;
    const bool in_key = program.answered < program.reported;
    const auto now = std::chrono::steady_clock::now();
    if (message->kind == ProgramMessage::Kind::kLater) {
      if (in_key) program.later_until = now + std::chrono::milliseconds(kLaterOutputMs);
      continue;
    }
    if (message->kind == ProgramMessage::Kind::kOver) {
      program.later_until = {};
      continue;
    }
    if (message->kind != ProgramMessage::Kind::kDone) {
      if (!IsOutput(*message) || in_key || now < program.later_until) on_message_(*message);
      continue;
    }
    program.answered = message->sequence;
    if (message->sequence == sequence) return message->withheld;
  }
  return std::nullopt;
}

bool ProgramRelay::AwaitAnswer(Program& program, unsigned long sequence,
                               std::chrono::steady_clock::time_point deadline) {
  program.channel->ReadAvailable();
  while (true) {
    if (std::optional<bool> withheld = HandleLines(program, sequence)) return *withheld;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !program.channel->AwaitData(static_cast<int>(left.count()))) break;
  }
  program.late = true;
  return false;
}

bool ProgramRelay::Report(KeyReport key) {
  key.sequence = ++last_sequence_;
  const std::string line = KeyLine(key);
  for (Program& program : programs_) {
    // One that stopped reading is dropped when its queue is full; it may connect again.
    if (program.channel->Write(line)) program.reported = key.sequence;
  }
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(answer_timeout_ms_);
  bool withheld = false;
  for (Program& program : programs_) {
    if (program.late) {
      // Whatever it has answered by now counts; once it has answered every key before this
      // one, it is waited for again.
      program.channel->ReadAvailable();
      if (std::optional<bool> answer = HandleLines(program, key.sequence)) {
        withheld = *answer || withheld;
        program.late = false;
        continue;
      }
      if (program.answered + 1 != key.sequence) continue;
      program.late = false;
    }
    withheld = AwaitAnswer(program, key.sequence, deadline) || withheld;
  }
  RemoveClosed();
  return withheld;
}

void ProgramRelay::HandleLinesReadAhead() {
  for (Program& program : programs_) HandleLines(program, 0);
}

bool ProgramRelay::ReadFrom(int socket) {
  const auto found = std::find_if(programs_.begin(), programs_.end(), [socket](const Program& p) {
    return p.channel->socket() == socket;
  });
  if (found == programs_.end()) return false;
  found->channel->ReadAvailable();
  HandleLines(*found, 0);
  const bool open = !found->channel->closed();
  RemoveClosed();
  return open;
}

void ProgramRelay::RemoveClosed() {
  const auto closed = std::remove_if(programs_.begin(), programs_.end(),
                                     [](const Program& p) { return p.channel->closed(); });
  if (closed == programs_.end()) return;
  programs_.erase(closed, programs_.end());
  on_message_(ProgramMessage{});  // a kHide: the candidates of a program that went away
}

}  // namespace keyloom
