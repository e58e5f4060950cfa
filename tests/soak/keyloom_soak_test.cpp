// A million random key events through Keyloom's key handler on the fakes, with the user's
// settings, word-list and list-file commands between them and faults switched on and off.
// Throughout, the word list stays sorted, the pop-up's list and selection agree with its
// candidates, the pop-up holds the steering keys exactly while it shows and hides once its time
// is up, the user's clipboard text comes back after each completion, and memory does not grow
// with the events.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "completion/completion_settings.h"
#include "completion/keyloom_app.h"
#include "completion/word_store_file.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/key_event.h"
#include "shell/fake/fake_shell.h"
#include "shell/list_file.h"
#include "tests/soak/live_heap.h"
#include "tests/soak/soak_support.h"

namespace keyloom {
namespace {

constexpr std::size_t kEventsPerCheck = 1000;
constexpr std::size_t kEventsPerCommand = 1500;
constexpr std::size_t kMostWords = 300;
constexpr std::size_t kMostCandidates = 15;  // the largest Text4 this test types

const std::vector<std::string> kSyllables = {"ta", "te", "ti", "to", "ka", "ke", "ri",
                                             "ro", "na", "ne", "sa", "so", "l",  "m"};
const std::vector<std::string> kImportFiles = {"/lists/words.txt", "/lists/damaged.txt",
                                               "/lists/missing.txt", ""};
const std::vector<std::string> kSaveFiles = {"/lists/saved.txt", "/lists/words.txt", "", "*.kq"};
const std::vector<std::string> kDisplayTimes = {"5", "0.3", "0", "", "abc", "2"};
const std::vector<std::string> kThresholds = {"3", "1", "2", "0", "x"};
const std::vector<std::string> kMaxWords = {"15", "3", "1", "0", "abc"};
const std::vector<std::string> kMinLengths = {"4", "0", "-2", "x"};
const std::vector<std::string> kUserClipboard = {"the user's text", "", "\xe2\x82\xac 5"};
const std::vector<int> kSteeringKeys = {kVkTab, kVkUp, kVkDown};
constexpr std::array<int, 6> kWordEnds = {kVkTab, kVkSpace, kVkEnter, kVkBackspace, kVkEscape, 0};

// Words made of shared syllables, so that typed prefixes find many of them; some in capitals.
std::vector<std::string> StoreWords(SoakRandom& random) {
  std::set<std::string> seen;
  std::vector<std::string> words;
  while (words.size() < 3000) {
    std::string word;
    const std::size_t syllables = 2 + random.Below(3);
    for (std::size_t i = 0; i < syllables; ++i) word += random.Pick(kSyllables);
    if (random.Percent(5)) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    if (seen.insert(word).second) words.push_back(word);
  }
  return words;
}

class KeyloomSoak {
 public:
  KeyloomSoak() : words_(StoreWords(random_)) {
    platform_.files().SetFile(JoinPath(platform_.folders().program, "words.mdb"),
                              SealWordStore(words_, kWordStorePassword, 1).value());
    const std::vector<std::string> list(words_.begin(), words_.begin() + 50);
    platform_.files().SetFile("/lists/words.txt",
                              EncodeListFile(ListLayout::kWords, list, Windows1252()));
    std::string damaged;
    for (int i = 0; i < 300; ++i) damaged += static_cast<char>(random_.Below(256));
    platform_.files().SetFile("/lists/damaged.txt", damaged);
    app_ = std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(),
                                        KeyloomPopupDesign());
    app_->Start();
    platform_.clipboard().set_content(user_clipboard_);
  }

  bool store_open() const { return app_->store_open(); }

  // One key press: the start of a store word and a way to end it, other letters, the pop-up's
  // keys alone, or any key code at all, with a little time between keys.
  void PressKey() {
    if (pending_.empty()) QueueKeys();
    const auto [key_code, modifiers] = pending_.back();
    pending_.pop_back();
    const bool offered = app_->popup().Visible();
    if (platform_.hook().Press(key_code, modifiers) && key_code == kVkTab) ++completions_;
    const bool ends_word = key_code == kVkTab || key_code == kVkEnter || key_code == kVkBackspace;
    keys_in_word_ = ends_word ? 0 : keys_in_word_ + 1;
    if (!offered && app_->popup().Visible()) ++offers_;
    platform_.keystrokes().Clear();
    shell_.Advance(static_cast<std::int64_t>(random_.Below(80)));
  }

  // How often the pop-up came up, and a Tab completed a word.
  std::size_t offers() const { return offers_; }
  std::size_t completions() const { return completions_; }

  // One of the user's commands in the main window, or a fault switched on or off. Empty when
  // the files are as they may be afterwards; otherwise what is wrong.
  std::string RunCommand() {
    const FileWatch watch(platform_.files());
    FakeWindow& window = shell_.window("Form1");
    FakeDialogs& dialogs = shell_.dialogs();
    const std::size_t words = window.ListItems("List1").size();
    const int chosen = words > kMostWords ? 1 : static_cast<int>(random_.Below(15));
    switch (chosen) {
      case 0:
        window.TypeText(kWordToAddId, random_.Percent(10) ? "" : random_.Pick(words_));
        window.Click(kAddWordId);
        break;
      case 1:
        dialogs.QueueAnswer(words > kMostWords || random_.Percent(30));
        window.Click(kClearListId);
        break;
      case 2:
        current_file_ = random_.Pick(kImportFiles);
        dialogs.QueueOpen(current_file_);
        window.Click("FileImport");
        break;
      case 3:
        // Without a current file, Save asks for one.
        if (current_file_.empty()) {
          current_file_ = random_.Pick(kSaveFiles);
          dialogs.QueueSave(current_file_);
        }
        window.Click("FileSave");
        break;
      case 4:
        current_file_ = random_.Pick(kSaveFiles);
        dialogs.QueueSave(current_file_);
        window.Click("FileSave2");
        break;
      case 5:
        window.TypeText(kDisplayTimeId, random_.Pick(kDisplayTimes));
        break;
      case 6:
        window.TypeText(kLookupThresholdId, random_.Pick(kThresholds));
        break;
      case 7:
        window.TypeText(kMaxWordsId, random_.Pick(kMaxWords));
        break;
      case 8:
        window.TypeText(kMinWordLengthId, random_.Pick(kMinLengths));
        break;
      case 9:
        window.Click(kEnableCompletionId);
        break;
      case 10:
      case 11:
      case 12:
      case 13:
        DisturbShell(chosen - 10, random_, shell_, window, platform_.files());
        break;
      default:
        platform_.keystrokes().set_fails(random_.Percent(20));
        break;
    }
    if (!dialogs.AllAnswered()) return "the program did not ask what the command asks";
    return watch.Check(current_file_, EncodeListFile(ListLayout::kWords, window.ListItems("List1"),
                                                     Windows1252()));
  }

  // The pop-up's invariants, cheap enough for every key; empty when they hold.
  std::string CheckPopup() {
    SuggestionPopup& popup = app_->popup();
    const std::vector<std::string>& candidates = popup.candidates();
    if (candidates.size() > kMostCandidates) return "more candidates than asked for";
    if (Window* window = popup.window()) {
      if (static_cast<FakeWindow*>(window)->ListItems("List1") != candidates) {
        return "the pop-up's list does not show its candidates";
      }
      const int selected = window->SelectedListIndex("List1");
      if (selected < -1 || selected >= static_cast<int>(candidates.size())) {
        return "the pop-up's selection is out of range";
      }
    }
    const std::vector<int> held = popup.Visible() ? kSteeringKeys : std::vector<int>{};
    if (platform_.hook().withholdable_keys() != held) {
      return "the steering keys are not held exactly while the pop-up shows";
    }
    // Each key adds at most one character, and Tab, Enter and Backspace always end the word.
    if (app_->capture().current_word().size() > keys_in_word_) return "the current word grows";
    return "";
  }

  std::string CheckWordList() {
    const std::vector<std::string>& items = shell_.window("Form1").ListItems("List1");
    return CheckSortedList(items, items);
  }

  // Lets time pass: the pop-up hides (unless its display time is 0) and the clipboard holds the
  // user's text again. Then the user may put other text on the clipboard, or the clipboard may
  // refuse to open for a while; both change only here, with no paste pending.
  std::string CheckTimeUp() {
    const std::optional<int> display_ms =
        ParseDisplayTimeMs(shell_.window("Form1").Text(kDisplayTimeId));
    shell_.Advance(std::max(app_->popup().DisplayTimeMs(), 100) + 1);
    if (app_->popup().DisplayTimeMs() > 0 && app_->popup().Visible()) {
      return "the pop-up did not hide";
    }
    if (display_ms && *display_ms != app_->popup().DisplayTimeMs()) {
      return "the pop-up does not use the display time of its field";
    }
    const std::optional<std::string>& clipboard = platform_.clipboard().content();
    if (!user_clipboard_.empty() && clipboard != user_clipboard_) {
      return "the clipboard lost the user's text";
    }
    if (random_.Percent(20)) {
      user_clipboard_ = random_.Pick(kUserClipboard);
      platform_.clipboard().set_content(user_clipboard_);
    }
    platform_.clipboard().set_refuse_open(random_.Percent(10));
    return "";
  }

 private:
  void QueueKeys() {
    const std::size_t kind = random_.Below(100);
    std::vector<std::pair<int, int>> keys;
    if (kind < 50) {
      const std::string& word = random_.Pick(words_);
      const std::size_t typed = 1 + random_.Below(word.size());
      for (std::size_t i = 0; i < typed; ++i) keys.push_back({KeyCodeOf(word[i]), 0});
      for (std::size_t moves = random_.Below(4); moves > 0; --moves) {
        keys.push_back({random_.Percent(70) ? kVkDown : kVkUp, 0});
      }
      if (const int end = kWordEnds[random_.Below(kWordEnds.size())]) keys.push_back({end, 0});
    } else if (kind < 75) {
      const std::size_t length = 1 + random_.Below(8);
      for (std::size_t i = 0; i < length; ++i) {
        keys.push_back({'A' + static_cast<int>(random_.Below(26)), 0});
      }
      keys.push_back({kVkSpace, 0});
    } else if (kind < 90) {
      keys.push_back({kSteeringKeys[random_.Below(kSteeringKeys.size())], 0});
    } else {
      keys.push_back({static_cast<int>(random_.Below(256)), static_cast<int>(random_.Below(8))});
    }
    pending_.assign(keys.rbegin(), keys.rend());
  }

  SoakRandom random_{20261208};
  std::vector<std::string> words_;
  FakeShell shell_;
  SoakPlatform platform_;
  std::unique_ptr<KeyloomApp> app_;
  std::vector<std::pair<int, int>> pending_;
  std::string user_clipboard_ = "the user's text";
  std::string current_file_;
  std::size_t keys_in_word_ = 0;
  std::size_t offers_ = 0;
  std::size_t completions_ = 0;
};

TEST(KeyloomSoakTest, RandomKeysAndCommandsKeepEveryInvariant) {
  const std::size_t events = SoakEventCount();
  KeyloomSoak soak;
  ASSERT_TRUE(soak.store_open());
  std::optional<std::size_t> heap_at_first_check;
  for (std::size_t event = 1; event <= events; ++event) {
    soak.PressKey();
    ASSERT_EQ(soak.CheckPopup(), "") << "after key event " << event;
    if (event % kEventsPerCommand == 0) {
      ASSERT_EQ(soak.RunCommand(), "") << "command after key event " << event;
    }
    if (event % kEventsPerCheck == 0 || event == events) {
      ASSERT_EQ(soak.CheckWordList(), "") << "after key event " << event;
      ASSERT_EQ(soak.CheckTimeUp(), "") << "after key event " << event;
      ASSERT_EQ(soak.CheckPopup(), "") << "after key event " << event;
      if (!heap_at_first_check) heap_at_first_check = LiveHeapBytes();
    }
  }
  EXPECT_LE(LiveHeapBytes(), *heap_at_first_check + kHeapGrowthAllowance);
  // The keys reached what they are meant to exercise.
  EXPECT_GT(soak.offers(), events / 200);
  EXPECT_GT(soak.completions(), events / 1000);
}

}  // namespace
}  // namespace keyloom
