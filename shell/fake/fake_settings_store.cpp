#include "shell/fake/fake_settings_store.h"

namespace keyloom {

std::optional<std::string> FakeSettingsStore::Read(std::string_view section,
                                                   std::string_view name) {
  return Value(section, name);
}

bool FakeSettingsStore::Write(std::string_view section, std::string_view name,
                              std::string_view value) {
  if (refuse_writes_) return false;
  Set(section, name, value);
  writes_.push_back({std::string(section), std::string(name), std::string(value)});
  return true;
}

void FakeSettingsStore::Set(std::string_view section, std::string_view name,
                            std::string_view value) {
  values_[Key(section, name)] = std::string(value);
}

std::optional<std::string> FakeSettingsStore::Value(std::string_view section,
                                                    std::string_view name) const {
  const auto it = values_.find(Key(section, name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace keyloom
