#include "completion/completion_settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/text.h"
#include "shell/app_texts.h"
#include "shell/numbers.h"

namespace keyloom {
namespace {

constexpr std::string_view kNotNumericMessage = "Value Must be Numberic";
constexpr std::string_view kClearListQuestion = "Are you sure you want to clear the list?";

// Far beyond any line, yet safely convertible either way.
constexpr double kMinWordLengthLimit = 1e15;

}  // namespace

int ReadLookupThreshold(Window& window) {
  const std::optional<long long> threshold =
      ParseRoundedInteger(window.Text(kLookupThresholdId), std::numeric_limits<short>::min(),
                          std::numeric_limits<short>::max());
  if (threshold) return static_cast<int>(*threshold);
  window.SetText(kLookupThresholdId, kThresholdRepair);
  return 0;
}

void RepairMinWordLength(Window& window) {
  if (!ParseNumber(window.Text(kMinWordLengthId))) {
    window.SetText(kMinWordLengthId, kMinWordLengthRepair);
  }
}

long long ReadMinWordLength(const Window& window) {
  const std::optional<double> value = ParseNumber(window.Text(kMinWordLengthId));
  if (!value || std::isnan(*value)) return kDefaultMinWordLength;
  // A whole length reaches a fractional minimum only from the next whole number up.
  const double limited = std::clamp(std::ceil(*value), -kMinWordLengthLimit, kMinWordLengthLimit);
  return static_cast<long long>(limited);
}

std::optional<std::size_t> ReadMaxWords(const Window& window) {
  const std::string text = window.Text(kMaxWordsId);
  const std::string_view digits = TrimSpaces(text);
  if (digits.empty()) return std::nullopt;
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (end != digits.data() + digits.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) return std::numeric_limits<std::size_t>::max();
  if (error != std::errc() || value == 0) return std::nullopt;
  return value;
}

std::optional<int> ParseDisplayTimeMs(std::string_view text) {
  const std::optional<double> seconds = ParseNumber(text);
  if (!seconds || !(*seconds >= 0 && *seconds <= kMaxDisplayTimeSeconds)) return std::nullopt;
  return static_cast<int>(std::lround(*seconds * 1000));
}

CompletionSettings::CompletionSettings(Window& window, SuggestionPopup& popup, WorkingList& list,
                                       Dialogs& dialogs)
    : window_(window), popup_(popup), list_(list), dialogs_(dialogs) {}

void CompletionSettings::OnDisplayTimeChanged() {
  const std::string text = window_.Text(kDisplayTimeId);
  if (text.empty()) return;
  if (const std::optional<int> milliseconds = ParseDisplayTimeMs(text)) {
    popup_.SetDisplayTimeMs(*milliseconds);
  } else {
    dialogs_.ShowMessage(kNotNumericMessage, kApplicationTitle);
  }
}

void CompletionSettings::AddWord() { list_.Add(window_.Text(kWordToAddId)); }

void CompletionSettings::ClearList() {
  if (dialogs_.AskYesNo(kClearListQuestion, kApplicationTitle)) list_.Clear();
}

}  // namespace keyloom
