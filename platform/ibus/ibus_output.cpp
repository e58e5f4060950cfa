#include "platform/ibus/ibus_output.h"

#include "platform/ibus/engine_protocol.h"
#include "platform/ibus/output_lines.h"

namespace keyloom {

bool IbusKeystrokeOutput::Send(std::span<const KeyAction> actions) {
  bool sent = true;
  for (const std::string& line : OutputLines(actions)) sent = link_.Send(line) && sent;
  return sent;
}

void IbusKeystrokeOutput::SendsLater(bool later) { link_.Send(later ? LaterLine() : OverLine()); }

void IbusCandidateList::Show(const std::vector<std::string>& words, int selected) {
  link_.Send(TableLine(words, selected));
}

void IbusCandidateList::SetHeading(std::string_view heading) {
  if (heading == heading_) return;
  heading_ = heading;
  link_.Send(HeadingLine(heading));
}

void IbusCandidateList::Hide() {
  heading_.clear();
  link_.Send(HideLine());
}

}  // namespace keyloom
