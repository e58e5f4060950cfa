#include "phrases/fill_in_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrases/tests/quipcast_app_fixture.h"

namespace keyloom {
namespace {

class FillInFormTest : public QuipcastAppFixture {
 protected:
  void SetUp() override {
    shell_.settings().Set("Options", "Boost", "0");
    SetListFile(kDefaultListFile,
                {"{S} - fm - Hi %(input=Name)%, %(choice=Topic|a|b)%: %(input=Name)%"});
    Start();
    platform_.hook().set_focused_application("gedit");
  }
  void Launch() {
    for (const int key : {int{'F'}, int{'M'}, kVkSpace}) platform_.hook().Press(key);
    shell_.Advance(FillInForm::kShowDelayMs);
  }
  FakeWindow& Form() { return shell_.window("Form4"); }
  FillInForm& form() { return app_->fill_in_form(); }
};

TEST_F(FillInFormTest, OneFieldPerNameAndNothingTypedBeforeTheAnswer) {
  Launch();
  ASSERT_TRUE(shell_.HasWindow("Form4"));
  EXPECT_TRUE(Form().Visible());
  EXPECT_EQ(platform_.keystrokes().TypedText(), "");
  EXPECT_EQ(Form().Text(FillInForm::LabelId(0)), "Name");
  EXPECT_EQ(Form().Text(FillInForm::LabelId(1)), "Topic");
  EXPECT_EQ(Form().SelectedListIndex(FillInForm::FieldId(1)), 0);
  // The keys typed into the form are no launch.
  Launch();
  Form().TypeText(FillInForm::FieldId(0), "Ann");
  Form().SelectListItem(FillInForm::FieldId(1), 1);
  Form().Click(FillInForm::kOkId);
  EXPECT_FALSE(Form().Visible());
  EXPECT_EQ(platform_.keystrokes().TypedText(), "");
  shell_.Advance(FillInForm::kFocusReturnMs);
  EXPECT_EQ(platform_.keystrokes().TypedText(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}Hi Ann, b: Ann");
  EXPECT_FALSE(shell_.HasWindow("Form4"));
}

TEST_F(FillInFormTest, CancelOrClosingSendsAndErasesNothing) {
  for (const bool close : {false, true}) {
    Launch();
    Form().TypeText(FillInForm::FieldId(0), "Ann");
    if (close) {
      Form().Close();
    } else {
      Form().Click(FillInForm::kCancelId);
    }
    shell_.Advance(FillInForm::kFocusReturnMs);
    EXPECT_EQ(platform_.keystrokes().TypedText(), "") << close;
    EXPECT_FALSE(form().Busy());
  }
}

TEST(FillInFormDesignTest, EnterAndEscapeClickOkAndCancelAndTheFocusGoesBack) {
  const WindowDesign design = FillInFormDesign({{"Name", {}}, {"Topic", {"a", "b"}}});
  EXPECT_EQ(design.default_button, FillInForm::kOkId);
  EXPECT_EQ(design.cancel_button, FillInForm::kCancelId);
  EXPECT_TRUE(design.returns_focus);
  ASSERT_EQ(design.controls.size(), 6u);
  EXPECT_EQ(design.controls[1].kind, ControlKind::kTextBox);
  EXPECT_EQ(design.controls[3].kind, ControlKind::kListBox);
  EXPECT_EQ(design.controls[1].tab_index, 0);
}

}  // namespace
}  // namespace keyloom
