#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "completion/learned_phrases.h"
#include "completion/learned_words.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace keyloom {

// Keeps the learned words and phrases in a private file of the user's profile: loads them when
// learning starts, saves them a little after they change (and when the program ends), and erases
// the file when the user forgets them. A file that is there but cannot be read is never saved
// over: what is learned meanwhile stays in memory.
class LearnedWordsKeeper {
 public:
  static constexpr std::string_view kFileName = "learned-words";
  static constexpr int kSaveDelayMs = 5000;
  static constexpr std::string_view kSaveFailedNotice =
      "The learned words could not be saved; Keyloom will try again.";
  static constexpr std::string_view kReadFailedNotice =
      "The learned words could not be read, so Keyloom leaves their file as it is and keeps "
      "what it learns now until it ends: ";

  // `notify` hears once of a save that failed, until one succeeds again, and of a file that
  // could not be read.
  LearnedWordsKeeper(Shell& shell, Platform& platform,
                     std::function<void(std::string_view notice)> notify);
  // Saves a pending change.
  ~LearnedWordsKeeper();

  void Load();
  // Call after every change to words(); the save follows a little later.
  void Changed();
  // Saves a pending change at once.
  void Flush();
  // Saves a pending change at once and tells nothing more; also runs when exit() ends the
  // program.
  void SaveBeforeTheEnd();
  // Forgets every word and phrase and removes the file; false when the file could not be
  // removed.
  bool ForgetAll();

  LearnedWords& words() { return words_; }
  const LearnedWords& words() const { return words_; }
  LearnedPhrases& phrases() { return phrases_; }
  const LearnedPhrases& phrases() const { return phrases_; }
  std::string Path() const;

 private:
  void Save();

  Platform& platform_;
  std::function<void(std::string_view notice)> notify_;
  std::unique_ptr<Timer> save_timer_;
  LearnedWords words_;
  LearnedPhrases phrases_;
  bool dirty_ = false;
  bool failure_told_ = false;
  bool file_unread_ = false;  // the file is there but could not be read
};

}  // namespace keyloom
