#include "shell/app_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
#include "platform/text.h"
#include "shell/maker_info.h"

namespace keyloom {
namespace {

const std::string kWebName = kMakerWebName;

TEST(AppTextsTest, Captions) {
  EXPECT_EQ(MainWindowCaption(Program::kQuipcast), "Keyloom Quipcast 4.1 - " + kWebName);
  EXPECT_EQ(MainWindowCaption(Program::kKeyloom), "Keyloom Word Complete 4.1 - " + kWebName);
  EXPECT_STREQ(kApplicationTitle, "Keyloom");
}

TEST(AppTextsTest, TrayTipFitsItsField) {
  const std::string tip = TrayTip();
  EXPECT_LE(CodePointCount(tip), 63u);
  EXPECT_EQ(tip, ("Keyloom 4.1 - " + kWebName).substr(0, tip.size()));
}

TEST(AppTextsTest, AboutTextEveryLineEndedByCrLf) {
  EXPECT_EQ(AboutText(), std::string("Keyloom 4.1\r\n") + "\r\n" +
                             "Written by: The Keyloom developers\r\n" + "Email: " + kMakerEmail +
                             "\r\n" + "Web Site: " + kMakerWebSite + "\r\n");
  EXPECT_EQ(AboutTitle(), "Keyloom 4.1 - " + kWebName);
}

TEST(AppTextsTest, HelpAddressIsTheBuildsOrTheLocalPage) {
  const std::string address = HelpAddress("/opt/keyloom");
  if (*kHelpAddress == '\0') {
    EXPECT_EQ(address, JoinPath("/opt/keyloom", "keyloom.htm"));
  } else {
    EXPECT_EQ(address, kHelpAddress);
  }
}

}  // namespace
}  // namespace keyloom
