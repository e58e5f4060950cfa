#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace keyloom {

// An in-memory clipboard that holds text or nothing.
class FakeClipboard final : public Clipboard {
 public:
  std::optional<std::string> GetText() override;
  bool SetText(std::string_view text) override;
  bool ShiftInsertPastesIt() const override { return shift_insert_pastes_; }

  // Test setup: what the clipboard holds (nullopt: no text), not recorded in the history.
  void set_content(std::optional<std::string> content) { content_ = std::move(content); }
  const std::optional<std::string>& content() const { return content_; }
  // While refusing, the clipboard cannot be opened: GetText gives nullopt, SetText false.
  void set_refuse_open(bool refuse) { refuse_open_ = refuse; }
  void set_shift_insert_pastes(bool pastes) { shift_insert_pastes_ = pastes; }
  // The text of every SetText call that succeeded, in order.
  const std::vector<std::string>& history() const { return history_; }

 private:
  std::optional<std::string> content_;
  bool refuse_open_ = false;
  bool shift_insert_pastes_ = true;
  std::vector<std::string> history_;
};

}  // namespace keyloom
