#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_caret_locator.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_keyboard_hook.h"
#include "platform/fake/fake_keys_taken.h"
#include "platform/fake/fake_keystroke_output.h"
#include "platform/fake/fake_private_files.h"
#include "platform/platform.h"
#include "platform/program_starter.h"
#include "shell/fake/fake_shell.h"
#include "shell/fake/fake_window.h"

// What both soak tests share: the number of events, a seeded random source and the platform.
namespace keyloom {

// How many key events a soak test plays: KEYLOOM_SOAK_EVENTS when it is set, otherwise a
// million in optimised builds and fewer in others (see CMakeLists.txt).
std::size_t SoakEventCount();

class SoakRandom {
 public:
  explicit SoakRandom(std::uint32_t seed) : engine_(seed) {}
  // 0 to n - 1; n > 0.
  std::size_t Below(std::size_t n) { return engine_() % n; }
  bool Percent(std::size_t percent) { return Below(100) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& choices) {
    return choices[Below(choices.size())];
  }

 private:
  std::mt19937 engine_;
};

// A clipboard that keeps only its text: a million pastes leave no history behind. (The fakes of
// the platform layer record every call, which would grow with the events.)
class SoakClipboard final : public Clipboard {
 public:
  std::unique_ptr<ClipboardSnapshot> Save() override {
    if (refuse_open_) return nullptr;
    return std::make_unique<Snapshot>(content_);
  }
  bool SetText(std::string_view text) override {
    if (refuse_open_) return false;
    content_ = std::string(text);
    return true;
  }
  bool Restore(const ClipboardSnapshot& snapshot) override {
    if (refuse_open_) return false;
    content_ = static_cast<const Snapshot&>(snapshot).content;
    return true;
  }
  bool ShiftInsertPastesIt() const override { return true; }
  void set_content(std::string content) { content_ = std::move(content); }
  const std::optional<std::string>& content() const { return content_; }
  void set_refuse_open(bool refuse) { refuse_open_ = refuse; }

 private:
  struct Snapshot final : ClipboardSnapshot {
    explicit Snapshot(std::optional<std::string> text) : content(std::move(text)) {}
    bool Empty() const override { return !content; }
    std::optional<std::string> content;
  };
  std::optional<std::string> content_;
  bool refuse_open_ = false;
};

// A program starter that starts nothing and keeps no record of what it was asked to start.
class SoakProgramStarter final : public ProgramStarter {
 public:
  bool Start(std::string_view) override { return !fails_; }
  void set_fails(bool fails) { fails_ = fails; }

 private:
  bool fails_ = false;
};

// The platform fakes with the soak clipboard and program starter, folders as FakePlatform has
// them.
class SoakPlatform final : public Platform {
 public:
  FakeKeyboardHook& hook() override { return hook_; }
  FakeKeystrokeOutput& keystrokes() override { return keystrokes_; }
  SoakClipboard& clipboard() override { return clipboard_; }
  SoakProgramStarter& programs() override { return programs_; }
  const Clock& clock() override { return clock_; }
  FakeFileSystem& files() override { return files_; }
  FakePrivateFiles& private_files() override { return private_files_; }
  FakeCaretLocator& caret() override { return caret_; }
  FakeKeysTaken& keys_taken() override { return keys_taken_; }
  const AnsiCodePage& code_page() override { return Windows1252(); }
  const AppFolders& folders() override { return folders_; }

 private:
  FakeKeyboardHook hook_;
  FakeKeystrokeOutput keystrokes_;
  SoakClipboard clipboard_;
  SoakProgramStarter programs_;
  FakeClock clock_;
  FakeFileSystem files_;
  FakePrivateFiles private_files_{files_};
  FakeCaretLocator caret_;
  FakeKeysTaken keys_taken_;
  AppFolders folders_{"/app", "", "/home/user/.local/share/Keyloom"};
};

// The virtual-key code of a letter (either case) or a digit.
int KeyCodeOf(char c);

// Empty when `items` are in the one sorted order and the list box shows exactly them;
// otherwise what is wrong.
std::string CheckSortedList(const std::vector<std::string>& items,
                            const std::vector<std::string>& shown);

// Watches the files across one command: the command may leave them as they were, or replace
// one list file, once, with the whole list; a failed save leaves the previous file whole.
class FileWatch {
 public:
  explicit FileWatch(const FakeFileSystem& files)
      : files_(files), before_(files.files()), replaces_before_(files.replace_count()) {}
  // Empty when that holds with `path` and its `expected` bytes; otherwise what is wrong.
  std::string Check(const std::string& path, const std::string& expected) const;

 private:
  const FakeFileSystem& files_;
  std::map<std::string, std::string> before_;
  int replaces_before_;
};

// Live heap bytes may grow by this much between the first checkpoint and the end of a run: the
// fake shell's records of messages and notifications, a few hundred bytes every thousand events
// at most. A leak of even a few bytes a key event goes beyond it within a million events.
inline constexpr std::size_t kHeapGrowthAllowance = 2 << 20;

// The disturbances both programs meet alike, numbered 0 to 3: Minimize and a tray click, a
// resize, list-file saves failing at one step (or at none), settings that refuse writes.
void DisturbShell(std::size_t which, SoakRandom& random, FakeShell& shell, FakeWindow& window,
                  FakeFileSystem& files);

}  // namespace keyloom
