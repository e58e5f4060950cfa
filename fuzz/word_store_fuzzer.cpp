// The word-store reader. The first byte chooses what the rest is:
//  - even: a whole words.mdb file (only cheap key derivations are tried, so that each input
//    stays fast; the header's checks run either way);
//  - odd: the sealed table itself, sealed here under the store's password so that the reader's
//    checks of the table's content run on it.
// A store that opens must answer every prefix lookup as a plain scan of its rows would.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/word_store.h"
#include "completion/word_store_seal.h"
#include "fuzz/fuzz_support.h"

namespace keyloom {
namespace {

// The clear header of the file format (see word_store_file.h).
constexpr std::string_view kMagic("KLWORDS\x1A", 8);
constexpr std::size_t kIterationsAt = 12;
constexpr std::size_t kSaltSize = 16;
constexpr std::uint32_t kMaxFuzzIterations = 2;

std::uint32_t ReadNumber(std::string_view bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

// A file around `table`: version 1, one iteration, zero salt and nonce.
std::optional<std::string> SealTable(std::string_view table) {
  std::string header(kMagic);
  header += std::string("\x01\x00\x00\x00\x01\x00\x00\x00", 8);
  header += std::string(kSaltSize + kSealNonceSize, '\0');
  static const std::optional<SealKey> key =
      DeriveSealKey(kWordStorePassword, std::string(kSaltSize, '\0'), 1);
  if (!key) return std::nullopt;
  const std::string nonce(kSealNonceSize, '\0');
  const std::optional<std::string> sealed = SealBytes(*key, nonce, header, table);
  if (!sealed) return std::nullopt;
  return header + *sealed;
}

std::vector<std::string_view> ScanLookup(const WordStore& store, std::string_view prefix,
                                         std::size_t limit) {
  std::vector<std::string_view> rows;
  for (std::size_t row = 0; row < store.size() && rows.size() < limit; ++row) {
    if (StartsWithNoCase(store.Row(row), prefix)) rows.push_back(store.Row(row));
  }
  return rows;
}

// Prefixes of 0 to 3 code points of the first rows, in their own case and in upper case.
void CheckLookups(const WordStore& store) {
  for (std::size_t row = 0; row < store.size() && row < 8; ++row) {
    const std::string_view word = store.Row(row);
    for (std::size_t length = 0; length <= 3; ++length) {
      const std::string_view rest = DropCodePoints(word, length);
      const std::string_view prefix = word.substr(0, word.size() - rest.size());
      for (const std::string& typed : {std::string(prefix), ToUpper(prefix)}) {
        for (const std::size_t limit : {std::size_t{1}, std::size_t{15}}) {
          Check(store.Lookup(typed, limit) == ScanLookup(store, typed, limit));
        }
      }
    }
  }
}

}  // namespace
}  // namespace keyloom

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  const std::string_view rest = AsText(data + 1, size - 1);
  std::optional<std::string> file;
  if (data[0] % 2 == 1) {
    file = SealTable(rest);
  } else if (rest.size() < kIterationsAt + 4 ||
             ReadNumber(rest.substr(kIterationsAt)) <= kMaxFuzzIterations) {
    file = std::string(rest);
  }
  if (!file) return 0;
  if (const std::optional<WordStore> store = WordStore::Open(*file)) CheckLookups(*store);
  return 0;
}
