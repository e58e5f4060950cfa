#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "completion/language_model_file.h"

namespace keyloom {

// The plain-text form of a language model, one count a line, UTF-8:
//   COUNT <TAB> WORD           how often WORD is used; its spelling is the one offered
//   COUNT <TAB> W1 W2          how often W2 follows W1
//   COUNT <TAB> W1 W2 W3       how often W3 follows W1 W2
// W1 may be "<s>", the start of a sentence. Empty lines and lines that begin with "#" are
// skipped. Words are compared without regard to case: counts of one word in several spellings
// add up, and pairs and triples of a word without a count of its own are left out.
inline constexpr std::string_view kSentenceStartToken = "<s>";

// The model of `text`; nullopt with the line and what is wrong with it in `error`.
std::optional<LanguageModelData> BuildLanguageModel(std::string_view text, std::string& error);

}  // namespace keyloom
