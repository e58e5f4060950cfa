#include "shell/win32/win32_program.h"

#include <memory>
#include <string>

#include "platform/win32/wide_text.h"
#include "shell/app_texts.h"
#include "shell/win32/win32_api.h"

namespace keyloom {
namespace {

void ShowStartFailure(std::string_view program_name, const std::string& reason) {
  const std::string text = std::string(program_name) + " could not start: " + reason;
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(kApplicationTitle).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace

int RunWin32Program(std::string_view program_name,
                    const std::function<int(Shell&, Platform&)>& run) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  try {
    std::string error;
    std::unique_ptr<Platform> platform = CreatePlatform(error);
    if (!platform) {
      ShowStartFailure(program_name, error);
      return 1;
    }
    std::unique_ptr<Shell> shell = CreateShell(error);
    if (!shell) {
      ShowStartFailure(program_name, error);
      return 1;
    }
    return run(*shell, *platform);
  } catch (const std::exception& fault) {
    ShowStartFailure(program_name, fault.what());
  } catch (...) {
    ShowStartFailure(program_name, "unknown fault");
  }
  return 1;
}

}  // namespace keyloom
