#include "phrases/fill_ins.h"

#include <algorithm>
#include <optional>

#include "phrases/playback.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kOpen = "%(";
constexpr std::string_view kClose = ")%";
constexpr std::string_view kInput = "input=";
constexpr std::string_view kChoice = "choice=";
// Noncharacters, which no text exchanged between programs holds.
constexpr char32_t kFirstMark = 0xFDD0;

// A fill-in macro at the start of `text`, with its length.
struct FillInMacro {
  FillInField field;
  std::size_t length;
};
std::optional<FillInMacro> ReadFillIn(std::string_view text) {
  if (!text.starts_with(kOpen)) return std::nullopt;
  const std::size_t close = text.find(kClose, kOpen.size());
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view body = text.substr(kOpen.size(), close - kOpen.size());
  FillInField field;
  if (StartsWithNoCase(body, kInput)) {
    field.name = TrimSpaces(body.substr(kInput.size()));
  } else if (StartsWithNoCase(body, kChoice)) {
    std::vector<std::string> parts = SplitTrimmed(body.substr(kChoice.size()), "|");
    if (parts.size() < 2) return std::nullopt;
    field.name = std::move(parts.front());
    field.choices.assign(parts.begin() + 1, parts.end());
  } else {
    return std::nullopt;
  }
  if (field.name.empty()) return std::nullopt;
  return FillInMacro{std::move(field), close + kClose.size()};
}

// Calls `found(position, macro)` for every fill-in macro of `text`, left to right.
template <typename Found>
void ForEachFillIn(std::string_view text, Found found) {
  for (std::size_t at = text.find(kOpen); at != std::string_view::npos;
       at = text.find(kOpen, at + 1)) {
    if (std::optional<FillInMacro> macro = ReadFillIn(text.substr(at))) {
      found(at, *macro);
      at += macro->length - 1;
    }
  }
}

std::optional<std::size_t> IndexOf(const std::vector<FillInField>& fields, std::string_view name) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].name == name) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> MarkIndex(char32_t c, const std::vector<std::string>& values) {
  if (c < kFirstMark || c >= kFirstMark + values.size()) return std::nullopt;
  return static_cast<std::size_t>(c - kFirstMark);
}

}  // namespace

std::vector<FillInField> FillInFieldsOf(std::string_view send_string) {
  std::vector<FillInField> fields;
  ForEachFillIn(send_string, [&](std::size_t, FillInMacro& macro) {
    if (!IndexOf(fields, macro.field.name) && fields.size() < kMaxFillInFields) {
      fields.push_back(std::move(macro.field));
    }
  });
  return fields;
}

std::string MarkFillIns(std::string_view send_string) {
  const std::vector<FillInField> fields = FillInFieldsOf(send_string);
  std::string marked;
  std::size_t copied = 0;
  ForEachFillIn(send_string, [&](std::size_t at, const FillInMacro& macro) {
    const std::optional<std::size_t> index = IndexOf(fields, macro.field.name);
    if (!index) return;
    marked += send_string.substr(copied, at - copied);
    AppendUtf8(marked, kFirstMark + static_cast<char32_t>(*index));
    copied = at + macro.length;
  });
  marked += send_string.substr(copied);
  return marked;
}

std::string FillMarks(std::string_view text, const std::vector<std::string>& values) {
  std::string filled;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    if (const std::optional<std::size_t> index = MarkIndex(c, values)) {
      filled += values[*index];
    } else {
      filled += text.substr(start, pos - start);
    }
  }
  return filled;
}

KeyActions FillMarks(const KeyActions& actions, const std::vector<std::string>& values) {
  KeyActions filled;
  for (const KeyAction& action : actions) {
    const std::optional<std::size_t> index = action.kind == KeyAction::Kind::kCharacter
                                                 ? MarkIndex(action.character, values)
                                                 : std::nullopt;
    if (!index) {
      filled.push_back(action);
      continue;
    }
    const KeyActions value = LiteralTextActions(values[*index]);
    filled.insert(filled.end(), value.begin(), value.end());
  }
  return filled;
}

}  // namespace keyloom
