#pragma once

#include "shell/win32/win32_api.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// A window realised from a design with the system's own controls. Every control is a child of
// the window itself, placed at its rectangle plus those of its containers; rectangles are kept
// in twips and mapped to pixels at the window's DPI, so a DPI change only places them anew.
// Events reach the program only for the user's own actions, and never once `stopped` is set.
class Win32Window final : public Window {
 public:
  // The window classes of main windows and pop-ups, registered once per process.
  static void RegisterClasses();
  // Whether `root` is a main window, whose keys go through dialog navigation.
  static bool UsesDialogNavigation(HWND root);

  Win32Window(const WindowDesign& design, WindowEvents& events, const bool& stopped);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

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

  HWND handle() const { return hwnd_; }
  int dpi() const { return dpi_; }
  // The control's own window; nullptr for a borderless frame.
  HWND ControlHandle(std::string_view id) const;

 private:
  struct Control {
    ControlKind kind = ControlKind::kLabel;
    std::string id;
    std::string container;
    std::string caption;  // borderless frames only: they have no window to keep it
    TwipRect rect;
    HWND hwnd = nullptr;
    // A numbered list box keeps its own items; the control shows them numbered.
    bool numbered = false;
    std::vector<std::string> items;
  };

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PopupListProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR id, DWORD_PTR window);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnControlCommand(int command, int notification);
  void OnNextControl(WPARAM wparam, LPARAM lparam);

  void CreateControls(const WindowDesign& design);
  void CreateMenus(const WindowDesign& design);
  void UpdateFont();
  void PlaceAll();
  void Place(const Control& control);
  TwipRect AbsoluteRect(const Control& control) const;
  const Control& Find(std::string_view id) const;
  Control& Find(std::string_view id);
  HWND Handle(std::string_view id) const;
  // Shows a numbered list's items again, the selection kept.
  void ShowNumberedItems(const Control& list);
  int MenuCommand(std::string_view id) const;
  template <typename Event>
  void Raise(Event event);

  WindowEvents& events_;
  const bool& stopped_;
  WindowStyle style_;
  TwipRect popup_rect_;
  std::string default_button_;
  std::string cancel_button_;
  bool returns_focus_;
  HWND focus_before_ = nullptr;  // the window that had the focus when this one was shown
  HWND hwnd_ = nullptr;
  HMENU menu_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::vector<Control> controls_;
  std::map<std::string, std::size_t, std::less<>> by_id_;
  std::map<std::string, int, std::less<>> menu_commands_;
  std::map<int, std::string> menu_ids_;
  bool shown_ = false;
  int quiet_ = 0;  // changes the program makes raise no events while it is above zero
  HWND last_focus_ = nullptr;
};

}  // namespace keyloom
