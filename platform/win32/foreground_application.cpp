#include "platform/win32/foreground_application.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

std::string ProgramFileName(DWORD process_id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool named = QueryFullProcessImageNameW(process, 0, path, &size) != FALSE;
  CloseHandle(process);
  if (!named) return {};
  const std::wstring_view full(path, size);
  const std::size_t slash = full.find_last_of(L"\\/");
  return WideToUtf8(slash == std::wstring_view::npos ? full : full.substr(slash + 1));
}

}  // namespace

std::string_view ForegroundApplication() {
  // The hook runs on one thread only.
  static HWND last_window = nullptr;
  static DWORD last_process = 0;
  static std::string name;
  const HWND foreground = GetForegroundWindow();
  DWORD process_id = 0;
  if (foreground != nullptr) GetWindowThreadProcessId(foreground, &process_id);
  if (foreground != last_window || process_id != last_process) {
    last_window = foreground;
    last_process = process_id;
    name = process_id != 0 ? ProgramFileName(process_id) : std::string();
  }
  return name;
}

}  // namespace keyloom
