#pragma once

#include <string_view>

#include "shell/fake/fake_window.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// A window that only holds the working list List1.
inline WindowDesign ListOnlyDesign() {
  WindowDesign design;
  design.id = "Form1";
  design.controls = {{ControlKind::kListBox, "List1", "", "", {0, 0, 1000, 1000}, 0}};
  return design;
}

// A fake window whose events go nowhere, for tests of what the program does to a window.
class TestWindow : private WindowEvents {
 public:
  explicit TestWindow(const WindowDesign& design) : window_(design, *this) {}
  FakeWindow& window() { return window_; }

 private:
  void OnCommand(std::string_view /*id*/) override {}
  FakeWindow window_;
};

}  // namespace keyloom
