// Quipcast on Linux.
#include "phrases/quipcast_app.h"
#include "quipcast/quipcast_window_design.h"
#include "linux_entry/linux_entry.h"
#include "shell/qt/startup_error.h"

int main(int /*argc*/, char** argv) {
  return keyloom::RunLinuxProgram(
      "Quipcast", argv[0], [](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::QuipcastApp quipcast(shell, platform, keyloom::QuipcastWindowDesign());
        if (!quipcast.Start()) {
          keyloom::ShowStartupError("Quipcast", "The keyboard could not be watched.", true);
          return 1;
        }
        return shell.Run();
      });
}
