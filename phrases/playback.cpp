#include "phrases/playback.h"

#include <utility>

#include "phrases/caret_stops.h"
#include "phrases/macros.h"
#include "platform/key_string.h"
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

Playback::Playback(Platform& platform, Timer& quiet_timer, std::function<PlaybackChoices()> choices,
                   std::function<void(std::string_view)> notify)
    : platform_(platform),
      quiet_timer_(quiet_timer),
      choices_(std::move(choices)),
      notify_(std::move(notify)) {}

void Playback::Play(const Launch& launch) {
  last_.reset();
  const std::vector<FillInField> fields =
      ask_fill_ins_ ? FillInFieldsOf(launch.send_string) : std::vector<FillInField>{};
  if (fields.empty()) {
    PlayFilled(launch, {});
    return;
  }
  // Nothing is erased or typed before the user has answered; a cancelled form leaves the
  // launch letters as they stand.
  platform_.keystrokes().SendsLater(true);
  ask_fill_ins_(fields, [this, launch](std::optional<std::vector<std::string>> values) {
    if (values) PlayFilled(launch, *values);
    platform_.keystrokes().SendsLater(false);
  });
}

void Playback::PlayFilled(const Launch& launch, const std::vector<std::string>& values) {
  quiet_timer_.SetEnabled(false);

  const std::string erase = launch.erase_launch ? EraseKeys(launch.launch_keys) : "";
  if (!erase.empty()) TypeKeyString(platform_.keystrokes(), erase);

  const ExpandedSendString expanded = ExpandMacros(
      values.empty() ? launch.send_string : MarkFillIns(launch.send_string), platform_.clock());
  if (expanded.run_command) {
    // The program replaces the text: nothing is typed, no Enter, and no quiet period follows.
    const std::string command = FillMarks(*expanded.run_command, values);
    if (!platform_.programs().Start(command)) {
      notify_("Could not start the program: " + command);
    }
    return;
  }

  const PlaybackChoices choices = choices_();
  const LaunchCase launch_case = choices.match_case ? launch.typed_case : LaunchCase::kAsStored;
  Delivered delivered = Deliver(expanded.text, expanded.cursor, choices, launch_case, values);
  if (launch.press_enter) {
    TypeKeyString(platform_.keystrokes(), "{enter}");
    for (std::optional<int>* stops : {&delivered.stops, &delivered.stops_after_cursor}) {
      if (*stops) ++**stops;
    }
  }
  if (expanded.cursor) {
    if (delivered.stops_after_cursor && *delivered.stops_after_cursor > 0) {
      Send(KeyActions(static_cast<std::size_t>(*delivered.stops_after_cursor),
                      KeyAction::Named(NamedKey::kLeft)));
    }
  } else if (delivered.stops && *delivered.stops > 0) {
    // A Backspace straight after takes the phrase back; with the cursor inside it, it could not.
    last_ = LastPhrase{*delivered.stops, launch.typed, launch.application};
  }
  quiet_timer_.SetEnabled(true);
}

const std::string& Playback::last_application() const {
  static const std::string kNone;
  return last_ ? last_->application : kNone;
}

void Playback::Undo() {
  if (!last_) return;
  // The user's Backspace has erased the phrase's last character already.
  KeyActions actions(static_cast<std::size_t>(last_->stops - 1),
                     KeyAction::Named(NamedKey::kBackspace));
  const KeyActions typed = LiteralTextActions(last_->typed);
  actions.insert(actions.end(), typed.begin(), typed.end());
  last_.reset();
  quiet_timer_.SetEnabled(false);
  if (!actions.empty()) Send(actions);
  // The letters typed back are no new launch.
  quiet_timer_.SetEnabled(true);
}

Playback::Delivered Playback::Deliver(const std::string& expanded,
                                      std::optional<std::size_t> cursor,
                                      const PlaybackChoices& choices, LaunchCase launch_case,
                                      const std::vector<std::string>& values) {
  // Case changes each code point into one, so the mark stays between the same characters.
  const std::string text = ApplyLaunchCase(expanded, launch_case);
  const std::size_t mark =
      cursor
          ? text.size() - DropCodePoints(text, CodePointCount(expanded.substr(0, *cursor))).size()
          : text.size();
  const std::string_view after_cursor = std::string_view(text).substr(mark);
  // The values go in as the user gave them, after the case has followed the launch letters.
  if (choices.boost) {
    const std::string filled = FillMarks(text, values);
    Paste(filled);
    return {CaretStops(LiteralTextActions(filled)),
            CaretStops(LiteralTextActions(FillMarks(after_cursor, values)))};
  }
  quiet_timer_.SetEnabled(true);
  KeyActions actions = ParseKeyString(text);
  ApplyLaunchCase(actions, launch_case);
  actions = FillMarks(actions, values);
  if (!actions.empty()) Send(actions);
  KeyActions after = ParseKeyString(after_cursor);
  ApplyLaunchCase(after, launch_case);
  return {CaretStops(actions), CaretStops(FillMarks(after, values))};
}

void Playback::Paste(const std::string& text) {
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

void Playback::TypeLiteral(std::string_view text) { Send(LiteralTextActions(text)); }

void Playback::Send(const KeyActions& actions) {
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
