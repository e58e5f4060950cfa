#include "platform/ibus/engine_protocol.h"

#include <charconv>

#include "platform/text.h"

namespace keyloom {
namespace {

bool NeedsEscape(unsigned char c) { return c <= ' ' || c == '%' || c == 0x7F; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t space = line.find(' ', start);
    fields.push_back(line.substr(start, space - start));
    if (space == std::string_view::npos) return fields;
    start = space + 1;
  }
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view field) {
  Number value{};
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || field.empty()) {
    return std::nullopt;
  }
  return value;
}

constexpr unsigned int kPasswordField = 1;
constexpr unsigned int kPrivateField = 2;
constexpr unsigned int kTerminalField = 4;

std::optional<bool> ParseFlag(std::string_view field) {
  if (field == "0") return false;
  if (field == "1") return true;
  return std::nullopt;
}

}  // namespace

std::string EncodeText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEscape(byte)) {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xF];
    } else {
      encoded += c;
    }
  }
  return encoded;
}

std::optional<std::string> DecodeText(std::string_view encoded) {
  std::string text;
  text.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] != '%') {
      text += encoded[i];
      continue;
    }
    if (i + 2 >= encoded.size()) return std::nullopt;
    const int high = HexValue(encoded[i + 1]);
    const int low = HexValue(encoded[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (text.find('\0') != std::string::npos || !IsValidUtf8(text)) return std::nullopt;
  return text;
}

std::string KeyLine(const KeyReport& key) {
  return "key " + std::to_string(key.sequence) + ' ' + std::to_string(key.keyval) + ' ' +
         std::to_string(key.keycode) + ' ' + std::to_string(key.state) + ' ' +
         std::to_string((key.in_password_field ? kPasswordField : 0) +
                        (key.in_private_field ? kPrivateField : 0) +
                        (key.in_terminal ? kTerminalField : 0)) +
         ' ' + EncodeText(key.application);
}

std::optional<KeyReport> ParseKeyLine(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 7 || fields[0] != "key") return std::nullopt;
  const auto sequence = ParseNumber<unsigned long>(fields[1]);
  const auto keyval = ParseNumber<unsigned int>(fields[2]);
  const auto keycode = ParseNumber<unsigned int>(fields[3]);
  const auto state = ParseNumber<unsigned int>(fields[4]);
  const auto field = ParseNumber<unsigned int>(fields[5]);
  auto application = DecodeText(fields[6]);
  if (!sequence || !keyval || !keycode || !state || !field || *field > 7 || !application) {
    return std::nullopt;
  }
  return KeyReport{*sequence,
                   *keyval,
                   *keycode,
                   *state,
                   (*field & kPasswordField) != 0,
                   (*field & kPrivateField) != 0,
                   (*field & kTerminalField) != 0,
                   std::move(*application)};
}

std::string CommitLine(std::string_view text) { return "commit " + EncodeText(text); }

std::string ForwardLine(unsigned int keyval, unsigned int keycode, unsigned int state) {
  return "forward " + std::to_string(keyval) + ' ' + std::to_string(keycode) + ' ' +
         std::to_string(state);
}

std::string TableLine(const std::vector<std::string>& words, int selected) {
  std::string line = "table " + std::to_string(selected);
  for (const std::string& word : words) line += ' ' + EncodeText(word);
  return line;
}

std::string HeadingLine(std::string_view text) {
  return text.empty() ? "heading" : "heading " + EncodeText(text);
}

std::string HideLine() { return "hide"; }
std::string LaterLine() { return "later"; }
std::string OverLine() { return "over"; }

std::string DoneLine(unsigned long sequence, bool withheld) {
  return "done " + std::to_string(sequence) + (withheld ? " 1" : " 0");
}

std::optional<ProgramMessage> ParseProgramLine(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  ProgramMessage message;
  if (fields[0] == "commit" && fields.size() == 2) {
    auto text = DecodeText(fields[1]);
    if (!text) return std::nullopt;
    message.kind = ProgramMessage::Kind::kCommit;
    message.text = std::move(*text);
    return message;
  }
  if (fields[0] == "forward" && fields.size() == 4) {
    const auto keyval = ParseNumber<unsigned int>(fields[1]);
    const auto keycode = ParseNumber<unsigned int>(fields[2]);
    const auto state = ParseNumber<unsigned int>(fields[3]);
    if (!keyval || !keycode || !state) return std::nullopt;
    message.kind = ProgramMessage::Kind::kForward;
    message.keyval = *keyval;
    message.keycode = *keycode;
    message.state = *state;
    return message;
  }
  if (fields[0] == "table" && fields.size() >= 2) {
    const auto selected = ParseNumber<int>(fields[1]);
    if (!selected) return std::nullopt;
    message.kind = ProgramMessage::Kind::kTable;
    message.selected = *selected;
    for (std::size_t i = 2; i < fields.size(); ++i) {
      auto word = DecodeText(fields[i]);
      if (!word) return std::nullopt;
      message.words.push_back(std::move(*word));
    }
    return message;
  }
  if (fields[0] == "heading" && fields.size() <= 2) {
    auto text = fields.size() == 2 ? DecodeText(fields[1]) : std::optional<std::string>("");
    if (!text) return std::nullopt;
    message.kind = ProgramMessage::Kind::kHeading;
    message.text = std::move(*text);
    return message;
  }
  if (fields.size() == 1) {
    if (fields[0] == "hide") message.kind = ProgramMessage::Kind::kHide;
    if (fields[0] == "later") message.kind = ProgramMessage::Kind::kLater;
    if (fields[0] == "over") message.kind = ProgramMessage::Kind::kOver;
    if (fields[0] == "hide" || fields[0] == "later" || fields[0] == "over") return message;
  }
  if (fields[0] == "done" && fields.size() == 3) {
    const auto sequence = ParseNumber<unsigned long>(fields[1]);
    const auto withheld = ParseFlag(fields[2]);
    if (!sequence || !withheld) return std::nullopt;
    message.kind = ProgramMessage::Kind::kDone;
    message.sequence = *sequence;
    message.withheld = *withheld;
    return message;
  }
  return std::nullopt;
}

}  // namespace keyloom
