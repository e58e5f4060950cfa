#include "shell/working_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/text.h"

namespace keyloom {

WorkingList::WorkingList(Window& window, std::string list_id)
    : window_(window), list_id_(std::move(list_id)) {}

std::size_t WorkingList::Add(std::string item) {
  // upper_bound puts the new item after every item that compares equal to it.
  const auto place = std::upper_bound(items_.begin(), items_.end(), item, LessNoCase);
  const auto index = static_cast<std::size_t>(place - items_.begin());
  window_.InsertListItem(list_id_, index, item);
  items_.insert(place, std::move(item));
  return index;
}

void WorkingList::AddAll(std::vector<std::string> items) {
  if (items.empty()) return;
  // Adding one by one keeps equal new items in their given order after the equal old ones:
  // a stable sort of the new items followed by a merge that prefers the old ones does the same.
  std::stable_sort(items.begin(), items.end(), LessNoCase);
  // The selection follows its item, as it does when items are inserted one at a time.
  int selected = SelectedIndex();
  if (selected >= 0 && selected < static_cast<int>(items_.size())) {
    const std::string& kept = items_[static_cast<std::size_t>(selected)];
    selected += static_cast<int>(std::lower_bound(items.begin(), items.end(), kept, LessNoCase) -
                                 items.begin());
  } else {
    selected = -1;
  }
  std::vector<std::string> merged;
  merged.reserve(items_.size() + items.size());
  std::merge(std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
             std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
             std::back_inserter(merged), LessNoCase);
  items_ = std::move(merged);
  window_.SetListItems(list_id_, items_);
  if (selected >= 0) window_.SetSelectedListIndex(list_id_, selected);
}

void WorkingList::RemoveAt(std::size_t index) {
  if (index >= items_.size()) return;
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  window_.RemoveListItem(list_id_, index);
}

void WorkingList::Clear() {
  items_.clear();
  window_.SetListItems(list_id_, items_);
}

int WorkingList::SelectedIndex() const { return window_.SelectedListIndex(list_id_); }

}  // namespace keyloom
