#include "shell/layout.h"

namespace keyloom {
namespace {

// A size that would come out negative keeps its old value: that happens while the window is
// minimized or very small, and the next run after it grows sets everything anew.
void SetSize(int& size, int value) {
  if (value >= 0) size = value;
}

constexpr const char* kFrame2 = "Frame2";
constexpr const char* kList1 = "List1";
constexpr const char* kText7 = "Text7";
constexpr const char* kFrame1 = "Frame1";

}  // namespace

LayoutRects QuipcastLayout(TwipSize window, LayoutRects r) {
  SetSize(r.frame2.width, window.width - 350);
  SetSize(r.list1.width, r.frame2.width - 400);
  SetSize(r.text7.width, r.list1.width - 1900);
  SetSize(r.list1.height, window.height - 2700);
  SetSize(r.frame2.height, window.height - 700);
  return r;
}

LayoutRects KeyloomLayout(TwipSize window, LayoutRects r) {
  SetSize(r.frame2.width, window.width - 200);
  SetSize(r.list1.width, r.frame2.width - 400);
  SetSize(r.text7.width, r.list1.width);
  // Reads the frame height of the previous run, before the next step changes it.
  SetSize(r.list1.height, r.frame2.height - r.frame2.top - 2700);
  SetSize(r.frame2.height, window.height - 700);
  // A top may be negative.
  r.frame1.top = r.frame2.height - 1750;
  return r;
}

void ApplyLayout(Program program, Window& window) {
  const bool keyloom = program == Program::kKeyloom;
  LayoutRects rects{window.Rect(kFrame2), window.Rect(kList1), window.Rect(kText7),
                    keyloom ? window.Rect(kFrame1) : TwipRect{}};
  rects = keyloom ? KeyloomLayout(window.Size(), rects) : QuipcastLayout(window.Size(), rects);
  window.SetRect(kFrame2, rects.frame2);
  window.SetRect(kList1, rects.list1);
  window.SetRect(kText7, rects.text7);
  if (keyloom) window.SetRect(kFrame1, rects.frame1);
}

}  // namespace keyloom
