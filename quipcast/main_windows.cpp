// Quipcast on Windows.
#include "shell/win32/win32_api.h"

#include "phrases/quipcast_app.h"
#include "platform/win32/wide_text.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/app_texts.h"
#include "shell/login_start.h"
#include "shell/win32/win32_program.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR command_line,
                    int /*show*/) {
  const bool in_tray = keyloom::AsksToStartInTray(keyloom::WideToUtf8(command_line));
  return keyloom::RunWin32Program("Quipcast", [in_tray](keyloom::Shell& shell,
                                                        keyloom::Platform& platform) {
    keyloom::QuipcastApp quipcast(shell, platform, keyloom::QuipcastWindowDesign());
    if (!quipcast.Start(in_tray)) {
      shell.dialogs().ShowMessage("Quipcast could not start: the keyboard could not be watched.",
                                  keyloom::kApplicationTitle);
      return 1;
    }
    return shell.Run();
  });
}
