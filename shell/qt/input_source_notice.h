#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QMessageBox;
class QTimer;

namespace keyloom {

// Through the input method no key reaches a program until the user's input source is Keyloom's.
// When that has not happened a while after the start, the user is told once, in a message that
// blocks nothing and closes by itself as soon as the engine is reached.
class InputSourceNotice {
 public:
  // Long enough for a desktop that starts the programs with the session to start the engine too.
  static constexpr int kDelayMs = 10000;
  static constexpr int kRecheckMs = 1000;

  InputSourceNotice(std::string_view program_name, std::function<bool()> engine_reached);
  ~InputSourceNotice();
  InputSourceNotice(const InputSourceNotice&) = delete;
  InputSourceNotice& operator=(const InputSourceNotice&) = delete;

 private:
  void Check();

  std::string program_name_;
  std::function<bool()> engine_reached_;
  std::unique_ptr<QTimer> timer_;
  std::unique_ptr<QMessageBox> box_;
};

}  // namespace keyloom
