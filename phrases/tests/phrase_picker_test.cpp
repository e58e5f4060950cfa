#include "phrases/phrase_picker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrases/phrase_ranking.h"
#include "phrases/picker_chord.h"
#include "phrases/tests/quipcast_app_fixture.h"
#include "platform/fake/fake_candidate_list.h"
#include "shell/candidate_list_shell.h"

namespace keyloom {
namespace {

const std::vector<PickableEntry> kEntries = {
    {"adr", "12 Main Street, Springfield"},  // 0
    {"btw", "by the way"},                   // 1
    {"meet", "Can we meet on Monday?"},      // 2
    {"sig", "Best regards,\r\nAnn"},         // 3
    {"sg", "Signed, sealed, delivered"},     // 4
    {"thx", "Thank you for the meeting"},    // 5
    {"мир", "Привет, мир"},                  // 6
    {".d", "%(date)%"},                      // 7
};

struct RankCase {
  const char* query;
  std::vector<std::size_t> expected;
};

class RankTest : public testing::TestWithParam<RankCase> {};

TEST_P(RankTest, FindsBestFirst) {
  EXPECT_EQ(RankEntries(kEntries, GetParam().query), GetParam().expected) << GetParam().query;
}

INSTANTIATE_TEST_SUITE_P(
    Queries, RankTest,
    testing::Values(RankCase{"", {0, 1, 2, 3, 4, 5, 6, 7}},
                    // The same launch letters first, then launch letters that begin so, then words.
                    RankCase{"sig", {3, 4}}, RankCase{"SG", {4, 3}}, RankCase{"meet", {2, 5}},
                    // Words of the phrase, their beginnings, anywhere in it.
                    RankCase{"monday", {2}}, RankCase{"spring", {0}}, RankCase{"field", {0}},
                    // Every word of the query must find the entry.
                    RankCase{"thank meeting", {5}}, RankCase{"thank monday", {}},
                    // The phrase words' first letters; one slip in a long word.
                    RankCase{"tyf", {5}}, RankCase{"meetign", {5}}, RankCase{"regrads", {3}},
                    RankCase{"xyzzy", {}},
                    // Other scripts fold case too; punctuation in launch letters counts.
                    RankCase{"МИР", {6}}, RankCase{".d", {7}}));

TEST(ReadablePhraseTest, FieldsByNameLineBreaksAndNoCursorMark) {
  EXPECT_EQ(ReadablePhrase("Dear %(input=Name)%,{ENTER}%(cursor)%%(choice=Day|Mon|Tue)% %(date)%"),
            "Dear [Name],\n[Day] %(date)%");
}

TEST(PickerItemTextTest, OneLineWithTheStartOfThePhrase) {
  EXPECT_EQ(PickerItemText("sig", "Best regards,\r\nAnn", 60), "sig  \u2014  Best regards, Ann");
  EXPECT_EQ(PickerItemText("l", "abcdef", 3), "l  \u2014  abc\u2026");
  EXPECT_EQ(PickerItemText("r", "дядя", 4), "r  \u2014  дядя");
  // A space is shown only with a character behind it.
  EXPECT_EQ(PickerItemText("s", "ab cd", 3), "s  \u2014  ab\u2026");
}

struct ChordCase {
  const char* name;
  std::optional<KeyChord> chord;
  bool problem;
  const char* read_back;
};

class ChordNameTest : public testing::TestWithParam<ChordCase> {};

TEST_P(ChordNameTest, ReadsUsableChordsOnly) {
  const ChordReading reading = ReadChordName(GetParam().name);
  EXPECT_EQ(reading.chord, GetParam().chord) << GetParam().name;
  EXPECT_EQ(!reading.problem.empty(), GetParam().problem) << GetParam().name;
  if (reading.chord) {
    EXPECT_EQ(ChordName(*reading.chord), GetParam().read_back);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChordNameTest,
    testing::Values(
        ChordCase{"Ctrl+Shift+Space", KeyChord{kVkSpace, kCtrlMask | kShiftMask}, false,
                  "Ctrl+Shift+Space"},
        ChordCase{" alt + shift + ctrl + p ", KeyChord{'P', 7}, false, "Ctrl+Shift+Alt+P"},
        ChordCase{"Ctrl+Alt+F5", KeyChord{kVkF1 + 4, kCtrlMask | kAltMask}, false, "Ctrl+Alt+F5"},
        ChordCase{"Control+PageDown", KeyChord{34, kCtrlMask}, false, "Ctrl+PageDown"},
        ChordCase{"", std::nullopt, false, ""},
        // Typing would change, or the programs use it already.
        ChordCase{"Shift+Space", std::nullopt, true, ""}, ChordCase{"Q", std::nullopt, true, ""},
        ChordCase{"Ctrl+F9", std::nullopt, true, ""}, ChordCase{"F9", std::nullopt, true, ""},
        ChordCase{"Alt+3", std::nullopt, true, ""}, ChordCase{"Ctrl+F13", std::nullopt, true, ""},
        ChordCase{"Super+Space", std::nullopt, true, ""},
        ChordCase{"Ctrl+", std::nullopt, true, ""}));

// The picker in Quipcast, on the fakes. The list: "sig" and "ty" everywhere, "ed" only in gedit.
class PickerAppTest : public QuipcastAppFixture {
 protected:
  static constexpr int kPickerChord = kCtrlMask | kShiftMask;

  void SetUp() override {
    shell_.settings().Set("Options", "Boost", "0");
    SetListFile(kDefaultListFile,
                {"{S} - ed - %(only=gedit)%in gedit", "{S} - sig - Ann", "{S} - ty - thank you"});
    platform_.hook().set_focused_application("xterm");
    Start();
  }
  FakeWindow& picker() { return shell_.window("Form5"); }
  void Type(std::string_view letters) {
    for (const char c : letters) EXPECT_TRUE(platform_.hook().Press(c >= 'a' ? c - 32 : c));
  }
  bool Withholds(int key_code) {
    const std::vector<int>& keys = platform_.hook().withholdable_keys();
    return std::find(keys.begin(), keys.end(), key_code) != keys.end();
  }
};

TEST_F(PickerAppTest, TheChordOpensAFilteredListAndEnterSendsTheChoiceIntoTheWindow) {
  EXPECT_EQ(platform_.hook().withholdable_chords(),
            (std::vector<KeyChord>{{kVkSpace, kPickerChord}}));
  EXPECT_FALSE(Withholds('T'));
  EXPECT_TRUE(platform_.hook().Press(kVkSpace, kPickerChord));
  EXPECT_TRUE(Withholds('T'));
  EXPECT_TRUE(platform_.keys_taken().taken());
  shell_.Advance(PhrasePicker::kCaretDelayMs);
  ASSERT_TRUE(picker().Visible());
  // Only the entries that apply here.
  EXPECT_EQ(app_->picker().shown().size(), 2u);
  Type("thank");
  EXPECT_EQ(picker().Text("Label1"), "Find a phrase: thank");
  EXPECT_EQ(picker().ListItems("List1"), (std::vector<std::string>{"ty  \u2014  thank you"}));
  // Shift alone neither types nor closes.
  EXPECT_FALSE(platform_.hook().Press(kVkShift, kShiftMask));
  EXPECT_TRUE(platform_.hook().Press(kVkEnter));
  EXPECT_FALSE(picker().Visible());
  EXPECT_FALSE(Withholds('T'));
  EXPECT_FALSE(platform_.keys_taken().taken());
  // Nothing typed to erase; the phrase as its launch sends it.
  EXPECT_EQ(platform_.keystrokes().TypedText(), "thank you");
}

TEST_F(PickerAppTest, SteeringBackspaceEscapeAndLeavingTheWindow) {
  platform_.hook().Press(kVkSpace, kPickerChord);
  Type("zz");
  EXPECT_EQ(picker().Text("Label1"), "Find a phrase: zz  (nothing found)");
  EXPECT_TRUE(platform_.hook().Press(kVkBackspace));
  EXPECT_TRUE(platform_.hook().Press(kVkBackspace));
  EXPECT_TRUE(platform_.hook().Press(kVkBackspace));
  EXPECT_EQ(app_->picker().query(), "");
  // A key held down types into the line only so far.
  for (int i = 0; i < 70; ++i) EXPECT_TRUE(platform_.hook().Press('Z'));
  EXPECT_EQ(app_->picker().query(), std::string(PhrasePicker::kMaxQueryLength, 'z'));
  for (int i = 0; i < 70; ++i) platform_.hook().Press(kVkBackspace);
  EXPECT_TRUE(platform_.hook().Press(kVkDown));
  EXPECT_EQ(picker().SelectedListIndex("List1"), 1);
  EXPECT_TRUE(platform_.hook().Press(kVkEscape));
  EXPECT_FALSE(app_->picker().IsOpen());
  EXPECT_EQ(platform_.keystrokes().TypedText(), "");
  // A command key closes it and goes on; so does a key in another window.
  platform_.hook().Press(kVkSpace, kPickerChord);
  EXPECT_FALSE(platform_.hook().Press('C', kCtrlMask));
  EXPECT_FALSE(app_->picker().IsOpen());
  platform_.hook().Press(kVkSpace, kPickerChord);
  platform_.hook().set_focused_application("gedit");
  EXPECT_FALSE(platform_.hook().Press('S'));
  EXPECT_FALSE(app_->picker().IsOpen());
  // The chord again closes it too.
  platform_.hook().Press(kVkSpace, kPickerChord);
  EXPECT_EQ(app_->picker().shown().size(), 3u);
  EXPECT_TRUE(platform_.hook().Press(kVkSpace, kPickerChord));
  EXPECT_FALSE(app_->picker().IsOpen());
}

TEST_F(PickerAppTest, TheChordIsTheUsersAndPausingReleasesIt) {
  window().Click("PhrasePicker");
  FakeWindow& dialog = shell_.window("Form6");
  EXPECT_EQ(dialog.Text("Text1"), "Ctrl+Shift+Space");
  dialog.TypeText("Text1", "Shift+P");
  dialog.Click("Command1");
  EXPECT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_TRUE(dialog.Visible());
  dialog.TypeText("Text1", "ctrl+alt+p");
  dialog.Click("Command1");
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(shell_.settings().Value("Options", "PhrasePicker"), "Ctrl+Alt+P");
  EXPECT_FALSE(platform_.hook().Press(kVkSpace, kPickerChord));
  EXPECT_TRUE(platform_.hook().Press('P', kCtrlMask | kAltMask));
  EXPECT_TRUE(app_->picker().IsOpen());
  window().Click("Pause");
  EXPECT_FALSE(app_->picker().IsOpen());
  EXPECT_TRUE(platform_.hook().withholdable_chords().empty());
  EXPECT_TRUE(platform_.hook().withholdable_keys().empty());
  window().Click("Pause");
  // Cleared, there is no picker.
  window().Click("PhrasePicker");
  dialog.TypeText("Text1", "");
  dialog.Click("Command1");
  EXPECT_EQ(shell_.settings().Value("Options", "PhrasePicker"), "");
  EXPECT_TRUE(platform_.hook().withholdable_chords().empty());
}

TEST(PickerCandidateListTest, ThroughTheInputMethodTheLineTypedIsTheListsHeading) {
  FakeCandidateList list;
  auto owned_shell = std::make_unique<FakeShell>();
  FakeShell& fake_shell = *owned_shell;
  CandidateListShell shell(std::move(owned_shell), list);
  FakePlatform platform;
  PhrasePicker picker(shell, platform);
  picker.Open({"{S} - sig - Ann", "{S} - ty - thank you"}, "gedit");
  KeyEvent key{'T'};
  key.application = "gedit";
  picker.HandleKey(key);
  fake_shell.Advance(PhrasePicker::kCaretDelayMs + 1);
  EXPECT_EQ(list.heading(), "Find a phrase: t");
  EXPECT_EQ(list.words(), (std::vector<std::string>{"ty  \u2014  thank you"}));
  key.key_code = 'Q';
  picker.HandleKey(key);
  fake_shell.Advance(1);
  EXPECT_EQ(list.heading(), "Find a phrase: tq  (nothing found)");
  EXPECT_TRUE(list.words().empty());
  picker.Close();
  EXPECT_EQ(list.heading(), "");
  // Where no entry applies, the heading says so.
  picker.Open({"{S} - ed - %(only=kate)%in kate"}, "gedit");
  fake_shell.Advance(PhrasePicker::kCaretDelayMs + 1);
  EXPECT_EQ(list.heading(),
            "Find a phrase:   (no entries here yet: add them in Quipcast's window)");
}

}  // namespace
}  // namespace keyloom
