#pragma once

#include <string>
#include <vector>

#include "completion/word_store.h"

namespace keyloom {

// A store holding `words` in store order, sealed and opened as words.mdb is, with a cheap key
// derivation.
std::string SealedTestStoreBytes(const std::vector<std::string>& words);
WordStore OpenTestStore(const std::vector<std::string>& words);

}  // namespace keyloom
