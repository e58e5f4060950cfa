// The settings store refusing every write: each command still does its work, the stored
// values stay as they were, and the next start reads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/robustness/app_fixtures.h"

namespace keyloom {
namespace {

TEST_F(QuipcastFaultTest, RefusedBoostWriteStillAppliesTheBox) {
  shell_.settings().Set("Options", "Boost", "1");
  StartWithEntries();
  shell_.settings().set_refuse_writes(true);
  window().Click("Check8");
  EXPECT_EQ(app_->quiet_timer().Interval(), kQuietMsBoostOff);
  EXPECT_EQ(shell_.settings().Value("Options", "Boost"), "1");
  // Typed rather than pasted, and still launched.
  Type("sig ");
  EXPECT_EQ(platform_.keystrokes().TypedText(),
            "{BACKSPACE}{BACKSPACE}{BACKSPACE}{BACKSPACE}Best regards");
}

TEST_F(QuipcastFaultTest, RefusedImportWriteStillImportsAndTheNextStartReadsTheOldValue) {
  StartWithEntries();
  SetListFile("/lists/other.kyl", {"{S} - hi - Hello"});
  shell_.settings().set_refuse_writes(true);
  shell_.dialogs().QueueOpen("/lists/other.kyl");
  window().Click("FileImport");
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_EQ(shell_.settings().Value("File", "Import"), std::nullopt);
  ExpectLaunchWorks();

  // Exit and start again: the default list, as no other was stored.
  window().Click("Exit");
  app_.reset();
  shell_.settings().set_refuse_writes(false);
  FakeShell next_shell;
  next_shell.settings().Set("Options", "Boost", "1");
  QuipcastApp next(next_shell, platform_, QuipcastWindowDesign());
  next.Start();
  EXPECT_EQ(next_shell.window("Form1").ListItems("List1").size(), 2u);
}

TEST_F(KeyloomFaultTest, RefusedImportWriteStillImports) {
  Start();
  platform_.files().SetFile("/lists/more.txt",
                            EncodeListFile(ListLayout::kWords, {"gamma", "delta"}, Windows1252()));
  shell_.settings().set_refuse_writes(true);
  shell_.dialogs().QueueOpen("/lists/more.txt");
  main().Click("FileImport");
  EXPECT_EQ(main().ListItems("List1"),
            (std::vector<std::string>{"alpha", "beta", "delta", "gamma"}));
  EXPECT_EQ(shell_.settings().Value("File", "Import"), kKeyloomListFile);
  ExpectCompletionWorks();
}

}  // namespace
}  // namespace keyloom
