#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// The system's ANSI code page for list files: Windows-1252 on Linux, the system's on Windows.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // Bytes in the code page to UTF-8.
  virtual std::string Decode(std::string_view bytes) const = 0;
  // UTF-8 to the code page; nullopt when some character has no place in it.
  virtual std::optional<std::string> Encode(std::string_view utf8) const = 0;
};

// Windows-1252, available on every platform.
const AnsiCodePage& Windows1252();

}  // namespace keyloom
