#include "platform/ibus/engine/output_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

constexpr unsigned int kBackspace = OutputQueue::kBackspaceKeyval;
constexpr unsigned int kReturn = 0xFF0D;

// A client that records what reached it, in order.
class RecordingTarget final : public InputTarget {
 public:
  bool surrounding_text = true;
  ClientWays client = WaysOfClient("gtk3-im");
  std::vector<std::string> received;

  bool SupportsSurroundingText() const override { return surrounding_text; }
  void Commit(const std::string& text) override { received.push_back("commit " + text); }
  void DeleteBeforeCursor(int count) override {
    received.push_back("delete " + std::to_string(count));
  }
  void Forward(unsigned int keyval, unsigned int /*keycode*/, unsigned int state) override {
    received.push_back("key " + std::to_string(keyval) + (state != 0 ? "+" : ""));
  }
  void ForwardText(const std::string& text) override { received.push_back("keys " + text); }
  ClientWays ways() const override { return client; }
};

class OutputQueueTest : public testing::Test {
 protected:
  RecordingTarget target_;
  int timer_ms_ = 0;  // the quiet timer running, 0 for none
  OutputQueue queue_{target_, [this](int milliseconds) { timer_ms_ = milliseconds; }};

  void Erase(int count) {
    for (int i = 0; i < count; ++i) queue_.Forward(kBackspace, 14, 0, true);
  }
  using Texts = std::vector<std::string>;
};

TEST_F(OutputQueueTest, WithNothingInFlightATurnIsOneDeletionAndOneCommit) {
  // The user's Space goes before the launch's output, which erases it with the letters.
  queue_.Commit(" ");
  Erase(3);
  queue_.Commit("Grüße ☃ ");
  queue_.Commit("天地");
  EXPECT_TRUE(target_.received.empty());
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"delete 2", "commit Grüße ☃ 天地"}));
  EXPECT_FALSE(queue_.Busy());
  // A deletion takes back this turn's text, a character at a time.
  queue_.Commit("ab☃");
  Erase(1);
  queue_.Flush();
  queue_.Flush();
  EXPECT_EQ(target_.received.back(), "commit ab");
  EXPECT_EQ(target_.received.size(), 3u);
}

TEST_F(OutputQueueTest, WhereLineBreaksGoAsTextOnlyAnEnterThatEndsTheOutputIsPressed) {
  target_.client = WaysOfClient("gnome-shell");
  queue_.CursorMoved(100, 40);
  const auto enter = [this] { queue_.Forward(kReturn, 28, 0, true); };
  // A launch: the user's Space erased with the letters, lines, an empty one, Send Enter.
  queue_.Commit(" ");
  Erase(3);
  queue_.Commit("one");
  enter();
  queue_.Commit("two");
  enter();
  enter();
  queue_.Commit("three");
  enter();
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"delete 2", "commit one\ntwo\n\nthree", "key 65293"}));
  // Behind the Enter in flight, the next lines wait, their Enter among them.
  target_.received.clear();
  queue_.Commit("four");
  enter();
  queue_.Commit("five");
  queue_.Flush();
  EXPECT_TRUE(target_.received.empty());
  queue_.QuietTimeOver();
  EXPECT_EQ(target_.received, (Texts{"commit four\nfive"}));
  // An Enter that a BackSpace takes back leaves nothing; one before a chord is pressed first.
  target_.received.clear();
  queue_.QuietTimeOver();
  queue_.Commit("six");
  enter();
  Erase(1);
  enter();
  queue_.Forward('v', 47, 4, false);
  EXPECT_EQ(target_.received, (Texts{"commit six", "key 65293", "key 118+"}));
}

TEST_F(OutputQueueTest, AfterAForwardedKeyEverythingIsForwardedUntilItLanded) {
  queue_.CursorMoved(100, 40);
  queue_.Commit("line one");
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Commit("line two");
  Erase(1);
  queue_.Forward('v', 47, 4, false);
  EXPECT_EQ(target_.received,
            (Texts{"commit line one", "key 65293", "keys line two", "key 65288", "key 118+"}));
  EXPECT_TRUE(queue_.Busy());
  EXPECT_EQ(timer_ms_, OutputQueue::kQuietClientMs);
  // The commit, the Return, the eight characters and the BackSpace each move the cursor out of
  // its column; the view scrolling does not count.
  queue_.CursorMoved(180, 40);
  queue_.CursorMoved(0, 60);
  queue_.CursorMoved(0, 40);  // scrolled, at a line's start: counted as the other keys' doing
  for (int x = 10; x <= 70; x += 10) queue_.CursorMoved(x, 40);
  queue_.CursorMoved(70, 20);  // scrolled
  EXPECT_TRUE(queue_.Busy());
  queue_.CursorMoved(60, 20);
  EXPECT_FALSE(queue_.Busy());
  EXPECT_EQ(timer_ms_, 0);
  queue_.Commit("landed");
  queue_.Flush();
  EXPECT_EQ(target_.received.back(), "commit landed");
}

TEST_F(OutputQueueTest, AClientThatTakesNoTextAsKeysGetsItOnceTheKeysLanded) {
  target_.client.types_forwarded_text = false;  // a compositor on Wayland: keys need key codes
  queue_.CursorMoved(0, 0);
  queue_.Commit("line one");
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Commit("line two");
  Erase(1);
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"commit line one", "key 65293"}));
  EXPECT_TRUE(queue_.Busy());
  queue_.CursorMoved(80, 0);   // the commit's
  queue_.CursorMoved(80, 20);  // scrolled
  EXPECT_TRUE(queue_.Busy());
  queue_.CursorMoved(0, 20);  // the Return's: landed, and the held text goes as one turn
  EXPECT_EQ(target_.received, (Texts{"commit line one", "key 65293", "commit line tw"}));
  EXPECT_FALSE(queue_.Busy());
}

TEST_F(OutputQueueTest, OutputWaitsWhileTheFieldHasLostTheFocus) {
  queue_.CursorMoved(10, 10);
  queue_.Forward(kReturn, 28, 0, true);
  queue_.FocusLost();
  queue_.QuietTimeOver();
  queue_.Commit("after");
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"key 65293"}));
  queue_.FocusMoved();
  EXPECT_EQ(target_.received.back(), "commit after");
}

TEST_F(OutputQueueTest, ALongPhraseOfManyLinesKeepsItsOrderWhereTextWaits) {
  target_.client.types_forwarded_text = false;
  queue_.CursorMoved(0, 0);
  Texts expected;
  for (int line = 0; line < 20; ++line) {
    const std::string text = "line " + std::to_string(line);
    queue_.Commit(text);
    queue_.Forward(kReturn, 28, 0, true);
    expected.push_back("commit " + text);
    expected.push_back("key 65293");
  }
  queue_.Flush();
  int y = 0;
  while (queue_.Busy()) {
    queue_.CursorMoved(100, y);      // the line's commit
    queue_.CursorMoved(0, y += 20);  // the line break
  }
  EXPECT_EQ(target_.received, expected);
}

TEST_F(OutputQueueTest, AClientThatTellsNothingHasHandledItsKeysOnceQuiet) {
  target_.surrounding_text = false;
  Erase(2);
  queue_.Commit("phrase");
  EXPECT_EQ(target_.received, (Texts{"key 65288", "key 65288", "keys phrase"}));
  EXPECT_TRUE(queue_.Busy());
  queue_.QuietTimeOver();
  EXPECT_FALSE(queue_.Busy());
  queue_.Commit("next");
  queue_.Flush();
  EXPECT_EQ(target_.received.back(), "commit next");
  queue_.QuietTimeOver();  // a late timer changes nothing
  EXPECT_FALSE(queue_.Busy());
}

TEST_F(OutputQueueTest, KeysTheUserTypedAreInFlightUntilTheCursorMoved) {
  queue_.KeyPassed(true);  // the client has told no cursor yet: nothing to wait for
  EXPECT_FALSE(queue_.Busy());
  queue_.CursorMoved(50, 0);
  queue_.KeyPassed(true);
  queue_.KeyPassed(false);  // Shift: nothing to wait for
  queue_.KeyPassed(true);
  EXPECT_TRUE(queue_.Busy());
  queue_.Commit("erased and typed");
  EXPECT_EQ(target_.received, (Texts{"keys erased and typed"}));
  queue_.CursorMoved(58, 0);
  queue_.CursorMoved(66, 0);
  EXPECT_TRUE(queue_.Busy());
  queue_.FocusMoved();  // in flight to the field that lost the focus: nothing more to come
  EXPECT_FALSE(queue_.Busy());
}

TEST_F(OutputQueueTest, ALongPhraseOfManyLinesGoesOutAtOnceInOrder) {
  queue_.CursorMoved(0, 0);
  Texts expected;
  for (int line = 0; line < 50; ++line) {
    const std::string text = "line " + std::to_string(line);
    queue_.Commit(text);
    queue_.Forward(kReturn, 28, 0, true);
    expected.push_back((line == 0 ? "commit " : "keys ") + text);
    expected.push_back("key 65293");
  }
  EXPECT_EQ(target_.received, expected);
}

// GTK 4 turns a forwarded key into the character its key types without modifiers, and drops
// Enter, Tab and Backspace: everything goes as text and deletions, in order at once.
TEST_F(OutputQueueTest, WhereForwardedKeysOnlyTypeEverythingGoesAsTextAndDeletions) {
  target_.client = WaysOfClient("gtk4-im");
  queue_.CursorMoved(100, 40);
  queue_.KeyPassed(true);  // the launch's last letter, applied before the engine's answer
  queue_.Commit(" ");
  Erase(3);
  queue_.Commit("Today");
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Commit("Two");
  queue_.Forward(OutputQueue::kTabKeyval, 15, 0, true);
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"delete 2", "commit Today\nTwo\t\n"}));
  // A chord has no text: it is forwarded, and nothing waits for it.
  queue_.Forward('v', 47, 4, false);
  queue_.Commit("after");
  queue_.Flush();
  EXPECT_EQ(target_.received,
            (Texts{"delete 2", "commit Today\nTwo\t\n", "key 118+", "commit after"}));
  // GTK 4 may handle keys queued meanwhile out of order: the user's keys go through the queue
  // until the client has had a quiet while, or one of them passed as it is.
  EXPECT_TRUE(queue_.Busy());
  EXPECT_FALSE(queue_.CanSendKey(0xFF51, 0, false));  // Left: it would be dropped
  EXPECT_TRUE(queue_.CanSendKey(kReturn, 1 << 1, false));
  EXPECT_EQ(timer_ms_, OutputQueue::kQuietClientMs);
  queue_.QuietTimeOver();
  EXPECT_FALSE(queue_.Busy());
  queue_.Commit("x");
  queue_.Flush();
  queue_.KeyPassed(false);
  EXPECT_FALSE(queue_.Busy());
}

TEST_F(OutputQueueTest, AClientWithAShortCommitBufferGetsLongTextInPiecesCutBetweenCharacters) {
  target_.client = WaysOfClient("xim");
  target_.surrounding_text = false;
  const std::size_t limit = target_.client.max_commit_bytes;
  ASSERT_GT(limit, 2u);
  std::string text(limit - 1, 'a');
  text += "ё";  // two bytes across the limit
  text += std::string(limit, 'b');
  Erase(2);
  queue_.Commit(text);
  queue_.Flush();
  // The commit waits for the forwarded Backspaces, which XIM may apply after it.
  EXPECT_EQ(target_.received, (Texts{"key 65288", "key 65288"}));
  queue_.QuietTimeOver();
  ASSERT_EQ(target_.received.size(), 5u);
  std::string joined;
  for (std::size_t i = 2; i < target_.received.size(); ++i) {
    const std::string piece = target_.received[i].substr(std::string("commit ").size());
    EXPECT_LE(piece.size(), limit);
    joined += piece;
  }
  EXPECT_EQ(joined, text);
  EXPECT_EQ(target_.received[2], "commit " + std::string(limit - 1, 'a'));
}

TEST_F(OutputQueueTest, WhereKeysMayOvertakeCommitsAKeyWaitsUntilTheCommitLanded) {
  target_.client = WaysOfClient("xim");
  target_.surrounding_text = false;
  queue_.Commit("en");
  queue_.Flush();
  EXPECT_TRUE(queue_.Busy());  // what the user types now goes behind it
  queue_.Forward(' ', 65, 0, true);
  queue_.Forward('a', 38, 0, true);
  queue_.Commit("Line 2");
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"commit en"}));
  queue_.QuietTimeOver();  // the keys go together; the commit waits for them
  EXPECT_EQ(target_.received, (Texts{"commit en", "key 32", "key 97"}));
  queue_.QuietTimeOver();
  EXPECT_EQ(target_.received.back(), "commit Line 2");
  EXPECT_TRUE(queue_.Busy());
  queue_.QuietTimeOver();
  EXPECT_FALSE(queue_.Busy());
}

TEST_F(OutputQueueTest, WhereKeysMayOvertakeCommitsAPhrasesLastEnterWaitsForItsText) {
  target_.client = WaysOfClient("xim");
  target_.surrounding_text = false;
  queue_.Commit("one");
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Commit("two");
  queue_.Forward(kReturn, 28, 0, true);
  queue_.Flush();
  EXPECT_EQ(target_.received, (Texts{"commit one\ntwo"}));
  queue_.QuietTimeOver();
  EXPECT_EQ(target_.received, (Texts{"commit one\ntwo", "key 65293"}));
}

}  // namespace
}  // namespace keyloom
