#include "platform/win32/accessible_focus_watch.h"

#include <windows.h>
// Needs windows.h first.
#include <oleacc.h>

namespace keyloom {
namespace {

// The event procedure has no context of its own.
AccessibleFocusWatch* active_watch = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object_id,
                         LONG child_id, DWORD /*thread*/, DWORD /*time*/) {
  if (active_watch != nullptr) active_watch->OnFocusEvent(window, object_id, child_id);
}

bool Protected(HWND window, LONG object_id, LONG child_id) {
  IAccessible* accessible = nullptr;
  VARIANT child{};
  if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object_id),
                                       static_cast<DWORD>(child_id), &accessible, &child)) ||
      accessible == nullptr) {
    return false;
  }
  VARIANT state{};
  const bool found = SUCCEEDED(accessible->get_accState(child, &state)) && state.vt == VT_I4;
  accessible->Release();
  VariantClear(&child);
  return found && (state.lVal & STATE_SYSTEM_PROTECTED) != 0;
}

}  // namespace

AccessibleFocusWatch::AccessibleFocusWatch() {
  if (active_watch != nullptr) return;
  event_hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnWinEvent, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  if (event_hook_ != nullptr) active_watch = this;
}

AccessibleFocusWatch::~AccessibleFocusWatch() {
  if (event_hook_ == nullptr) return;
  UnhookWinEvent(static_cast<HWINEVENTHOOK>(event_hook_));
  active_watch = nullptr;
}

void AccessibleFocusWatch::OnFocusEvent(void* window, long object_id, long child_id) {
  protected_window_ = Protected(static_cast<HWND>(window), object_id, child_id) ? window : nullptr;
}

}  // namespace keyloom
