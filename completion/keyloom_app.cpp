#include "completion/keyloom_app.h"

#include <algorithm>
#include <utility>

#include "completion/candidate_merge.h"
#include "completion/completion_options.h"
#include "completion/status_line.h"
#include "completion/terminal_applications.h"
#include "completion/word_store_locate.h"
#include "shell/app_texts.h"
#include "shell/settings.h"
#include "shell/startup.h"

namespace keyloom {
namespace {

constexpr std::size_t kMaxPredictions = 100;

// The main window's design with the Dictionary menu before Help.
WindowDesign WithDictionaryMenu(WindowDesign design, const std::vector<Dictionary>& dictionaries) {
  const auto help = design.menus.empty() ? design.menus.end() : design.menus.end() - 1;
  design.menus.insert(help, DictionaryMenu(dictionaries));
  return design;
}

ListFileConfig KeyloomListFileConfig(Platform& platform, const Window& window) {
  ListFileConfig config = DefaultListFileConfig(
      Program::kKeyloom, WritableDataFolder(platform.files(), platform.folders()));
  config.min_word_length = [&window] { return ReadMinWordLength(window); };
  return config;
}

}  // namespace

KeyloomApp::KeyloomApp(Shell& shell, Platform& platform, const WindowDesign& main_design,
                       WindowDesign popup_design)
    : platform_(platform),
      dictionaries_(FindDictionaries(platform.folders(), platform.files())),
      window_(shell.CreateWindow(WithDictionaryMenu(main_design, dictionaries_), *this)),
      app_shell_(Program::kKeyloom, *window_, shell, platform,
                 KeyloomListFileConfig(platform, *window_)),
      popup_(shell, platform, std::move(popup_design)),
      settings_(*window_, popup_, app_shell_.list(), shell.dialogs()),
      capture_(
          *window_, popup_,
          [this](std::string_view prefix, std::size_t limit) { return Candidates(prefix, limit); }),
      prediction_(*window_, popup_, platform.keystrokes(),
                  [this](const WordContext& context, std::string_view prefix, std::size_t limit) {
                    return Predictions(context, prefix, limit);
                  }),
      learned_(shell, platform, [this](std::string_view notice) { app_shell_.Notify(notice); }) {}

void KeyloomApp::Start(bool in_tray) {
  RunStartupSteps({
      [this] { app_shell_.AddTrayIcon(); },
      [this] { app_shell_.LoadListAtStart(); },
      [this] { OpenStore(); },
  });
  LoadCompletionOptions(app_shell_.settings(), *window_);
  ApplyOptions();
  app_shell_.SetPauseHandler([this](bool /*paused*/) {
    capture_.EndWord();
    prediction_.Reset();
  });
  app_shell_.RestorePause();
  app_shell_.NoticeUndetectedPasswordFields();
  app_shell_.ShowAtStart(in_tray);
  platform_.hook().Start(*this);
}

void KeyloomApp::OnCommand(std::string_view id) {
  if (id == kAddWordId) {
    settings_.AddWord();
  } else if (id == kClearListId) {
    settings_.ClearList();
  } else if (!DictionaryOfItem(id).empty()) {
    ChooseDictionary(DictionaryOfItem(id));
  } else if (id == kForgetLearnedWordsItem) {
    ForgetLearnedWords();
  } else if (ToggleCompletionOption(id, app_shell_.settings(), *window_)) {
    ApplyOptions();
  } else {
    app_shell_.HandleCommand(id);
  }
}

void KeyloomApp::OnTextChanged(std::string_view id) {
  if (id == kDisplayTimeId) settings_.OnDisplayTimeChanged();
  if (id == kLookupThresholdId && predicting_) {
    WriteSetting(app_shell_.settings(), kOptionsSection, kPredictThresholdSetting,
                 window_->Text(kLookupThresholdId));
  }
}

void KeyloomApp::OnResized() {
  app_shell_.HandleResize();
  window_->SetRect(kStatusLineId, StatusLineRect(window_->Rect("Frame2"), window_->Rect("Frame1")));
}

void KeyloomApp::OnCloseRequested() { app_shell_.Exit(); }

void KeyloomApp::HandleKey(KeyEvent& event) {
  // Private fields and (unless the user asks for it) terminals, where password prompts look
  // like any other text, teach nothing.
  learns_here_ =
      !event.in_private_field && (window_->MenuChecked(kLearnInTerminalsItem) ||
                                  !(event.in_terminal || IsTerminalApplication(event.application)));
  if (app_shell_.LeavesAlone(event)) {
    // Nothing typed in a password field or an excluded application may show in the pop-up,
    // join a word or be remembered as what came before the next one.
    capture_.EndWord();
    prediction_.Reset();
  } else if (predicting_) {
    prediction_.HandleKey(event);
  } else {
    capture_.HandleKey(event);
  }
}

void KeyloomApp::WordTyped(std::string_view word) {
  if (learns_here_ && learned_.words().CountUse(word)) learned_.Changed();
}

bool KeyloomApp::Forget(std::string_view word) {
  if (!learned_.words().Forget(word)) return false;
  learned_.Changed();
  return true;
}

void KeyloomApp::WordTyped(const WordContext& before, std::string_view word) {
  if (!learns_here_) return;
  const bool word_counted = learned_.words().CountUse(word);
  if (learned_.phrases().CountUse(before, word) || word_counted) learned_.Changed();
}

bool KeyloomApp::Forget(const WordContext& before, std::string_view word) {
  const bool phrase_forgotten = learned_.phrases().Forget(before, word);
  if (!learned_.words().Forget(word) && !phrase_forgotten) return false;
  learned_.Changed();
  return true;
}

void KeyloomApp::ApplyOptions() {
  ApplyPredictMode(window_->MenuChecked(kPredictWordsItem));
  popup_.SetOrder(predicting_ || window_->MenuChecked(kMostLikelyFirstItem)
                      ? SuggestionPopup::Order::kAsGiven
                      : SuggestionPopup::Order::kAlphabetical);
  popup_.SetPlacement(window_->MenuChecked(kSuggestionsAtCaretItem)
                          ? SuggestionPopup::Placement::kAtCaret
                          : SuggestionPopup::Placement::kDesigned);
  const bool learning = window_->MenuChecked(kLearnWordsItem);
  if (learning && !learned_loaded_) {
    learned_.Load();
    learned_loaded_ = true;
  }
  if (!learning) learned_.Flush();
  capture_.SetHistory(learning ? static_cast<WordHistory*>(this) : nullptr);
  prediction_.SetHistory(learning ? static_cast<PhraseHistory*>(this) : nullptr);
  prediction_.SetSettings(
      {PickModifiers(*window_), window_->MenuChecked(kSpaceAfterCompletionItem)});
}

void KeyloomApp::ApplyPredictMode(bool predicting) {
  if (predicting == predicting_) return;
  predicting_ = predicting;
  capture_.EndWord();
  prediction_.Reset();
  popup_.SetNumbered(predicting);
  if (predicting) {
    completion_threshold_ = window_->Text(kLookupThresholdId);
    window_->SetText(kLookupThresholdId,
                     ReadSetting(app_shell_.settings(), kOptionsSection, kPredictThresholdSetting,
                                 kDefaultPredictThreshold));
    prediction_.TakeSteeringKeys();
    OpenModel();
  } else {
    window_->SetText(kLookupThresholdId, completion_threshold_);
    popup_.SetExtraSteeringKeys({});
    model_.reset();
  }
}

void KeyloomApp::OpenModel() {
  model_.reset();
  if (!predicting_ || !store_) return;
  model_ = OpenFromDataFolders(platform_.folders(), platform_.files(), ModelFileName(store_file_),
                               [](std::string_view bytes) { return LanguageModel::Open(bytes); });
}

void KeyloomApp::ForgetLearnedWords() {
  Dialogs& dialogs = app_shell_.dialogs();
  if (!dialogs.AskYesNo(kForgetQuestion, kApplicationTitle)) return;
  learned_loaded_ = true;
  if (!learned_.ForgetAll()) dialogs.ShowMessage(kForgetFailedMessage, kApplicationTitle);
}

std::vector<std::string> KeyloomApp::Candidates(std::string_view prefix, std::size_t limit) {
  std::vector<std::vector<std::string_view>> sources;
  std::size_t offered = 0;
  if (window_->MenuChecked(kLearnWordsItem)) {
    offered += sources.emplace_back(learned_.words().Lookup(prefix, limit)).size();
  }
  if (window_->MenuChecked(kOfferListWordsItem)) {
    offered +=
        sources.emplace_back(ItemsWithPrefix(app_shell_.list().items(), prefix, limit)).size();
  }
  // Asked for more, since words that the other sources gave may come again.
  if (store_) sources.push_back(store_->Lookup(prefix, limit + offered));
  return MergeCandidates(sources, limit);
}

std::vector<std::string> KeyloomApp::Predictions(const WordContext& context,
                                                 std::string_view prefix, std::size_t limit) {
  // The pop-up shows a screenful at most; beyond that a ranking only costs time.
  limit = std::min(limit, kMaxPredictions);
  std::vector<std::vector<std::string_view>> sources;
  const bool learning = window_->MenuChecked(kLearnWordsItem);
  if (learning) sources.push_back(learned_.phrases().Lookup(context, prefix, limit));
  // Without a letter, only what follows the words before says anything.
  if (!prefix.empty()) {
    if (learning) sources.push_back(learned_.words().Lookup(prefix, limit));
    if (window_->MenuChecked(kOfferListWordsItem)) {
      sources.push_back(ItemsWithPrefix(app_shell_.list().items(), prefix, limit));
    }
  }
  if (model_) sources.push_back(model_->Predict(context, prefix, limit));
  if (store_ && (!model_ || !prefix.empty())) sources.push_back(store_->Lookup(prefix, limit));
  return MergeCandidates(sources, limit);
}

void KeyloomApp::OpenStore() {
  const std::string chosen =
      ReadSetting(app_shell_.settings(), kOptionsSection, kDictionarySetting, kWordStoreFileName);
  // Only a store that the menu offers: the setting is not a path to follow.
  const bool offered = std::any_of(dictionaries_.begin(), dictionaries_.end(),
                                   [&](const Dictionary& d) { return d.file_name == chosen; });
  store_file_ = offered ? chosen : std::string(kWordStoreFileName);
  store_ = OpenWordStore(platform_.folders(), platform_.files(), store_file_);
  if (!store_) window_->SetText(kStatusLineId, kStoreNotOpenedStatus);
  CheckDictionaryItem();
  OpenModel();
}

void KeyloomApp::ChooseDictionary(std::string_view file_name) {
  std::optional<WordStore> store = OpenWordStore(platform_.folders(), platform_.files(), file_name);
  if (!store) {
    app_shell_.dialogs().ShowMessage(
        std::string(kDictionaryNotOpenedMessage) + DictionaryCaption(file_name), kApplicationTitle);
    CheckDictionaryItem();
    return;
  }
  store_ = std::move(store);
  store_file_ = std::string(file_name);
  WriteSetting(app_shell_.settings(), kOptionsSection, kDictionarySetting, store_file_);
  window_->SetText(kStatusLineId, "");
  CheckDictionaryItem();
  OpenModel();
  prediction_.Reset();
  popup_.HidePopup();
}

void KeyloomApp::CheckDictionaryItem() {
  for (const Dictionary& dictionary : dictionaries_) {
    window_->SetMenuChecked(std::string(kDictionaryItemPrefix) + dictionary.file_name,
                            store_ && dictionary.file_name == store_file_);
  }
}

}  // namespace keyloom
