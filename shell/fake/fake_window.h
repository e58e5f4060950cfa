#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// A window held in memory: every control of the design keeps its state, and the test plays the
// user through the actions below, which raise the WindowEvents. Calls the program makes
// through Window never raise events, Show included (tests call Resize to play the first
// layout). An id that is not in the design, or a call that does not fit the control's kind,
// is a programming error and throws std::out_of_range or std::invalid_argument.
//
// Size() starts as the design's client size (a pop-up: its popup_rect size); the fake has no
// borders, title or menu bar.
class FakeWindow final : public Window {
 public:
  FakeWindow(const WindowDesign& design, WindowEvents& events);
  ~FakeWindow() override;

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
  TwipSize Size() const override { return size_; }
  void SetSize(TwipSize size) override;
  // The pixel size follows Size() and twips_per_pixel; the place starts at the pop-up's
  // designed place (a main window: 0, 0).
  ScreenRect ScreenFrame() const override;
  void MoveOnScreen(int left, int top) override;
  void Show() override;
  void Hide() override { visible_ = false; }
  void Minimize() override { minimized_ = true; }
  bool Visible() const override { return visible_; }
  bool MenuChecked(std::string_view id) const override;
  void SetMenuChecked(std::string_view id, bool checked) override;
  void SetMenuText(std::string_view id, std::string_view caption) override;
  std::string MenuText(std::string_view id) const;

  // Sizes set from now on are rounded to whole pixels of this many twips, as on a real screen
  // (15 at 96 dots per inch); 1, the default, keeps them as given.
  void set_twips_per_pixel(int twips) { twips_per_pixel_ = twips; }

  // The user's actions.
  // A button or menu item: OnCommand. A check box toggles, an option button becomes the
  // checked one of its group; then OnCommand.
  void Click(std::string_view id);
  // Replaces a text field's text, then OnTextChanged.
  void TypeText(std::string_view id, std::string_view text);
  // Selects a list item (-1: none), then OnListSelectionChanged.
  void SelectListItem(std::string_view id, int index);
  // The first click selects (as SelectListItem), then OnListDoubleClicked.
  void DoubleClickListItem(std::string_view id, int index);
  void Resize(TwipSize size);
  // The title bar's close box: OnCloseRequested; the window stays as the program leaves it.
  void Close();

  // Inspection.
  const WindowDesign& design() const { return design_; }
  const std::vector<std::string>& ListItems(std::string_view id) const;
  bool ListNumbered(std::string_view id) const;
  bool minimized() const { return minimized_; }
  // How many times Show was called.
  int show_count() const { return show_count_; }

  // Set by FakeShell: once it returns true (the program quit) no user action raises events.
  void set_events_blocked(std::function<bool()> blocked) { events_blocked_ = std::move(blocked); }
  // Set by FakeShell to forget the window when the program destroys it.
  void set_on_destroyed(std::function<void()> on_destroyed) {
    on_destroyed_ = std::move(on_destroyed);
  }

 private:
  struct Control {
    ControlKind kind = ControlKind::kLabel;
    std::string container;
    std::string text;
    bool checked = false;
    std::vector<std::string> items;
    int selected = -1;
    bool numbered = false;
    TwipRect rect;
  };

  const Control& Find(std::string_view id) const;
  Control& Find(std::string_view id);
  Control& FindKind(std::string_view id, std::span<const ControlKind> kinds);
  const Control& FindKind(std::string_view id, std::span<const ControlKind> kinds) const;
  void CheckOption(Control& option);
  bool EventsBlocked() const { return events_blocked_ && events_blocked_(); }

  WindowDesign design_;
  WindowEvents& events_;
  std::map<std::string, Control, std::less<>> controls_;
  std::map<std::string, bool, std::less<>> menu_checks_;
  std::map<std::string, std::string, std::less<>> menu_texts_;
  TwipSize size_;
  int twips_per_pixel_ = 1;
  std::optional<ScreenRect> moved_to_;  // only left and top count
  bool visible_ = false;
  bool minimized_ = false;
  int show_count_ = 0;
  std::function<bool()> events_blocked_;
  std::function<void()> on_destroyed_;
};

}  // namespace keyloom
