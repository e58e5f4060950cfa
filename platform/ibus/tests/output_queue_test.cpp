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

TEST_F(OutputQueueTest, WithNothingInFlightTextIsCommittedAndErasedThroughSurroundingText) {
  Erase(2);
  queue_.Commit("Grüße ☃ 天地");
  EXPECT_EQ(target_.received, (Texts{"delete 1", "delete 1", "commit Grüße ☃ 天地"}));
  EXPECT_FALSE(queue_.Busy());
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
  // The Return, the eight characters and the BackSpace each move the cursor out of its column;
  // the view scrolling does not count.
  queue_.CursorMoved(0, 60);
  queue_.CursorMoved(0, 40);  // scrolled, at a line's start: counted as the other keys' doing
  for (int x = 10; x <= 70; x += 10) queue_.CursorMoved(x, 40);
  queue_.CursorMoved(70, 20);  // scrolled
  EXPECT_TRUE(queue_.Busy());
  queue_.CursorMoved(60, 20);
  EXPECT_FALSE(queue_.Busy());
  EXPECT_EQ(timer_ms_, 0);
  queue_.Commit("landed");
  EXPECT_EQ(target_.received.back(), "commit landed");
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

}  // namespace
}  // namespace keyloom
