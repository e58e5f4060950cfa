#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ansi_code_page.h"

namespace keyloom {

enum class ListLayout {
  kPhrases,  // every item followed by code 1, then CR LF
  kWords,    // every item followed by CR LF, then one more CR LF
};

// The bytes of a list file: the record with leading and trailing spaces removed, then CR LF;
// in the ANSI code page when every character fits, otherwise UTF-8 with a byte-order mark.
std::string EncodeListFile(ListLayout layout, const std::vector<std::string>& items,
                           const AnsiCodePage& code_page);

// A list file's bytes as UTF-8 text: UTF-8 after a byte-order mark, UTF-8 when the bytes are
// valid UTF-8, otherwise the ANSI code page.
std::string DecodeListFileText(std::string_view bytes, const AnsiCodePage& code_page);

// The items of a phrase list: the pieces before each code 1 that are not blank, unchanged.
std::vector<std::string> ParsePhraseItems(std::string_view text);

// The items of a word list: lines (ended by CR, CR LF or LF) that are not blank and have at
// least `min_length` characters, unchanged.
std::vector<std::string> ParseWordItems(std::string_view text, long long min_length);

}  // namespace keyloom
