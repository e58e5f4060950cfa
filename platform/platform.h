#pragma once

#include <memory>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/candidate_list.h"
#include "platform/caret_locator.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/keyboard_hook.h"
#include "platform/keys_taken.h"
#include "platform/keystroke_output.h"
#include "platform/private_files.h"
#include "platform/program_starter.h"

namespace keyloom {

// Where a program finds and keeps its files.
struct AppFolders {
  std::string program;         // the folder of the program file
  std::string installed_data;  // read-only data of an installed program (may be empty)
  std::string user_data;       // %APPDATA%\Keyloom, $XDG_DATA_HOME/Keyloom
  // Run from an install (a prefix's bin folder, the installer's folder), whose folder is no
  // place for the user's files even where it can be written.
  bool installed = false;
};

// The keyboard side of one backend.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual KeyboardHook& hook() = 0;
  virtual KeystrokeOutput& keystrokes() = 0;
  virtual Clipboard& clipboard() = 0;
  virtual ProgramStarter& programs() = 0;
  virtual const Clock& clock() = 0;
  virtual FileSystem& files() = 0;
  virtual PrivateFiles& private_files() = 0;
  virtual CaretLocator& caret() = 0;
  virtual KeysTaken& keys_taken() = 0;
  virtual const AnsiCodePage& code_page() = 0;
  virtual const AppFolders& folders() = 0;
  // Whether the backend can tell password fields in this session (on X11 it needs the
  // accessibility bus).
  virtual bool DetectsPasswordFields() const { return true; }
  // Where candidates show when the backend has a list of its own (the input method's, at the
  // text cursor); null when the program's pop-up shows them.
  virtual CandidateList* candidate_list() { return nullptr; }
  // Whether keys reach the program: not while the user has not yet picked the program's input
  // source, through which the input method's engine sends them.
  virtual bool InputSourceChosen() const { return true; }
};

}  // namespace keyloom

namespace keyloom {

// Defined once per backend that is the only one of its target (platform/win32, platform/fake);
// CMake links the one that fits the target. On Linux the programs' entry chooses at run time
// between CreateX11Platform and CreateIbusPlatform, made in the same style. Returns nullptr and
// says why in `error` when the backend cannot run.
std::unique_ptr<Platform> CreatePlatform(std::string& error);

}  // namespace keyloom
