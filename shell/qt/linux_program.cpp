#include "shell/qt/linux_program.h"

#include <QApplication>
#include <QByteArray>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/frontend_choice.h"
#include "platform/ibus/ibus_platform.h"
#include "platform/x11/x11_platform.h"
#include "shell/candidate_list_shell.h"
#include "shell/qt/input_source_notice.h"
#include "shell/qt/qt_settings_store.h"
#include "shell/qt/quit_on_signals.h"
#include "shell/qt/startup_error.h"

namespace keyloom {
namespace {

bool EnvironmentHas(const char* name, std::string_view value = {}) {
  const char* set = std::getenv(name);
  if (set == nullptr || *set == '\0') return false;
  return value.empty() || value == set;
}

FrontendSituation CurrentSituation() {
  FrontendSituation situation;
  situation.wayland_session =
      EnvironmentHas("XDG_SESSION_TYPE", "wayland") || EnvironmentHas("WAYLAND_DISPLAY");
  situation.x11_display = CanOpenX11Display();
  QtSettingsStore settings(DefaultSettingsPath());
  situation.input_method_chosen = settings.Read("Options", "UseInputMethod") == "1";
  if (situation.wayland_session || situation.input_method_chosen || !situation.x11_display) {
    situation.input_method_running = InputMethodRunning();
  }
  return situation;
}

}  // namespace

int RunLinuxProgram(std::string_view program_name, char* argv0, const ProgramBody& body) {
  const FrontendSituation situation = CurrentSituation();
  const Frontend frontend = ChooseFrontend(situation);
  std::unique_ptr<Platform> platform;
  IbusPlatform* input_method = nullptr;
  if (frontend == Frontend::kInputMethod) {
    std::string error;
    std::unique_ptr<IbusPlatform> ibus = IbusPlatform::Create(error);
    if (!ibus) {
      ShowStartupError(program_name, error, true);
      return 1;
    }
    input_method = ibus.get();
    platform = std::move(ibus);
  } else if (frontend == Frontend::kX11) {
    std::string error;
    platform = CreatePlatform(error);
    if (!platform) {
      ShowStartupError(program_name, error, true);
      return 1;
    }
    // The keyboard is watched on X11, so the windows must be X11 windows too.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  } else {
    ShowStartupError(program_name, NoFrontendReason(situation, program_name),
                     situation.wayland_session || situation.x11_display);
    return 1;
  }
  int qt_argc = 1;
  char* qt_argv[] = {argv0, nullptr};
  QApplication app(qt_argc, qt_argv);
  const QuitOnSignals quit_on_signals;
  int exit_code = 1;
  std::string error;
  if (std::unique_ptr<Shell> shell = CreateShell(error)) {
    std::unique_ptr<InputSourceNotice> notice;
    if (input_method != nullptr) {
      shell = std::make_unique<CandidateListShell>(std::move(shell), input_method->candidates());
      notice = std::make_unique<InputSourceNotice>(
          program_name, [input_method] { return input_method->EngineReached(); });
    }
    exit_code = body(*shell, *platform);
  } else {
    ShowStartupError(program_name, error, true);
  }
  // The platform's Qt parts go before the application object.
  platform.reset();
  return exit_code;
}

}  // namespace keyloom
