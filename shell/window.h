#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/caret_locator.h"
#include "shell/window_design.h"

namespace keyloom {

// What the user did in a window. Only the user's own actions raise events: a change that the
// program makes through Window never comes back as an event.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // A button was pressed, a menu item chosen, a check box or option button clicked.
  virtual void OnCommand(std::string_view id) = 0;
  // The user changed the text of a text field.
  virtual void OnTextChanged(std::string_view /*id*/) {}
  // The user changed the selection of a list box (mouse or keyboard).
  virtual void OnListSelectionChanged(std::string_view /*id*/) {}
  virtual void OnListDoubleClicked(std::string_view /*id*/) {}
  // The window's size changed, also when it is first shown.
  virtual void OnResized() {}
  // The user closed the window from its title bar or system menu.
  virtual void OnCloseRequested() {}
};

// A window realised from a WindowDesign; controls are addressed by their design id.
class Window {
 public:
  virtual ~Window() = default;

  // Text fields: their text; labels, buttons, frames, check boxes: their caption.
  virtual std::string Text(std::string_view id) const = 0;
  virtual void SetText(std::string_view id, std::string_view text) = 0;

  // Check boxes and option buttons. Checking an option button unchecks the others of its group.
  virtual bool Checked(std::string_view id) const = 0;
  virtual void SetChecked(std::string_view id, bool checked) = 0;

  // List boxes show the items in the order given; the program keeps them sorted.
  virtual void SetListItems(std::string_view id, const std::vector<std::string>& items) = 0;
  virtual void InsertListItem(std::string_view id, std::size_t index, std::string_view text) = 0;
  virtual void RemoveListItem(std::string_view id, std::size_t index) = 0;
  virtual int SelectedListIndex(std::string_view id) const = 0;  // -1 when none
  virtual void SetSelectedListIndex(std::string_view id, int index) = 0;
  // Whether a list box shows the numbers 1 to 9 before its first nine items (see
  // NumberedItemText); the items themselves stay as given.
  virtual void SetListNumbered(std::string_view id, bool numbered) = 0;

  virtual TwipRect Rect(std::string_view id) const = 0;
  virtual void SetRect(std::string_view id, TwipRect rect) = 0;

  // The window's outer size: borders, title bar and menu bar included.
  virtual TwipSize Size() const = 0;
  virtual void SetSize(TwipSize size) = 0;

  // The window's outer rectangle on the screen, in pixels, and moving it there (the size stays).
  virtual ScreenRect ScreenFrame() const = 0;
  virtual void MoveOnScreen(int left, int top) = 0;

  // Shows the window, or brings it to the front and activates it when it is already shown.
  // A pop-up is shown without taking the keyboard focus.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Minimizes to the taskbar (the title bar's own minimize).
  virtual void Minimize() = 0;
  virtual bool Visible() const = 0;

  virtual bool MenuChecked(std::string_view id) const = 0;
  virtual void SetMenuChecked(std::string_view id, bool checked) = 0;
  virtual void SetMenuText(std::string_view id, std::string_view caption) = 0;
};

}  // namespace keyloom
