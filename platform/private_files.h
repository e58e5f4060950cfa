#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// Files in the user's profile that no one but the user can read: owner-only on Linux, sealed
// with the user's own key (DPAPI) on Windows. Paths are UTF-8.
class PrivateFiles {
 public:
  virtual ~PrivateFiles() = default;
  // nullopt when the file is missing, cannot be read or cannot be unsealed.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Whether there is surely no file at `path`: false also when that cannot be told (a folder
  // that cannot be entered).
  virtual bool Missing(const std::string& path) = 0;
  // Replaces the file atomically; false when any step fails, the old file then left whole.
  virtual bool Replace(const std::string& path, std::string_view content) = 0;
  // True when the file is gone, also when there was none.
  virtual bool Remove(const std::string& path) = 0;
};

// Owner-only files through the C++ standard library; where the system has no owner permissions
// (Windows) the backend seals the content instead.
PrivateFiles& OwnerOnlyFiles();

}  // namespace keyloom
