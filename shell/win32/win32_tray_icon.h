#pragma once

#include "shell/win32/win32_api.h"
// Needs windows.h first.
#include <shellapi.h>

#include <string>
#include <string_view>

#include "shell/tray_icon.h"

namespace keyloom {

// The notification-area icon through Shell_NotifyIconW, in the original version of the
// interface, so that a notification carries the mouse message itself. The shell's hidden window
// receives the notifications; the icon is added again when Explorer restarts and removed when
// the program ends.
class Win32TrayIcon final : public TrayIcon {
 public:
  // `callback_message` is the message the shell's window gets for this icon.
  Win32TrayIcon(HWND window, UINT id, UINT callback_message, TrayEvents& events);
  ~Win32TrayIcon() override;
  Win32TrayIcon(const Win32TrayIcon&) = delete;
  Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

  bool Add(std::string_view tip) override;
  bool Available() const override;
  void ShowNotification(std::string_view title, std::string_view text) override;
  void ShowState(std::string_view tip, bool paused) override;

  // The notification area came back (TaskbarCreated): an icon that was there is added again.
  void OnTaskbarCreated();
  void OnNotify(LPARAM lparam);

 private:
  NOTIFYICONDATAW Record() const;

  HWND window_;
  UINT id_;
  UINT callback_message_;
  TrayEvents& events_;
  HICON icon_ = nullptr;
  HICON running_icon_ = nullptr;
  HICON paused_icon_ = nullptr;  // made on first use
  std::wstring tip_;
  bool added_ = false;
};

}  // namespace keyloom
