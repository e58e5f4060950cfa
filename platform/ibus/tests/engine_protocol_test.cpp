#include "platform/ibus/engine_protocol.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(EngineProtocolTest, TextsSurviveTheLineWhateverTheyHold) {
  for (const std::string& text : std::vector<std::string>{
           "", "plain", "two words", "line\nbreak\ttab", "100% sure", "Grüße ☃ 天地", "%41"}) {
    const std::string encoded = EncodeText(text);
    EXPECT_EQ(encoded.find_first_of(" \n\t\r"), std::string::npos) << encoded;
    EXPECT_EQ(DecodeText(encoded), text);
  }
  // Malformed escapes, a NUL, a cut lead byte, a lone continuation byte, an overlong form.
  for (const char* broken :
       {"%", "%4", "%G1", "abc%z0", "nul%00byte", "cut%F0", "cut%E2%98", "%80", "%C0%AF"})
    EXPECT_EQ(DecodeText(broken), std::nullopt) << broken;
}

TEST(EngineProtocolTest, KeyLinesRoundTrip) {
  const KeyReport password{7, 0, 0, 0, true, false, false, "gnome text editor"};
  const KeyReport private_terminal{8, 0xFFBE, 59, 5, false, true, true, "kgx"};
  const KeyReport no_application{9, 'a', 30, 0, false, false, false, ""};
  for (const KeyReport& key : {password, private_terminal, no_application}) {
    EXPECT_EQ(ParseKeyLine(KeyLine(key)), key) << KeyLine(key);
  }
  for (const char* broken : {"", "key", "key 1 2 3 4 5", "key 1 2 3 4 8 app", "key x 2 3 4 0 a",
                             "done 1 1", "key 1 2 3 4 0 a b", "key 1 2 3 4 0 %FF"}) {
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

  EXPECT_EQ(ParseProgramLine(LaterLine())->kind, ProgramMessage::Kind::kLater);
  EXPECT_EQ(ParseProgramLine(OverLine())->kind, ProgramMessage::Kind::kOver);

  ProgramMessage heading;
  heading.kind = ProgramMessage::Kind::kHeading;
  heading.text = "Find a phrase: grü";
  EXPECT_EQ(ParseProgramLine(HeadingLine(heading.text)), heading);
  heading.text.clear();
  EXPECT_EQ(ParseProgramLine(HeadingLine("")), heading);

  ProgramMessage done;
  done.kind = ProgramMessage::Kind::kDone;
  done.sequence = 42;
  done.withheld = true;
  EXPECT_EQ(ParseProgramLine(DoneLine(42, true)), done);

  for (const char* broken :
       {"", "hide now", "commit", "forward 1 2", "table", "table x a", "done 1", "done 1 yes",
        "key 1 2 3 4 0 a", "commit %F0", "table 0 ok %00", "heading a b", "heading %00", "later 1",
        "over now"}) {
    EXPECT_EQ(ParseProgramLine(broken), std::nullopt) << broken;
  }
}

}  // namespace
}  // namespace keyloom
