#include "platform/x11/atspi_focus_watch.h"

#include <atspi/atspi.h>

#include <cstdlib>

namespace keyloom {
namespace {

constexpr const char* kFocusEvent = "object:state-changed:focused";
// A bus call to an application that hangs must not hold the pop-up for long.
constexpr int kCallTimeoutMs = 250;

void OnEvent(AtspiEvent* event, void* data) {
  using Role = AtspiFocusWatch::Role;
  const AtspiRole role = atspi_accessible_get_role(event->source, nullptr);
  static_cast<AtspiFocusWatch*>(data)->OnFocusEvent(event->source, event->detail1 != 0,
                                                    role == ATSPI_ROLE_PASSWORD_TEXT
                                                        ? Role::kPasswordText
                                                    : role == ATSPI_ROLE_TERMINAL ? Role::kTerminal
                                                                                  : Role::kOther);
  g_boxed_free(ATSPI_TYPE_EVENT, event);
}

// The extents of the character at `offset`; nullopt when the application gives none.
std::optional<ScreenRect> CharacterExtents(AtspiText* text, int offset) {
  GError* error = nullptr;
  AtspiRect* rect = atspi_text_get_character_extents(text, offset, ATSPI_COORD_TYPE_SCREEN, &error);
  if (error != nullptr) g_error_free(error);
  if (rect == nullptr) return std::nullopt;
  const ScreenRect result{rect->x, rect->y, rect->width, rect->height};
  g_free(rect);
  if (result.height <= 0) return std::nullopt;
  return result;
}

bool StillFocused(AtspiAccessible* accessible) {
  AtspiStateSet* states = atspi_accessible_get_state_set(accessible);
  if (states == nullptr) return false;
  const bool focused = atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
  g_object_unref(states);
  return focused;
}

}  // namespace

std::unique_ptr<AtspiFocusWatch> AtspiFocusWatch::Start() {
  // Without a session bus, the library would try to start one (dbus-launch): not for us.
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) return nullptr;
  if (atspi_init() > 1) return nullptr;  // 1: already started
  atspi_set_timeout(kCallTimeoutMs, -1);
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
  SetFocused(nullptr);
  auto* listener = static_cast<AtspiEventListener*>(listener_);
  if (listener == nullptr) return;
  atspi_event_listener_deregister(listener, kFocusEvent, nullptr);
  g_object_unref(listener);
}

void AtspiFocusWatch::OnFocusEvent(void* source, bool focused, Role role) {
  // A field that loses the focus, to anything, ends its kind; a field that gains it decides.
  if (focused) {
    in_password_field_ = role == Role::kPasswordText;
    in_terminal_ = role == Role::kTerminal;
    SetFocused(source);
  } else {
    if (role == Role::kPasswordText) in_password_field_ = false;
    if (role == Role::kTerminal) in_terminal_ = false;
    if (source == focused_) SetFocused(nullptr);
  }
}

void AtspiFocusWatch::SetFocused(void* source) {
  if (source != nullptr) g_object_ref(source);
  if (focused_ != nullptr) g_object_unref(focused_);
  focused_ = source;
}

std::optional<ScreenRect> AtspiFocusWatch::CaretRect() const {
  auto* accessible = static_cast<AtspiAccessible*>(focused_);
  if (accessible == nullptr) return std::nullopt;
  // The focus may have gone to an application that tells the bus nothing, such as xterm.
  if (!StillFocused(accessible)) return std::nullopt;
  AtspiText* text = atspi_accessible_get_text_iface(accessible);
  if (text == nullptr) return std::nullopt;
  GError* error = nullptr;
  const int offset = atspi_text_get_caret_offset(text, &error);
  std::optional<ScreenRect> caret;
  if (error != nullptr) {
    g_error_free(error);
  } else {
    caret = CharacterExtents(text, offset);
    if (caret) caret->width = 1;
    // After the last character there is no character at the caret: stand at the end of the
    // one before it.
    if (!caret && offset > 0) {
      if (const std::optional<ScreenRect> before = CharacterExtents(text, offset - 1)) {
        caret = ScreenRect{before->right(), before->top, 1, before->height};
      }
    }
  }
  g_object_unref(text);
  return caret;
}

}  // namespace keyloom
