#include "completion/byte_codec.h"

namespace keyloom {

void PutNumber(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutText(std::string& out, std::string_view text) {
  PutNumber(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

std::optional<std::uint32_t> ByteReader::Number() {
  const std::optional<std::string_view> bytes = Bytes(4);
  if (!bytes) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>((*bytes)[i]);
  return value;
}

std::optional<std::string_view> ByteReader::Bytes(std::size_t size) {
  if (failed_ || size > rest_.size()) {
    failed_ = true;
    return std::nullopt;
  }
  const std::string_view bytes = rest_.substr(0, size);
  rest_.remove_prefix(size);
  return bytes;
}

std::optional<std::string_view> ByteReader::Text() {
  const std::optional<std::uint32_t> size = Number();
  return size ? Bytes(*size) : std::nullopt;
}

}  // namespace keyloom
