#include "platform/ibus/engine_protocol.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(EngineProtocolTest, TextsSurviveTheLineWhateverTheyHold) {
  for (const std::string& text :
       std::vector<std::string>{"", "plain", "two words", "line\nbreak\ttab", "100% sure",
                                "Grüße ☃ 天地", std::string("nul\0byte", 8), "%41"}) {
    const std::string encoded = EncodeText(text);
    EXPECT_EQ(encoded.find_first_of(" \n\t\r"), std::string::npos) << encoded;
    EXPECT_EQ(DecodeText(encoded), text);
  }
  for (const char* broken : {"%", "%4", "%G1", "abc%z0"})
    EXPECT_EQ(DecodeText(broken), std::nullopt);
}

TEST(EngineProtocolTest, KeyLinesRoundTrip) {
  const KeyReport key{7, 0xFFBE, 59, 5, true, "gnome text editor"};
  EXPECT_EQ(ParseKeyLine(KeyLine(key)), key);
  const KeyReport no_application{8, 'a', 30, 0, false, ""};
  EXPECT_EQ(ParseKeyLine(KeyLine(no_application)), no_application);
  for (const char* broken : {"", "key", "key 1 2 3 4 5", "key 1 2 3 4 2 app", "key x 2 3 4 0 a",
                             "done 1 1", "key 1 2 3 4 0 a b"}) {
    EXPECT_EQ(ParseKeyLine(broken), std::nullopt) << broken;
  }
}

TEST(EngineProtocolTest, ProgramLinesRoundTrip) {
  ProgramMessage commit;
  commit.kind = ProgramMessage::Kind::kCommit;
  commit.text = "a phrase\nwith lines";
  EXPECT_EQ(ParseProgramLine(CommitLine(commit.text)), commit);

  ProgramMessage forward;
  forward.kind = ProgramMessage::Kind::kForward;
  forward.keyval = 0xFF0D;
  forward.keycode = 28;
  forward.state = 4;
  EXPECT_EQ(ParseProgramLine(ForwardLine(0xFF0D, 28, 4)), forward);

  ProgramMessage table;
  table.kind = ProgramMessage::Kind::kTable;
  table.words = {"zebra", "zèbre", "two words"};
  table.selected = 1;
  EXPECT_EQ(ParseProgramLine(TableLine(table.words, 1)), table);

  EXPECT_EQ(ParseProgramLine(HideLine()), ProgramMessage{});

  ProgramMessage done;
  done.kind = ProgramMessage::Kind::kDone;
  done.sequence = 42;
  done.withheld = true;
  EXPECT_EQ(ParseProgramLine(DoneLine(42, true)), done);

  for (const char* broken : {"", "hide now", "commit", "forward 1 2", "table", "table x a",
                             "done 1", "done 1 yes", "key 1 2 3 4 0 a"}) {
    EXPECT_EQ(ParseProgramLine(broken), std::nullopt) << broken;
  }
}

}  // namespace
}  // namespace keyloom
