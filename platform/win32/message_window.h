#pragma once

#include <windows.h>

namespace keyloom {

// A message-only window of a class of its own, registered at the first call, whose
// GWLP_USERDATA holds `owner`; nullptr when it cannot be made.
HWND CreateMessageWindow(const wchar_t* class_name, WNDPROC procedure, void* owner);

// The owner given to CreateMessageWindow, or nullptr before it was set.
template <typename Owner>
Owner* OwnerOf(HWND window) {
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace keyloom
