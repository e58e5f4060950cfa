#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// The STRING target of X selections is ISO 8859-1; nullopt when some character has no
// ISO 8859-1 code.
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

}  // namespace keyloom
