// The lines between the input method engine and the programs, both ways, as a peer may send
// them: cut anywhere (the first byte says where), through a real socket. No line taken is longer
// than the limit, every message parsed holds text that is UTF-8 without a NUL, and a parsed
// message makes the same line again.
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/ibus/engine_protocol.h"
#include "platform/ibus/line_channel.h"

namespace keyloom {
namespace {

bool CleanText(const std::string& text) {
  return text.find('\0') == std::string::npos && IsValidUtf8(text);
}

void CheckLine(const std::string& line) {
  Check(line.size() <= LineChannel::kMaxLineBytes);
  if (const std::optional<KeyReport> key = ParseKeyLine(line)) {
    Check(CleanText(key->application));
    Check(ParseKeyLine(KeyLine(*key)) == key);
  }
  if (const std::optional<ProgramMessage> message = ParseProgramLine(line)) {
    Check(CleanText(message->text));
    for (const std::string& word : message->words) Check(CleanText(word));
    std::string again;
    switch (message->kind) {
      case ProgramMessage::Kind::kCommit:
        again = CommitLine(message->text);
        break;
      case ProgramMessage::Kind::kForward:
        again = ForwardLine(message->keyval, message->keycode, message->state);
        break;
      case ProgramMessage::Kind::kTable:
        again = TableLine(message->words, message->selected);
        break;
      case ProgramMessage::Kind::kHeading:
        again = HeadingLine(message->text);
        break;
      case ProgramMessage::Kind::kHide:
        again = HideLine();
        break;
      case ProgramMessage::Kind::kLater:
        again = LaterLine();
        break;
      case ProgramMessage::Kind::kOver:
        again = OverLine();
        break;
      case ProgramMessage::Kind::kDone:
        again = DoneLine(message->sequence, message->withheld);
        break;
    }
    Check(ParseProgramLine(again) == message);
  }
}

}  // namespace
}  // namespace keyloom

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 97;
  const std::string_view bytes = AsText(data + 1, size - 1);
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return 0;
  LineChannel channel(ends[0]);
  for (std::size_t at = 0; at < bytes.size() && !channel.closed(); at += piece) {
    const std::string_view part = bytes.substr(at, piece);
    if (send(ends[1], part.data(), part.size(), MSG_NOSIGNAL) < 0) break;
    channel.ReadAvailable();
    while (const std::optional<std::string> line = channel.TakeLine()) CheckLine(*line);
  }
  close(ends[1]);
  return 0;
}
