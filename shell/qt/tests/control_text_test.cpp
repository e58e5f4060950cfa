#include "shell/qt/control_text.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

struct TextCase {
  const char* in;
  const char* out;
};

TEST(ControlTextTest, EditorsGetLineFeeds) {
  const TextCase cases[] = {{"a\r\nb", "a\nb"},   {"a\rb", "a\nb"}, {"a\nb", "a\nb"},
                            {"\r\n\r\n", "\n\n"}, {"a\r", "a\n"},   {"plain", "plain"}};
  for (const TextCase& c : cases) EXPECT_EQ(ToEditorText(c.in), c.out) << c.in;
}

TEST(ControlTextTest, TheProgramGetsCarriageReturnLineFeeds) {
  EXPECT_EQ(FromEditorText("This is a sample \nI hope you like it"),
            "This is a sample \r\nI hope you like it");
  EXPECT_EQ(FromEditorText("a\n\nb\n"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(FromEditorText(ToEditorText("x\r\ny\r\n")), "x\r\ny\r\n");
}

TEST(ControlTextTest, ListItemsShowLineBreaksAsPilcrows) {
  EXPECT_EQ(ListDisplayText("{S} - SP - This is a sample \r\nI hope you like it"),
            "{S} - SP - This is a sample \xc2\xb6I hope you like it");
  EXPECT_EQ(ListDisplayText("a\nb\rc"),
            "a\xc2\xb6"
            "b\xc2\xb6"
            "c");
  EXPECT_EQ(ListDisplayText("caf\xc3\xa9"), "caf\xc3\xa9");
}

TEST(ControlTextTest, MessagesUseLineFeeds) {
  EXPECT_EQ(MessageText("Keyloom 4.1\r\nhello@keyloom.app\r\n"),
            "Keyloom 4.1\nhello@keyloom.app\n");
}

}  // namespace
}  // namespace keyloom
