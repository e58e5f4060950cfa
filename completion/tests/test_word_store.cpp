#include "completion/tests/test_word_store.h"

#include <stdexcept>

namespace keyloom {

std::string SealedTestStoreBytes(const std::vector<std::string>& words) {
  std::optional<std::string> bytes = SealWordStore(words, kWordStorePassword, 1);
  if (!bytes) throw std::runtime_error("the test store could not be sealed");
  return *bytes;
}

WordStore OpenTestStore(const std::vector<std::string>& words) {
  std::optional<WordStore> store = WordStore::Open(SealedTestStoreBytes(words));
  if (!store) throw std::runtime_error("the test store could not be opened");
  return std::move(*store);
}

}  // namespace keyloom
