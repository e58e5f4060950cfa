#pragma once

#include <string>
#include <vector>

namespace keyloom {

// Positions and sizes in twips: 1440 per inch, 15 per pixel at 96 dots per inch.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct TwipSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TwipSize&, const TwipSize&) = default;
};

enum class ControlKind {
  kLabel,
  kTextBox,           // one line
  kMultiLineTextBox,  // several lines, Enter makes a new line
  kListBox,           // single selection; the program keeps the items in order
  kCheckBox,
  kOptionButton,  // option buttons in one container form one group
  kFrame,         // a container; drawn with its caption, or borderless when `borderless`
  kButton,
};

struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string id;         // the control's name, e.g. "Text10"; commands and events carry it
  std::string caption;    // label, button, check box, option and frame caption; initial text
  std::string container;  // id of the enclosing frame; empty for the window itself
  TwipRect rect;          // relative to the container's client area
  int tab_index = -1;     // position in the tab order; -1 when the control takes no focus
  bool checked = false;   // initial state of check boxes and option buttons
  bool borderless = false;
};

struct MenuItemDesign {
  std::string id;       // command id, e.g. "FileImport"
  std::string caption;  // "&" marks the access key
  bool checked = false;
};

struct MenuDesign {
  std::string caption;  // "&File"
  std::vector<MenuItemDesign> items;
};

enum class WindowStyle {
  kMain,   // title bar, menu bar, in the taskbar
  kPopup,  // no border or title bar, not in the taskbar, never takes the keyboard focus
};

struct WindowDesign {
  std::string id;  // "Form1", "Form2"
  std::string caption;
  WindowStyle style = WindowStyle::kMain;
  TwipSize client_size;  // the client area at start
  TwipRect popup_rect;   // kPopup only: where the pop-up stands on the screen
  std::vector<MenuDesign> menus;
  std::vector<ControlDesign> controls;  // containers before the controls they hold
  // Buttons that Enter and Escape click, wherever the focus is in the window; empty for none.
  std::string default_button;
  std::string cancel_button;
  // kMain only: once hidden, the window gives the keyboard focus back to the window that had it
  // when this one was shown.
  bool returns_focus = false;
};

}  // namespace keyloom
