#include "completion/word_store_file.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

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

void PutNumber(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutText(std::string& out, std::string_view text) {
  PutNumber(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

// Reads numbers and byte runs from the front of a buffer; any read past the end fails, and the
// reader stays failed.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::uint32_t> Number() {
    const std::optional<std::string_view> bytes = Bytes(4);
    if (!bytes) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>((*bytes)[i]);
    return value;
  }

  std::optional<std::string_view> Bytes(std::size_t size) {
    if (size > rest_.size()) return std::nullopt;
    const std::string_view bytes = rest_.substr(0, size);
    rest_.remove_prefix(size);
    return bytes;
  }

  std::optional<std::string_view> Text() {
    const std::optional<std::uint32_t> size = Number();
    return size ? Bytes(*size) : std::nullopt;
  }

  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// The one order of the sorted index; exact duplicates keep their store order.
bool SortsBefore(const WordTable& table, std::uint32_t a, std::uint32_t b) {
  const int order = CompareNoCase(table.Row(a), table.Row(b));
  return order < 0 || (order == 0 && a < b);
}

std::string EncodeTable(const std::vector<std::string>& words) {
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
  PutText(out, kTableName);
  PutText(out, kColumnName);
  PutNumber(out, static_cast<std::uint32_t>(words.size()));
  for (const std::string& word : words) PutNumber(out, static_cast<std::uint32_t>(word.size()));
  out += table.text;
  for (std::uint32_t row : table.sorted) PutNumber(out, row);
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
  Reader reader(bytes);
  if (reader.Text() != kTableName || reader.Text() != kColumnName) return std::nullopt;
  const std::optional<std::uint32_t> count = reader.Number();
  // Each row takes at least its length and its index entry, so a larger count cannot fit.
  if (!count || *count > bytes.size() / 8) return std::nullopt;

  WordTable table;
  table.starts.reserve(*count + 1);
  table.starts.push_back(0);
  std::uint64_t text_size = 0;
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> length = reader.Number();
    if (!length) return std::nullopt;
    text_size += *length;
    if (text_size > bytes.size() || text_size > UINT32_MAX) return std::nullopt;
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
  if (!reader.AtEnd()) return std::nullopt;
  for (std::uint32_t row = 0; row < *count; ++row) {
    if (!IsValidUtf8(table.Row(row))) return std::nullopt;
  }
  if (!IsSortedPermutation(table)) return std::nullopt;
  return table;
}

}  // namespace

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
  Reader header(file_bytes.substr(0, kHeaderSize));
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
