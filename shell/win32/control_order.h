#pragma once

#include <cstddef>
#include <vector>

#include "shell/window_design.h"

namespace keyloom {

// Where each control of a design stands among its sibling windows. The window order is the
// dialog tab order, so the controls that take the focus come first, by tab index; the others
// follow in design order, and frames come last so that they lie beneath what they hold.
struct ControlOrder {
  std::vector<std::size_t> order;  // indexes into the design's controls
  // Per control (by design index): whether it starts a dialog group. Arrow keys move within a
  // group; the option buttons of one container that follow each other make one group.
  std::vector<bool> group_start;
};

ControlOrder OrderControls(const std::vector<ControlDesign>& controls);

}  // namespace keyloom
