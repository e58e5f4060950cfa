// Keyloom on Windows.
#include "shell/win32/win32_api.h"

#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "platform/win32/wide_text.h"
#include "shell/login_start.h"
#include "shell/win32/win32_program.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR command_line,
                    int /*show*/) {
  const bool in_tray = keyloom::AsksToStartInTray(keyloom::WideToUtf8(command_line));
  return keyloom::RunWin32Program(
      "Keyloom", [in_tray](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::KeyloomApp keyloom_app(shell, platform, keyloom::KeyloomWindowDesign(),
                                        keyloom::KeyloomPopupDesign());
        keyloom_app.Start(in_tray);
        return shell.Run();
      });
}
