#include "platform/x11/latin1_text.h"

#include "platform/text.h"

namespace keyloom {

std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t c = NextCodePoint(utf8, pos);
    if (c > 0xFF) return std::nullopt;
    latin1.push_back(static_cast<char>(c));
  }
  return latin1;
}

}  // namespace keyloom
