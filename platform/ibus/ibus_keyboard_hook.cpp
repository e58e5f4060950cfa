#include "platform/ibus/ibus_keyboard_hook.h"

#include "platform/ibus/ibus_key_mapping.h"
#include "platform/linux/qt_event_source.h"

namespace keyloom {

bool IbusKeyboardHook::Start(KeyHandler& handler) {
  handler_ = &handler;
  link_.Start([this](const KeyReport& key) { return Answer(key); });
  return true;
}

bool IbusKeyboardHook::Answer(const KeyReport& key) {
  // A handler that opened a dialog is still waiting for it; the keys go to the dialog.
  if (ModalDialogOpen()) return false;
  KeyEvent event = KeyEventFromReport(key);
  try {
    handler_->HandleKey(event);
  } catch (...) {
    return false;
  }
  return event.discard;
}

}  // namespace keyloom
