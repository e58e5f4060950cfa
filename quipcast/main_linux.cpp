// Quipcast on Linux.
#include "linux_entry/linux_entry.h"
#include "phrases/quipcast_app.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/login_start.h"
#include "shell/qt/startup_error.h"

int main(int argc, char** argv) {
  const bool in_tray = keyloom::AsksToStartInTray(argc > 1 ? argv[1] : "");
  return keyloom::RunLinuxProgram(
      "Quipcast", argv[0], [in_tray](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::QuipcastApp quipcast(shell, platform, keyloom::QuipcastWindowDesign());
        if (!quipcast.Start(in_tray)) {
          keyloom::ShowStartupError("Quipcast", "The keyboard could not be watched.", true);
          return 1;
        }
        return shell.Run();
      });
}
