#include "platform/win32/system_code_page.h"

#include <windows.h>

#include "platform/text.h"
#include "platform/win32/wide_text.h"

namespace keyloom {

std::string SystemCodePage::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page_, 0, bytes.data(), size, nullptr, 0);
  // A code page the system does not know: every byte still becomes a character.
  if (length <= 0) return Windows1252().Decode(bytes);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page_, 0, bytes.data(), size, wide.data(), length);
  return WideToUtf8(wide);
}

std::optional<std::string> SystemCodePage::Encode(std::string_view utf8) const {
  // Invalid UTF-8 has no faithful form in any code page.
  if (!IsValidUtf8(utf8)) return std::nullopt;
  if (code_page_ == CP_UTF8) return std::string(utf8);
  if (utf8.empty()) return std::string();
  const std::wstring wide = Utf8ToWide(utf8);
  const int size = static_cast<int>(wide.size());
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                         nullptr, 0, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page_, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                      nullptr, &used_default);
  if (used_default) return std::nullopt;
  // Some code pages map a character to bytes that read back as another one; only an exact
  // round trip keeps the text.
  if (Decode(bytes) != utf8) return std::nullopt;
  return bytes;
}

const AnsiCodePage& SystemAnsiCodePage() {
  static const SystemCodePage code_page(GetACP());
  return code_page;
}

}  // namespace keyloom
