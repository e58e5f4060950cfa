#include "shell/win32/control_order.h"

#include <algorithm>

namespace keyloom {
namespace {

int Rank(const ControlDesign& control) {
  if (control.kind == ControlKind::kFrame) return 2;
  return control.tab_index >= 0 ? 0 : 1;
}

}  // namespace

ControlOrder OrderControls(const std::vector<ControlDesign>& controls) {
  ControlOrder result;
  result.order.resize(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) result.order[i] = i;
  std::stable_sort(result.order.begin(), result.order.end(), [&](std::size_t a, std::size_t b) {
    const ControlDesign& x = controls[a];
    const ControlDesign& y = controls[b];
    if (Rank(x) != Rank(y)) return Rank(x) < Rank(y);
    return Rank(x) == 0 && x.tab_index < y.tab_index;
  });

  result.group_start.assign(controls.size(), true);
  const ControlDesign* previous = nullptr;
  for (const std::size_t index : result.order) {
    const ControlDesign& control = controls[index];
    if (previous != nullptr && control.kind == ControlKind::kOptionButton &&
        previous->kind == ControlKind::kOptionButton && previous->container == control.container) {
      result.group_start[index] = false;
    }
    previous = &control;
  }
  return result;
}

}  // namespace keyloom
