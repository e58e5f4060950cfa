#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/candidate_list.h"
#include "platform/ibus/engine_link.h"
#include "platform/keystroke_output.h"

namespace keyloom {

// Keystroke output through the engine: text is committed, named keys and chords forwarded.
class IbusKeystrokeOutput final : public KeystrokeOutput {
 public:
  explicit IbusKeystrokeOutput(EngineLink& link) : link_(link) {}
  bool Send(std::span<const KeyAction> actions) override;
  void SendsLater(bool later) override;

 private:
  EngineLink& link_;
};

// The candidates in the input method's own list at the text cursor.
class IbusCandidateList final : public CandidateList {
 public:
  explicit IbusCandidateList(EngineLink& link) : link_(link) {}
  void Show(const std::vector<std::string>& words, int selected) override;
  void SetHeading(std::string_view heading) override;
  void Hide() override;

 private:
  EngineLink& link_;
  std::string heading_;  // as the engine has it
};

}  // namespace keyloom
