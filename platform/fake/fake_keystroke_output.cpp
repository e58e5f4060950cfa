#include "platform/fake/fake_keystroke_output.h"

#include "platform/key_event.h"
#include "platform/key_names.h"
#include "platform/text.h"

namespace keyloom {

bool FakeKeystrokeOutput::Send(std::span<const KeyAction> actions) {
  if (fails_) return false;
  actions_.insert(actions_.end(), actions.begin(), actions.end());
  ++send_count_;
  return true;
}

void FakeKeystrokeOutput::Clear() {
  actions_.clear();
  send_count_ = 0;
}

std::string FakeKeystrokeOutput::TypedText() const {
  std::string text;
  for (const KeyAction& action : actions_) text += RenderKeyAction(action);
  return text;
}

std::string RenderKeyAction(const KeyAction& action) {
  std::string out;
  if (action.modifiers & kShiftMask) out += '+';
  if (action.modifiers & kCtrlMask) out += '^';
  if (action.modifiers & kAltMask) out += '%';
  if (action.kind == KeyAction::Kind::kCharacter) {
    AppendUtf8(out, action.character);
  } else {
    out += '{';
    out += KeyName(action.key);
    out += '}';
  }
  return out;
}

}  // namespace keyloom
