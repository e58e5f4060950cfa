#pragma once

#include <optional>
#include <string>

namespace keyloom {

// The clipboard's text when the program's own windows hold it (the user copied from one of its
// fields); nullopt when another client holds it.
std::optional<std::string> OwnWindowsClipboardText();

}  // namespace keyloom
