#include "phrases/fill_ins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrases/macros.h"
#include "phrases/playback.h"
#include "platform/fake/fake_clock.h"
#include "platform/key_string.h"

namespace keyloom {
namespace {

struct FieldsCase {
  std::string send_string;
  std::vector<FillInField> fields;
};

TEST(FillInsTest, FieldsComeInTheOrderOfFirstUseEachNameOnce) {
  for (const FieldsCase& c : std::vector<FieldsCase>{
           {"no fields %(date)%", {}},
           {"Dear %(input=Name)%", {{"Name", {}}}},
           {"%(choice= Topic | a | b )% %(INPUT=Name)% %(input=Topic)% %(input=Name)%",
            {{"Topic", {"a", "b"}}, {"Name", {}}}},
           // A choice without choices and a nameless input ask for nothing.
           {"%(choice=Topic)% %(input=)% %(input=Name", {}},
       }) {
    EXPECT_EQ(FillInFieldsOf(c.send_string), c.fields) << c.send_string;
  }
  std::string many;
  for (int i = 0; i < 40; ++i) many += "%(input=F" + std::to_string(i) + ")%";
  EXPECT_EQ(FillInFieldsOf(many).size(), kMaxFillInFields);
}

TEST(FillInsTest, ValuesGoInAsTypedWhateverTheMacroAndKeySyntaxAround) {
  const std::string send_string =
      "{enter}%(input=Name)%+a %(choice=Size|S|M)% %(date)% %(input=Name)%";
  const std::vector<std::string> values = {"A+{b}%(date)%~", "M"};
  const FakeClock clock;
  const ExpandedSendString expanded = ExpandMacros(MarkFillIns(send_string), clock);
  const KeyActions typed = FillMarks(ParseKeyString(expanded.text), values);
  KeyActions expected = ParseKeyString("{enter}");
  for (const KeyAction& action : LiteralTextActions(values[0])) expected.push_back(action);
  for (const KeyAction& action : ParseKeyString("+a")) expected.push_back(action);
  const std::string rest = " M " + ExpandMacros("%(date)%", clock).text + " ";
  for (const KeyAction& action : LiteralTextActions(rest)) expected.push_back(action);
  for (const KeyAction& action : LiteralTextActions(values[0])) expected.push_back(action);
  EXPECT_EQ(typed, expected);
  EXPECT_EQ(FillMarks(MarkFillIns("x%(input=N)%y"), {"%(date)%"}), "x%(date)%y");
  // Without fields the text is left as it is.
  EXPECT_EQ(MarkFillIns("%(input=)%"), "%(input=)%");
}

}  // namespace
}  // namespace keyloom
