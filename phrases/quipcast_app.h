#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "phrases/fill_in_form.h"
#include "phrases/launch_detector.h"
#include "phrases/phrase_editor.h"
#include "phrases/phrase_picker.h"
#include "phrases/picker_chord_dialog.h"
#include "phrases/playback.h"
#include "platform/key_event.h"
#include "platform/platform.h"
#include "shell/app_shell.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "shell/window.h"
#include "shell/window_design.h"

namespace keyloom {

// The phrase sender: the shared shell, the phrase editor, the launch detector and playback,
// joined on one main window.
class QuipcastApp final : public WindowEvents, public KeyHandler {
 public:
  // Creates the main window from `design`; nothing runs until Start.
  QuipcastApp(Shell& shell, Platform& platform, const WindowDesign& design);
  QuipcastApp(const QuipcastApp&) = delete;
  QuipcastApp& operator=(const QuipcastApp&) = delete;

  // The start-up sequence (tray icon, list import, Boost option), every step whatever the one
  // before met; then shows the window (or leaves it in the tray) and starts watching keys.
  // False when the keyboard hook could not be started.
  bool Start(bool in_tray = false);

  // The Boost step: quiet period from the Boost box, and the option stored.
  void Check8Stuff();

  void OnCommand(std::string_view id) override;
  void OnListSelectionChanged(std::string_view id) override;
  void OnListDoubleClicked(std::string_view id) override;
  void OnResized() override;
  void OnCloseRequested() override;

  // The launch detector.
  void HandleKey(KeyEvent& event) override;
  void KeyboardHookRestored() override { app_shell_.NoticeKeyboardHookRestored(); }

  Window& window() { return *window_; }
  AppShell& app_shell() { return app_shell_; }
  Timer& quiet_timer() { return *quiet_timer_; }
  const LaunchDetector& detector() const { return detector_; }
  FillInForm& fill_in_form() { return fill_in_form_; }
  PhrasePicker& picker() { return picker_; }
  PickerChordDialog& picker_chord_dialog() { return picker_chord_dialog_; }

 private:
  // The phrase picker's share of a key; whether the key is done with.
  bool PickerHandledKey(KeyEvent& event);
  // The keys and chords that may be withheld: none while paused, else the function keys, the
  // picker's chord, and while the picker shows, the keys it steers with.
  void ApplyWithholding();

  Shell& shell_;
  Platform& platform_;
  std::unique_ptr<Window> window_;
  AppShell app_shell_;
  std::unique_ptr<Timer> quiet_timer_;
  Playback playback_;
  FillInForm fill_in_form_;
  LaunchDetector detector_;
  PhraseEditor editor_;
  PhrasePicker picker_;
  std::optional<KeyChord> picker_chord_;
  PickerChordDialog picker_chord_dialog_;
  bool paused_ = false;
};

}  // namespace keyloom
