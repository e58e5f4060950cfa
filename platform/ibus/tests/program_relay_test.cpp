#include "platform/ibus/engine/program_relay.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace keyloom {
namespace {

// A program at the other end of a socket pair, answering from a script written in advance.
class ScriptedProgram {
 public:
  explicit ScriptedProgram(ProgramRelay& relay) {
    int ends[2];
    EXPECT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    relay.AddProgram(ends[0]);
    relay_end_ = ends[0];
    channel_ = std::make_unique<LineChannel>(ends[1]);
  }
  int relay_end() const { return relay_end_; }
  void Say(const std::string& line) { channel_->Write(line); }
  // The key lines the program was sent.
  std::vector<KeyReport> Keys() {
    channel_->ReadAvailable();
    std::vector<KeyReport> keys;
    while (auto line = channel_->TakeLine()) {
      if (auto key = ParseKeyLine(*line)) keys.push_back(*key);
    }
    return keys;
  }
  void Leave() { channel_.reset(); }

 private:
  int relay_end_ = -1;
  std::unique_ptr<LineChannel> channel_;
};

class ProgramRelayTest : public testing::Test {
 protected:
  std::vector<ProgramMessage> messages_;
  ProgramRelay relay_{[this](const ProgramMessage& m) { messages_.push_back(m); }, 50};

  static KeyReport Key(unsigned int keyval) {
    return {0, keyval, 30, 0, false, false, false, "gedit"};
  }
};

TEST_F(ProgramRelayTest, WithoutProgramsNothingIsWithheld) {
  EXPECT_FALSE(relay_.Report(Key('a')));
}

TEST_F(ProgramRelayTest, EveryProgramSeesTheKeyAndItsOutputComesBeforeTheAnswer) {
  ScriptedProgram quipcast(relay_), keyloom(relay_);
  quipcast.Say(CommitLine("phrase"));
  quipcast.Say(DoneLine(1, true));
  keyloom.Say(TableLine({"zebra"}, 0));
  keyloom.Say(DoneLine(1, false));
  EXPECT_TRUE(relay_.Report(Key(' ')));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0].text, "phrase");
  EXPECT_EQ(messages_[1].words, std::vector<std::string>{"zebra"});
  for (ScriptedProgram* program : {&quipcast, &keyloom}) {
    const std::vector<KeyReport> keys = program->Keys();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].sequence, 1u);
    EXPECT_EQ(keys[0].keyval, static_cast<unsigned int>(' '));
    EXPECT_EQ(keys[0].application, "gedit");
  }
}

TEST_F(ProgramRelayTest, ASilentProgramIsLeftBehindUntilItCatchesUp) {
  ScriptedProgram silent(relay_), quick(relay_);
  quick.Say(DoneLine(1, false));
  EXPECT_FALSE(relay_.Report(Key('a')));
  // Late: the next key does not wait for it, though what it says is still applied.
  silent.Say(DoneLine(1, true));
  silent.Say(CommitLine("late"));
  quick.Say(DoneLine(2, false));
  EXPECT_FALSE(relay_.Report(Key('b')));
  EXPECT_EQ(messages_.back().text, "late");
  // Caught up with key 2: key 3 waits for its answer again.
  silent.Say(DoneLine(2, false));
  silent.Say(DoneLine(3, true));
  quick.Say(DoneLine(3, false));
  EXPECT_TRUE(relay_.Report(Key('c')));
}

TEST_F(ProgramRelayTest, OutsideAKeyOnlyTheCandidateListIsTaken) {
  ScriptedProgram keyloom(relay_);
  keyloom.Say(HideLine());
  keyloom.Say("nonsense");
  keyloom.Say(CommitLine("typed by no key"));
  keyloom.Say(ForwardLine(0xFF0D, 28, 0));
  EXPECT_TRUE(relay_.ReadFrom(keyloom.relay_end()));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ProgramMessage::Kind::kHide);
}

TEST_F(ProgramRelayTest, OutputSaidInAnAnswerToComeLaterIsTakenUntilItIsOver) {
  ScriptedProgram quipcast(relay_);
  // Outside a key, "later" grants nothing.
  quipcast.Say(LaterLine());
  quipcast.Say(CommitLine("unasked"));
  EXPECT_TRUE(relay_.ReadFrom(quipcast.relay_end()));
  EXPECT_TRUE(messages_.empty());
  quipcast.Say(LaterLine());
  quipcast.Say(DoneLine(1, false));
  EXPECT_FALSE(relay_.Report(Key(' ')));
  // The form was filled in: the phrase comes, then the program says it is over.
  quipcast.Say(CommitLine("Dear Ann"));
  quipcast.Say(OverLine());
  quipcast.Say(CommitLine("after it"));
  EXPECT_TRUE(relay_.ReadFrom(quipcast.relay_end()));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Dear Ann");
}

TEST_F(ProgramRelayTest, OutputReadTogetherWithAnAnswerIsHandledAfterTheKey) {
  ScriptedProgram keyloom(relay_);
  // Sent after the answer, but already in the socket when the relay reads the answer: the
  // socket then has nothing left to signal.
  keyloom.Say(DoneLine(1, false));
  keyloom.Say(TableLine({"held", "help"}, 0));
  EXPECT_FALSE(relay_.Report(Key('l')));
  EXPECT_TRUE(messages_.empty());
  relay_.HandleLinesReadAhead();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].words, (std::vector<std::string>{"held", "help"}));
}

TEST_F(ProgramRelayTest, AProgramThatStopsReadingIsDroppedAndHoldsNoKey) {
  ScriptedProgram stopped(relay_), quick(relay_);
  // It never reads: its socket fills, then its queue, and then it is dropped. Were a write to
  // wait for it, this loop would never end.
  for (unsigned long sequence = 1; relay_.program_count() == 2; ++sequence) {
    quick.Say(DoneLine(sequence, false));
    EXPECT_FALSE(relay_.Report(Key('a')));
    quick.Keys();
    ASSERT_LT(sequence, 100'000u);
  }
  EXPECT_EQ(relay_.program_count(), 1u);
}

TEST_F(ProgramRelayTest, ProgramsBeyondTheLimitAreTurnedAway) {
  std::vector<std::unique_ptr<ScriptedProgram>> programs;
  for (std::size_t i = 0; i < ProgramRelay::kMaxPrograms; ++i) {
    programs.push_back(std::make_unique<ScriptedProgram>(relay_));
  }
  int ends[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
  EXPECT_FALSE(relay_.AddProgram(ends[0]));
  EXPECT_EQ(relay_.program_count(), ProgramRelay::kMaxPrograms);
  close(ends[1]);
}

TEST_F(ProgramRelayTest, AProgramThatLeavesIsDroppedAndItsCandidatesHidden) {
  ScriptedProgram keyloom(relay_);
  const int socket = keyloom.relay_end();
  keyloom.Leave();
  EXPECT_FALSE(relay_.ReadFrom(socket));
  EXPECT_EQ(relay_.program_count(), 0u);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ProgramMessage::Kind::kHide);
  EXPECT_FALSE(relay_.Report(Key('a')));
}

}  // namespace
}  // namespace keyloom
