#include "phrases/launch_detector.h"

#include <optional>

#include "phrases/application_scope.h"
#include "phrases/entry_line.h"
#include "platform/text.h"

namespace keyloom {
namespace {

bool IsFunctionKey(int key_code) { return key_code >= kVkF1 && key_code <= kVkF12; }
bool IsLetterKey(int key_code) { return key_code >= 'A' && key_code <= 'Z'; }

// Whether the launch keys of `line`, as SplitEntryLine reads them, lower-cased equal `wanted`.
// Read in place: the search runs on every Space and Tab, and almost every line fails here.
bool LaunchKeysEqual(std::string_view line, std::string_view wanted) {
  const std::size_t first = line.find('-');
  if (first == std::string_view::npos) return false;
  const std::string_view rest = line.substr(first + 1);
  const std::size_t second = rest.find('-');
  if (second == std::string_view::npos) return false;
  const std::string_view keys = TrimSpaces(rest.substr(0, second));
  return StartsWithNoCase(keys, wanted) && CodePointCount(keys) == CodePointCount(wanted);
}

}  // namespace

std::string KeyToken(int key_code) {
  if (key_code >= 32 && key_code <= 111) return std::string(1, static_cast<char>(key_code));
  if (IsFunctionKey(key_code)) return "{F" + std::to_string(key_code - kVkF1 + 1) + "}";
  switch (key_code) {
    case 186:
      return ";";
    case 187:
      return "=";
    case 188:
      return ",";
    case 189:
      return "-";
    case 190:
      return ".";
    case 191:
      return "/";
    case 219:
      return "[";
    case 220:
      return "\\";
    case 221:
      return "]";
    default:
      return "";
  }
}

std::string_view FunctionKeyPrefix(int modifiers) {
  switch (modifiers) {
    case kShiftMask:
      return "{Shift}";
    case kCtrlMask:
      return "{Ctrl}";
    case kCtrlMask | kShiftMask:
      return "{Ctrl}{Shift}";
    case kAltMask:
      return "{Alt}";
    default:
      return "";
  }
}

LaunchDetector::LaunchDetector(const std::vector<std::string>& lines, const Timer& quiet_timer,
                               Playback& playback)
    : lines_(lines), quiet_timer_(quiet_timer), playback_(playback) {}

void LaunchDetector::HandleKey(KeyEvent& event) {
  // During the quiet period the keys are playback's own echo, or follow it too closely.
  if (quiet_timer_.Enabled()) return;

  const int key_code = event.key_code;
  const std::string token = KeyToken(key_code);
  if (IsFunctionKey(key_code)) {
    // A chord replaces the buffer: it is a launch of its own, not part of the letters.
    buffer_ = ToLower(std::string(FunctionKeyPrefix(event.modifiers)) + token);
    capitals_.assign(buffer_.size(), false);
  } else if (!token.empty()) {
    buffer_ += ToLower(token).back();
    capitals_.push_back(IsLetterKey(key_code) &&
                        ((event.modifiers & kShiftMask) != 0) != event.caps_lock);
  }

  if (IsFunctionKey(key_code) || key_code == kVkSpace || key_code == kVkTab) {
    if (LaunchFirstMatch(event)) {
      ClearBuffer();
      if (IsFunctionKey(key_code)) event.discard = true;
      return;
    }
  }
  if (key_code == kVkEnter || key_code == kVkSpace || key_code == kVkTab) ClearBuffer();
}

std::size_t LaunchDetector::LetterCount(int key_code) const {
  // A Space joins the buffer as itself; a Tab types no token.
  return key_code == kVkSpace && !buffer_.empty() ? buffer_.size() - 1 : buffer_.size();
}

void LaunchDetector::ClearBuffer() {
  buffer_.clear();
  capitals_.clear();
}

std::string LaunchDetector::TypedLaunch(int key_code) const {
  if (IsFunctionKey(key_code)) return "";
  std::string typed;
  for (std::size_t i = 0; i < LetterCount(key_code); ++i) {
    typed += capitals_[i] ? static_cast<char>(buffer_[i] - 'a' + 'A') : buffer_[i];
  }
  return typed + (key_code == kVkTab ? "\t" : " ");
}

bool LaunchDetector::LaunchFirstMatch(const KeyEvent& event) {
  const int key_code = event.key_code;
  const std::string wanted(TrimSpaces(buffer_));
  // The entry that names the application comes first, then one that leaves out others, then
  // one for every application; among equals the first in the list.
  std::optional<EntryParts> chosen;
  std::size_t chosen_rest_at = 0;  // where the send string follows the scope's macro
  int chosen_fit = kNoFit;
  for (const std::string& line : lines_) {
    if (line.empty()) break;
    if (!LaunchKeysEqual(line, wanted)) continue;
    EntryParts parts = SplitEntryLine(line);
    if (!parts.complete) continue;
    const bool allowed = (IsTabEnded(parts.flags) && key_code == kVkTab) ||
                         (IsSpaceEnded(parts.flags) && key_code == kVkSpace) ||
                         IsFunctionKey(key_code);
    if (!allowed || ToLower(parts.launch_keys) != wanted) continue;
    const ScopedSendString scoped = SplitScope(parts.send_string);
    const int fit = ScopeFit(scoped.scope, event.application);
    if (fit <= chosen_fit) continue;
    chosen_fit = fit;
    chosen_rest_at = parts.send_string.size() - scoped.rest.size();
    chosen = std::move(parts);
    if (fit == kNamedFit) break;
  }
  if (!chosen) return false;
  std::vector<bool> letters_capital;
  for (std::size_t i = 0; i < LetterCount(key_code); ++i) {
    if (buffer_[i] >= 'a' && buffer_[i] <= 'z') letters_capital.push_back(capitals_[i]);
  }
  playback_.Play(Launch{std::move(chosen->launch_keys), chosen->send_string.substr(chosen_rest_at),
                        WantsEnter(chosen->flags), TypedLaunch(key_code),
                        CaseOfLaunch(letters_capital), std::string(event.application)});
  return true;
}

}  // namespace keyloom
