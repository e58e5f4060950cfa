#pragma once

namespace keyloom {

// Follows the desktop's focus events (EVENT_OBJECT_FOCUS) and asks each newly focused object,
// through Active Accessibility, whether it is protected: a password field of any kind, also
// inside browsers and in applications that publish UI Automation only (its IsPassword is
// STATE_SYSTEM_PROTECTED there). The events come through the UI thread's message loop, outside
// the keyboard hook, so the hook never waits on another program.
class AccessibleFocusWatch {
 public:
  AccessibleFocusWatch();
  ~AccessibleFocusWatch();
  AccessibleFocusWatch(const AccessibleFocusWatch&) = delete;
  AccessibleFocusWatch& operator=(const AccessibleFocusWatch&) = delete;

  // The window (HWND) whose focused object is protected, as the latest focus event told; null
  // when that object is not. A password field only while that window still has the focus.
  void* protected_window() const { return protected_window_; }
  void OnFocusEvent(void* window, long object_id, long child_id);

 private:
  void* event_hook_ = nullptr;  // HWINEVENTHOOK
  void* protected_window_ = nullptr;
};

}  // namespace keyloom
