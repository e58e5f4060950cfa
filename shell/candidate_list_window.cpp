#include "shell/candidate_list_window.h"

#include <algorithm>

namespace keyloom {

CandidateListWindow::CandidateListWindow(const WindowDesign& design, CandidateList& candidates,
                                         Shell& timers)
    : candidates_(candidates),
      show_later_(timers.CreateTimer([this] { ShowCandidates(); })),
      size_(design.client_size) {
  for (const ControlDesign& control : design.controls) {
    texts_[control.id] = control.caption;
    rects_[control.id] = control.rect;
    if (control.kind == ControlKind::kListBox && list_id_.empty()) list_id_ = control.id;
    if (control.kind == ControlKind::kLabel && heading_id_.empty()) heading_id_ = control.id;
  }
  show_later_->SetInterval(1);
}

std::string CandidateListWindow::Text(std::string_view id) const {
  const auto found = texts_.find(id);
  return found != texts_.end() ? found->second : std::string();
}

void CandidateListWindow::SetText(std::string_view id, std::string_view text) {
  texts_[std::string(id)] = std::string(text);
  if (visible_ && id == heading_id_) show_later_->Restart();
}

CandidateListWindow::ListState& CandidateListWindow::List(std::string_view id) {
  return lists_[std::string(id)];
}

void CandidateListWindow::SetListItems(std::string_view id, const std::vector<std::string>& items) {
  List(id) = {items, -1};
  ListChanged(id);
}

void CandidateListWindow::InsertListItem(std::string_view id, std::size_t index,
                                         std::string_view text) {
  ListState& list = List(id);
  index = std::min(index, list.items.size());
  list.items.insert(list.items.begin() + static_cast<std::ptrdiff_t>(index), std::string(text));
  if (list.selected >= static_cast<int>(index)) ++list.selected;
  ListChanged(id);
}

void CandidateListWindow::RemoveListItem(std::string_view id, std::size_t index) {
  ListState& list = List(id);
  if (index >= list.items.size()) return;
  list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(index));
  if (list.selected == static_cast<int>(index)) {
    list.selected = -1;
  } else if (list.selected > static_cast<int>(index)) {
    --list.selected;
  }
  ListChanged(id);
}

int CandidateListWindow::SelectedListIndex(std::string_view id) const {
  const auto found = lists_.find(id);
  return found != lists_.end() ? found->second.selected : -1;
}

void CandidateListWindow::SetSelectedListIndex(std::string_view id, int index) {
  ListState& list = List(id);
  list.selected = index >= 0 && index < static_cast<int>(list.items.size()) ? index : -1;
  ListChanged(id);
}

TwipRect CandidateListWindow::Rect(std::string_view id) const {
  const auto found = rects_.find(id);
  return found != rects_.end() ? found->second : TwipRect{};
}

void CandidateListWindow::SetRect(std::string_view id, TwipRect rect) {
  rects_[std::string(id)] = rect;
}

void CandidateListWindow::Show() {
  visible_ = true;
  show_later_->Restart();
}

void CandidateListWindow::Hide() {
  if (!visible_) return;
  visible_ = false;
  show_later_->SetEnabled(false);
  candidates_.Hide();
}

void CandidateListWindow::ListChanged(std::string_view id) {
  if (visible_ && id == list_id_) show_later_->Restart();
}

void CandidateListWindow::ShowCandidates() {
  show_later_->SetEnabled(false);
  if (!visible_) return;
  const ListState& list = List(list_id_);
  const std::string heading = Text(heading_id_);
  if (list.items.empty() && heading.empty()) {
    candidates_.Hide();
    return;
  }
  candidates_.SetHeading(heading);
  candidates_.Show(list.items, std::max(list.selected, 0));
}

}  // namespace keyloom
