#include "phrases/boost_option.h"

#include <optional>

#include "phrases/quipcast_controls.h"
#include "shell/numbers.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

// The range of the check box's value type.
constexpr long long kMinCheckValue = -32768;
constexpr long long kMaxCheckValue = 32767;

}  // namespace

void LoadBoostOption(SettingsStore& settings, Window& window) {
  const std::string stored = ReadSetting(settings, kOptionsSection, kBoostSetting, "1");
  const std::optional<long long> value =
      ParseRoundedInteger(stored, kMinCheckValue, kMaxCheckValue);
  if (value) window.SetChecked(kBoostCheck, *value == 1);
}

void ApplyBoostOption(Window& window, Timer& quiet_timer, SettingsStore& settings) {
  const bool boost_on = window.Checked(kBoostCheck);
  quiet_timer.SetInterval(boost_on ? kQuietMsBoostOn : kQuietMsBoostOff);
  WriteSetting(settings, kOptionsSection, kBoostSetting, boost_on ? "1" : "0");
}

}  // namespace keyloom
