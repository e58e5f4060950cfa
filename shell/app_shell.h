#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_event.h"
#include "platform/platform.h"
#include "shell/excluded_applications.h"
#include "shell/exclusions_dialog.h"
#include "shell/list_file_commands.h"
#include "shell/program.h"
#include "shell/shell.h"
#include "shell/working_list.h"

namespace keyloom {

// The folder that files the program writes go to: the program folder when it is writable,
// otherwise the per-user data folder (created when needed).
std::string WritableDataFolder(FileSystem& files, const AppFolders& folders);

// The list-file behaviour of `program` with its defaults in `data_folder`.
ListFileConfig DefaultListFileConfig(Program program, const std::string& data_folder);

// What both programs' main windows share: the tray icon, the working list and its File
// commands, Minimize, Exit, Run Minimized, About, Help and the layout on resize. A program
// owns one and passes it the commands and events it does not handle itself.
class AppShell : public TrayEvents {
 public:
  AppShell(Program program, Window& window, Shell& shell, Platform& platform,
           ListFileConfig list_config);

  // Start-up step 1: add the tray icon.
  void AddTrayIcon();
  // Start-up step 2: set the current list file and import the list file.
  void LoadListAtStart();
  // The end of start-up: the window shows, unless the program was started in the tray (at
  // login) and there is a tray to bring it back from.
  void ShowAtStart(bool in_tray);

  static constexpr std::string_view kPauseItem = "Pause";
  static constexpr std::string_view kPasswordFieldsItem = "LeavePasswordFieldsAlone";
  static constexpr std::string_view kExcludedApplicationsItem = "ExcludedApplications";
  static constexpr std::string_view kStartAtLoginItem = "StartAtLogin";
  static constexpr std::string_view kLicencesItem = "Licences";
  static constexpr std::string_view kPauseCaption = "Pause";
  static constexpr std::string_view kResumeCaption = "Resume";

  // Handles FileImport, FileSave, FileSave2, Exit, RunMinimized, StartAtLogin, Pause,
  // LeavePasswordFieldsAlone, ExcludedApplications, About, Help2, Licences and the Minimize button
  // Command1. False when `id` is none of them.
  bool HandleCommand(std::string_view id);
  // Runs the program's layout rules on the window's current size.
  void HandleResize();
  // TrayEvents: shows the window for the clicks of the program's tray table.
  void OnTrayMouse(int mouse_code) override;

  // How soon after the event that asked for it a notification shows.
  static constexpr int kNoticeDelayMs = 1;

  // Pausing: while paused the program leaves every key alone. The menu item reads Resume, the
  // tray shows it, and the state is kept in the settings store for the next start.
  void SetPaused(bool paused);
  bool paused() const { return paused_; }
  // What the program itself does on pausing and resuming.
  void SetPauseHandler(std::function<void(bool paused)> handler) {
    pause_handler_ = std::move(handler);
  }
  // Start-up: pauses when the program was paused when it last ran.
  void RestorePause();
  // Start-up: tells the user, once, that password fields cannot be told in this session, when
  // the user counts on leaving them alone.
  void NoticeUndetectedPasswordFields();
  static constexpr std::string_view kUndetectedPasswordFieldsNotice =
      "Password fields cannot be recognized in this session (it has no accessibility bus), so "
      "they are not left alone: pause before typing a password.";
  static constexpr std::string_view kUndetectedPasswordFieldsToldSetting =
      "UndetectedPasswordFieldsTold";
  static constexpr std::string_view kStartAtLoginRefused =
      "The program could not be set to start at login: the system's list of programs to start "
      "could not be written.";
  static constexpr std::string_view kStopAtLoginRefused =
      "The program could not be kept from starting at login: the system's list of programs to "
      "start could not be written.";
  // Once per run: the system had dropped the keyboard hook, which is back now.
  void NoticeKeyboardHookRestored();
  static constexpr std::string_view kKeyboardHookRestoredNotice =
      "Windows had stopped passing the keyboard on, so some keys were not seen; it does again.";
  // Whether the program must leave this key to the window: it is paused, the key goes to an
  // excluded application, or to a password field and the user has not asked to be helped
  // there. Called once for every key: it also notes the application the user typed in last.
  bool LeavesAlone(const KeyEvent& event);

  void Minimize();
  void Exit();
  // A notification beside the tray icon (the window's title on it), or a message box without a
  // tray. Shown just after the current event: a key event must not wait on the user or on the
  // shell that draws the notification.
  void Notify(std::string_view text);

  WorkingList& list() { return list_; }
  ListFileCommands& files() { return files_; }
  Dialogs& dialogs() { return shell_.dialogs(); }
  SettingsStore& settings() { return shell_.settings(); }
  Window& window() { return window_; }

 private:
  void ShowPendingNotices();
  void FlipStartAtLogin();
  // Opens a page of the help folder's, or says which one could not be opened.
  void OpenPage(const std::string& address, std::string_view what);

  Program program_;
  Window& window_;
  Shell& shell_;
  Platform& platform_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<Timer> notice_timer_;
  std::vector<std::string> pending_notices_;
  bool hook_restore_told_ = false;
  bool paused_ = false;
  std::function<void(bool paused)> pause_handler_;
  ExcludedApplications excluded_;
  std::string last_application_;  // the last one other than the programs' own
  ExclusionsDialog exclusions_dialog_;
  WorkingList list_;
  ListFileCommands files_;
};

}  // namespace keyloom
