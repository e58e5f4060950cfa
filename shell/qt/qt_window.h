#pragma once

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QSize>

#include "shell/qt/event_gate.h"
#include "shell/qt/focus_return.h"
#include "shell/qt/twip_scale.h"
#include "shell/window.h"
#include "shell/window_design.h"

class QAction;
class QListWidget;
class QWidget;

namespace keyloom {

// A window realised with Qt Widgets from any WindowDesign: a main window with its menu bar, or
// a pop-up. Controls stand at their design rectangles converted at the screen's DPI, each
// named by its design id (objectName and accessibleName); option buttons of one container
// form one exclusive group; the tab order follows the design. Only the user's own actions
// raise WindowEvents: what the program sets through Window is done with signals blocked. An
// id that is not in the design, or a call that does not fit the control's kind, throws
// std::out_of_range or std::invalid_argument. Resizes raise OnResized whoever made them, since
// the layout must follow the window's size in any case. The outer size of a main window is
// its menu bar and client area in a fixed reference frame (see qt_window.cpp).
class QtWindow final : public Window {
 public:
  QtWindow(const WindowDesign& design, WindowEvents& events, const EventGate& gate);
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  std::string Text(std::string_view id) const override;
  void SetText(std::string_view id, std::string_view text) override;
  bool Checked(std::string_view id) const override;
  void SetChecked(std::string_view id, bool checked) override;
  void SetListItems(std::string_view id, const std::vector<std::string>& items) override;
  void InsertListItem(std::string_view id, std::size_t index, std::string_view text) override;
  void RemoveListItem(std::string_view id, std::size_t index) override;
  int SelectedListIndex(std::string_view id) const override;
  void SetSelectedListIndex(std::string_view id, int index) override;
  void SetListNumbered(std::string_view id, bool numbered) override;
  TwipRect Rect(std::string_view id) const override;
  void SetRect(std::string_view id, TwipRect rect) override;
  TwipSize Size() const override;
  void SetSize(TwipSize size) override;
  ScreenRect ScreenFrame() const override;
  void MoveOnScreen(int left, int top) override;
  void Show() override;
  void Hide() override;
  void Minimize() override;
  bool Visible() const override;
  bool MenuChecked(std::string_view id) const override;
  void SetMenuChecked(std::string_view id, bool checked) override;
  void SetMenuText(std::string_view id, std::string_view caption) override;

  // The top-level widget, for dialogs that belong to the window and for tests.
  QWidget* widget() const { return top_.get(); }

 private:
  struct Control {
    ControlKind kind;
    QWidget* widget;
    TwipRect rect;
  };
  struct MenuItem {
    QAction* action;
    bool checked;
  };

  // What the outer size adds to the top-level widget: the reference frame.
  QSize FramePixels() const;
  void BuildMenus(const std::vector<MenuDesign>& menus);
  void BuildControls(const std::vector<ControlDesign>& controls);
  void Connect(const std::string& id, const Control& control);
  void SetTabOrder(const std::vector<ControlDesign>& controls);
  const Control& Find(std::string_view id, std::span<const ControlKind> kinds) const;
  void ApplyPendingSize() const;
  // Shows the items of `list` from `first` up to `last` (-1: the end) from their own texts,
  // numbered when the list is.
  void ShowItemTexts(QListWidget* list, int first, int last = -1) const;
  const Control& Find(std::string_view id) const;
  // Runs a user event unless the program has quit.
  template <typename F>
  void Raise(F&& raise);

  WindowEvents& events_;
  const EventGate& gate_;
  const WindowStyle style_;
  const bool returns_focus_;
  FocusReturn focus_return_;
  TwipScale scale_;
  std::unique_ptr<QWidget> top_;
  // A pop-up's size, set in this event and given to the widget once the event is over.
  mutable std::optional<QSize> pending_size_;
  QWidget* client_ = nullptr;  // the area the controls stand in
  std::map<std::string, Control, std::less<>> controls_;
  std::map<std::string, MenuItem, std::less<>> menu_items_;
};

}  // namespace keyloom
