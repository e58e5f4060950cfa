#include "shell/app_shell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keyloom/keyloom_window_design.h"
#include "platform/fake/fake_platform.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/app_texts.h"
#include "shell/fake/fake_shell.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

class AppShellTest : public testing::Test, private WindowEvents {
 protected:
  AppShell& Start(Program program, bool in_tray = false) {
    window_ = shell_.CreateWindow(
        program == Program::kQuipcast ? QuipcastWindowDesign() : KeyloomWindowDesign(), *this);
    const std::string data_folder = WritableDataFolder(platform_.files(), platform_.folders());
    app_ = std::make_unique<AppShell>(program, *window_, shell_, platform_,
                                      DefaultListFileConfig(program, data_folder));
    app_->AddTrayIcon();
    app_->ShowAtStart(in_tray);
    return *app_;
  }
  FakeWindow& window() { return shell_.window("Form1"); }
  FakeTrayIcon& tray() { return shell_.tray(); }

  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<Window> window_;
  std::unique_ptr<AppShell> app_;

 private:
  void OnCommand(std::string_view /*id*/) override {}
};

struct TrayCase {
  Program program;
  TrayMouse mouse;
  bool shows;
};

class TrayTableTest : public AppShellTest, public testing::WithParamInterface<TrayCase> {};

TEST_P(TrayTableTest, ShowsTheWindowOnlyForTheProgramsClicks) {
  AppShell& app = Start(GetParam().program);
  app.Minimize();
  tray().Mouse(GetParam().mouse);
  EXPECT_EQ(window().Visible(), GetParam().shows);
}

constexpr Program kQ = Program::kQuipcast;
constexpr Program kK = Program::kKeyloom;

INSTANTIATE_TEST_SUITE_P(
    Codes, TrayTableTest,
    testing::Values(
        TrayCase{kQ, TrayMouse::kMove, false}, TrayCase{kQ, TrayMouse::kLeftDown, true},
        TrayCase{kQ, TrayMouse::kLeftUp, false}, TrayCase{kQ, TrayMouse::kLeftDoubleClick, false},
        TrayCase{kQ, TrayMouse::kRightDown, true}, TrayCase{kQ, TrayMouse::kRightUp, false},
        TrayCase{kK, TrayMouse::kMove, false}, TrayCase{kK, TrayMouse::kLeftDown, true},
        TrayCase{kK, TrayMouse::kLeftUp, false}, TrayCase{kK, TrayMouse::kLeftDoubleClick, false},
        TrayCase{kK, TrayMouse::kRightDown, false}, TrayCase{kK, TrayMouse::kRightUp, false}));

TEST_F(AppShellTest, PasswordFieldsThatCannotBeToldAreToldOnceWhenTheUserCountsOnThem) {
  struct Case {
    const char* what;
    bool detects;
    bool leave_alone;
    bool told_before;
    bool tells;
  };
  const Case cases[] = {
      {"detected", true, true, false, false},
      {"undetected", false, true, false, true},
      {"undetected, told before", false, true, true, false},
      {"undetected, not left alone anyway", false, false, false, false},
  };
  for (const Case& c : cases) {
    platform_.set_detects_password_fields(c.detects);
    WriteSetting(shell_.settings(), kOptionsSection, AppShell::kPasswordFieldsItem,
                 c.leave_alone ? "1" : "0");
    WriteSetting(shell_.settings(), kOptionsSection, AppShell::kUndetectedPasswordFieldsToldSetting,
                 c.told_before ? "1" : "0");
    Start(Program::kKeyloom);
    const std::size_t before = tray().notifications().size();
    app_->NoticeUndetectedPasswordFields();
    app_->NoticeUndetectedPasswordFields();  // a second start-up in the same session
    shell_.Advance(AppShell::kNoticeDelayMs);
    const std::size_t told = tray().notifications().size() - before;
    EXPECT_EQ(told, c.tells ? 1u : 0u) << c.what;
    if (told > 0) {
      EXPECT_EQ(tray().notifications().back().text, AppShell::kUndetectedPasswordFieldsNotice);
    }
  }
}

TEST_F(AppShellTest, UnknownTrayCodesDoNothing) {
  AppShell& app = Start(Program::kQuipcast);
  app.Minimize();
  for (const int code : {0, 511, 518, 0x10201}) app.OnTrayMouse(code);
  EXPECT_FALSE(window().Visible());
}

TEST_F(AppShellTest, TrayClickOnAShownWindowOnlyActivatesIt) {
  Start(Program::kQuipcast);
  const int shows = window().show_count();
  const TwipSize size = window().Size();
  tray().Mouse(TrayMouse::kLeftDown);
  EXPECT_TRUE(window().Visible());
  EXPECT_EQ(window().show_count(), shows + 1);
  EXPECT_EQ(window().Size(), size);
}

TEST_F(AppShellTest, StartAddsTheIconWithTheTip) {
  Start(Program::kKeyloom);
  EXPECT_EQ(tray().added_tips(), (std::vector<std::string>{TrayTip()}));
}

TEST_F(AppShellTest, StartedInTheTrayTheWindowStaysHiddenUnlessThereIsNoTray) {
  Start(Program::kKeyloom, true);
  EXPECT_FALSE(window().Visible());
  tray().Mouse(TrayMouse::kLeftDown);
  EXPECT_TRUE(window().Visible());
  shell_.set_tray_available(false);
  Start(Program::kQuipcast, true);
  EXPECT_TRUE(window().Visible());
}

TEST_F(AppShellTest, StartAtLoginShowsAndChangesWhatTheSystemKeeps) {
  shell_.login_start().Set("Keyloom", true);
  AppShell& app = Start(Program::kKeyloom);
  EXPECT_TRUE(window().MenuChecked(AppShell::kStartAtLoginItem));
  app.HandleCommand(AppShell::kStartAtLoginItem);
  EXPECT_FALSE(shell_.login_start().IsOn("Keyloom"));
  EXPECT_FALSE(window().MenuChecked(AppShell::kStartAtLoginItem));
  // Refused: the user is told, and the check mark keeps showing the truth.
  shell_.login_start().set_refuses(true);
  app.HandleCommand(AppShell::kStartAtLoginItem);
  EXPECT_FALSE(window().MenuChecked(AppShell::kStartAtLoginItem));
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text, AppShell::kStartAtLoginRefused);
  EXPECT_FALSE(shell_.login_start().IsOn("Quipcast"));
}

TEST_F(AppShellTest, MinimizeTwiceLeavesOneIcon) {
  AppShell& app = Start(Program::kQuipcast);
  EXPECT_TRUE(app.HandleCommand("Command1"));
  EXPECT_FALSE(window().Visible());
  tray().Mouse(TrayMouse::kLeftDown);
  app.HandleCommand("Command1");
  app.HandleCommand("Command1");
  EXPECT_TRUE(tray().present());
  EXPECT_EQ(tray().added_tips().size(), 1u);
}

TEST_F(AppShellTest, MinimizeBringsBackALostIcon) {
  AppShell& app = Start(Program::kKeyloom);
  tray().RemoveByShell();
  app.Minimize();
  EXPECT_TRUE(tray().present());
  EXPECT_EQ(tray().added_tips().size(), 2u);
}

TEST_F(AppShellTest, MinimizeWithoutATrayGoesToTheTaskbar) {
  shell_.set_tray_available(false);
  AppShell& app = Start(Program::kQuipcast);
  app.Minimize();
  EXPECT_TRUE(window().minimized());
  EXPECT_TRUE(window().Visible());
}

TEST_F(AppShellTest, ExitQuitsAtOnceWithoutSaving) {
  AppShell& app = Start(Program::kKeyloom);
  app.list().Add("unsaved");
  EXPECT_TRUE(app.HandleCommand("Exit"));
  EXPECT_TRUE(shell_.quit());
  EXPECT_EQ(shell_.exit_code(), 0);
  EXPECT_EQ(platform_.files().replace_count(), 0);
  EXPECT_TRUE(shell_.dialogs().questions().empty());
}

TEST_F(AppShellTest, RunMinimizedOnlyFlipsItsCheckMark) {
  AppShell& app = Start(Program::kQuipcast);
  EXPECT_FALSE(window().MenuChecked("RunMinimized"));
  app.HandleCommand("RunMinimized");
  EXPECT_TRUE(window().MenuChecked("RunMinimized"));
  app.HandleCommand("RunMinimized");
  EXPECT_FALSE(window().MenuChecked("RunMinimized"));
  EXPECT_TRUE(shell_.settings().writes().empty());
  EXPECT_TRUE(window().Visible());
}

TEST_F(AppShellTest, AboutShowsTheSameTextInBothPrograms) {
  for (const Program program : {Program::kQuipcast, Program::kKeyloom}) {
    Start(program).HandleCommand("About");
  }
  const auto& messages = shell_.dialogs().messages();
  ASSERT_EQ(messages.size(), 2u);
  for (const auto& message : messages) {
    EXPECT_EQ(message.text, AboutText());
    EXPECT_EQ(message.title, AboutTitle());
  }
}

TEST_F(AppShellTest, HelpOpensThePage) {
  AppShell& app = Start(Program::kKeyloom);
  EXPECT_TRUE(app.HandleCommand("Help2"));
  EXPECT_EQ(shell_.pages().addresses(), (std::vector<std::string>{HelpAddress("/app")}));
  EXPECT_TRUE(shell_.dialogs().messages().empty());
}

TEST_F(AppShellTest, HelpThatCannotOpenSaysSo) {
  AppShell& app = Start(Program::kQuipcast);
  shell_.pages().set_fails(true);
  app.HandleCommand("Help2");
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_NE(shell_.dialogs().messages()[0].text.find(HelpAddress("/app")), std::string::npos);
  EXPECT_EQ(shell_.dialogs().messages()[0].title, kApplicationTitle);
}

TEST_F(AppShellTest, HelpFindsThePageInTheInstalledData) {
  platform_.mutable_folders().installed_data = "/usr/share/keyloom";
  platform_.files().SetFile(JoinPath("/usr/share/keyloom", "keyloom.htm"), "<html>");
  Start(Program::kQuipcast).HandleCommand("Help2");
  EXPECT_EQ(shell_.pages().addresses(),
            (std::vector<std::string>{HelpAddress("/usr/share/keyloom")}));
}

TEST_F(AppShellTest, LicencesOpenTheNoticesBesideTheHelpPageOrSayWhy) {
  platform_.mutable_folders().installed_data = "/usr/share/keyloom";
  platform_.files().SetFile(JoinPath("/usr/share/keyloom", "keyloom.htm"), "<html>");
  AppShell& app = Start(Program::kKeyloom);
  EXPECT_TRUE(app.HandleCommand("Licences"));
  const std::string notice = JoinPath("/usr/share/keyloom", "NOTICE.txt");
  EXPECT_EQ(shell_.pages().addresses(), (std::vector<std::string>{notice}));
  shell_.pages().set_fails(true);
  app.HandleCommand("Licences");
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text, "The licences could not be opened:\r\n" + notice);
}

TEST_F(AppShellTest, OtherCommandsAreLeftToTheProgram) {
  AppShell& app = Start(Program::kQuipcast);
  for (const char* id : {"Command8", "LoadSamples", "Check8", ""}) {
    EXPECT_FALSE(app.HandleCommand(id)) << id;
  }
}

TEST_F(AppShellTest, FileCommandsWorkOnTheWorkingList) {
  AppShell& app = Start(Program::kQuipcast);
  app.list().Add("A");
  EXPECT_TRUE(app.HandleCommand("FileSave"));
  EXPECT_EQ(platform_.files().File(JoinPath("/app", "defaultkeys.kyl")), "A\x01\r\n");
  shell_.dialogs().QueueSave("/lists/b.kyl");
  EXPECT_TRUE(app.HandleCommand("FileSave2"));
  EXPECT_EQ(platform_.files().File("/lists/b.kyl"), "A\x01\r\n");
  shell_.dialogs().QueueOpen("/lists/b.kyl");
  EXPECT_TRUE(app.HandleCommand("FileImport"));
  EXPECT_EQ(window().ListItems("List1"), (std::vector<std::string>{"A", "A"}));
}

TEST_F(AppShellTest, LoadListAtStartImportsTheDefaultFile) {
  platform_.files().SetFile(JoinPath("/app", "defaultkeys.kyl"),
                            "B\x01"
                            "A\x01\r\n");
  AppShell& app = Start(Program::kQuipcast);
  app.LoadListAtStart();
  EXPECT_EQ(window().ListItems("List1"), (std::vector<std::string>{"A", "B"}));
}

TEST_F(AppShellTest, FailedSaveIsToldBesideTheTray) {
  AppShell& app = Start(Program::kQuipcast);
  platform_.files().FailReplaceAt(ReplaceStep::kRename);
  app.HandleCommand("FileSave");
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(tray().notifications().size(), 1u);
  EXPECT_EQ(tray().notifications()[0].title, MainWindowCaption(Program::kQuipcast));
  EXPECT_NE(tray().notifications()[0].text.find("defaultkeys.kyl"), std::string::npos);
}

TEST_F(AppShellTest, NotifyWithoutATrayShowsAMessageOnceTheEventHasEnded) {
  shell_.set_tray_available(false);
  AppShell& app = Start(Program::kKeyloom);
  app.Notify("Saved nothing");
  app.Notify("Saved nothing again");
  // Inside a key event a message box would hold up the keyboard hook.
  EXPECT_TRUE(shell_.dialogs().messages().empty());
  shell_.Advance(AppShell::kNoticeDelayMs);
  ASSERT_EQ(shell_.dialogs().messages().size(), 2u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text, "Saved nothing");
  EXPECT_EQ(shell_.dialogs().messages()[1].text, "Saved nothing again");
}

TEST_F(AppShellTest, ResizeRunsTheKeyloomRules) {
  AppShell& app = Start(Program::kKeyloom);
  window().SetSize({6950, 6000});
  app.HandleResize();
  EXPECT_EQ(window().Rect("List1").height, 2115);
  EXPECT_EQ(window().Rect("Frame2").height, 5300);
  EXPECT_EQ(window().Rect("Frame1").top, 3550);
  EXPECT_EQ(window().Rect("Text7").width, 6350);
}

TEST_F(AppShellTest, ResizeRunsTheQuipcastRules) {
  AppShell& app = Start(Program::kQuipcast);
  window().SetSize({7000, 8000});
  app.HandleResize();
  EXPECT_EQ(window().Rect("Frame2"), (TwipRect{120, 0, 6650, 7300}));
  EXPECT_EQ(window().Rect("List1"), (TwipRect{240, 1980, 6250, 5300}));
  EXPECT_EQ(window().Rect("Text7"), (TwipRect{2160, 480, 4350, 765}));
}

TEST(WritableDataFolderTest, ProgramFolderWhenWritableAndNotInstalledElseTheUsersFolder) {
  FakePlatform platform;
  EXPECT_EQ(WritableDataFolder(platform.files(), platform.folders()), "/app");
  platform.files().SetFolderWritable("/app", false);
  EXPECT_EQ(WritableDataFolder(platform.files(), platform.folders()), platform.folders().user_data);
  EXPECT_EQ(platform.files().ensured_folders().back(), platform.folders().user_data);
  platform.files().SetFolderWritable("/app", true);
  platform.mutable_folders().installed = true;
  EXPECT_EQ(WritableDataFolder(platform.files(), platform.folders()), platform.folders().user_data);
}

TEST(DefaultListFileConfigTest, ThePrograms) {
  const ListFileConfig quipcast = DefaultListFileConfig(Program::kQuipcast, "/data");
  EXPECT_EQ(quipcast.layout, ListLayout::kPhrases);
  EXPECT_EQ(quipcast.default_file, JoinPath("/data", "defaultkeys.kyl"));
  EXPECT_EQ(quipcast.default_auto_import, "1");
  EXPECT_TRUE(quipcast.save_without_name_uses_default);
  const ListFileConfig keyloom = DefaultListFileConfig(Program::kKeyloom, "/data");
  EXPECT_EQ(keyloom.layout, ListLayout::kWords);
  EXPECT_EQ(keyloom.default_file, "");
  EXPECT_EQ(keyloom.default_auto_import, "");
  EXPECT_FALSE(keyloom.save_without_name_uses_default);
}

}  // namespace
}  // namespace keyloom
