#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "completion/completion_settings.h"
#include "completion/dictionaries.h"
#include "completion/language_model.h"
#include "completion/learned_words_keeper.h"
#include "completion/predictive_capture.h"
#include "completion/suggestion_popup.h"
#include "completion/word_capture.h"
#include "completion/word_store.h"
#include "platform/platform.h"
#include "shell/app_shell.h"
#include "shell/shell.h"

namespace keyloom {

// The word completer's main window: the shared shell commands, the completion panel, the
// pop-up and the word store, driven by the keyboard hook.
class KeyloomApp final : public WindowEvents,
                         public KeyHandler,
                         private WordHistory,
                         private PhraseHistory {
 public:
  // The main window's line that says what went wrong at start-up.
  static constexpr std::string_view kStatusLineId = "StatusLine";
  static constexpr std::string_view kStoreNotOpenedStatus = "Word store not opened.";
  static constexpr std::string_view kForgetLearnedWordsItem = "ForgetLearnedWords";
  static constexpr std::string_view kForgetQuestion =
      "Forget every word that Keyloom has learned from your typing?";
  static constexpr std::string_view kForgetFailedMessage =
      "The learned words could not be removed from the disk.";
  static constexpr std::string_view kDictionaryNotOpenedMessage =
      "This dictionary could not be opened; the one in use stays: ";

  // Creates the main window from `main_design`; the pop-up is made from `popup_design` when it
  // first shows.
  KeyloomApp(Shell& shell, Platform& platform, const WindowDesign& main_design,
             WindowDesign popup_design);

  // The start-up sequence, then shows the window (or leaves it in the tray) and starts the
  // keyboard hook.
  void Start(bool in_tray = false);

  // WindowEvents
  void OnCommand(std::string_view id) override;
  void OnTextChanged(std::string_view id) override;
  void OnResized() override;
  void OnCloseRequested() override;
  // KeyHandler
  void HandleKey(KeyEvent& event) override;
  void KeyboardHookRestored() override { app_shell_.NoticeKeyboardHookRestored(); }

  bool store_open() const { return store_.has_value(); }
  const WordCapture& capture() const { return capture_; }
  const PredictiveCapture& prediction() const { return prediction_; }
  bool model_open() const { return model_.has_value(); }
  SuggestionPopup& popup() { return popup_; }
  const LearnedWords& learned_words() const { return learned_.words(); }

 private:
  // WordHistory: what learning hears.
  void WordTyped(std::string_view word) override;
  bool Forget(std::string_view word) override;
  // PhraseHistory: what learning hears while Predict Words is on.
  void WordTyped(const WordContext& before, std::string_view word) override;
  bool Forget(const WordContext& before, std::string_view word) override;

  // Opens the dictionary that the settings name (words.mdb when they name none that is there)
  // and says so on the status line when it does not open.
  void OpenStore();
  // The user chose a dictionary from the menu.
  void ChooseDictionary(std::string_view file_name);
  void CheckDictionaryItem();
  // Puts the options of the Options menu into effect.
  void ApplyOptions();
  void ForgetLearnedWords();
  std::vector<std::string> Candidates(std::string_view prefix, std::size_t limit);
  // The candidates of Predict Words: what learning and the word list offer first, then the
  // model's ranking, then the store's words.
  std::vector<std::string> Predictions(const WordContext& context, std::string_view prefix,
                                       std::size_t limit);
  // Puts Predict Words into effect, or the default completion back: the threshold field shows
  // the threshold of the mode in effect, and the model of the store is open while predicting.
  void ApplyPredictMode(bool predicting);
  void OpenModel();

  Platform& platform_;
  std::vector<Dictionary> dictionaries_;
  std::unique_ptr<Window> window_;
  AppShell app_shell_;
  SuggestionPopup popup_;
  CompletionSettings settings_;
  std::optional<WordStore> store_;
  std::string store_file_;  // the file name of the open store
  WordCapture capture_;
  PredictiveCapture prediction_;
  std::optional<LanguageModel> model_;
  bool predicting_ = false;
  bool learns_here_ = true;  // whether the field of the latest key may teach words
  // The threshold field's text of the default completion, while Predict Words shows its own.
  std::string completion_threshold_;
  LearnedWordsKeeper learned_;
  bool learned_loaded_ = false;
};

}  // namespace keyloom
