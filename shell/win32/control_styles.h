#pragma once

#include <cstdint>

#include "shell/window_design.h"

namespace keyloom {

// The system control that shows a designed control, and its window styles.
struct NativeControl {
  const wchar_t* class_name = nullptr;  // nullptr: nothing on the screen (a borderless frame)
  std::uint32_t style = 0;
  std::uint32_t ex_style = 0;
};

// `group_start` and the tab index decide WS_GROUP and WS_TABSTOP (see OrderControls).
NativeControl NativeControlFor(const ControlDesign& control, bool group_start);

}  // namespace keyloom
