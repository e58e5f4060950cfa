#include "phrases/quipcast_app.h"

#include <array>

#include "phrases/boost_option.h"
#include "phrases/quipcast_controls.h"
#include "phrases/samples.h"
#include "shell/program.h"
#include "shell/startup.h"

namespace keyloom {
namespace {

// The function keys, the only keys a launch withholds from the focused window.
constexpr std::array<int, 12> kFunctionKeys = {kVkF1,     kVkF1 + 1, kVkF1 + 2,  kVkF1 + 3,
                                               kVkF1 + 4, kVkF1 + 5, kVkF1 + 6,  kVkF1 + 7,
                                               kVkF1 + 8, kVkF1 + 9, kVkF1 + 10, kVkF12};

// Shift, Ctrl, Alt and the Windows keys, alone or on either side: pressing one is no key of its
// own after a phrase.
bool IsModifierKey(int key_code) {
  return (key_code >= kVkShift && key_code <= kVkAlt) || key_code == 91 || key_code == 92 ||
         (key_code >= 160 && key_code <= 165);
}

ListFileConfig QuipcastListConfig(Platform& platform) {
  return DefaultListFileConfig(Program::kQuipcast,
                               WritableDataFolder(platform.files(), platform.folders()));
}

}  // namespace

QuipcastApp::QuipcastApp(Shell& shell, Platform& platform, const WindowDesign& design)
    : shell_(shell),
      platform_(platform),
      window_(shell.CreateWindow(design, *this)),
      app_shell_(Program::kQuipcast, *window_, shell, platform, QuipcastListConfig(platform)),
      quiet_timer_(shell.CreateTimer([this] { playback_.OnQuietTimerTick(); })),
      playback_(
          platform, *quiet_timer_,
          [this] {
            return PlaybackChoices{window_->Checked(kBoostCheck),
                                   window_->MenuChecked(kMatchLaunchCaseItem)};
          },
          [this](std::string_view text) { app_shell_.Notify(text); }),
      fill_in_form_(shell),
      detector_(app_shell_.list().items(), *quiet_timer_, playback_),
      editor_(*window_, app_shell_.list(), shell.dialogs(), app_shell_.files(),
              SampleEntryLines(PlatformSamplePrograms())) {
  if (!platform.TypesAfterOwnWindows()) return;
  playback_.SetFillInAsker([this](const std::vector<FillInField>& fields, FillInAnswer answered) {
    fill_in_form_.Ask(fields, std::move(answered));
  });
}

bool QuipcastApp::Start(bool in_tray) {
  RunStartupSteps({
      [this] { app_shell_.AddTrayIcon(); },
      [this] { app_shell_.LoadListAtStart(); },
      [this] { LoadBoostOption(shell_.settings(), *window_); },
      [this] { Check8Stuff(); },
      [this] { LoadMenuOptions(kQuipcastOptions, shell_.settings(), *window_); },
  });
  app_shell_.ShowAtStart(in_tray);
  KeyboardHook& hook = platform_.hook();
  hook.SetWithholdableKeys(kFunctionKeys);
  // Paused, no key is grabbed, so none can be held up.
  app_shell_.SetPauseHandler([&hook](bool paused) {
    hook.SetWithholdableKeys(paused ? std::span<const int>() : std::span<const int>(kFunctionKeys));
  });
  app_shell_.RestorePause();
  app_shell_.NoticeUndetectedPasswordFields();
  return hook.Start(*this);
}

void QuipcastApp::Check8Stuff() { ApplyBoostOption(*window_, *quiet_timer_, shell_.settings()); }

void QuipcastApp::OnCommand(std::string_view id) {
  if (id == kAddStringButton) {
    editor_.AddString();
  } else if (id == kClearAllButton) {
    editor_.ClearAll();
  } else if (id == kSamplesButton) {
    editor_.AskLoadSamples();
  } else if (id == kLoadSamplesMenu) {
    editor_.LoadSamples();
  } else if (id == kBoostCheck) {
    Check8Stuff();
  } else if (!ToggleMenuOption(kQuipcastOptions, id, shell_.settings(), *window_)) {
    app_shell_.HandleCommand(id);
  }
}

void QuipcastApp::OnListSelectionChanged(std::string_view id) {
  if (id == kEntryList) editor_.FillFromSelection();
}

void QuipcastApp::OnListDoubleClicked(std::string_view id) {
  if (id == kEntryList) editor_.DeleteSelected();
}

void QuipcastApp::OnResized() { app_shell_.HandleResize(); }

void QuipcastApp::OnCloseRequested() { app_shell_.Exit(); }

void QuipcastApp::HandleKey(KeyEvent& event) {
  // The keys typed into the fill-in form are the user's answer, no launch and nothing to undo.
  if (app_shell_.LeavesAlone(event) || fill_in_form_.Busy()) {
    detector_.ClearBuffer();
    playback_.ForgetLast();
    return;
  }
  if (playback_.CanUndo() && !IsModifierKey(event.key_code)) {
    if (event.key_code == kVkBackspace && event.modifiers == 0 &&
        event.application == playback_.last_application() &&
        window_->MenuChecked(kBackspaceUndoesItem)) {
      playback_.Undo();
      detector_.ClearBuffer();
      return;
    }
    playback_.ForgetLast();
  }
  detector_.HandleKey(event);
}

}  // namespace keyloom
