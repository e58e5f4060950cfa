#include "platform/fake/fake_clipboard.h"

#include <algorithm>

namespace keyloom {
namespace {

class FakeSnapshot final : public ClipboardSnapshot {
 public:
  explicit FakeSnapshot(std::vector<FakeClipboard::Format> formats)
      : formats_(std::move(formats)) {}
  bool Empty() const override { return formats_.empty(); }
  const std::vector<FakeClipboard::Format>& formats() const { return formats_; }

 private:
  std::vector<FakeClipboard::Format> formats_;
};

}  // namespace

std::unique_ptr<ClipboardSnapshot> FakeClipboard::Save() {
  if (refuse_open_) return nullptr;
  return std::make_unique<FakeSnapshot>(formats_);
}

bool FakeClipboard::SetText(std::string_view text) {
  if (refuse_open_) return false;
  formats_ = {{std::string(kText), std::string(text)}};
  transient_ = true;
  history_.emplace_back(text);
  return true;
}

bool FakeClipboard::Restore(const ClipboardSnapshot& snapshot) {
  if (refuse_open_) return false;
  formats_ = static_cast<const FakeSnapshot&>(snapshot).formats();
  transient_ = false;
  return true;
}

void FakeClipboard::set_content(std::optional<std::string> text) {
  formats_.clear();
  if (text) formats_.push_back({std::string(kText), std::move(*text)});
}

std::optional<std::string> FakeClipboard::content() const {
  const auto text = std::find_if(formats_.begin(), formats_.end(),
                                 [](const Format& format) { return format.name == kText; });
  if (text == formats_.end()) return std::nullopt;
  return text->data;
}

}  // namespace keyloom
