#include "shell/list_file.h"

#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kPhraseSeparator = '\x01';
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string EncodeListFile(ListLayout layout, const std::vector<std::string>& items,
                           const AnsiCodePage& code_page) {
  const std::string_view separator =
      layout == ListLayout::kPhrases ? std::string_view(&kPhraseSeparator, 1) : kLineEnd;
  std::string record;
  for (const std::string& item : items) {
    record += item;
    record += separator;
  }
  std::string text(TrimSpaces(record));
  text += kLineEnd;
  if (std::optional<std::string> ansi = code_page.Encode(text)) return *std::move(ansi);
  // Some character has no place in the code page: UTF-8 keeps every one of them.
  return std::string(kByteOrderMark) + text;
}

std::string DecodeListFileText(std::string_view bytes, const AnsiCodePage& code_page) {
  if (bytes.starts_with(kByteOrderMark)) return std::string(bytes.substr(kByteOrderMark.size()));
  // Plain ASCII reads the same either way; valid UTF-8 with other bytes is almost never
  // meaningful code-page text, so it is taken as UTF-8 written without a mark.
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return code_page.Decode(bytes);
}

std::vector<std::string> ParsePhraseItems(std::string_view text) {
  std::vector<std::string> items;
  // Only pieces ended by a separator count: what follows the last one is never an item.
  for (std::size_t end = text.find(kPhraseSeparator); end != std::string_view::npos;
       end = text.find(kPhraseSeparator)) {
    const std::string_view piece = text.substr(0, end);
    if (!TrimSpaces(piece).empty()) items.emplace_back(piece);
    text.remove_prefix(end + 1);
  }
  return items;
}

std::vector<std::string> ParseWordItems(std::string_view text, long long min_length) {
  std::vector<std::string> items;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!TrimSpaces(line).empty() && static_cast<long long>(CodePointCount(line)) >= min_length) {
      items.emplace_back(line);
    }
    if (end == std::string_view::npos) break;
    // CR LF ends one line, as a lone CR or a lone LF does.
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return items;
}

}  // namespace keyloom
