#include "phrases/phrase_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "phrases/samples.h"
#include "phrases/tests/quipcast_app_fixture.h"

namespace keyloom {
namespace {

using Lines = std::vector<std::string>;

class PhraseEditorTest : public QuipcastAppFixture {
 protected:
  void SetUp() override { Start(); }

  void Add(const std::string& keys, const std::string& send_string) {
    window().TypeText("Text10", keys);
    window().TypeText("Text7", send_string);
    window().Click("Command8");
  }
  void ExpectFieldsReset() {
    EXPECT_EQ(window().Text("Text10"), "");
    EXPECT_EQ(window().Text("Text7"), "");
    EXPECT_TRUE(window().Checked("Option1"));
    EXPECT_FALSE(window().Checked("Check2"));
  }
  int Saves() { return platform_.files().replace_count(); }
  const Lines Samples() { return SampleEntryLines(PlatformSamplePrograms()); }
  int IndexOf(const std::string& line) {
    for (std::size_t i = 0; i < Entries().size(); ++i) {
      if (Entries()[i] == line) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no entry " << line;
    return -1;
  }
};

TEST_F(PhraseEditorTest, BlankLaunchKeysAreRefused) {
  window().TypeText("Text7", "text");
  Add("   ", "text");
  ASSERT_EQ(shell_.dialogs().messages().size(), 1u);
  EXPECT_EQ(shell_.dialogs().messages()[0].text,
            "Please enter something in the Launch Keys text box");
  EXPECT_EQ(shell_.dialogs().messages()[0].title, "Keyloom");
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(window().Text("Text7"), "text");
  EXPECT_EQ(Saves(), 0);
}

TEST_F(PhraseEditorTest, AddComposesSavesAndResetsTheFields) {
  window().Click("Check2");
  Add("td", "Hello");
  EXPECT_EQ(Entries(), Lines{"{S}{E} - td - Hello"});
  EXPECT_EQ(SavedEntries(kDefaultListFile), Lines{"{S}{E} - td - Hello"});
  ExpectFieldsReset();
}

TEST_F(PhraseEditorTest, TabOptionWithFunctionKeyGivesChordFlagsAndSpaceAfterwards) {
  window().Click("Option2");
  Add("{f9}", "x");
  EXPECT_EQ(Entries(), Lines{"{F} - {f9} - x"});
  ExpectFieldsReset();
}

TEST_F(PhraseEditorTest, EmptySendStringIsAccepted) {
  Add("ab", "");
  EXPECT_EQ(Entries(), Lines{"{S} - ab - "});
}

TEST_F(PhraseEditorTest, AddReplacesEntriesWithTheSameKeysWithoutRegardToCase) {
  window().Click("LoadSamples");
  Add("td", "new");
  EXPECT_EQ(Entries().size(), 10u);
  EXPECT_EQ(std::count(Entries().begin(), Entries().end(), Samples()[0]), 0);
  IndexOf("{S} - td - new");
  // Capitals followed by a space: the space is stored, and the entry still replaced.
  Add("TD ", "newer");
  EXPECT_EQ(Entries().size(), 10u);
  IndexOf("{S} - TD  - newer");
}

TEST_F(PhraseEditorTest, AddRemovesEveryImportedDuplicate) {
  SetListFile("/lists/dups.kyl",
              {"{S} - ab - one", "{S} - AB - two", "{S} - abc - keep", "no separator"});
  app_->app_shell().files().GetImportFile("/lists/dups.kyl");
  Add("ab", "three");
  EXPECT_EQ(Entries(), (Lines{"no separator", "{S} - ab - three", "{S} - abc - keep"}));
}

TEST_F(PhraseEditorTest, HyphenatedKeysNeverReplaceButAreReplacedByTheirFirstPart) {
  Add("a-b", "x");
  Add("a-b", "x");
  EXPECT_EQ(Entries().size(), 2u);
  Add("a", "y");
  EXPECT_EQ(Entries(), Lines{"{S} - a - y"});
}

TEST_F(PhraseEditorTest, SelectingAChordFillsTheFieldsAndKeepsTheOption) {
  window().Click("LoadSamples");
  window().Click("Option2");
  window().Click("Check2");
  window().SelectListItem("List1", IndexOf(Samples()[5]));
  EXPECT_EQ(window().Text("Text10"), "{Ctrl}{F9}");
  EXPECT_EQ(window().Text("Text7"), "This is a sample of Ctrl-F9 \r\nI hope you like it");
  EXPECT_TRUE(window().Checked("Option2"));
  EXPECT_FALSE(window().Checked("Check2"));
}

TEST_F(PhraseEditorTest, SelectingALetterEntrySetsTheOptionAndEnter) {
  window().Click("LoadSamples");
  window().Click("Option2");
  window().SelectListItem("List1", IndexOf(Samples()[0]));
  EXPECT_EQ(window().Text("Text10"), "TD");
  EXPECT_EQ(window().Text("Text7"), "Today is %(date)% at %(Time)%.");
  EXPECT_TRUE(window().Checked("Option1"));
  EXPECT_TRUE(window().Checked("Check2"));
  window().SelectListItem("List1", IndexOf(Samples()[1]));
  EXPECT_TRUE(window().Checked("Option2"));
  EXPECT_FALSE(window().Checked("Check2"));
}

TEST_F(PhraseEditorTest, SelectingALineWithoutSeparatorsFillsWhatItHas) {
  SetListFile("/lists/odd.kyl", {"{T}{E} - only keys", "plain"});
  app_->app_shell().files().GetImportFile("/lists/odd.kyl");
  window().SelectListItem("List1", 1);
  EXPECT_EQ(window().Text("Text10"), "only keys");
  EXPECT_EQ(window().Text("Text7"), "");
  EXPECT_TRUE(window().Checked("Option2"));
  EXPECT_TRUE(window().Checked("Check2"));
  window().SelectListItem("List1", 0);
  EXPECT_EQ(window().Text("Text10"), "");
  EXPECT_FALSE(window().Checked("Check2"));
}

TEST_F(PhraseEditorTest, AddRightAfterSelectingRewritesTheEntry) {
  SetListFile("/lists/one.kyl", {"{S} - sp - trailing "});
  app_->app_shell().files().GetImportFile("/lists/one.kyl");
  window().SelectListItem("List1", 0);
  window().Click("Command8");
  EXPECT_EQ(Entries(), Lines{"{S} - sp - trailing"});

  window().Click("LoadSamples");
  window().SelectListItem("List1", IndexOf(Samples()[5]));
  window().Click("Command8");
  IndexOf("{S} - {Ctrl}{F9} - This is a sample of Ctrl-F9 \r\nI hope you like it");
  EXPECT_EQ(Entries().size(), 11u);
}

TEST_F(PhraseEditorTest, EntriesForOtherApplicationsKeepTheirLaunchKeys) {
  Add("sig", "Everywhere");
  window().SetChecked("Option4", true);
  window().TypeText("Text11", "gedit, kate");
  Add("sig", "In editors");
  window().SetChecked("Option5", true);
  window().TypeText("Text11", "xterm");
  Add("sig", "Not in xterm");
  // The same keys for the same applications, named otherwise, replace that entry only.
  window().SetChecked("Option4", true);
  window().TypeText("Text11", "KATE|gedit");
  Add("SIG", "Editors again");
  EXPECT_EQ(Entries(),
            (Lines{"{S} - sig - %(except=xterm)%Not in xterm",
                   "{S} - SIG - %(only=KATE|gedit)%Editors again", "{S} - sig - Everywhere"}));
  ExpectFieldsReset();
  EXPECT_TRUE(window().Checked("Option3"));
  EXPECT_EQ(window().Text("Text11"), "");

  window().SelectListItem("List1", IndexOf("{S} - SIG - %(only=KATE|gedit)%Editors again"));
  EXPECT_EQ(window().Text("Text7"), "Editors again");
  EXPECT_TRUE(window().Checked("Option4"));
  EXPECT_EQ(window().Text("Text11"), "KATE, gedit");
  // Names left out make an entry for every application.
  window().TypeText("Text11", " ");
  Add("new", "x");
  EXPECT_GE(IndexOf("{S} - new - x"), 0);
}

TEST_F(PhraseEditorTest, DoubleClickDeletesAfterYes) {
  Add("ab", "x");
  Add("cd", "y");
  const int saves = Saves();
  shell_.dialogs().QueueAnswer(false);
  window().DoubleClickListItem("List1", 0);
  EXPECT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Saves(), saves);

  shell_.dialogs().QueueAnswer(true);
  window().DoubleClickListItem("List1", 0);
  EXPECT_EQ(Entries(), Lines{"{S} - cd - y"});
  EXPECT_EQ(SavedEntries(kDefaultListFile), Lines{"{S} - cd - y"});
  ASSERT_EQ(shell_.dialogs().questions().size(), 2u);
  EXPECT_EQ(shell_.dialogs().questions()[1].text,
            "Are you sure you want to clear delete this item?");
  EXPECT_EQ(shell_.dialogs().questions()[1].title, "Keyloom");
}

TEST_F(PhraseEditorTest, DoubleClickWithoutSelectionDeletesNothing) {
  Add("ab", "x");
  window().DoubleClickListItem("List1", -1);
  EXPECT_TRUE(shell_.dialogs().questions().empty());
  EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(PhraseEditorTest, ClearAllAfterYesLeavesAnEmptyListFile) {
  Add("ab", "x");
  window().TypeText("Text10", "typed");
  const int saves = Saves();
  shell_.dialogs().QueueAnswer(false);
  window().Click("Command3");
  EXPECT_EQ(Entries().size(), 1u);
  EXPECT_EQ(window().Text("Text10"), "typed");
  EXPECT_EQ(Saves(), saves);

  window().Click("Option2");
  window().Click("Check2");
  shell_.dialogs().QueueAnswer(true);
  window().Click("Command3");
  EXPECT_TRUE(Entries().empty());
  ExpectFieldsReset();
  EXPECT_EQ(platform_.files().File(kDefaultListFile), "\r\n");
  EXPECT_EQ(shell_.dialogs().questions()[1].text, "Are you sure you would like to clear all?");
}

TEST_F(PhraseEditorTest, SamplesButtonAsksFirst) {
  shell_.dialogs().QueueAnswer(false);
  window().Click("Command2");
  EXPECT_TRUE(Entries().empty());
  shell_.dialogs().QueueAnswer(true);
  window().Click("Command2");
  EXPECT_EQ(Entries().size(), 10u);
  EXPECT_EQ(shell_.dialogs().questions()[0].text, "Load Samples?");
  EXPECT_EQ(shell_.dialogs().questions()[0].title, "Keyloom");
}

TEST_F(PhraseEditorTest, LoadSamplesTwiceKeepsBothCopiesAndDoesNotSave) {
  Add("zz", "mine");
  const int saves = Saves();
  window().Click("LoadSamples");
  window().Click("LoadSamples");
  EXPECT_EQ(Entries().size(), 21u);
  for (const std::string& sample : Samples()) {
    EXPECT_EQ(std::count(Entries().begin(), Entries().end(), sample), 2) << sample;
  }
  EXPECT_EQ(Saves(), saves);
}

}  // namespace
}  // namespace keyloom
