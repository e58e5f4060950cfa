// Keyloom on Linux.
#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "linux_entry/linux_entry.h"

int main(int /*argc*/, char** argv) {
  return keyloom::RunLinuxProgram(
      "Keyloom", argv[0], [](keyloom::Shell& shell, keyloom::Platform& platform) {
        keyloom::KeyloomApp keyloom(shell, platform, keyloom::KeyloomWindowDesign(),
                                    keyloom::KeyloomPopupDesign());
        keyloom.Start();
        return shell.Run();
      });
}
