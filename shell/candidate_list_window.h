#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/candidate_list.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "shell/window.h"

namespace keyloom {

// A pop-up window realised as a candidate list: it keeps its controls' state, and while it
// shows, its list box's items and selection are the candidate list's. Changes made in one
// event are shown together, once the event is over.
class CandidateListWindow final : public Window {
 public:
  // `timers` makes the timer that shows the changes once the event is over.
  CandidateListWindow(const WindowDesign& design, CandidateList& candidates, Shell& timers);

  std::string Text(std::string_view id) const override;
  void SetText(std::string_view id, std::string_view text) override;
  bool Checked(std::string_view /*id*/) const override { return false; }
  void SetChecked(std::string_view /*id*/, bool /*checked*/) override {}
  void SetListItems(std::string_view id, const std::vector<std::string>& items) override;
  void InsertListItem(std::string_view id, std::size_t index, std::string_view text) override;
  void RemoveListItem(std::string_view id, std::size_t index) override;
  int SelectedListIndex(std::string_view id) const override;
  void SetSelectedListIndex(std::string_view id, int index) override;
  // The input method's list numbers its candidates itself.
  void SetListNumbered(std::string_view /*id*/, bool /*numbered*/) override {}
  TwipRect Rect(std::string_view id) const override;
  void SetRect(std::string_view id, TwipRect rect) override;
  TwipSize Size() const override { return size_; }
  void SetSize(TwipSize size) override { size_ = size; }
  ScreenRect ScreenFrame() const override { return {}; }
  void MoveOnScreen(int /*left*/, int /*top*/) override {}
  void Show() override;
  void Hide() override;
  void Minimize() override {}
  bool Visible() const override { return visible_; }
  bool MenuChecked(std::string_view /*id*/) const override { return false; }
  void SetMenuChecked(std::string_view /*id*/, bool /*checked*/) override {}
  void SetMenuText(std::string_view /*id*/, std::string_view /*caption*/) override {}

 private:
  struct ListState {
    std::vector<std::string> items;
    int selected = -1;
  };

  ListState& List(std::string_view id);
  void ListChanged(std::string_view id);
  void ShowCandidates();

  CandidateList& candidates_;
  std::unique_ptr<Timer> show_later_;
  std::string list_id_;     // the design's list box, whose items are the candidates
  std::string heading_id_;  // the design's first label, the line above them
  std::map<std::string, std::string, std::less<>> texts_;
  std::map<std::string, TwipRect, std::less<>> rects_;
  std::map<std::string, ListState, std::less<>> lists_;
  TwipSize size_;
  bool visible_ = false;
};

}  // namespace keyloom
