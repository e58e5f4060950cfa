#include "platform/keystroke_output.h"

#include "platform/key_string.h"

namespace keyloom {

bool TypeKeyString(KeystrokeOutput& output, std::string_view key_string) {
  const KeyActions actions = ParseKeyString(key_string);
  // Nothing to type is no reason to bother the backend.
  if (actions.empty()) return true;
  return output.Send(actions);
}

}  // namespace keyloom
