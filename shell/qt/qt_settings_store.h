#pragma once

#include <memory>
#include <string>

#include "shell/settings_store.h"

class QSettings;

namespace keyloom {

// The settings store as an INI file through QSettings: sections are INI sections, values are
// text. Both programs share the file, so it is read afresh before each read and written out
// after each write.
class QtSettingsStore final : public SettingsStore {
 public:
  explicit QtSettingsStore(const std::string& path);
  ~QtSettingsStore() override;

  std::optional<std::string> Read(std::string_view section, std::string_view name) override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

// $XDG_CONFIG_HOME/Keyloom/Keyloom.conf, with ~/.config as the default config home.
std::string DefaultSettingsPath();

}  // namespace keyloom
