#include "platform/linux/linux_app_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace keyloom {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

AppFolders LinuxAppFolders(const std::string& program_file, const std::string& xdg_data_home,
                           const std::string& home) {
  const fs::path program = fs::path(program_file).parent_path();
  // Relative values of XDG variables are to be ignored.
  const fs::path data_home = fs::path(xdg_data_home).is_absolute()
                                 ? fs::path(xdg_data_home)
                                 : fs::path(home) / ".local" / "share";
  return {program.string(), (program / ".." / "share" / "keyloom").lexically_normal().string(),
          (data_home / "Keyloom").string(), program.filename() == "bin"};
}

AppFolders CurrentAppFolders() {
  std::error_code error;
  const fs::path program_file = fs::read_symlink("/proc/self/exe", error);
  return LinuxAppFolders(program_file.string(), Environment("XDG_DATA_HOME"), Environment("HOME"));
}

}  // namespace keyloom
