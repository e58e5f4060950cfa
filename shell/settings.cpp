#include "shell/settings.h"

namespace keyloom {

std::string ReadSetting(SettingsStore& store, std::string_view section, std::string_view name,
                        std::string_view default_value) {
  return store.Read(section, name).value_or(std::string(default_value));
}

bool WriteSetting(SettingsStore& store, std::string_view section, std::string_view name,
                  std::string_view value) {
  return store.Write(section, name, value);
}

}  // namespace keyloom
