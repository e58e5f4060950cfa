#pragma once

#include "platform/ansi_code_page.h"

namespace keyloom {

// A Windows code page through MultiByteToWideChar and WideCharToMultiByte. Encoding never
// substitutes a "best fit" look-alike: a character without its own place makes it fail.
class SystemCodePage final : public AnsiCodePage {
 public:
  explicit SystemCodePage(unsigned code_page) : code_page_(code_page) {}

  std::string Decode(std::string_view bytes) const override;
  std::optional<std::string> Encode(std::string_view utf8) const override;

 private:
  unsigned code_page_;
};

// The system's ANSI code page (GetACP).
const AnsiCodePage& SystemAnsiCodePage();

}  // namespace keyloom
