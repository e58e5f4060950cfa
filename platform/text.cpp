#include "platform/text.h"

#include <algorithm>

namespace keyloom {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Pairs laid out as upper at `even_upper ? even : odd` code points, lower at the next one.
char32_t PairLower(char32_t c, bool upper_is_even) {
  return ((c % 2 == 0) == upper_is_even) ? c + 1 : c;
}
char32_t PairUpper(char32_t c, bool upper_is_even) {
  return ((c % 2 == 0) == upper_is_even) ? c : c - 1;
}

}  // namespace

char32_t LowerCodePoint(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c >= 0x100 && c <= 0x137 && c != 0x130) return PairLower(c, true);
  if (c == 0x130) return 'i';
  if (c >= 0x139 && c <= 0x148) return PairLower(c, false);
  if (c >= 0x14A && c <= 0x177) return PairLower(c, true);
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return PairLower(c, false);
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 37;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 63;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x460 && c <= 0x481) return PairLower(c, true);
  if (c >= 0x48A && c <= 0x4BF) return PairLower(c, true);
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0x4C1 && c <= 0x4CE) return PairLower(c, false);
  if (c >= 0x4D0 && c <= 0x52F) return PairLower(c, true);
  return c;
}

char32_t UpperCodePoint(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c == 0xB5) return 0x39C;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x137 && c != 0x131) return PairUpper(c, true);
  if (c == 0x131) return 'I';
  if (c >= 0x139 && c <= 0x148) return PairUpper(c, false);
  if (c >= 0x14A && c <= 0x177) return PairUpper(c, true);
  if (c >= 0x179 && c <= 0x17E) return PairUpper(c, false);
  if (c == 0x17F) return 'S';
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 37;
  if (c == 0x3C2) return 0x3A3;
  if (c >= 0x3B1 && c <= 0x3CB) return c - 32;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 63;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  if (c >= 0x460 && c <= 0x481) return PairUpper(c, true);
  if (c >= 0x48A && c <= 0x4BF) return PairUpper(c, true);
  if (c == 0x4CF) return 0x4C0;
  if (c >= 0x4C1 && c <= 0x4CE) return PairUpper(c, false);
  if (c >= 0x4D0 && c <= 0x52F) return PairUpper(c, true);
  return c;
}

namespace {

template <typename Map>
std::string MapCodePoints(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    // Invalid bytes are kept as they are rather than turned into U+FFFD.
    if (c == kReplacement && pos - start == 1 && static_cast<unsigned char>(text[start]) >= 0x80) {
      out += text[start];
    } else {
      AppendUtf8(out, map(c));
    }
  }
  return out;
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitTrimmed(std::string_view joined, std::string_view separators) {
  std::vector<std::string> parts;
  while (!joined.empty()) {
    const std::size_t end = std::min(joined.find_first_of(separators), joined.size());
    const std::string_view part = TrimSpaces(joined.substr(0, end));
    if (!part.empty()) parts.emplace_back(part);
    joined.remove_prefix(std::min(end + 1, joined.size()));
  }
  return parts;
}

std::string JoinWith(const std::vector<std::string>& parts, std::string_view separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

std::size_t CodePointCount(std::string_view text) {
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    NextCodePoint(text, pos);
    ++count;
  }
  return count;
}

std::string_view DropCodePoints(std::string_view text, std::size_t first) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < first && pos < text.size(); ++i) NextCodePoint(text, pos);
  return text.substr(pos);
}

std::string ToLower(std::string_view text) { return MapCodePoints(text, LowerCodePoint); }

std::string ToUpper(std::string_view text) { return MapCodePoints(text, UpperCodePoint); }

int CompareNoCase(std::string_view a, std::string_view b) {
  std::size_t pa = 0;
  std::size_t pb = 0;
  while (pa < a.size() && pb < b.size()) {
    const char32_t ca = LowerCodePoint(NextCodePoint(a, pa));
    const char32_t cb = LowerCodePoint(NextCodePoint(b, pb));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (pa < a.size()) return 1;
  if (pb < b.size()) return -1;
  const int exact = a.compare(b);
  return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  std::size_t pt = 0;
  std::size_t pp = 0;
  while (pp < prefix.size()) {
    if (pt >= text.size()) return false;
    if (LowerCodePoint(NextCodePoint(text, pt)) != LowerCodePoint(NextCodePoint(prefix, pp))) {
      return false;
    }
  }
  return true;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    if (NextCodePoint(bytes, pos) == kReplacement && pos - start == 1) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point > 0x10FFFF || (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    code_point = kReplacement;
  }
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  if (pos >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    minimum = 0x10000;
  }
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return kReplacement;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) {
      ++pos;
      return kReplacement;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return value;
}

}  // namespace keyloom
