#include "completion/learned_words_keeper.h"

#include <optional>
#include <utility>

namespace keyloom {

LearnedWordsKeeper::LearnedWordsKeeper(Shell& shell, Platform& platform,
                                       std::function<void()> on_save_failed)
    : platform_(platform),
      on_save_failed_(std::move(on_save_failed)),
      save_timer_(shell.CreateTimer([this] { Save(); })) {
  save_timer_->SetInterval(kSaveDelayMs);
}

LearnedWordsKeeper::~LearnedWordsKeeper() {
  // Nothing is left to tell at the end.
  on_save_failed_ = nullptr;
  Flush();
}

std::string LearnedWordsKeeper::Path() const {
  return JoinPath(platform_.folders().user_data, kFileName);
}

void LearnedWordsKeeper::Load() {
  const std::optional<std::string> text = platform_.private_files().Read(Path());
  // Phrases share the words' file: their lines hold spaces, which a word never does, so a
  // Keyloom that knows no phrases reads the words alone.
  words_ = text ? LearnedWords::Parse(*text) : LearnedWords();
  phrases_.Clear();
  if (text) phrases_.Parse(*text);
  dirty_ = false;
}

void LearnedWordsKeeper::Changed() {
  dirty_ = true;
  if (!save_timer_->Enabled()) save_timer_->Restart();
}

void LearnedWordsKeeper::Flush() {
  if (dirty_) Save();
}

bool LearnedWordsKeeper::ForgetAll() {
  words_.Clear();
  phrases_.Clear();
  dirty_ = false;
  save_timer_->SetEnabled(false);
  return platform_.private_files().Remove(Path());
}

void LearnedWordsKeeper::Save() {
  save_timer_->SetEnabled(false);
  const bool saved =
      platform_.files().EnsureWritableFolder(platform_.folders().user_data) &&
      platform_.private_files().Replace(Path(), words_.Serialize() + phrases_.Serialize());
  dirty_ = !saved;
  if (saved) {
    failure_told_ = false;
  } else if (!failure_told_) {
    failure_told_ = true;
    if (on_save_failed_) on_save_failed_();
  }
}

}  // namespace keyloom
