#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "completion/keyloom_app.h"
#include "completion/word_store_file.h"
#include "keyloom/keyloom_window_design.h"
#include "phrases/boost_option.h"
#include "phrases/tests/quipcast_app_fixture.h"
#include "platform/fake/fake_platform.h"
#include "platform/key_event.h"
#include "shell/fake/fake_shell.h"
#include "shell/list_file.h"

// Both programs on the fakes with a little content, and what "the program goes on" means for
// each: a launch still types its phrase, a completion still pastes its word.
namespace keyloom {

// The program folder's files, with the platform's separator as the programs join them.
inline std::string QuipcastListFile() { return JoinPath("/app", "defaultkeys.kyl"); }
inline constexpr const char* kKeyloomListFile = "/lists/words.txt";

class QuipcastFaultTest : public QuipcastAppFixture {
 protected:
  static constexpr const char* kPhrase = "Best regards";

  void StartWithEntries() {
    SetListFile(QuipcastListFile(), {"{S} - sig - Best regards", "{S} - run - %(run=calc)%"});
    Start();
  }
  // Types the letters and Space as the user does.
  void Type(std::string_view keys) {
    for (const char c : keys) platform_.hook().Press(c == ' ' ? kVkSpace : c - 'a' + 'A');
  }
  // "sig" and Space paste the phrase; the quiet period then ends and the clipboard gets the
  // user's text back.
  void ExpectLaunchWorks() {
    platform_.keystrokes().Clear();
    platform_.clipboard().set_content("the user's text");
    Type("sig ");
    EXPECT_EQ(platform_.keystrokes().TypedText(), "{BACKSPACE}{BACKSPACE}{BACKSPACE}{BACKSPACE}^v");
    EXPECT_EQ(platform_.clipboard().content(), kPhrase);
    shell_.Advance(kQuietMsBoostOff);
    EXPECT_FALSE(app_->quiet_timer().Enabled());
    EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  }
  std::string Bytes(const std::string& path) { return platform_.files().File(path).value(); }
};

class KeyloomFaultTest : public testing::Test {
 protected:
  void Start() {
    platform_.files().SetFile(
        JoinPath(platform_.folders().program, "words.mdb"),
        SealWordStore({"hello", "help", "Boston"}, kWordStorePassword, 1).value());
    platform_.files().SetFile(kKeyloomListFile,
                              EncodeListFile(ListLayout::kWords, {"alpha", "beta"}, Windows1252()));
    shell_.settings().Set("File", "Import", kKeyloomListFile);
    app_ = std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(),
                                        KeyloomPopupDesign());
    app_->Start();
  }
  FakeWindow& main() { return shell_.window("Form1"); }
  void Type(std::string_view letters) {
    for (const char c : letters) platform_.hook().Press(c - 'a' + 'A');
  }
  // "bos" and Tab paste "ton"; the clipboard then gets the user's text back.
  void ExpectCompletionWorks() {
    platform_.keystrokes().Clear();
    platform_.clipboard().set_content("the user's text");
    Type("bos");
    EXPECT_TRUE(app_->popup().Visible());
    EXPECT_TRUE(platform_.hook().Press(kVkTab));
    EXPECT_EQ(platform_.keystrokes().TypedText(), "+{INSERT}");
    EXPECT_EQ(platform_.clipboard().content(), "ton");
    shell_.Advance(100);
    EXPECT_EQ(platform_.clipboard().content(), "the user's text");
  }
  std::string Bytes(const std::string& path) { return platform_.files().File(path).value(); }

  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<KeyloomApp> app_;
};

}  // namespace keyloom
