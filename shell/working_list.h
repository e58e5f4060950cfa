#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "shell/window.h"

namespace keyloom {

// The main window's working list (list box List1): items in the one case-insensitive order,
// every added item at its sorted place after its equals, mirrored into the window's list box.
class WorkingList {
 public:
  WorkingList(Window& window, std::string list_id);

  // Adds one item at its sorted place and returns its index.
  std::size_t Add(std::string item);
  // Adds many items as if one by one, with a single refresh of the list box.
  void AddAll(std::vector<std::string> items);
  void RemoveAt(std::size_t index);
  void Clear();

  const std::vector<std::string>& items() const { return items_; }
  std::size_t size() const { return items_.size(); }
  // The list box's selection; -1 when none.
  int SelectedIndex() const;

 private:
  Window& window_;
  std::string list_id_;
  std::vector<std::string> items_;
};

}  // namespace keyloom
