#include "shell/fake/fake_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace keyloom {
namespace {

constexpr ControlKind kTextFields[] = {ControlKind::kTextBox, ControlKind::kMultiLineTextBox};
constexpr ControlKind kCheckables[] = {ControlKind::kCheckBox, ControlKind::kOptionButton};
constexpr ControlKind kLists[] = {ControlKind::kListBox};
constexpr ControlKind kClickables[] = {ControlKind::kButton, ControlKind::kCheckBox,
                                       ControlKind::kOptionButton};

std::string Describe(std::string_view window_id, std::string_view id) {
  return "FakeWindow " + std::string(window_id) + ": control \"" + std::string(id) + "\"";
}

void CheckListIndex(const std::vector<std::string>& items, int index, std::string_view what) {
  if (index < -1 || index >= static_cast<int>(items.size())) {
    throw std::out_of_range(std::string(what) + ": list index " + std::to_string(index) +
                            " out of range");
  }
}

}  // namespace

FakeWindow::FakeWindow(const WindowDesign& design, WindowEvents& events)
    : design_(design), events_(events) {
  for (const ControlDesign& control : design.controls) {
    Control state;
    state.kind = control.kind;
    state.container = control.container;
    state.text = control.caption;
    state.checked = control.checked;
    state.rect = control.rect;
    if (!controls_.emplace(control.id, std::move(state)).second) {
      throw std::invalid_argument(Describe(design.id, control.id) + " designed twice");
    }
  }
  for (const MenuDesign& menu : design.menus) {
    for (const MenuItemDesign& item : menu.items) {
      menu_checks_[item.id] = item.checked;
      menu_texts_[item.id] = item.caption;
    }
  }
  size_ = design.style == WindowStyle::kPopup
              ? TwipSize{design.popup_rect.width, design.popup_rect.height}
              : design.client_size;
}

FakeWindow::~FakeWindow() {
  if (on_destroyed_) on_destroyed_();
}

std::string FakeWindow::Text(std::string_view id) const { return Find(id).text; }

void FakeWindow::SetText(std::string_view id, std::string_view text) {
  Find(id).text = std::string(text);
}

bool FakeWindow::Checked(std::string_view id) const { return FindKind(id, kCheckables).checked; }

void FakeWindow::SetChecked(std::string_view id, bool checked) {
  Control& control = FindKind(id, kCheckables);
  if (checked && control.kind == ControlKind::kOptionButton) {
    CheckOption(control);
  } else {
    control.checked = checked;
  }
}

void FakeWindow::SetListItems(std::string_view id, const std::vector<std::string>& items) {
  Control& list = FindKind(id, kLists);
  list.items = items;
  list.selected = -1;
}

void FakeWindow::InsertListItem(std::string_view id, std::size_t index, std::string_view text) {
  Control& list = FindKind(id, kLists);
  if (index > list.items.size()) throw std::out_of_range(Describe(design_.id, id) + ": insert");
  list.items.insert(list.items.begin() + static_cast<std::ptrdiff_t>(index), std::string(text));
  // The selection stays on its item.
  if (list.selected >= static_cast<int>(index)) ++list.selected;
}

void FakeWindow::RemoveListItem(std::string_view id, std::size_t index) {
  Control& list = FindKind(id, kLists);
  if (index >= list.items.size()) throw std::out_of_range(Describe(design_.id, id) + ": remove");
  list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(index));
  if (list.selected == static_cast<int>(index)) {
    list.selected = -1;
  } else if (list.selected > static_cast<int>(index)) {
    --list.selected;
  }
}

int FakeWindow::SelectedListIndex(std::string_view id) const {
  return FindKind(id, kLists).selected;
}

void FakeWindow::SetSelectedListIndex(std::string_view id, int index) {
  Control& list = FindKind(id, kLists);
  CheckListIndex(list.items, index, Describe(design_.id, id));
  list.selected = index;
}

TwipRect FakeWindow::Rect(std::string_view id) const { return Find(id).rect; }

void FakeWindow::SetRect(std::string_view id, TwipRect rect) { Find(id).rect = rect; }

void FakeWindow::SetSize(TwipSize size) {
  const auto round = [this](int twips) {
    const int pixels = (twips + twips_per_pixel_ / 2) / twips_per_pixel_;
    return pixels * twips_per_pixel_;
  };
  size_ = {round(size.width), round(size.height)};
}

ScreenRect FakeWindow::ScreenFrame() const {
  const TwipRect& designed = design_.popup_rect;
  const ScreenRect place = moved_to_.value_or(
      ScreenRect{designed.left / twips_per_pixel_, designed.top / twips_per_pixel_});
  return {place.left, place.top, size_.width / twips_per_pixel_, size_.height / twips_per_pixel_};
}

void FakeWindow::MoveOnScreen(int left, int top) { moved_to_ = ScreenRect{left, top}; }

void FakeWindow::Show() {
  visible_ = true;
  minimized_ = false;
  ++show_count_;
}

void FakeWindow::SetMenuText(std::string_view id, std::string_view caption) {
  const auto it = menu_texts_.find(id);
  if (it == menu_texts_.end())
    throw std::out_of_range("FakeWindow: no menu item " + std::string(id));
  it->second = std::string(caption);
}

std::string FakeWindow::MenuText(std::string_view id) const {
  const auto it = menu_texts_.find(id);
  if (it == menu_texts_.end())
    throw std::out_of_range("FakeWindow: no menu item " + std::string(id));
  return it->second;
}

bool FakeWindow::MenuChecked(std::string_view id) const {
  const auto it = menu_checks_.find(id);
  if (it == menu_checks_.end())
    throw std::out_of_range("FakeWindow: no menu item " + std::string(id));
  return it->second;
}

void FakeWindow::SetMenuChecked(std::string_view id, bool checked) {
  const auto it = menu_checks_.find(id);
  if (it == menu_checks_.end())
    throw std::out_of_range("FakeWindow: no menu item " + std::string(id));
  it->second = checked;
}

void FakeWindow::Click(std::string_view id) {
  if (!menu_checks_.contains(id)) {
    Control& control = FindKind(id, kClickables);
    if (EventsBlocked()) return;
    if (control.kind == ControlKind::kCheckBox) control.checked = !control.checked;
    if (control.kind == ControlKind::kOptionButton) CheckOption(control);
  } else if (EventsBlocked()) {
    return;
  }
  events_.OnCommand(id);
}

void FakeWindow::TypeText(std::string_view id, std::string_view text) {
  Control& field = FindKind(id, kTextFields);
  if (EventsBlocked()) return;
  field.text = std::string(text);
  events_.OnTextChanged(id);
}

void FakeWindow::SelectListItem(std::string_view id, int index) {
  Control& list = FindKind(id, kLists);
  CheckListIndex(list.items, index, Describe(design_.id, id));
  if (EventsBlocked()) return;
  list.selected = index;
  events_.OnListSelectionChanged(id);
}

void FakeWindow::DoubleClickListItem(std::string_view id, int index) {
  SelectListItem(id, index);
  if (EventsBlocked()) return;
  events_.OnListDoubleClicked(id);
}

void FakeWindow::Resize(TwipSize size) {
  if (EventsBlocked()) return;
  size_ = size;
  events_.OnResized();
}

void FakeWindow::Close() {
  if (EventsBlocked()) return;
  events_.OnCloseRequested();
}

const std::vector<std::string>& FakeWindow::ListItems(std::string_view id) const {
  return FindKind(id, kLists).items;
}

bool FakeWindow::ListNumbered(std::string_view id) const { return FindKind(id, kLists).numbered; }

void FakeWindow::SetListNumbered(std::string_view id, bool numbered) {
  FindKind(id, kLists).numbered = numbered;
}

const FakeWindow::Control& FakeWindow::Find(std::string_view id) const {
  const auto it = controls_.find(id);
  if (it == controls_.end()) throw std::out_of_range(Describe(design_.id, id) + " not designed");
  return it->second;
}

FakeWindow::Control& FakeWindow::Find(std::string_view id) {
  return const_cast<Control&>(std::as_const(*this).Find(id));
}

const FakeWindow::Control& FakeWindow::FindKind(std::string_view id,
                                                std::span<const ControlKind> kinds) const {
  const Control& control = Find(id);
  if (std::find(kinds.begin(), kinds.end(), control.kind) == kinds.end()) {
    throw std::invalid_argument(Describe(design_.id, id) + " is not of a kind for this call");
  }
  return control;
}

FakeWindow::Control& FakeWindow::FindKind(std::string_view id, std::span<const ControlKind> kinds) {
  return const_cast<Control&>(std::as_const(*this).FindKind(id, kinds));
}

void FakeWindow::CheckOption(Control& option) {
  for (auto& [other_id, other] : controls_) {
    if (other.kind == ControlKind::kOptionButton && other.container == option.container) {
      other.checked = false;
    }
  }
  option.checked = true;
}

}  // namespace keyloom
