#include "shell/qt/qt_program.h"

#include <QApplication>
#include <memory>
#include <string>

#include "shell/candidate_list_shell.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/input_source_notice.h"
#include "shell/qt/quit_on_signals.h"
#include "shell/qt/startup_error.h"

namespace keyloom {

int RunQtProgram(std::string_view program_name, char* argv0, std::unique_ptr<Platform> platform,
                 const ProgramBody& body) {
  int qt_argc = 1;
  char* qt_argv[] = {argv0, nullptr};
  QApplication app(qt_argc, qt_argv);
  // The windows and the tray icon carry it.
  QApplication::setWindowIcon(AppIcon(program_name));
  const QuitOnSignals quit_on_signals;
  int exit_code = 1;
  std::string error;
  if (std::unique_ptr<Shell> shell = CreateShell(error)) {
    if (CandidateList* candidates = platform->candidate_list()) {
      shell = std::make_unique<CandidateListShell>(std::move(shell), *candidates);
    }
    // Asked a while after the start: a backend without an input source to choose says yes.
    const InputSourceNotice notice(program_name,
                                   [&platform] { return platform->InputSourceChosen(); });
    exit_code = body(*shell, *platform);
  } else {
    ShowStartupError(program_name, error, true);
  }
  // The platform's Qt parts go before the application object.
  platform.reset();
  return exit_code;
}

}  // namespace keyloom
