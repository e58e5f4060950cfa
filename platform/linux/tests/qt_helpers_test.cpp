#include <gtest/gtest.h>

#include "platform/linux/qt_clock.h"
#include "platform/linux/qt_program_starter.h"

namespace keyloom {
namespace {

TEST(WithoutTimeZoneTest, DropsZoneFieldsAndTheirSpaces) {
  EXPECT_EQ(WithoutTimeZone("h:mm:ss AP t"), "h:mm:ss AP");
  EXPECT_EQ(WithoutTimeZone("HH:mm:ss t"), "HH:mm:ss");
  EXPECT_EQ(WithoutTimeZone("HH:mm:ss tttt"), "HH:mm:ss");
  EXPECT_EQ(WithoutTimeZone("HH:mm:ss"), "HH:mm:ss");
  EXPECT_EQ(WithoutTimeZone("t HH:mm"), " HH:mm");
}

TEST(WithoutTimeZoneTest, KeepsQuotedText) {
  EXPECT_EQ(WithoutTimeZone("H 'h' mm 'at' t"), "H 'h' mm 'at'");
}

TEST(SplitCommandLineTest, SplitsLikeAShell) {
  EXPECT_EQ(SplitCommandLine("xdg-open https://keyloom.app"),
            (std::vector<std::string>{"xdg-open", "https://keyloom.app"}));
  EXPECT_EQ(SplitCommandLine("\"/opt/My App/run\" -x \"a b\""),
            (std::vector<std::string>{"/opt/My App/run", "-x", "a b"}));
  EXPECT_EQ(SplitCommandLine("  gedit   notes.txt "),
            (std::vector<std::string>{"gedit", "notes.txt"}));
}

TEST(SplitCommandLineTest, ShellCharactersAreJustText) {
  // No shell runs the line: a pipe or a semicolon is an argument like any other.
  EXPECT_EQ(SplitCommandLine("echo a; rm -rf x | cat"),
            (std::vector<std::string>{"echo", "a;", "rm", "-rf", "x", "|", "cat"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(QtProgramStarterTest, NothingToStartFails) {
  QtProgramStarter starter;
  EXPECT_FALSE(starter.Start(""));
  EXPECT_FALSE(starter.Start("   "));
  EXPECT_FALSE(starter.Start("/nonexistent/program/keyloom-test"));
}

}  // namespace
}  // namespace keyloom
