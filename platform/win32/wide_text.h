#pragma once

#include <string>
#include <string_view>

// The one place where the core's UTF-8 meets the UTF-16 of the Win32 W functions. Invalid UTF-8
// and lone surrogates come out as U+FFFD; nothing else changes.
namespace keyloom {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace keyloom
