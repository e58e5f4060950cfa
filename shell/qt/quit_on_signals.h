#pragma once

#include <memory>

class QSocketNotifier;

namespace keyloom {

// While it lives, SIGTERM, SIGHUP (the session ends) and SIGINT end the event loop as the
// programs' Exit command does, so that they save what waits to be saved on the way out.
class QuitOnSignals {
 public:
  QuitOnSignals();
  ~QuitOnSignals();
  QuitOnSignals(const QuitOnSignals&) = delete;
  QuitOnSignals& operator=(const QuitOnSignals&) = delete;

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace keyloom
