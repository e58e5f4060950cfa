#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Little-endian 32-bit numbers and byte runs in and out of the project's binary files.
namespace keyloom {

void PutNumber(std::string& out, std::uint32_t value);
// The length as a number, then the bytes.
void PutText(std::string& out, std::string_view text);

// Reads numbers and byte runs from the front of a buffer; any read past the end fails, and the
// reader stays failed.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::uint32_t> Number();
  std::optional<std::string_view> Bytes(std::size_t size);
  std::optional<std::string_view> Text();

  bool AtEnd() const { return rest_.empty(); }
  std::size_t Remaining() const { return rest_.size(); }

 private:
  std::string_view rest_;
  bool failed_ = false;
};

}  // namespace keyloom
