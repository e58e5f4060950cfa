#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The single-file format of words.mdb. A header in the clear (magic, version, PBKDF2 iteration
// count, salt, nonce) is followed by the AES-256-GCM ciphertext of the table and its tag; the tag
// also covers the header. All numbers are little-endian 32-bit.
//
//   header:  "KLWORDS" 0x1A | version | iterations | salt (16) | nonce (12)
//   sealed:  table name "words" and column name "Field1", each as length + bytes
//            | row count n | n row lengths | the rows' bytes in store order
//            | n row numbers in the order of CompareNoCase (exact duplicates by row number)
namespace keyloom {

inline constexpr std::uint32_t kWordStoreDefaultIterations = 200'000;
// Bounds the work that a crafted header can ask of the key derivation.
inline constexpr std::uint32_t kWordStoreMaxIterations = 1'000'000;

// The rows of `words`.`Field1` as the file holds them.
struct WordTable {
  std::string text;                   // every row's bytes, one after another, in store order
  std::vector<std::uint32_t> starts;  // where each row begins in `text`, plus text.size()
  std::vector<std::uint32_t> sorted;  // row numbers in the order of CompareNoCase

  std::size_t size() const { return sorted.size(); }
  std::string_view Row(std::uint32_t row) const {
    return std::string_view(text).substr(starts[row], starts[row + 1] - starts[row]);
  }
};

class ByteReader;

// The rows and their sorted index, as the sealed part of the file holds them after the names:
// row count n | n row lengths | the rows' bytes | n row numbers in the order of CompareNoCase.
std::string EncodeWordRows(const std::vector<std::string>& words_in_store_order);
// Reads what EncodeWordRows wrote; nullopt when it breaks a rule of the format (bounds, UTF-8,
// a sorted index that is a permutation of the rows).
std::optional<WordTable> ReadWordRows(ByteReader& reader);

// The file for `words_in_store_order`; nullopt when a word is not valid UTF-8, the words
// together exceed 4 GiB, the iteration count is outside 1..kWordStoreMaxIterations, or the
// crypto library fails.
std::optional<std::string> SealWordStore(const std::vector<std::string>& words_in_store_order,
                                         std::string_view password,
                                         std::uint32_t iterations = kWordStoreDefaultIterations);

// The table of a file; nullopt when the file is not a word store, the password is wrong, any
// byte was altered, or the content breaks a rule of the format (bounds, UTF-8, a sorted index
// that is a permutation of the rows).
std::optional<WordTable> UnsealWordStore(std::string_view file_bytes, std::string_view password);

}  // namespace keyloom
