#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/clipboard.h"

namespace keyloom {

// An in-memory clipboard of named formats.
class FakeClipboard final : public Clipboard {
 public:
  // The format that text goes in.
  static constexpr std::string_view kText = "text";

  struct Format {
    std::string name;
    std::string data;
    bool operator==(const Format&) const = default;
  };

  std::unique_ptr<ClipboardSnapshot> Save() override;
  bool SetText(std::string_view text) override;
  bool Restore(const ClipboardSnapshot& snapshot) override;
  bool ShiftInsertPastesIt() const override { return shift_insert_pastes_; }

  // Test setup: what the clipboard holds, not recorded in the history. set_content puts text
  // only (nullopt: nothing).
  void set_content(std::optional<std::string> text);
  void set_formats(std::vector<Format> formats) { formats_ = std::move(formats); }
  // The text format's data; nullopt when there is none.
  std::optional<std::string> content() const;
  const std::vector<Format>& formats() const { return formats_; }
  // Whether the content is the programs' own, marked as a moment's content.
  bool transient() const { return transient_; }
  // While refusing, the clipboard cannot be opened: Save gives nullptr, SetText and Restore false.
  void set_refuse_open(bool refuse) { refuse_open_ = refuse; }
  void set_shift_insert_pastes(bool pastes) { shift_insert_pastes_ = pastes; }
  // The text of every SetText call that succeeded, in order.
  const std::vector<std::string>& history() const { return history_; }
  void ClearHistory() { history_.clear(); }

 private:
  std::vector<Format> formats_;
  bool transient_ = false;
  bool refuse_open_ = false;
  bool shift_insert_pastes_ = true;
  std::vector<std::string> history_;
};

}  // namespace keyloom
