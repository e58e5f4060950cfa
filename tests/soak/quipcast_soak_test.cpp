// A million random key events through Quipcast's key handler on the fakes, with the user's
// editor and list-file commands between them and faults switched on and off. Throughout, the
// entry list stays sorted and saved whole, the quiet period always ends and gives the user's
// clipboard text back, and memory does not grow with the events.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "phrases/boost_option.h"
#include "phrases/entry_line.h"
#include "phrases/quipcast_app.h"
#include "platform/key_event.h"
#include "platform/text.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/fake/fake_shell.h"
#include "shell/list_file.h"
#include "tests/soak/live_heap.h"
#include "tests/soak/soak_support.h"

namespace keyloom {
namespace {

constexpr std::size_t kEventsPerCheck = 1000;
constexpr std::size_t kEventsPerCommand = 1500;
constexpr std::size_t kMostEntries = 150;

const std::vector<std::string> kLaunchKeys = {"sig", "addr", "hi",  "x1",   "dt",
                                              "a",   "zz9",  "run", "long", "b2b"};
const std::vector<std::string> kChordKeys = {"{F5}", "{Ctrl}{F9}", "{Shift}{F1}", "{Alt}{F12}",
                                             "{Ctrl}{Shift}{F2}"};
const std::vector<std::string> kSendStrings = {
    "Best regards", "line one\r\nline two",    "%(date)% at %(time)%",
    "%(run=calc)%", "{enter}+(abc)~",          "%(longdate)% %(now)%",
    "tab\there",    "caf\xc3\xa9 \xe2\x82\xac"};
const std::vector<std::string> kImportFiles = {"/lists/a.kyl", "/lists/damaged.kyl",
                                               "/lists/missing.kyl", ""};
const std::vector<std::string> kSaveFiles = {"/lists/saved.kyl", "/lists/a.kyl", "", "*.kq"};
const std::vector<std::string> kUserClipboard = {"the user's text", "", "\xe2\x82\xac 5"};
constexpr std::array<int, 5> kChordModifiers = {0, kShiftMask, kCtrlMask, kCtrlMask | kShiftMask,
                                                kAltMask};

std::string Encode(const std::vector<std::string>& entries) {
  return EncodeListFile(ListLayout::kPhrases, entries, Windows1252());
}

std::vector<std::string> SomeEntries(SoakRandom& random, std::size_t count) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const bool chord = random.Percent(20);
    entries.push_back(ComposeEntryLine(chord ? random.Pick(kChordKeys) : random.Pick(kLaunchKeys),
                                       random.Pick(kSendStrings), random.Percent(60), true,
                                       random.Percent(30)));
  }
  return entries;
}

class QuipcastSoak {
 public:
  QuipcastSoak() {
    platform_.files().SetFile(JoinPath(platform_.folders().program, "defaultkeys.kyl"),
                              Encode(SomeEntries(random_, 30)));
    platform_.files().SetFile("/lists/a.kyl", Encode(SomeEntries(random_, 40)));
    std::string damaged;
    for (int i = 0; i < 300; ++i) damaged += static_cast<char>(random_.Below(256));
    platform_.files().SetFile("/lists/damaged.kyl", damaged);
    app_ = std::make_unique<QuipcastApp>(shell_, platform_, QuipcastWindowDesign());
    app_->Start();
    platform_.clipboard().set_content(user_clipboard_);
  }

  // One key press, as the user types: launch keys and their ending, chords, other words and
  // any key code at all, with a little time between keys.
  void PressKey() {
    if (pending_.empty()) QueueKeys();
    const auto [key_code, modifiers] = pending_.back();
    pending_.pop_back();
    const bool was_quiet = app_->quiet_timer().Enabled();
    if (platform_.hook().Press(key_code, modifiers)) ++withheld_chords_;
    if (!was_quiet && app_->quiet_timer().Enabled()) ++playbacks_;
    platform_.keystrokes().Clear();
    shell_.Advance(static_cast<std::int64_t>(random_.Below(80)));
  }

  // How often the soak reached playback, and a chord was withheld.
  std::size_t playbacks() const { return playbacks_; }
  std::size_t withheld_chords() const { return withheld_chords_; }

  // One of the user's commands in the main window, or a fault switched on or off. Empty when
  // the files are as they may be afterwards; otherwise what is wrong.
  std::string RunCommand() {
    const FileWatch watch(platform_.files());
    FakeWindow& window = shell_.window("Form1");
    FakeDialogs& dialogs = shell_.dialogs();
    const std::size_t entries = app_->app_shell().list().size();
    const int chosen = entries > kMostEntries ? 5 : static_cast<int>(random_.Below(17));
    switch (chosen) {
      case 0:
      case 1:
      case 2:
        window.TypeText("Text10", random_.Percent(10)   ? ""
                                  : random_.Percent(20) ? random_.Pick(kChordKeys)
                                                        : random_.Pick(kLaunchKeys));
        window.TypeText("Text7", random_.Pick(kSendStrings));
        window.Click(random_.Percent(50) ? "Option1" : "Option2");
        if (random_.Percent(30)) window.Click("Check2");
        window.Click("Command8");
        break;
      case 3:
        if (entries > 0) window.SelectListItem("List1", static_cast<int>(random_.Below(entries)));
        break;
      case 4:
        if (entries > 0) {
          dialogs.QueueAnswer(random_.Percent(50));
          window.DoubleClickListItem("List1", static_cast<int>(random_.Below(entries)));
        }
        break;
      case 5:
        dialogs.QueueAnswer(entries > kMostEntries || random_.Percent(30));
        window.Click("Command3");
        break;
      case 6:
        dialogs.QueueAnswer(random_.Percent(50));
        window.Click("Command2");
        break;
      case 7:
        window.Click("LoadSamples");
        break;
      case 8:
        window.Click("Check8");
        break;
      case 9:
        dialogs.QueueOpen(random_.Pick(kImportFiles));
        window.Click("FileImport");
        break;
      case 10:
        window.Click("FileSave");
        break;
      case 11:
        dialogs.QueueSave(random_.Pick(kSaveFiles));
        window.Click("FileSave2");
        break;
      case 12:
      case 13:
      case 14:
      case 15:
        DisturbShell(chosen - 12, random_, shell_, window, platform_.files());
        break;
      default:
        platform_.programs().set_fails(random_.Percent(20));
        break;
    }
    if (!dialogs.AllAnswered()) return "the program did not ask what the command asks";
    return watch.Check(app_->app_shell().files().current_file(),
                       Encode(app_->app_shell().list().items()));
  }

  // Empty when every invariant holds; otherwise the first one broken.
  std::string CheckState() {
    const WorkingList& list = app_->app_shell().list();
    if (std::string error =
            CheckSortedList(list.items(), shell_.window("Form1").ListItems("List1"));
        !error.empty()) {
      return error;
    }
    if (app_->detector().buffer().size() > 64) return "the launch buffer keeps growing";
    const bool picker_open = app_->picker().IsOpen();
    const std::size_t held_keys =
        12 + (picker_open ? PhrasePicker::SteeringKeys().size() : std::size_t{0});
    if (platform_.hook().withholdable_keys().size() != held_keys) {
      return "the function keys, and the picker's keys while it shows, are not held";
    }
    if (platform_.keys_taken().taken() != picker_open) return "the keys are taken with no picker";
    if (CodePointCount(app_->picker().query()) > PhrasePicker::kMaxQueryLength) {
      return "the picker's line keeps growing";
    }
    return "";
  }

  // Lets time pass: the quiet period ends and the clipboard holds the user's text again. Then
  // the user may put other text on the clipboard, or the clipboard may refuse to open for a
  // while; both change only here, outside any quiet period.
  std::string CheckQuietEnds() {
    shell_.Advance(kQuietMsBoostOff + 1);
    if (app_->quiet_timer().Enabled()) return "the quiet period did not end";
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
    const std::vector<std::string>& items = app_->app_shell().list().items();
    const std::size_t kind = random_.Below(100);
    std::vector<std::pair<int, int>> keys;
    if (kind < 20 && !items.empty()) {
      // An entry's launch: its letters and an ending, or its chord.
      const std::string launch = SplitEntryLine(random_.Pick(items)).launch_keys;
      if (launch.starts_with('{')) {
        keys.push_back({kVkF1 + static_cast<int>(random_.Below(12)),
                        kChordModifiers[random_.Below(kChordModifiers.size())]});
      } else {
        for (const char c : launch) keys.push_back({KeyCodeOf(c), 0});
        keys.push_back({random_.Percent(50) ? kVkSpace : kVkTab, 0});
      }
    } else if (kind < 70) {
      const std::size_t length = 1 + random_.Below(8);
      for (std::size_t i = 0; i < length; ++i)
        keys.push_back({'A' + static_cast<int>(random_.Below(26)), 0});
      keys.push_back({random_.Percent(70) ? kVkSpace : kVkEnter, 0});
    } else {
      keys.push_back({static_cast<int>(random_.Below(256)), static_cast<int>(random_.Below(8))});
    }
    pending_.assign(keys.rbegin(), keys.rend());
  }

  SoakRandom random_{20261207};
  FakeShell shell_;
  SoakPlatform platform_;
  std::unique_ptr<QuipcastApp> app_;
  std::vector<std::pair<int, int>> pending_;
  std::string user_clipboard_ = "the user's text";
  std::size_t playbacks_ = 0;
  std::size_t withheld_chords_ = 0;
};

TEST(QuipcastSoakTest, RandomKeysAndCommandsKeepEveryInvariant) {
  const std::size_t events = SoakEventCount();
  QuipcastSoak soak;
  std::optional<std::size_t> heap_at_first_check;
  for (std::size_t event = 1; event <= events; ++event) {
    soak.PressKey();
    if (event % kEventsPerCommand == 0) {
      ASSERT_EQ(soak.RunCommand(), "") << "command after key event " << event;
    }
    if (event % kEventsPerCheck == 0 || event == events) {
      ASSERT_EQ(soak.CheckState(), "") << "after key event " << event;
      ASSERT_EQ(soak.CheckQuietEnds(), "") << "after key event " << event;
      if (!heap_at_first_check) heap_at_first_check = LiveHeapBytes();
    }
  }
  EXPECT_LE(LiveHeapBytes(), *heap_at_first_check + kHeapGrowthAllowance);
  // The keys reached what they are meant to exercise.
  EXPECT_GT(soak.playbacks(), events / 500);
  EXPECT_GT(soak.withheld_chords(), events / 5000);
}

}  // namespace
}  // namespace keyloom
