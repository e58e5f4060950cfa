// Keyloom on Windows.
#include "shell/win32/win32_api.h"

#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "shell/win32/win32_program.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
  return keyloom::RunWin32Program(
      "Keyloom", [](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::KeyloomApp keyloom_app(shell, platform, keyloom::KeyloomWindowDesign(),
                                        keyloom::KeyloomPopupDesign());
        keyloom_app.Start();
        return shell.Run();
      });
}
