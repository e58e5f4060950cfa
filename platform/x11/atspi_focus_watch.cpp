#include "platform/x11/atspi_focus_watch.h"

#include <atspi/atspi.h>

#include <cstdlib>

namespace keyloom {
namespace {

constexpr const char* kFocusEvent = "object:state-changed:focused";

void OnEvent(AtspiEvent* event, void* data) {
  const bool password =
      atspi_accessible_get_role(event->source, nullptr) == ATSPI_ROLE_PASSWORD_TEXT;
  static_cast<AtspiFocusWatch*>(data)->OnFocusEvent(event->detail1 != 0, password);
  g_boxed_free(ATSPI_TYPE_EVENT, event);
}

}  // namespace

std::unique_ptr<AtspiFocusWatch> AtspiFocusWatch::Start() {
  // Without a session bus, the library would try to start one (dbus-launch): not for us.
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) return nullptr;
  if (atspi_init() > 1) return nullptr;  // 1: already started
  std::unique_ptr<AtspiFocusWatch> watch(new AtspiFocusWatch());
  AtspiEventListener* listener = atspi_event_listener_new(OnEvent, watch.get(), nullptr);
  if (listener == nullptr) return nullptr;
  if (!atspi_event_listener_register(listener, kFocusEvent, nullptr)) {
    g_object_unref(listener);
    return nullptr;
  }
  watch->listener_ = listener;
  return watch;
}

AtspiFocusWatch::~AtspiFocusWatch() {
  auto* listener = static_cast<AtspiEventListener*>(listener_);
  if (listener == nullptr) return;
  atspi_event_listener_deregister(listener, kFocusEvent, nullptr);
  g_object_unref(listener);
}

void AtspiFocusWatch::OnFocusEvent(bool focused, bool password_role) {
  // A password field that loses the focus, to anything, ends it; a field that gains it decides.
  if (focused) {
    in_password_field_ = password_role;
  } else if (password_role) {
    in_password_field_ = false;
  }
}

}  // namespace keyloom
