#pragma once

#include "shell/program.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// The controls that the resize rules move and size. Quipcast has no Frame1; its rules leave
// `frame1` alone.
struct LayoutRects {
  TwipRect frame2;
  TwipRect list1;
  TwipRect text7;
  TwipRect frame1;
  friend bool operator==(const LayoutRects&, const LayoutRects&) = default;
};

// The rules run on every resize, from the window's outer size and the controls' current
// rectangles. Each step reads the values the steps before it left; a step whose width or
// height would come out negative leaves that value as it was.
LayoutRects QuipcastLayout(TwipSize window, LayoutRects current);
LayoutRects KeyloomLayout(TwipSize window, LayoutRects current);

// Reads the controls of `window`, runs the rules of `program` and writes the results back.
void ApplyLayout(Program program, Window& window);

}  // namespace keyloom
