#pragma once

#include <string>
#include <string_view>

#include "shell/settings_store.h"

namespace keyloom {

inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kFileSection = "File";
inline constexpr std::string_view kAutoImportSetting = "AutoImort";  // spelled so, without the p
inline constexpr std::string_view kBoostSetting = "Boost";
inline constexpr std::string_view kImportSetting = "Import";
inline constexpr std::string_view kSaveSetting = "Save";

// The stored text, or `default_value` when the value does not exist or the store fails.
std::string ReadSetting(SettingsStore& store, std::string_view section, std::string_view name,
                        std::string_view default_value);
// False when the store refused the write.
bool WriteSetting(SettingsStore& store, std::string_view section, std::string_view name,
                  std::string_view value);

}  // namespace keyloom
