#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Multi-line fields hold CR LF line breaks for the program, as list files and entry lines do;
// Qt's editors hold LF.
std::string ToEditorText(std::string_view text);
std::string FromEditorText(std::string_view text);

// A list item as a one-line list shows it: each line break becomes a pilcrow.
std::string ListDisplayText(std::string_view item);

// A message box's text: CR LF and lone CR become LF.
std::string MessageText(std::string_view text);

}  // namespace keyloom
