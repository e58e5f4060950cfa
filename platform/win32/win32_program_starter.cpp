#include "platform/win32/win32_program_starter.h"

#include <windows.h>

#include <string>

#include "platform/text.h"
#include "platform/win32/program_path.h"
#include "platform/win32/wide_text.h"

namespace keyloom {

bool Win32ProgramStarter::Start(std::string_view command_line) {
  const std::string_view trimmed = TrimSpaces(command_line);
  if (trimmed.empty()) return false;
  // Started by its full path: CreateProcessW would otherwise guess at spaces and look in the
  // current folder first.
  const std::optional<ResolvedCommand> command = ResolveCommand(Utf8ToWide(trimmed));
  if (!command) return false;
  // CreateProcessW may write into the command line, whose first item is the program again.
  std::wstring line = L"\"" + command->program + L"\"";
  if (!command->arguments.empty()) line += L" " + command->arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(command->program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // The new program's window may take the focus from the window the user was typing in.
  AllowSetForegroundWindow(process.dwProcessId);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace keyloom
