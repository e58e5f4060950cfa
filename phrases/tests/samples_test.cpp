#include "phrases/samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phrases/entry_line.h"

namespace keyloom {
namespace {

const SamplePrograms kWindowsPrograms = {"calc.exe", "explorer.exe", "https://example.org"};

TEST(SamplesTest, TenLinesInTableOrder) {
  const std::string second = "\r\nI hope you like it";
  const std::vector<std::string> expected = {
      "{S}{E} - TD - Today is %(date)% at %(Time)%.",
      "{T} - CU - %(run=calc.exe)%",
      "{S} - SI - %(run=explorer.exe https://example.org)%",
      "{S} - SP - This is a sample " + second,
      "{F} - {F9} - This is a sample " + second,
      "{F} - {Ctrl}{F9} - This is a sample of Ctrl-F9 " + second,
      "{F} - {Shift}{F9} - This is a sample  of Shift-F9 " + second,
      "{F} - {Alt}{F9} - This is a sample  of Alt-F9" + second,
      "{F} - {Ctrl}{Shift}{F9} - This is a sample  of Ctrl-Shift-F9" + second,
      "{F} - {F2} - %(run=explorer.exe https://example.org)%",
  };
  EXPECT_EQ(SampleEntryLines(kWindowsPrograms), expected);
}

TEST(SamplesTest, EverySampleSplitsIntoItsLaunchKeys) {
  const std::vector<std::string> keys = {"TD",          "CU",        "SI",
                                         "SP",          "{F9}",      "{Ctrl}{F9}",
                                         "{Shift}{F9}", "{Alt}{F9}", "{Ctrl}{Shift}{F9}",
                                         "{F2}"};
  // Program names with hyphens stay in the send string.
  const std::vector<std::string> lines =
      SampleEntryLines({"gnome-calculator", "xdg-open", "https://my-site.example"});
  ASSERT_EQ(lines.size(), keys.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const EntryParts parts = SplitEntryLine(lines[i]);
    EXPECT_TRUE(parts.complete) << lines[i];
    EXPECT_EQ(parts.launch_keys, keys[i]);
  }
  EXPECT_EQ(SplitEntryLine(lines[1]).send_string, "%(run=gnome-calculator)%");
  EXPECT_EQ(SplitEntryLine(lines[9]).send_string, "%(run=xdg-open https://my-site.example)%");
}

TEST(SamplesTest, PlatformProgramsAreFilledIn) {
  const SamplePrograms programs = PlatformSamplePrograms();
  EXPECT_FALSE(programs.calculator.empty());
  EXPECT_FALSE(programs.page_opener.empty());
  EXPECT_TRUE(programs.web_address.starts_with("http")) << programs.web_address;
}

}  // namespace
}  // namespace keyloom
