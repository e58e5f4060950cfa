#include "shell/win32/registry_settings_store.h"

#include "shell/win32/win32_api.h"

#include "platform/win32/wide_text.h"

namespace keyloom {

std::wstring RegistrySettingsStore::KeyPath(std::string_view section) const {
  return Utf8ToWide(root_) + L"\\" + Utf8ToWide(section);
}

std::optional<std::string> RegistrySettingsStore::Read(std::string_view section,
                                                       std::string_view name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring value_name = Utf8ToWide(name);
  std::optional<std::string> result;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &size) == ERROR_SUCCESS) {
      // A stored string need not end with its zero.
      value.resize(size / sizeof(wchar_t));
      while (!value.empty() && value.back() == L'\0') value.pop_back();
      result = WideToUtf8(value);
    }
  }
  RegCloseKey(key);
  return result;
}

bool RegistrySettingsStore::Write(std::string_view section, std::string_view name,
                                  std::string_view value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring text = Utf8ToWide(value);
  const bool written =
      RegSetValueExW(key, Utf8ToWide(name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}

}  // namespace keyloom
