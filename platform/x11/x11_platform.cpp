#include "platform/x11/x11_platform.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>

#include "platform/linux/linux_app_folders.h"
#include "platform/linux/linux_files.h"
#include "platform/linux/qt_clock.h"
#include "platform/linux/qt_program_starter.h"
#include "platform/linux/runtime_keys_lock.h"
#include "platform/x11/atspi_focus_watch.h"
#include "platform/x11/qt_own_clipboard.h"
#include "platform/x11/x11_caret_locator.h"
#include "platform/x11/x11_clipboard.h"
#include "platform/x11/x11_errors.h"
#include "platform/x11/x11_keyboard_hook.h"
#include "platform/x11/x11_keystroke_output.h"

namespace keyloom {
namespace {

std::string DisplayName() {
  const char* name = std::getenv("DISPLAY");
  return name != nullptr ? name : "";
}

// Empty when the server has every extension the hook and the output need; else the reason.
std::string MissingExtension(Display* display, int& xi_opcode) {
  int event_base = 0, error_base = 0;
  if (!XQueryExtension(display, "XInputExtension", &xi_opcode, &event_base, &error_base)) {
    return "The X server has no XInput extension, which watching the keyboard needs.";
  }
  int major = 2, minor = 2;
  if (XIQueryVersion(display, &major, &minor) != Success || major < 2 ||
      (major == 2 && minor < 1)) {
    return "The X server's XInput extension is older than version 2.1, which watching the "
           "keyboard needs.";
  }
  int xtest_major = 0, xtest_minor = 0;
  if (!XTestQueryExtension(display, &event_base, &error_base, &xtest_major, &xtest_minor)) {
    return "The X server has no XTEST extension, which typing the phrases needs.";
  }
  int opcode = 0, xkb_major = XkbMajorVersion, xkb_minor = XkbMinorVersion;
  if (!XkbQueryExtension(display, &opcode, &event_base, &error_base, &xkb_major, &xkb_minor)) {
    return "The X server has no XKEYBOARD extension, which reading the keyboard map needs.";
  }
  return "";
}

}  // namespace

class X11Platform final : public Platform {
 public:
  static std::unique_ptr<X11Platform> Create(std::string& error);

  KeyboardHook& hook() override { return *hook_; }
  KeystrokeOutput& keystrokes() override { return *keystrokes_; }
  Clipboard& clipboard() override { return *clipboard_; }
  ProgramStarter& programs() override { return programs_; }
  const Clock& clock() override { return clock_; }
  FileSystem& files() override;
  PrivateFiles& private_files() override { return LinuxPrivateFiles(); }
  CaretLocator& caret() override { return caret_; }
  KeysTaken& keys_taken() override { return keys_taken_; }
  const AnsiCodePage& code_page() override;
  const AppFolders& folders() override { return folders_; }
  bool DetectsPasswordFields() const override { return focus_watch_ != nullptr; }

 private:
  X11Platform(X11DisplayPtr hook_display, X11DisplayPtr output_display,
              X11DisplayPtr clipboard_display, int xi_opcode);

  // Declared first: the connections outlive the parts that use them.
  X11DisplayPtr hook_display_;
  X11DisplayPtr output_display_;
  X11DisplayPtr clipboard_display_;
  OwnKeyPresses own_presses_;
  HeldPresses held_presses_;
  KeyInDecision decision_;
  std::unique_ptr<AtspiFocusWatch> focus_watch_ = AtspiFocusWatch::Start();
  X11CaretLocator caret_{focus_watch_.get()};
  RuntimeKeysLock keys_taken_{RuntimeKeysLockPath()};
  std::unique_ptr<X11KeyboardHook> hook_;
  std::unique_ptr<X11Clipboard> clipboard_;
  std::unique_ptr<X11KeystrokeOutput> keystrokes_;
  QtProgramStarter programs_;
  QtClock clock_;
  AppFolders folders_;
};

bool CanOpenX11Display() { return OpenX11Display() != nullptr; }

std::unique_ptr<X11Platform> X11Platform::Create(std::string& error) {
  X11DisplayPtr hook_display = OpenX11Display();
  X11DisplayPtr output_display = hook_display ? OpenX11Display() : nullptr;
  X11DisplayPtr clipboard_display = output_display ? OpenX11Display() : nullptr;
  if (!clipboard_display) {
    const std::string name = DisplayName();
    error = name.empty() ? "There is no X11 display (DISPLAY is not set). Keyloom's programs "
                           "need an X11 session; on Wayland they run through Xwayland."
                         : "The X11 display \"" + name + "\" cannot be opened.";
    return nullptr;
  }
  int xi_opcode = 0;
  error = MissingExtension(hook_display.get(), xi_opcode);
  if (!error.empty()) return nullptr;
  return std::unique_ptr<X11Platform>(new X11Platform(
      std::move(hook_display), std::move(output_display), std::move(clipboard_display), xi_opcode));
}

X11Platform::X11Platform(X11DisplayPtr hook_display, X11DisplayPtr output_display,
                         X11DisplayPtr clipboard_display, int xi_opcode)
    : hook_display_(std::move(hook_display)),
      output_display_(std::move(output_display)),
      clipboard_display_(std::move(clipboard_display)),
      decision_(hook_display_.get(), xi_opcode, own_presses_),
      hook_(std::make_unique<X11KeyboardHook>(hook_display_.get(), xi_opcode, own_presses_,
                                              held_presses_, decision_, focus_watch_.get(),
                                              &keys_taken_)),
      clipboard_(std::make_unique<X11Clipboard>(clipboard_display_.get(), OwnWindowsClipboardText)),
      keystrokes_(std::make_unique<X11KeystrokeOutput>(output_display_.get(), own_presses_,
                                                       held_presses_, decision_,
                                                       [this] { clipboard_->AwaitPasteFetch(); })),
      folders_(CurrentAppFolders()) {}

FileSystem& X11Platform::files() { return LinuxFileSystem(); }

const AnsiCodePage& X11Platform::code_page() { return Windows1252(); }

std::unique_ptr<Platform> CreateX11Platform(std::string& error) {
  return X11Platform::Create(error);
}

}  // namespace keyloom
