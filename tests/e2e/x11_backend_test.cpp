// The X11 keyboard side against a real X server: run by x11_backend.sh, which provides the
// display, the sink window (SINK_WINDOW) and its files (E2E_DIR), with xdotool as the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/key_event.h"
#include "platform/key_string.h"
#include "platform/keystroke_output.h"
#include "platform/platform.h"
#include "platform/text.h"

// Last: Xlib's macros would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <chrono>

#include "platform/linux/runtime_keys_lock.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_platform.h"

namespace keyloom {
namespace {

constexpr int kVkF5 = 116;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string(name) + " is not set");
  return value;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class RecordingHandler : public KeyHandler {
 public:
  void HandleKey(KeyEvent& event) override {
    seen.push_back(event);
    if (react) react(event);
  }
  int Count(int key_code) const {
    int count = 0;
    for (const KeyEvent& event : seen) count += event.key_code == key_code;
    return count;
  }
  std::vector<KeyEvent> seen;
  std::function<void(KeyEvent&)> react;
};

class X11BackendTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "x11_backend_test";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    app_ = new QApplication(argc, argv);
    std::string error;
    platform_ = CreateX11Platform(error).release();
    ASSERT_NE(platform_, nullptr) << error;
    ASSERT_TRUE(platform_->hook().Start(handler_));
  }
  static void TearDownTestSuite() {
    delete platform_;
    delete app_;
  }

  void SetUp() override {
    ASSERT_NE(platform_, nullptr);
    platform_->hook().SetWithholdableKeys({});
    User("windowfocus --sync " + Environment("SINK_WINDOW"));
    // Empty the sink: select all, erase.
    handler_.seen.clear();
    User("key --delay 20 ctrl+a BackSpace");
    ASSERT_TRUE(SinkHolds(""));
    // The hook has seen those keys too before the test begins.
    ASSERT_TRUE(QTest::qWaitFor([] { return handler_.Count(kVkBackspace) == 1; }, 5000));
    handler_.seen.clear();
    handler_.react = nullptr;
    keys_at_start_ = ReadFile(KeysFile()).size();
  }

  static void User(const std::string& xdotool_arguments) {
    ASSERT_EQ(std::system(("xdotool " + xdotool_arguments).c_str()), 0) << xdotool_arguments;
  }
  static std::string SinkFile() { return Environment("E2E_DIR") + "/sink.txt"; }
  static std::string KeysFile() { return Environment("E2E_DIR") + "/keys.txt"; }
  // Runs the event loop until the sink holds exactly `text`, for a few seconds at most.
  static bool SinkHolds(const std::string& text) {
    (void)QTest::qWaitFor([&] { return ReadFile(SinkFile()) == text; }, 5000);
    const std::string held = ReadFile(SinkFile());
    EXPECT_EQ(held, text);
    return held == text;
  }
  // The keys the sink received during this test, one name a line.
  std::string SinkKeys() const { return ReadFile(KeysFile()).substr(keys_at_start_); }
  static void Settle() { QTest::qWait(300); }

  static KeyboardHook& hook() { return platform_->hook(); }
  static KeystrokeOutput& keystrokes() { return platform_->keystrokes(); }

  static inline QApplication* app_ = nullptr;
  static inline Platform* platform_ = nullptr;
  static inline RecordingHandler handler_;
  std::size_t keys_at_start_ = 0;
};

TEST_F(X11BackendTest, ReportsKeysAsVirtualKeyCodes) {
  User("type --delay 30 'a1;'");
  ASSERT_TRUE(SinkHolds("a1;"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(186) == 1; }, 5000));
  std::vector<int> codes;
  for (const KeyEvent& event : handler_.seen) codes.push_back(event.key_code);
  EXPECT_EQ(codes, (std::vector<int>{'A', '1', 186}));
}

TEST_F(X11BackendTest, ReportsTheHeldModifiers) {
  User("key --delay 30 shift+b ctrl+alt+Next");
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(34) == 1; }, 5000));
  for (const KeyEvent& event : handler_.seen) {
    if (event.key_code == 'B') {
      EXPECT_EQ(event.modifiers, kShiftMask);
    }
    if (event.key_code == 34) {
      EXPECT_EQ(event.modifiers, kCtrlMask | kAltMask);
    }
  }
}

TEST_F(X11BackendTest, AWithheldChordNeverReachesTheWindowAndIsReportedOnce) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  handler_.react = [](KeyEvent& event) { event.discard = event.key_code == kVkF5; };
  Settle();
  User("key ctrl+F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(kVkF5) == 1; }, 5000));
  Settle();
  EXPECT_EQ(handler_.Count(kVkF5), 1);
  for (const KeyEvent& event : handler_.seen) {
    if (event.key_code == kVkF5) {
      EXPECT_EQ(event.modifiers, kCtrlMask);
    }
  }
  // The keyboard goes on as usual.
  User("type x");
  ASSERT_TRUE(SinkHolds("x"));
  EXPECT_EQ(SinkKeys().find("F5"), std::string::npos) << SinkKeys();
}

TEST_F(X11BackendTest, AKeyThatIsNotWithheldIsReplayedToTheWindow) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  Settle();
  User("key F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return SinkKeys().find("F5\n") != std::string::npos; }, 5000));
  Settle();
  EXPECT_EQ(handler_.Count(kVkF5), 1);
}

TEST_F(X11BackendTest, AFailingHandlerNeverSwallowsTheKey) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  handler_.react = [](KeyEvent& event) {
    event.discard = true;
    throw std::runtime_error("the handler failed");
  };
  Settle();
  User("key F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return SinkKeys().find("F5\n") != std::string::npos; }, 5000));
  handler_.react = nullptr;
  User("type y");
  ASSERT_TRUE(SinkHolds("y"));
}

TEST_F(X11BackendTest, AChordWithAModifierTheProgramsIgnoreIsWithheldToo) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  handler_.react = [](KeyEvent& event) { event.discard = event.key_code == kVkF5; };
  Settle();
  User("key super+F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(kVkF5) == 1; }, 5000));
  User("type x");
  ASSERT_TRUE(SinkHolds("x"));
  EXPECT_EQ(SinkKeys().find("F5"), std::string::npos) << SinkKeys();
}

TEST_F(X11BackendTest, AChordThatAnotherClientHoldsLeavesTheOtherChordsWithheld) {
  // Its grab ends with its connection, whatever the outcome.
  const std::unique_ptr<Display, int (*)(Display*)> other(XOpenDisplay(nullptr), XCloseDisplay);
  ASSERT_NE(other, nullptr);
  XGrabKey(other.get(), XKeysymToKeycode(other.get(), XK_F5), Mod1Mask,
           DefaultRootWindow(other.get()), False, GrabModeAsync, GrabModeAsync);
  XSync(other.get(), False);
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  handler_.react = [](KeyEvent& event) { event.discard = event.key_code == kVkF5; };
  Settle();
  User("key ctrl+F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(kVkF5) == 1; }, 5000));
  User("type x");
  ASSERT_TRUE(SinkHolds("x"));
  EXPECT_EQ(SinkKeys().find("F5"), std::string::npos) << SinkKeys();
}

TEST_F(X11BackendTest, KeysNoLongerWithheldAreObservedOnce) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  Settle();
  hook().SetWithholdableKeys({});
  Settle();
  User("key F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return SinkKeys().find("F5\n") != std::string::npos; }, 5000));
  Settle();
  EXPECT_EQ(handler_.Count(kVkF5), 1);
}

int Lines(const std::string& text, const std::string& line) {
  int count = 0;
  for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
    count += at == 0 || text[at - 1] == '\n';
  }
  return count;
}

TEST_F(X11BackendTest, KeysTakenByTheOtherProgramStayWithheldUntilItGivesThemBack) {
  const int keys[] = {kVkUp, kVkF5};
  hook().SetWithholdableKeys(keys);
  Settle();
  // The other program takes the keys; its own grab of Up failed while this hook held Up.
  RuntimeKeysLock other(RuntimeKeysLockPath());
  other.Take(true);
  hook().SetWithholdableKeys({});
  Settle();
  User("key --delay 30 Up F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return SinkKeys().find("F5\n") != std::string::npos; }, 5000));
  EXPECT_EQ(Lines(SinkKeys(), "Up\n"), 0) << SinkKeys();
  other.Take(false);
  User("key --delay 30 Up Up");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Lines(SinkKeys(), "Up\n") == 2; }, 5000));
  Settle();
  EXPECT_EQ(handler_.Count(kVkUp), 3);
}

TEST_F(X11BackendTest, TypesCharactersThatTheKeyboardMapLacks) {
  const std::string text =
      "caf\xc3\xa9 \xe2\x82\xac 5 \xd0\x96\xd0\xb8\xd0\xb2 \xf0\x9f\x98\x80 \xc3\xbc!";
  ASSERT_TRUE(TypeKeyString(keystrokes(), text));
  ASSERT_TRUE(SinkHolds(text));
}

TEST_F(X11BackendTest, TypesNamedKeysAndModifiers) {
  // Two steps left from the end of the second line is the end of the first.
  ASSERT_TRUE(TypeKeyString(keystrokes(), "ab{BACKSPACE}c+d{ENTER}e{LEFT}{LEFT}f"));
  ASSERT_TRUE(SinkHolds("acDf\ne"));
}

TEST_F(X11BackendTest, ManyKeysArriveInOrder) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "The quick brown fox " + std::to_string(i) + ". ";
  ASSERT_TRUE(TypeKeyString(keystrokes(), text));
  ASSERT_TRUE(SinkHolds(text));
}

TEST_F(X11BackendTest, TextOfAnyScriptArrivesWholeWithCapsLockOnAndOff) {
  // Far more distinct characters than the keyboard map has spare keycodes.
  std::string cjk;
  for (char32_t c = 0x4E00; c < 0x4E00 + 97 * 120; c += 97) AppendUtf8(cjk, c);
  const std::string texts[] = {
      "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91 "
      "\xD1\x8D\xD1\x82\xD0\xB8\xD1\x85 \xD0\xBC\xD1\x8F\xD0\xB3\xD0\xBA\xD0\xB8\xD1\x85 "
      "\xD1\x84\xD1\x80\xD0\xB0\xD0\xBD\xD1\x86\xD1\x83\xD0\xB7\xD1\x81\xD0\xBA\xD0\xB8\xD1\x85 "
      "\xD0\xB1\xD1\x83\xD0\xBB\xD0\xBE\xD0\xBA, \xD0\xB4\xD0\xB0 "
      "\xD0\xB2\xD1\x8B\xD0\xBF\xD0\xB5\xD0\xB9 "
      "\xD1\x87\xD0\xB0\xD1\x8E. \xC3\x89t\xC3\xA9 \xC3\x9C\xC3\xBC",
      cjk};
  for (const bool caps_lock : {false, true}) {
    for (const std::string& text : texts) {
      if (caps_lock) User("key Caps_Lock");
      const bool typed = TypeKeyString(keystrokes(), text);
      const bool arrived = SinkHolds(text);
      if (caps_lock) User("key Caps_Lock");
      EXPECT_TRUE(typed);
      ASSERT_TRUE(arrived) << "Caps Lock " << caps_lock;
      User("key --delay 20 ctrl+a BackSpace");
      ASSERT_TRUE(SinkHolds(""));
    }
  }
  // The hook hears the last keys before the next test begins.
  Settle();
}

TEST_F(X11BackendTest, CapsLockDoesNotChangeTheTypedCase) {
  User("key Caps_Lock");
  const bool typed = TypeKeyString(keystrokes(), "Hello World");
  const bool arrived = SinkHolds("Hello World");
  User("key Caps_Lock");
  EXPECT_TRUE(typed);
  EXPECT_TRUE(arrived);
}

TEST_F(X11BackendTest, AHeldModifierDoesNotChangeTheTypedText) {
  User("keydown ctrl");
  const bool typed = TypeKeyString(keystrokes(), "sav");
  User("keyup ctrl");
  EXPECT_TRUE(typed);
  ASSERT_TRUE(SinkHolds("sav"));
  // Nor is Ctrl left down afterwards.
  User("type w");
  EXPECT_TRUE(SinkHolds("savw"));
}

TEST_F(X11BackendTest, TypingWhileAChordIsWithheldArrivesAfterIt) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  handler_.react = [](KeyEvent& event) {
    if (event.key_code != kVkF5) return;
    TypeKeyString(platform_->keystrokes(), "hi \xc3\xa9t\xc3\xa9");
    event.discard = true;
  };
  Settle();
  User("key shift+F5");
  ASSERT_TRUE(SinkHolds("hi \xc3\xa9t\xc3\xa9"));
  EXPECT_EQ(SinkKeys().find("F5"), std::string::npos) << SinkKeys();
}

TEST_F(X11BackendTest, AHandlerWaitingInADialogLeavesTheKeyboardFree) {
  const int keys[] = {kVkF5};
  hook().SetWithholdableKeys(keys);
  std::string typed_meanwhile;
  handler_.react = [&](KeyEvent& event) {
    if (event.key_code != kVkF5) return;
    QMessageBox box(QMessageBox::NoIcon, "Keyloom", "A question", QMessageBox::Ok);
    // The user goes back to the sink and types on.
    QTimer::singleShot(300, [] {
      User("windowfocus --sync " + Environment("SINK_WINDOW"));
      User("type q");
    });
    QTimer::singleShot(1500, &box, [&] {
      typed_meanwhile = ReadFile(SinkFile());
      box.done(0);
    });
    box.exec();
    event.discard = true;
  };
  Settle();
  User("key F5");
  ASSERT_TRUE(QTest::qWaitFor([&] { return handler_.Count(kVkF5) == 1; }, 5000));
  ASSERT_TRUE(SinkHolds("q"));
  EXPECT_EQ(typed_meanwhile, "q");
  EXPECT_EQ(SinkKeys().find("F5"), std::string::npos) << SinkKeys();
}

// A client that asks for the clipboard as large text comes in pieces (INCR), then stops asking
// for the next piece: the answer is dropped after the stall limit, with its copy of the text.
TEST_F(X11BackendTest, AnIncrementalAnswerThatItsRequestorLeavesIsDropped) {
  ASSERT_TRUE(platform_->clipboard().SetText(std::string(1 << 20, 'x')));
  Display* requestor = XOpenDisplay(nullptr);
  ASSERT_NE(requestor, nullptr);
  const Window window =
      XCreateSimpleWindow(requestor, DefaultRootWindow(requestor), 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(requestor, window, PropertyChangeMask);
  const Atom property = XInternAtom(requestor, "KEYLOOM_TEST_TRANSFER", False);
  XConvertSelection(requestor, XInternAtom(requestor, "CLIPBOARD", False),
                    XInternAtom(requestor, "UTF8_STRING", False), property, window, CurrentTime);
  XFlush(requestor);
  // Whether an event of `type` (and, for a property, a new value) arrives while the programs'
  // event loop runs.
  const auto arrives = [&](int type, int timeout_ms) {
    return QTest::qWaitFor(
        [&] {
          while (XPending(requestor) > 0) {
            XEvent event;
            XNextEvent(requestor, &event);
            if (event.type == type &&
                (type != PropertyNotify || event.xproperty.state == PropertyNewValue)) {
              return true;
            }
          }
          return false;
        },
        timeout_ms);
  };
  ASSERT_TRUE(arrives(SelectionNotify, 5000));
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* bytes = nullptr;
  XGetWindowProperty(requestor, window, property, 0, 1, False, AnyPropertyType, &type, &format,
                     &items, &after, &bytes);
  if (bytes != nullptr) XFree(bytes);
  ASSERT_EQ(type, XInternAtom(requestor, "INCR", False));
  QTest::qWait(
      static_cast<int>(std::chrono::milliseconds(X11Clipboard::kTransferStallLimit).count()) + 500);
  // Asking for the next piece now brings none.
  XDeleteProperty(requestor, window, property);
  XFlush(requestor);
  EXPECT_FALSE(arrives(PropertyNotify, 1500));
  XCloseDisplay(requestor);
}

TEST_F(X11BackendTest, AClipboardLargerThanTheSnapshotBudgetIsGivenUp) {
  constexpr std::size_t kOffered = 128 * 1024;
  // An owner that the programs did not write, which answers at once.
  const std::string offer = "head -c " + std::to_string(kOffered) +
                            " /dev/zero | tr '\\0' x | xclip -selection clipboard -i";
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Window before = XGetSelectionOwner(display, clipboard);
  ASSERT_EQ(std::system(offer.c_str()), 0);
  // xclip takes the clipboard after it has gone to the background.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return XGetSelectionOwner(display, clipboard) != before; }, 5000));
  {
    const auto no_own_text = [] { return std::optional<std::string>(); };
    X11Clipboard within(display, no_own_text, 2 * kOffered);
    X11Clipboard beyond(display, no_own_text, kOffered / 2);
    EXPECT_NE(within.Save(), nullptr);
    EXPECT_EQ(beyond.Save(), nullptr);
  }
  XCloseDisplay(display);
  // Taking the clipboard over ends xclip.
  EXPECT_TRUE(platform_->clipboard().SetText("x"));
}

}  // namespace
}  // namespace keyloom
