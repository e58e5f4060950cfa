// Quipcast on Windows.
#include "shell/win32/win32_api.h"

#include "phrases/quipcast_app.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/app_texts.h"
#include "shell/win32/win32_program.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
  return keyloom::RunWin32Program("Quipcast", [](keyloom::Shell& shell,
                                                 keyloom::Platform& platform) {
    keyloom::QuipcastApp quipcast(shell, platform, keyloom::QuipcastWindowDesign());
    if (!quipcast.Start()) {
      shell.dialogs().ShowMessage("Quipcast could not start: the keyboard could not be watched.",
                                  keyloom::kApplicationTitle);
      return 1;
    }
    return shell.Run();
  });
}
