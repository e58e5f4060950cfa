#include "platform/ansi_code_page.h"

#include <array>

#include "platform/text.h"

namespace keyloom {
namespace {

// Bytes 0x80-0x9F; the five bytes that Windows-1252 leaves undefined keep their C1 code points,
// so that every byte decodes and encodes back to itself.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252CodePage final : public AnsiCodePage {
 public:
  std::string Decode(std::string_view bytes) const override {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
      const auto b = static_cast<unsigned char>(byte);
      AppendUtf8(out, (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : char32_t{b});
    }
    return out;
  }

  std::optional<std::string> Encode(std::string_view utf8) const override {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
      // An invalid UTF-8 byte reads as U+FFFD, which has no place in the code page either.
      const auto byte = EncodeCodePoint(NextCodePoint(utf8, pos));
      if (!byte) return std::nullopt;
      out += static_cast<char>(*byte);
    }
    return out;
  }

 private:
  static std::optional<unsigned char> EncodeCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
      if (kHighControls[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
  }
};

}  // namespace

const AnsiCodePage& Windows1252() {
  static const Windows1252CodePage code_page;
  return code_page;
}

}  // namespace keyloom
