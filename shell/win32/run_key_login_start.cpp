#include "shell/win32/run_key_login_start.h"

#include <string>

#include "shell/win32/win32_api.h"

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring ProgramFile() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path;
}

}  // namespace

bool RunKeyLoginStart::IsOn(std::string_view program) const {
  return RegGetValueW(HKEY_CURRENT_USER, kRunKey, Utf8ToWide(program).c_str(), RRF_RT_REG_SZ,
                      nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RunKeyLoginStart::Set(std::string_view program, bool on) {
  const std::wstring name = Utf8ToWide(program);
  if (!on) {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }
  const std::wstring file = ProgramFile();
  if (file.empty()) return false;
  const std::wstring command = L"\"" + file + L"\" " + Utf8ToWide(kInTrayArgument);
  return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name.c_str(), REG_SZ, command.c_str(),
                         static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) ==
         ERROR_SUCCESS;
}

}  // namespace keyloom
