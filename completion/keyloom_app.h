#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "completion/completion_settings.h"
#include "completion/suggestion_popup.h"
#include "completion/word_capture.h"
#include "completion/word_store.h"
#include "platform/platform.h"
#include "shell/app_shell.h"
#include "shell/shell.h"

namespace keyloom {

// The word completer's main window: the shared shell commands, the completion panel, the
// pop-up and the word store, driven by the keyboard hook.
class KeyloomApp final : public WindowEvents, public KeyHandler {
 public:
  // The main window's line that says what went wrong at start-up.
  static constexpr std::string_view kStatusLineId = "StatusLine";
  static constexpr std::string_view kStoreNotOpenedStatus = "Word store not opened.";

  // Creates the main window from `main_design`; the pop-up is made from `popup_design` when it
  // first shows.
  KeyloomApp(Shell& shell, Platform& platform, const WindowDesign& main_design,
             WindowDesign popup_design);

  // The start-up sequence, then shows the window and starts the keyboard hook.
  void Start();

  // WindowEvents
  void OnCommand(std::string_view id) override;
  void OnTextChanged(std::string_view id) override;
  void OnResized() override;
  void OnCloseRequested() override;
  // KeyHandler
  void HandleKey(KeyEvent& event) override;

  bool store_open() const { return store_.has_value(); }
  const WordCapture& capture() const { return capture_; }
  SuggestionPopup& popup() { return popup_; }

 private:
  void OpenStore();

  Platform& platform_;
  std::unique_ptr<Window> window_;
  AppShell app_shell_;
  SuggestionPopup popup_;
  CompletionSettings settings_;
  std::optional<WordStore> store_;
  WordCapture capture_;
};

}  // namespace keyloom
