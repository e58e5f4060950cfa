#include "phrases/quipcast_app.h"

#include <array>
#include <vector>

#include "phrases/boost_option.h"
#include "phrases/picker_chord.h"
#include "phrases/quipcast_controls.h"
#include "phrases/samples.h"
#include "platform/key_char.h"
#include "shell/program.h"
#include "shell/startup.h"

namespace keyloom {
namespace {

// The function keys, the only keys a launch withholds from the focused window.
constexpr std::array<int, 12> kFunctionKeys = {kVkF1,     kVkF1 + 1, kVkF1 + 2,  kVkF1 + 3,
                                               kVkF1 + 4, kVkF1 + 5, kVkF1 + 6,  kVkF1 + 7,
                                               kVkF1 + 8, kVkF1 + 9, kVkF1 + 10, kVkF12};

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
              SampleEntryLines(PlatformSamplePrograms())),
      picker_(shell, platform),
      picker_chord_dialog_(shell, [this](std::optional<KeyChord> chord) {
        picker_chord_ = chord;
        ApplyWithholding();
      }) {
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
      [this] { picker_chord_ = LoadPickerChord(shell_.settings()); },
  });
  app_shell_.ShowAtStart(in_tray);
  ApplyWithholding();
  app_shell_.SetPauseHandler([this](bool paused) {
    paused_ = paused;
    if (paused) picker_.Close();
    ApplyWithholding();
  });
  app_shell_.RestorePause();
  app_shell_.NoticeUndetectedPasswordFields();
  return platform_.hook().Start(*this);
}

void QuipcastApp::ApplyWithholding() {
  KeyboardHook& hook = platform_.hook();
  // Paused, no key is grabbed, so none can be held up.
  std::vector<int> keys;
  std::vector<KeyChord> chords;
  if (!paused_) {
    keys.assign(kFunctionKeys.begin(), kFunctionKeys.end());
    if (picker_.IsOpen()) {
      const std::span<const int> steering = PhrasePicker::SteeringKeys();
      keys.insert(keys.end(), steering.begin(), steering.end());
    }
    if (picker_chord_) chords.push_back(*picker_chord_);
  }
  hook.SetWithholdableKeys(keys);
  hook.SetWithholdableChords(chords);
  platform_.keys_taken().Take(picker_.IsOpen());
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
  } else if (id == kPhrasePickerItem) {
    picker_chord_dialog_.Open();
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
    if (picker_.IsOpen()) {
      picker_.Close();
      ApplyWithholding();
    }
    return;
  }
  if (PickerHandledKey(event)) return;
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

bool QuipcastApp::PickerHandledKey(KeyEvent& event) {
  const bool chord = picker_chord_ && event.key_code == picker_chord_->key_code &&
                     event.modifiers == picker_chord_->modifiers;
  if (!picker_.IsOpen()) {
    if (!chord) return false;
    event.discard = true;
    detector_.ClearBuffer();
    playback_.ForgetLast();
    picker_.Open(app_shell_.list().items(), event.application);
    ApplyWithholding();
    return true;
  }
  std::optional<PickedEntry> picked;
  if (chord) {
    event.discard = true;
    picker_.Close();
  } else {
    picked = picker_.HandleKey(event);
  }
  if (!picker_.IsOpen()) ApplyWithholding();
  if (picked) {
    // Sent as its launch sends it, with nothing typed to erase.
    playback_.Play(Launch{std::move(picked->launch_keys), std::move(picked->send_string),
                          picked->press_enter, "", LaunchCase::kAsStored,
                          std::string(event.application), false});
  }
  // A key that closed the picker without being its own goes on as any key does.
  return event.discard;
}

}  // namespace keyloom
