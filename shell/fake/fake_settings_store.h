#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/settings_store.h"

namespace keyloom {

// A settings store in memory, keyed by (section, name) exactly as written.
class FakeSettingsStore final : public SettingsStore {
 public:
  struct WriteRecord {
    std::string section;
    std::string name;
    std::string value;
    friend bool operator==(const WriteRecord&, const WriteRecord&) = default;
  };

  std::optional<std::string> Read(std::string_view section, std::string_view name) override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;

  // Test setup, not recorded as a write.
  void Set(std::string_view section, std::string_view name, std::string_view value);
  std::optional<std::string> Value(std::string_view section, std::string_view name) const;
  // While refusing, writes fail and change nothing.
  void set_refuse_writes(bool refuse) { refuse_writes_ = refuse; }
  // The writes that succeeded, in order.
  const std::vector<WriteRecord>& writes() const { return writes_; }

 private:
  using Key = std::pair<std::string, std::string>;
  std::map<Key, std::string> values_;
  bool refuse_writes_ = false;
  std::vector<WriteRecord> writes_;
};

}  // namespace keyloom
