// Keyloom on Linux.
#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "linux_entry/linux_entry.h"
#include "shell/login_start.h"

int main(int argc, char** argv) {
  const bool in_tray = keyloom::AsksToStartInTray(argc > 1 ? argv[1] : "");
  return keyloom::RunLinuxProgram(
      "Keyloom", argv[0], [in_tray](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::KeyloomApp keyloom(shell, platform, keyloom::KeyloomWindowDesign(),
                                    keyloom::KeyloomPopupDesign());
        keyloom.Start(in_tray);
        return shell.Run();
      });
}
