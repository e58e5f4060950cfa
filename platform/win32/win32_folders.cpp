#include "platform/win32/win32_folders.h"

#include <windows.h>
// Needs windows.h first.
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "platform/file_system.h"
#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

std::wstring ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string FolderOf(const std::wstring& file) {
  const std::size_t slash = file.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::string() : WideToUtf8(file.substr(0, slash));
}

std::string RoamingAppData() {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path))) {
    folder = WideToUtf8(path);
  }
  CoTaskMemFree(path);
  return folder;
}

}  // namespace

AppFolders Win32AppFolders() {
  AppFolders folders;
  folders.program = FolderOf(ProgramFile());
  const std::string app_data = RoamingAppData();
  // Without a profile folder the program's own folder is all there is.
  folders.user_data = app_data.empty() ? folders.program : JoinPath(app_data, "Keyloom");
  // The installer leaves its uninstaller beside the programs; a zip does not.
  folders.installed =
      !app_data.empty() &&
      GetFileAttributesW(Utf8ToWide(JoinPath(folders.program, "Uninstall.exe")).c_str()) !=
          INVALID_FILE_ATTRIBUTES;
  return folders;
}

}  // namespace keyloom
