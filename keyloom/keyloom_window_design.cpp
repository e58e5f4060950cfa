#include "keyloom/keyloom_window_design.h"

#include "shell/app_texts.h"
#include "shell/main_menus.h"

namespace keyloom {

WindowDesign KeyloomWindowDesign() {
  using enum ControlKind;
  constexpr const char* kInFrame2 = "Frame2";
  constexpr const char* kInFrame1 = "Frame1";
  WindowDesign design;
  design.id = "Form1";
  design.caption = MainWindowCaption(Program::kKeyloom);
  design.style = WindowStyle::kMain;
  design.client_size = {6750, 4890};
  design.menus = MainWindowMenus(Program::kKeyloom);
  // Keyloom's own options follow the shared ones, off until the user turns them on.
  std::vector<MenuItemDesign>& options = design.menus.at(1).items;
  options.push_back({"MostLikelyFirst", "Most Likely First"});
  options.push_back({"LearnWords", "Learn My Words"});
  options.push_back({"LearnInTerminals", "Learn Words Typed in Terminals"});
  options.push_back({"OfferListWords", "Offer Words from My Word List"});
  options.push_back({"SuggestionsAtCaret", "Show suggestions at the text cursor"});
  // Predict Words and the choices that belong to it.
  options.push_back({"PredictWords", "Predict Words"});
  options.push_back({"SpaceAfterCompletion", "Add a Space after a Completion"});
  options.push_back({"PickWithCtrl", "Pick with Ctrl+1 to 9"});
  options.push_back({"PickWithAlt", "Pick with Alt+1 to 9"});
  options.push_back({"ForgetLearnedWords", "Forget Learned Words"});
  // Wider than its first design (4095) so that the longest label is never cut off.
  ControlDesign panel{kFrame, "Frame1", "", kInFrame2, {240, 3000, 4500, 1695}};
  panel.borderless = true;
  design.controls = {
      {kFrame, "Frame2", "Keyloom", "", {0, 0, 5535, 4815}},
      {kMultiLineTextBox, "Text7", "", kInFrame2, {240, 360, 5175, 285}, 0},
      {kButton, "Command8", "Add Word", kInFrame2, {240, 720, 5175, 255}, 1},
      {kListBox, "List1", "", kInFrame2, {240, 1080, 5175, 1815}, 2},
      panel,
      {kCheckBox, "Check1", "Enable Keyloom", kInFrame1, {0, 0, 2295, 255}, 3, true},
      {kTextBox, "Text4", "15", kInFrame1, {0, 240, 375, 285}, 4},
      {kLabel, "Label4", "Max words to display", kInFrame1, {480, 240, 2235, 255}},
      {kTextBox, "Text8", "4", kInFrame1, {0, 570, 375, 285}, 5},
      {kLabel, "Label8", "Minum Length word to Add", kInFrame1, {480, 600, 2235, 255}},
      {kTextBox, "Text9", "3", kInFrame1, {0, 930, 375, 285}, 6},
      {kLabel,
       "Label9",
       "Minum number of letters to entered before display",
       kInFrame1,
       {480, 960, 4020, 255}},
      {kTextBox, "Text2", "5", kInFrame1, {0, 1320, 375, 285}, 7},
      {kLabel,
       "Label2",
       "Number of Seconds to Display Word List",
       kInFrame1,
       {480, 1320, 4020, 255}},
      {kButton, "Command2", "Clear List", kInFrame1, {2760, 120, 1335, 255}, 8},
      {kButton, "Command1", "Minimize", kInFrame1, {2760, 480, 1335, 375}, 9},
      // Says what went wrong at start-up; empty otherwise. Follows Frame1 on resize.
      {kLabel, "StatusLine", "", kInFrame2, {4860, 3960, 555, 510}},
  };
  return design;
}

WindowDesign KeyloomPopupDesign() {
  WindowDesign design;
  design.id = "Form2";
  design.style = WindowStyle::kPopup;
  design.client_size = {3360, 2085};
  design.popup_rect = {0, 0, 3360, 2085};
  // The pop-up never takes the keyboard focus, so the list has no place in a tab order.
  design.controls = {{ControlKind::kListBox, "List1", "", "", {0, 0, 3375, 2085}}};
  return design;
}

}  // namespace keyloom
