#include "phrases/playback.h"

#include <utility>

#include "phrases/macros.h"
#include "platform/text.h"

namespace keyloom {
namespace {

// Further quiet-timer ticks that try to give a busy clipboard its text back.
constexpr int kClipboardRestoreRetries = 5;

constexpr std::string_view kNotAllTyped =
    "Some of the phrase could not be typed into the window: a key it needs is missing.";

}  // namespace

std::string EraseKeys(std::string_view launch_keys) {
  // A chord typed nothing into the window.
  if (ToLower(launch_keys).find("{f") != std::string::npos) return "";
  std::string keys;
  for (std::size_t i = 0; i <= CodePointCount(launch_keys); ++i) keys += "{backspace}";
  return keys;
}

KeyActions LiteralTextActions(std::string_view text) {
  KeyActions actions;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = NextCodePoint(text, pos);
    if (c == '\r' || c == '\n') {
      if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
      actions.push_back(KeyAction::Named(NamedKey::kEnter));
    } else if (c == '\t') {
      actions.push_back(KeyAction::Named(NamedKey::kTab));
    } else {
      actions.push_back(KeyAction::Character(c));
    }
  }
  return actions;
}

Playback::Playback(Platform& platform, Timer& quiet_timer, std::function<bool()> boost_on,
                   std::function<void(std::string_view)> notify)
    : platform_(platform),
      quiet_timer_(quiet_timer),
      boost_on_(std::move(boost_on)),
      notify_(std::move(notify)) {}

void Playback::Play(const Launch& launch) {
  quiet_timer_.SetEnabled(false);

  const std::string erase = EraseKeys(launch.launch_keys);
  if (!erase.empty()) TypeKeyString(platform_.keystrokes(), erase);

  const ExpandedSendString expanded = ExpandMacros(launch.send_string, platform_.clock());
  if (expanded.run_command) {
    // The program replaces the text: nothing is typed, no Enter, and no quiet period follows.
    if (!platform_.programs().Start(*expanded.run_command)) {
      notify_("Could not start the program: " + *expanded.run_command);
    }
    return;
  }

  Deliver(expanded.text);
  if (launch.press_enter) TypeKeyString(platform_.keystrokes(), "{enter}");
  quiet_timer_.SetEnabled(true);
}

void Playback::Deliver(const std::string& text) {
  if (!boost_on_()) {
    quiet_timer_.SetEnabled(true);
    if (!TypeKeyString(platform_.keystrokes(), text)) notify_(kNotAllTyped);
    return;
  }
  Clipboard& clipboard = platform_.clipboard();
  std::unique_ptr<ClipboardSnapshot> saved = clipboard.Save();
  if (!saved || !clipboard.SetText(text)) {
    // The clipboard is busy, or too slow to read: type the text instead so that nothing is
    // lost, and leave the clipboard alone.
    saved_clipboard_.reset();
    TypeLiteral(text);
    return;
  }
  // A clipboard that held nothing keeps the phrase.
  if (saved->Empty()) saved.reset();
  saved_clipboard_ = std::move(saved);
  TypeKeyString(platform_.keystrokes(), "^{v}");
}

void Playback::TypeLiteral(std::string_view text) {
  const KeyActions actions = LiteralTextActions(text);
  if (!platform_.keystrokes().Send(actions)) notify_(kNotAllTyped);
}

void Playback::OnQuietTimerTick() {
  if (saved_clipboard_) {
    // A clipboard that another program holds open is tried again at the next few ticks, the
    // quiet period lasting until then, so that a moment's contention does not lose the user's
    // content; a clipboard that stays closed longer is given up, and the keys count again.
    if (!platform_.clipboard().Restore(*saved_clipboard_) &&
        ++restore_retries_ <= kClipboardRestoreRetries) {
      return;
    }
    saved_clipboard_.reset();
  }
  restore_retries_ = 0;
  quiet_timer_.SetEnabled(false);
}

}  // namespace keyloom
