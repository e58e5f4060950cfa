#include "shell/qt/control_text.h"

namespace keyloom {
namespace {

// Replaces CR LF, lone CR and lone LF each by `line_break`.
std::string ReplaceLineBreaks(std::string_view text, std::string_view line_break) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += line_break;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

std::string ToEditorText(std::string_view text) { return ReplaceLineBreaks(text, "\n"); }

std::string FromEditorText(std::string_view text) { return ReplaceLineBreaks(text, "\r\n"); }

std::string ListDisplayText(std::string_view item) {
  return ReplaceLineBreaks(item, "\xc2\xb6");  // U+00B6
}

std::string MessageText(std::string_view text) { return ReplaceLineBreaks(text, "\n"); }

}  // namespace keyloom
