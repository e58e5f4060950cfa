#include "shell/app_shell.h"

#include <utility>

#include "shell/app_texts.h"
#include "shell/layout.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

constexpr std::string_view kMinimizeButton = "Command1";
constexpr std::string_view kRunMinimizedItem = "RunMinimized";
constexpr std::string_view kDefaultListFile = "defaultkeys.kyl";
constexpr std::string_view kHelpPage = "keyloom.htm";
// The programs' licence and the notices of the data they ship, beside the help page.
constexpr std::string_view kLicencesPage = "NOTICE.txt";

// The folder that holds the help page: beside the program, else the installed data.
std::string HelpFolder(FileSystem& files, const AppFolders& folders) {
  if (!folders.installed_data.empty() && !files.ReadFile(JoinPath(folders.program, kHelpPage)) &&
      files.ReadFile(JoinPath(folders.installed_data, kHelpPage))) {
    return folders.installed_data;
  }
  return folders.program;
}

// A failed save is never silent: besides the program's own handler, the user is told.
ListFileConfig WithSaveFailureNotice(ListFileConfig config, AppShell& shell) {
  config.on_save_failed = [&shell,
                           told = std::move(config.on_save_failed)](const std::string& path) {
    told(path);
    shell.Notify("The list could not be saved to " + path + ". The file there was left as it was.");
  };
  return config;
}

std::string_view PausedSetting(Program program) {
  return program == Program::kQuipcast ? "QuipcastPaused" : "KeyloomPaused";
}

}  // namespace

std::string WritableDataFolder(FileSystem& files, const AppFolders& folders) {
  if (!folders.installed && files.EnsureWritableFolder(folders.program)) return folders.program;
  // An installed program's folder is not the user's; the user's own is created on demand.
  files.EnsureWritableFolder(folders.user_data);
  return folders.user_data;
}

ListFileConfig DefaultListFileConfig(Program program, const std::string& data_folder) {
  ListFileConfig config;
  if (program == Program::kQuipcast) {
    config.layout = ListLayout::kPhrases;
    config.default_file = JoinPath(data_folder, kDefaultListFile);
    config.default_auto_import = "1";
    config.save_without_name_uses_default = true;
  } else {
    config.layout = ListLayout::kWords;
    config.save_without_name_uses_default = false;
  }
  return config;
}

AppShell::AppShell(Program program, Window& window, Shell& shell, Platform& platform,
                   ListFileConfig list_config)
    : program_(program),
      window_(window),
      shell_(shell),
      platform_(platform),
      tray_(shell.CreateTrayIcon(*this)),
      notice_timer_(shell.CreateTimer([this] { ShowPendingNotices(); })),
      excluded_(program, shell.settings()),
      exclusions_dialog_(program, shell, excluded_, [this] { return last_application_; }),
      list_(window, "List1"),
      files_(WithSaveFailureNotice(std::move(list_config), *this), list_, shell.dialogs(),
             shell.settings(), platform.files(), platform.code_page()) {
  notice_timer_->SetInterval(kNoticeDelayMs);
  window_.SetMenuChecked(kStartAtLoginItem, shell.login_start().IsOn(ProgramName(program)));
  window_.SetMenuChecked(kPasswordFieldsItem, ReadSetting(shell.settings(), kOptionsSection,
                                                          kPasswordFieldsItem, "1") != "0");
}

bool AppShell::LeavesAlone(const KeyEvent& event) {
  if (!event.application.empty() && !IsOwnApplication(event.application) &&
      event.application != last_application_) {
    last_application_ = std::string(event.application);
  }
  // Asked at every key: the list is read again once the application changes.
  const bool excluded = excluded_.Excludes(event.application);
  // What is typed in Quipcast's windows (its fill-in form's answers) is not Keyloom's to follow.
  const bool in_quipcast =
      program_ == Program::kKeyloom && SameApplication(event.application, "quipcast");
  // Quipcast's picker has taken the keys: they are not the window's text.
  const bool taken_by_quipcast =
      program_ == Program::kKeyloom && platform_.keys_taken().TakenElsewhere();
  return paused_ || in_quipcast || taken_by_quipcast ||
         (event.in_password_field && window_.MenuChecked(kPasswordFieldsItem)) || excluded;
}

void AppShell::AddTrayIcon() { tray_->Add(TrayTip()); }

void AppShell::LoadListAtStart() { files_.LoadListAtStart(); }

void AppShell::ShowAtStart(bool in_tray) {
  if (!in_tray || !tray_->Available()) window_.Show();
}

void AppShell::FlipStartAtLogin() {
  const bool on = !window_.MenuChecked(kStartAtLoginItem);
  if (!shell_.login_start().Set(ProgramName(program_), on)) {
    dialogs().ShowMessage(on ? kStartAtLoginRefused : kStopAtLoginRefused, kApplicationTitle);
  }
  window_.SetMenuChecked(kStartAtLoginItem, shell_.login_start().IsOn(ProgramName(program_)));
}

void AppShell::RestorePause() {
  if (ReadSetting(shell_.settings(), kOptionsSection, PausedSetting(program_), "0") == "1") {
    SetPaused(true);
  }
}

void AppShell::NoticeUndetectedPasswordFields() {
  if (platform_.DetectsPasswordFields() || !window_.MenuChecked(kPasswordFieldsItem) ||
      ReadSetting(shell_.settings(), kOptionsSection, kUndetectedPasswordFieldsToldSetting, "0") ==
          "1") {
    return;
  }
  WriteSetting(shell_.settings(), kOptionsSection, kUndetectedPasswordFieldsToldSetting, "1");
  Notify(kUndetectedPasswordFieldsNotice);
}

void AppShell::NoticeKeyboardHookRestored() {
  if (std::exchange(hook_restore_told_, true)) return;
  Notify(kKeyboardHookRestoredNotice);
}

void AppShell::SetPaused(bool paused) {
  paused_ = paused;
  window_.SetMenuText(kPauseItem, paused ? kResumeCaption : kPauseCaption);
  tray_->ShowState(paused ? PausedTrayTip() : TrayTip(), paused);
  WriteSetting(shell_.settings(), kOptionsSection, PausedSetting(program_), paused ? "1" : "0");
  if (pause_handler_) pause_handler_(paused);
}

bool AppShell::HandleCommand(std::string_view id) {
  if (id == "FileImport") {
    files_.FileImport();
  } else if (id == "FileSave") {
    files_.FileSave();
  } else if (id == "FileSave2") {
    files_.FileSaveAs();
  } else if (id == "Exit") {
    Exit();
  } else if (id == kPauseItem) {
    SetPaused(!paused_);
  } else if (id == kPasswordFieldsItem) {
    const bool on = !window_.MenuChecked(kPasswordFieldsItem);
    window_.SetMenuChecked(kPasswordFieldsItem, on);
    WriteSetting(shell_.settings(), kOptionsSection, kPasswordFieldsItem, on ? "1" : "0");
  } else if (id == kExcludedApplicationsItem) {
    exclusions_dialog_.Open();
  } else if (id == kStartAtLoginItem) {
    FlipStartAtLogin();
  } else if (id == kRunMinimizedItem) {
    window_.SetMenuChecked(kRunMinimizedItem, !window_.MenuChecked(kRunMinimizedItem));
  } else if (id == "About") {
    dialogs().ShowMessage(AboutText(), AboutTitle());
  } else if (id == "Help2") {
    OpenPage(HelpAddress(HelpFolder(platform_.files(), platform_.folders())), "help page");
  } else if (id == kLicencesItem) {
    OpenPage(JoinPath(HelpFolder(platform_.files(), platform_.folders()), kLicencesPage),
             "licences");
  } else if (id == kMinimizeButton) {
    Minimize();
  } else {
    return false;
  }
  return true;
}

void AppShell::HandleResize() { ApplyLayout(program_, window_); }

void AppShell::OnTrayMouse(int mouse_code) {
  const bool shows =
      mouse_code == static_cast<int>(TrayMouse::kLeftDown) ||
      (program_ == Program::kQuipcast && mouse_code == static_cast<int>(TrayMouse::kRightDown));
  if (shows) window_.Show();
}

void AppShell::Minimize() {
  // Without a notification area a hidden window could never come back.
  if (!tray_->Available()) {
    window_.Minimize();
    return;
  }
  window_.Hide();
  // Normally refused because the icon is still there; adds it again if the shell lost it.
  tray_->Add(TrayTip());
}

void AppShell::OpenPage(const std::string& address, std::string_view what) {
  if (!shell_.pages().Open(address)) {
    dialogs().ShowMessage("The " + std::string(what) + " could not be opened:\r\n" + address,
                          kApplicationTitle);
  }
}

void AppShell::Exit() { shell_.Quit(0); }

void AppShell::Notify(std::string_view text) {
  pending_notices_.emplace_back(text);
  notice_timer_->SetEnabled(true);
}

void AppShell::ShowPendingNotices() {
  notice_timer_->SetEnabled(false);
  // A message box may run events meanwhile; a notice that one of them asks for waits its turn.
  const std::vector<std::string> notices = std::exchange(pending_notices_, {});
  for (const std::string& text : notices) {
    if (tray_->Available()) {
      tray_->ShowNotification(MainWindowCaption(program_), text);
    } else {
      dialogs().ShowMessage(text, kApplicationTitle);
    }
  }
}

}  // namespace keyloom
