#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// The per-user settings store of the application "Keyloom", shared by both programs: text
// values by section and value name.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // nullopt when the value does not exist; reading never creates it.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view name) = 0;
  // Creates the section and value when needed. False when the store refuses the write.
  virtual bool Write(std::string_view section, std::string_view name, std::string_view value) = 0;
};

}  // namespace keyloom
