// The key-string parser on any text: it is total, so every input gives actions, each a known
// key or a code point with only the three modifiers, and never more than the repeat cap allows.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "platform/key_event.h"
#include "platform/key_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  const KeyActions actions = ParseKeyString(AsText(data, size));
  Check(actions.size() <= size * static_cast<std::size_t>(kMaxKeyRepeat));
  for (const KeyAction& action : actions) {
    Check((action.modifiers & ~(kShiftMask | kCtrlMask | kAltMask)) == 0);
    if (action.kind == KeyAction::Kind::kCharacter) {
      Check(action.character <= 0x10FFFF);
      Check(action.character < 0xD800 || action.character > 0xDFFF);
    } else {
      Check(action.key >= NamedKey::kBackspace && action.key <= NamedKey::kDivide);
    }
  }
  return 0;
}
