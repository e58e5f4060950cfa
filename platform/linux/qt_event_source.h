#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace keyloom {

// The hook's tie to the Qt event loop, kept apart from the Xlib code, whose macros clash with
// Qt's headers: runs `on_ready` on the UI thread whenever the connection's socket has data.
class QtEventSource {
 public:
  QtEventSource(int socket, std::function<void()> on_ready);
  ~QtEventSource();
  QtEventSource(const QtEventSource&) = delete;
  QtEventSource& operator=(const QtEventSource&) = delete;

  // Runs `call` from the event loop once it runs again, a nested loop included. Also for data
  // already read off the socket, which it will not announce again.
  void CallSoon(std::function<void()> call);

 private:
  std::function<void()> on_ready_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

// Whether a modal dialog is open: its caller is still waiting inside a handler.
bool ModalDialogOpen();

}  // namespace keyloom
