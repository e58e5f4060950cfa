#include "platform/fake/fake_clipboard.h"

namespace keyloom {

std::optional<std::string> FakeClipboard::GetText() {
  if (refuse_open_) return std::nullopt;
  return content_.value_or(std::string());
}

bool FakeClipboard::SetText(std::string_view text) {
  if (refuse_open_) return false;
  content_ = std::string(text);
  history_.emplace_back(text);
  return true;
}

}  // namespace keyloom
