#include "platform/ibus/ibus_platform.h"
#include "platform/linux/runtime_keys_lock.h"

#include <ibus.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/ibus/engine_link.h"
#include "platform/ibus/ibus_keyboard_hook.h"
#include "platform/ibus/ibus_output.h"
#include "platform/ibus/line_channel.h"
#include "platform/linux/linux_app_folders.h"
#include "platform/linux/linux_files.h"
#include "platform/linux/qt_clock.h"
#include "platform/linux/qt_program_starter.h"

namespace keyloom {
namespace {

// Text goes out as commits, so the programs never borrow the clipboard: it reads as busy,
// and they type instead.
class UnusedClipboard final : public Clipboard {
 public:
  std::unique_ptr<ClipboardSnapshot> Save() override { return nullptr; }
  bool SetText(std::string_view /*text*/) override { return false; }
  bool Restore(const ClipboardSnapshot& /*snapshot*/) override { return true; }
  bool ShiftInsertPastesIt() const override { return false; }
};

// The candidates stand at the cursor in the input method's own list; no window is placed.
class NoCaretLocator final : public CaretLocator {
 public:
  std::optional<CaretPlace> Locate() override { return std::nullopt; }
};

class IbusPlatform final : public Platform {
 public:
  explicit IbusPlatform(std::string socket_path) : link_(std::move(socket_path)) {}
  KeyboardHook& hook() override { return hook_; }
  KeystrokeOutput& keystrokes() override { return keystrokes_; }
  Clipboard& clipboard() override { return clipboard_; }
  ProgramStarter& programs() override { return programs_; }
  const Clock& clock() override { return clock_; }
  FileSystem& files() override { return LinuxFileSystem(); }
  PrivateFiles& private_files() override { return LinuxPrivateFiles(); }
  CaretLocator& caret() override { return caret_; }
  KeysTaken& keys_taken() override { return keys_taken_; }
  const AnsiCodePage& code_page() override { return Windows1252(); }
  const AppFolders& folders() override { return folders_; }
  CandidateList* candidate_list() override { return &candidates_; }
  // IBus starts the engine once the user's input source is Keyloom's.
  bool InputSourceChosen() const override { return link_.Connected(); }

 private:
  EngineLink link_;
  IbusKeyboardHook hook_{link_};
  IbusKeystrokeOutput keystrokes_{link_};
  IbusCandidateList candidates_{link_};
  UnusedClipboard clipboard_;
  NoCaretLocator caret_;
  RuntimeKeysLock keys_taken_{RuntimeKeysLockPath()};
  QtProgramStarter programs_;
  QtClock clock_;
  AppFolders folders_ = CurrentAppFolders();
};

}  // namespace

bool InputMethodRunning() {
  ibus_init();
  IBusBus* bus = ibus_bus_new();
  const bool running = ibus_bus_is_connected(bus);
  g_object_unref(bus);
  return running;
}

std::unique_ptr<Platform> CreateIbusPlatform(std::string& error) {
  std::optional<std::string> socket_path = EngineSocketPath();
  if (!socket_path) {
    error =
        "There is no folder that only you can enter where the Keyloom input method could be "
        "reached (XDG_RUNTIME_DIR is not set, and /tmp/keyloom-" +
        std::to_string(getuid()) + " is not yours alone).";
    return nullptr;
  }
  return std::make_unique<IbusPlatform>(std::move(*socket_path));
}

}  // namespace keyloom
