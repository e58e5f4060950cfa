// The platform services that talk to the system, run under Windows or Wine.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/win32/named_virtual_keys.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_program_starter.h"

namespace keyloom {
namespace {

TEST(Win32ClipboardTest, KeepsUnicodeText) {
  Win32Clipboard clipboard;
  const std::string text = "caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80";
  ASSERT_TRUE(clipboard.SetText(text));
  EXPECT_EQ(clipboard.GetText(), text);
  ASSERT_TRUE(clipboard.SetText(""));
  EXPECT_EQ(clipboard.GetText(), "");
}

TEST(Win32ClockTest, FormatsTheGivenTime) {
  const Win32Clock clock;
  const LocalDateTime t{2026, 12, 7, 15, 4, 5};
  EXPECT_NE(clock.FormatShortDate(t).find("2026"), std::string::npos);
  EXPECT_NE(clock.FormatTime(t).find("04"), std::string::npos);
  EXPECT_EQ(clock.FormatDateTime(t), clock.FormatShortDate(t) + " " + clock.FormatTime(t));
  EXPECT_GE(clock.Now().year, 2020);
}

TEST(Win32FoldersTest, ProgramFolderHoldsTheProgramAndUserDataIsKeyloom) {
  const AppFolders folders = Win32AppFolders();
  ASSERT_FALSE(folders.program.empty());
  EXPECT_TRUE(StandardFileSystem().ReadFile(JoinPath(folders.program, "platform_win32_tests.exe")));
  EXPECT_TRUE(folders.user_data.ends_with("\\Keyloom"));
  EXPECT_TRUE(folders.installed_data.empty());
}

TEST(Win32ProgramStarterTest, AMissingProgramOrAnEmptyLineIsNotStarted) {
  Win32ProgramStarter starter;
  EXPECT_FALSE(starter.Start("   "));
  EXPECT_FALSE(starter.Start("no-such-program-here.exe"));
}

TEST(NamedVirtualKeysTest, FunctionKeysFollowEachOther) {
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF1).code, 0x70);
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF12).code, 0x7B);
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF16).code, 0x7F);
  EXPECT_TRUE(VirtualKeyOf(NamedKey::kInsert).extended);
  EXPECT_FALSE(VirtualKeyOf(NamedKey::kEnter).extended);
}

TEST(Win32PlatformTest, CreatesEveryService) {
  std::string error;
  const std::unique_ptr<Platform> platform = CreatePlatform(error);
  ASSERT_NE(platform, nullptr);
  EXPECT_EQ(platform->code_page().Encode("abc"), "abc");
  EXPECT_FALSE(platform->folders().program.empty());
}

}  // namespace
}  // namespace keyloom
