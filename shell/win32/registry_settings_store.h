#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "shell/settings_store.h"

namespace keyloom {

// Settings as string values under HKEY_CURRENT_USER\<root>\<section>.
class RegistrySettingsStore final : public SettingsStore {
 public:
  static constexpr std::string_view kApplicationRoot = "Software\\Keyloom";

  explicit RegistrySettingsStore(std::string root = std::string(kApplicationRoot))
      : root_(std::move(root)) {}

  std::optional<std::string> Read(std::string_view section, std::string_view name) override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;

 private:
  std::wstring KeyPath(std::string_view section) const;

  std::string root_;
};

}  // namespace keyloom
