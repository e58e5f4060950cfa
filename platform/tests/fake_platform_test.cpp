#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace keyloom {
namespace {

class DiscardF5 : public KeyHandler {
 public:
  void HandleKey(KeyEvent& event) override {
    last_ = event;
    event.discard = event.key_code == kVkF1 + 4;
  }
  KeyEvent last_;
};

TEST(FakeKeyboardHookTest, PlaysKeysToTheStartedHandler) {
  FakeKeyboardHook hook;
  DiscardF5 handler;
  EXPECT_FALSE(hook.Press(kVkF1 + 4));  // not started: nobody withholds it
  ASSERT_TRUE(hook.Start(handler));
  EXPECT_TRUE(hook.Press(kVkF1 + 4, kCtrlMask));
  EXPECT_EQ(handler.last_.modifiers, kCtrlMask);
  EXPECT_FALSE(hook.Press('A'));
  const int keys[] = {kVkTab, kVkUp};
  hook.SetWithholdableKeys(keys);
  EXPECT_EQ(hook.withholdable_keys(), (std::vector<int>{kVkTab, kVkUp}));
}

TEST(FakeKeystrokeOutputTest, RendersModifiersInOneOrder) {
  FakeKeystrokeOutput output;
  const KeyAction actions[] = {
      KeyAction::Character('a'),
      KeyAction::Named(NamedKey::kBackspace),
      KeyAction::Character('v', kCtrlMask),
      KeyAction::Named(NamedKey::kInsert, kShiftMask),
      KeyAction::Named(NamedKey::kDelete, kAltMask | kCtrlMask | kShiftMask),
      KeyAction::Character(U'\u00e9')};
  ASSERT_TRUE(output.Send(actions));
  EXPECT_EQ(output.TypedText(), "a{BACKSPACE}^v+{INSERT}+^%{DELETE}\xc3\xa9");
}

TEST(FakeClockTest, FormatsLikeAUsLocale) {
  FakeClock clock;
  EXPECT_EQ(clock.FormatDateTime({2026, 12, 7, 15, 4, 5}), "12/7/2026 3:04:05 PM");
  EXPECT_EQ(clock.FormatTime({2026, 1, 1, 0, 0, 0}), "12:00:00 AM");
  EXPECT_EQ(clock.FormatTime({2026, 1, 1, 12, 30, 59}), "12:30:59 PM");
  EXPECT_EQ(clock.FormatShortDate({2027, 3, 21, 9, 0, 0}), "3/21/2027");
}

TEST(FakeClipboardTest, RefusesWhenToldAndRecordsSets) {
  FakeClipboard clipboard;
  EXPECT_TRUE(clipboard.Save()->Empty());
  ASSERT_TRUE(clipboard.SetText("one"));
  clipboard.set_refuse_open(true);
  EXPECT_EQ(clipboard.Save(), nullptr);
  EXPECT_FALSE(clipboard.SetText("two"));
  clipboard.set_refuse_open(false);
  EXPECT_EQ(clipboard.content(), "one");
  EXPECT_EQ(clipboard.history(), (std::vector<std::string>{"one"}));
}

TEST(FakeFileSystemTest, FailedReplaceKeepsOldContent) {
  for (const ReplaceStep step :
       {ReplaceStep::kCreate, ReplaceStep::kWrite, ReplaceStep::kFlush, ReplaceStep::kRename}) {
    FakeFileSystem files;
    files.SetFile("/app/a.kyl", "old");
    files.FailReplaceAt(step);
    EXPECT_FALSE(files.ReplaceFile("/app/a.kyl", "new"));
    EXPECT_FALSE(files.ReplaceFile("/app/b.kyl", "new"));
    EXPECT_EQ(files.File("/app/a.kyl"), "old");
    EXPECT_EQ(files.File("/app/b.kyl"), std::nullopt);
    files.FailReplaceAt(std::nullopt);
    EXPECT_TRUE(files.ReplaceFile("/app/a.kyl", "new"));
    EXPECT_EQ(files.File("/app/a.kyl"), "new");
  }
}

TEST(FakeFileSystemTest, UnwritableFolderRefusesFiles) {
  FakeFileSystem files;
  files.SetFolderWritable("/app/", false);
  EXPECT_FALSE(files.EnsureWritableFolder("/app"));
  EXPECT_FALSE(files.ReplaceFile("/app/a.kyl", "x"));
  EXPECT_TRUE(files.EnsureWritableFolder("/home/user"));
  EXPECT_EQ(files.ensured_folders(), (std::vector<std::string>{"/app", "/home/user"}));
}

TEST(FakeFileSystemTest, UnreadableFileReadsAsNothing) {
  FakeFileSystem files;
  files.SetFile("/app/a.kyl", "x");
  files.SetUnreadable("/app/a.kyl", true);
  EXPECT_EQ(files.ReadFile("/app/a.kyl"), std::nullopt);
  files.SetUnreadable("/app/a.kyl", false);
  EXPECT_EQ(files.ReadFile("/app/a.kyl"), "x");
}

TEST(FakePlatformTest, FactoryGivesTheFakeWithItsFolders) {
  std::string error;
  const std::unique_ptr<Platform> platform = CreatePlatform(error);
  ASSERT_NE(dynamic_cast<FakePlatform*>(platform.get()), nullptr);
  EXPECT_EQ(platform->folders().program, "/app");
  EXPECT_EQ(platform->folders().user_data, "/home/user/.local/share/Keyloom");
  EXPECT_EQ(&platform->code_page(), &Windows1252());
}

}  // namespace
}  // namespace keyloom
