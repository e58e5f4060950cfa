#pragma once

#include "platform/fake/fake_caret_locator.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard_hook.h"
#include "platform/fake/fake_keys_taken.h"
#include "platform/fake/fake_keystroke_output.h"
#include "platform/fake/fake_private_files.h"
#include "platform/fake/fake_program_starter.h"
#include "platform/platform.h"

namespace keyloom {

// Every fake of the platform layer in one place. The accessors return the fakes themselves so
// that tests can drive and inspect them; folders are program "/app", no installed data, user
// data "/home/user/.local/share/Keyloom", and the code page is Windows-1252.
class FakePlatform final : public Platform {
 public:
  FakePlatform();

  FakeKeyboardHook& hook() override { return hook_; }
  FakeKeystrokeOutput& keystrokes() override { return keystrokes_; }
  FakeClipboard& clipboard() override { return clipboard_; }
  FakeProgramStarter& programs() override { return programs_; }
  const FakeClock& clock() override { return clock_; }
  FakeFileSystem& files() override { return files_; }
  FakePrivateFiles& private_files() override { return private_files_; }
  FakeCaretLocator& caret() override { return caret_; }
  FakeKeysTaken& keys_taken() override { return keys_taken_; }
  const AnsiCodePage& code_page() override;
  const AppFolders& folders() override { return folders_; }
  bool DetectsPasswordFields() const override { return detects_password_fields_; }

  void set_detects_password_fields(bool detects) { detects_password_fields_ = detects; }
  FakeClock& mutable_clock() { return clock_; }
  AppFolders& mutable_folders() { return folders_; }

 private:
  FakeKeyboardHook hook_;
  FakeKeystrokeOutput keystrokes_;
  FakeClipboard clipboard_;
  FakeProgramStarter programs_;
  FakeClock clock_;
  FakeFileSystem files_;
  FakePrivateFiles private_files_{files_};
  FakeCaretLocator caret_;
  FakeKeysTaken keys_taken_;
  AppFolders folders_;
  bool detects_password_fields_ = true;
};

}  // namespace keyloom
