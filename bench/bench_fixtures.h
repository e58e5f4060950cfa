#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "shell/fake/fake_shell.h"

// The programs on the fakes, started as at a real start and driven through the keyboard hook.
namespace keyloom {

// `count` entry lines, Space-ended, with launch keys "a0", "a1", ...: none is "zqx".
std::vector<std::string> BenchEntryLines(std::size_t count);

// The bytes of a whole file.
std::string ReadBenchFile(const std::string& path);

class QuipcastApp;
class KeyloomApp;

class QuipcastOnFakes {
 public:
  // Starts with `entries` entry lines in the default list file.
  explicit QuipcastOnFakes(std::size_t entries);
  ~QuipcastOnFakes();
  bool Press(int key_code, int modifiers = 0) {
    return platform_.hook().Press(key_code, modifiers);
  }

 private:
  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<QuipcastApp> app_;
};

class KeyloomOnFakes {
 public:
  // Starts with `store_bytes` as the program folder's words.mdb, `model_bytes` (when not
  // empty) as its words.model, and the Options menu's items `options` turned on.
  explicit KeyloomOnFakes(std::string store_bytes, std::vector<std::string_view> options = {},
                          std::string model_bytes = {});
  ~KeyloomOnFakes();
  bool Press(int key_code, int modifiers = 0, char32_t layout_char = 0) {
    return platform_.hook().Press(key_code, modifiers, layout_char);
  }
  FakeShell& shell() { return shell_; }
  KeyloomApp& app() { return *app_; }
  // Forgets what the fakes recorded of the output, which would otherwise grow with every key.
  void ForgetRecordedOutput() {
    platform_.keystrokes().Clear();
    platform_.clipboard().ClearHistory();
  }

 private:
  FakeShell shell_;
  FakePlatform platform_;
  std::unique_ptr<KeyloomApp> app_;
};

}  // namespace keyloom
