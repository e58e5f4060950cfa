#include "completion/learned_words_keeper.h"

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace keyloom {
namespace {

std::vector<LearnedWordsKeeper*>& LiveKeepers() {
  static std::vector<LearnedWordsKeeper*> keepers;
  return keepers;
}

// A program that exit() ends (its display went away at logout) unwinds nothing of its own.
void SaveAtExit() {
  for (LearnedWordsKeeper* keeper : LiveKeepers()) keeper->SaveBeforeTheEnd();
}

}  // namespace

LearnedWordsKeeper::LearnedWordsKeeper(Shell& shell, Platform& platform,
                                       std::function<void(std::string_view notice)> notify)
    : platform_(platform),
      notify_(std::move(notify)),
      save_timer_(shell.CreateTimer([this] { Save(); })) {
  save_timer_->SetInterval(kSaveDelayMs);
  // The list is made before the exit handler is registered, so that it outlives its use there.
  LiveKeepers().push_back(this);
  static const bool registered = std::atexit(SaveAtExit) == 0;
  (void)registered;
}

LearnedWordsKeeper::~LearnedWordsKeeper() {
  std::erase(LiveKeepers(), this);
  SaveBeforeTheEnd();
}

void LearnedWordsKeeper::SaveBeforeTheEnd() {
  // Nothing is left to tell at the end.
  notify_ = nullptr;
  Flush();
}

std::string LearnedWordsKeeper::Path() const {
  return JoinPath(platform_.folders().user_data, kFileName);
}

void LearnedWordsKeeper::Load() {
  const std::optional<std::string> text = platform_.private_files().Read(Path());
  file_unread_ = !text && !platform_.private_files().Missing(Path());
  if (file_unread_ && notify_) notify_(std::string(kReadFailedNotice) + Path());
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
  // The user asked for it: the unread file goes too, and later words may be saved.
  const bool removed = platform_.private_files().Remove(Path());
  if (removed) file_unread_ = false;
  return removed;
}

void LearnedWordsKeeper::Save() {
  save_timer_->SetEnabled(false);
  if (file_unread_) {
    dirty_ = false;
    return;
  }
  const bool saved =
      platform_.files().EnsureWritableFolder(platform_.folders().user_data) &&
      platform_.private_files().Replace(Path(), words_.Serialize() + phrases_.Serialize());
  dirty_ = !saved;
  if (saved) {
    failure_told_ = false;
  } else if (!failure_told_) {
    failure_told_ = true;
    if (notify_) notify_(kSaveFailedNotice);
  }
}

}  // namespace keyloom
