#include "completion/word_store_file.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "completion/byte_codec.h"
#include "completion/word_store_seal.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kMagic("KLWORDS\x1A", 8);
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kSaltSize = 16;
constexpr std::size_t kHeaderSize = kMagic.size() + 4 + 4 + kSaltSize + kSealNonceSize;
constexpr std::string_view kTableName = "words";
constexpr std::string_view kColumnName = "Field1";

// The one order of the sorted index; exact duplicates keep their store order.
bool SortsBefore(const WordTable& table, std::uint32_t a, std::uint32_t b) {
  const int order = CompareNoCase(table.Row(a), table.Row(b));
  return order < 0 || (order == 0 && a < b);
}

std::string EncodeTable(const std::vector<std::string>& words) {
  std::string out;
  PutText(out, kTableName);
  PutText(out, kColumnName);
  out += EncodeWordRows(words);
  return out;
}

bool IsSortedPermutation(const WordTable& table) {
  std::vector<bool> seen(table.size(), false);
  for (std::size_t i = 0; i < table.sorted.size(); ++i) {
    const std::uint32_t row = table.sorted[i];
    if (row >= table.size() || seen[row]) return false;
    seen[row] = true;
    if (i > 0 && !SortsBefore(table, table.sorted[i - 1], row)) return false;
  }
  return true;
}

std::optional<WordTable> DecodeTable(std::string_view bytes) {
  ByteReader reader(bytes);
  if (reader.Text() != kTableName || reader.Text() != kColumnName) return std::nullopt;
  std::optional<WordTable> table = ReadWordRows(reader);
  if (!table || !reader.AtEnd()) return std::nullopt;
  return table;
}

}  // namespace

std::string EncodeWordRows(const std::vector<std::string>& words) {
  WordTable table;
  table.starts.push_back(0);
  for (const std::string& word : words) {
    table.text += word;
    table.starts.push_back(static_cast<std::uint32_t>(table.text.size()));
  }
  table.sorted.resize(words.size());
  std::iota(table.sorted.begin(), table.sorted.end(), 0u);
  std::sort(table.sorted.begin(), table.sorted.end(),
            [&](std::uint32_t a, std::uint32_t b) { return SortsBefore(table, a, b); });

  std::string out;
  PutNumber(out, static_cast<std::uint32_t>(words.size()));
  for (const std::string& word : words) PutNumber(out, static_cast<std::uint32_t>(word.size()));
  out += table.text;
  for (std::uint32_t row : table.sorted) PutNumber(out, row);
  return out;
}

std::optional<WordTable> ReadWordRows(ByteReader& reader) {
  const std::optional<std::uint32_t> count = reader.Number();
  // Each row takes at least its length and its index entry, so a larger count cannot fit.
  if (!count || *count > reader.Remaining() / 8) return std::nullopt;

  WordTable table;
  table.starts.reserve(*count + 1);
  table.starts.push_back(0);
  std::uint64_t text_size = 0;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> length = reader.Number();
    if (!length) return std::nullopt;
    text_size += *length;
    if (text_size > reader.Remaining() || text_size > UINT32_MAX) return std::nullopt;
    table.starts.push_back(static_cast<std::uint32_t>(text_size));
  }
  const std::optional<std::string_view> text = reader.Bytes(text_size);
  if (!text) return std::nullopt;
  table.text = *text;
  table.sorted.reserve(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> row = reader.Number();
    if (!row) return std::nullopt;
    table.sorted.push_back(*row);
  }
  for (std::uint32_t row = 0; row < *count; ++row) {
    if (!IsValidUtf8(table.Row(row))) return std::nullopt;
  }
  if (!IsSortedPermutation(table)) return std::nullopt;
  return table;
}

std::optional<std::string> SealWordStore(const std::vector<std::string>& words_in_store_order,
                                         std::string_view password, std::uint32_t iterations) {
  if (iterations == 0 || iterations > kWordStoreMaxIterations) return std::nullopt;
  std::uint64_t text_size = 0;
  for (const std::string& word : words_in_store_order) {
    if (!IsValidUtf8(word)) return std::nullopt;
    text_size += word.size();
  }
  if (text_size > UINT32_MAX) return std::nullopt;
  const std::optional<std::string> salt = RandomBytes(kSaltSize);
  const std::optional<std::string> nonce = RandomBytes(kSealNonceSize);
  if (!salt || !nonce) return std::nullopt;
  const std::optional<SealKey> key = DeriveSealKey(password, *salt, iterations);
  if (!key) return std::nullopt;

  std::string file(kMagic);
  PutNumber(file, kVersion);
  PutNumber(file, iterations);
  file += *salt;
  file += *nonce;
  const std::optional<std::string> sealed =
      SealBytes(*key, *nonce, file, EncodeTable(words_in_store_order));
  if (!sealed) return std::nullopt;
  return file + *sealed;
}

std::optional<WordTable> UnsealWordStore(std::string_view file_bytes, std::string_view password) {
  if (file_bytes.size() < kHeaderSize + kSealTagSize) return std::nullopt;
  ByteReader header(file_bytes.substr(0, kHeaderSize));
  if (header.Bytes(kMagic.size()) != kMagic || header.Number() != kVersion) return std::nullopt;
  const std::optional<std::uint32_t> iterations = header.Number();
  if (!iterations || *iterations == 0 || *iterations > kWordStoreMaxIterations) {
    return std::nullopt;
  }
  const std::string_view salt = *header.Bytes(kSaltSize);
  const std::string_view nonce = *header.Bytes(kSealNonceSize);
  const std::optional<SealKey> key = DeriveSealKey(password, salt, *iterations);
  if (!key) return std::nullopt;
  const std::optional<std::string> plaintext =
      UnsealBytes(*key, nonce, file_bytes.substr(0, kHeaderSize), file_bytes.substr(kHeaderSize));
  if (!plaintext) return std::nullopt;
  return DecodeTable(*plaintext);
}

}  // namespace keyloom
