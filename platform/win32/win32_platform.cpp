// The Win32 backend's factory: every platform service of the programs on Windows.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/accessible_focus_watch.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/dpapi_files.h"
#include "platform/win32/keyboard_state.h"
#include "platform/win32/system_code_page.h"
#include "platform/win32/win32_caret_locator.h"
#include "platform/win32/win32_keys_taken.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_keyboard_hook.h"
#include "platform/win32/win32_keystroke_output.h"
#include "platform/win32/win32_program_starter.h"

namespace keyloom {
namespace {

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(InjectionTags tags)
      : hook_(keyboard_, tags, password_watch_),
        keystrokes_(keyboard_, tags),
        folders_(Win32AppFolders()) {}

  KeyboardHook& hook() override { return hook_; }
  KeystrokeOutput& keystrokes() override { return keystrokes_; }
  Clipboard& clipboard() override { return clipboard_; }
  ProgramStarter& programs() override { return programs_; }
  const Clock& clock() override { return clock_; }
  FileSystem& files() override { return StandardFileSystem(); }
  PrivateFiles& private_files() override { return DpapiFiles(); }
  CaretLocator& caret() override { return caret_; }
  KeysTaken& keys_taken() override { return keys_taken_; }
  const AnsiCodePage& code_page() override { return SystemAnsiCodePage(); }
  const AppFolders& folders() override { return folders_; }

 private:
  // Declared first: COM outlives every part that asks other programs.
  ComApartment com_;
  AccessibleFocusWatch password_watch_;
  KeyboardState keyboard_;
  Win32KeyboardHook hook_;
  Win32KeystrokeOutput keystrokes_;
  Win32Clipboard clipboard_;
  Win32ProgramStarter programs_;
  Win32Clock clock_;
  Win32CaretLocator caret_;
  Win32KeysTaken keys_taken_;
  AppFolders folders_;
};

}  // namespace

std::unique_ptr<Platform> CreatePlatform(std::string& /*error*/) {
  return std::make_unique<Win32Platform>(InjectionTags::ForProcess(GetCurrentProcessId()));
}

}  // namespace keyloom
