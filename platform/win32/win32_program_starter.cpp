#include "platform/win32/win32_program_starter.h"

#include <windows.h>

#include <string>

#include "platform/text.h"
#include "platform/win32/wide_text.h"

namespace keyloom {

bool Win32ProgramStarter::Start(std::string_view command_line) {
  const std::string_view trimmed = TrimSpaces(command_line);
  if (trimmed.empty()) return false;
  // CreateProcessW may write into the command line.
  std::wstring line = Utf8ToWide(trimmed);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  // The new program's window may take the focus from the window the user was typing in.
  AllowSetForegroundWindow(process.dwProcessId);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace keyloom
