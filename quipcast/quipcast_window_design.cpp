#include "quipcast/quipcast_window_design.h"

#include "shell/app_texts.h"
#include "shell/main_menus.h"

namespace keyloom {

WindowDesign QuipcastWindowDesign() {
  using enum ControlKind;
  constexpr const char* kInFrame2 = "Frame2";
  WindowDesign design;
  design.id = "Form1";
  design.caption = MainWindowCaption(Program::kQuipcast);
  design.style = WindowStyle::kMain;
  design.client_size = {6090, 6645};
  design.menus = MainWindowMenus(Program::kQuipcast);
  // Quipcast's own options follow the shared ones, off until the user turns them on.
  std::vector<MenuItemDesign>& options = design.menus.at(1).items;
  options.push_back({"MatchLaunchCase", "Match Case of Launch Letters"});
  options.push_back({"BackspaceUndoesLaunch", "Backspace Undoes a Launch"});
  options.push_back({"PhrasePicker", "Phrase Picker..."});
  // Top to bottom: the heading, the launch keys beside the three-line send string, the Space
  // and Tab options, Send Enter beside Boost, the applications the entry applies to, the
  // button row, and the entry list below.
  design.controls = {
      {kFrame, "Frame2", "Keyloom", "", {120, 0, 5895, 5115}},
      {kLabel, "Label8", "Launch Letters         Send String", kInFrame2, {240, 225, 3600, 255}},
      {kTextBox, "Text10", "", kInFrame2, {240, 480, 1815, 285}, 0},
      {kMultiLineTextBox, "Text7", "", kInFrame2, {2160, 480, 3375, 765}, 1},
      {kOptionButton, "Option1", "Space", kInFrame2, {240, 810, 855, 225}, 2, true},
      {kOptionButton, "Option2", "Tab", kInFrame2, {1140, 810, 855, 225}, 3},
      {kCheckBox, "Check2", "Send Enter", kInFrame2, {240, 1050, 1155, 225}, 4},
      {kCheckBox, "Check8", "Boost", kInFrame2, {1425, 1050, 720, 225}, 7},
      {kFrame, "Frame3", "", kInFrame2, {240, 1320, 3240, 285}, -1, false, true},
      {kOptionButton, "Option3", "Everywhere", "Frame3", {0, 30, 1320, 225}, 11, true},
      {kOptionButton, "Option4", "Only In", "Frame3", {1350, 30, 960, 225}, 12},
      {kOptionButton, "Option5", "Not In", "Frame3", {2340, 30, 900, 225}, 13},
      {kTextBox, "Text11", "", kInFrame2, {3540, 1320, 1995, 285}, 14},
      {kButton, "Command8", "Add String", kInFrame2, {240, 1620, 1335, 255}, 5},
      {kButton, "Command3", "Clear All", kInFrame2, {1635, 1620, 1335, 255}, 8},
      {kButton, "Command2", "Samples", kInFrame2, {3030, 1620, 1335, 255}, 9},
      {kButton, "Command1", "Minimize", kInFrame2, {4560, 1620, 1215, 255}, 10},
      {kListBox, "List1", "", kInFrame2, {240, 1980, 5535, 2985}, 6},
  };
  return design;
}

}  // namespace keyloom
