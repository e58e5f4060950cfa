#pragma once

#include <string_view>

namespace keyloom {

// Mouse codes of tray notifications, numbered as the Windows mouse messages.
enum class TrayMouse {
  kMove = 512,
  kLeftDown = 513,
  kLeftUp = 514,
  kLeftDoubleClick = 515,
  kRightDown = 516,
  kRightUp = 517,
};

class TrayEvents {
 public:
  virtual ~TrayEvents() = default;
  virtual void OnTrayMouse(int mouse_code) = 0;
};

class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Adds the icon with its tip. False when the shell refuses, also when the icon is already
  // there; a second add never makes a second icon.
  virtual bool Add(std::string_view tip) = 0;
  // False when the desktop has no notification area: hiding the window would strand it.
  virtual bool Available() const = 0;
  // A non-modal notification beside the icon.
  virtual void ShowNotification(std::string_view title, std::string_view text) = 0;
  // A new tip, and the program's icon as it is or greyed out while the program is paused.
  virtual void ShowState(std::string_view tip, bool paused) = 0;
};

}  // namespace keyloom
