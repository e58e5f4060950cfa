#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>

namespace keyloom {

// The top-level widgets of QtWindow, which tell it about resizes and the close box.
struct HostCallbacks {
  std::function<void()> resized;
  std::function<void()> close_requested;
};

// A main window: title bar, menu bar, in the taskbar. Closing it from the title bar only asks.
class MainWindowHost final : public QMainWindow {
 public:
  explicit MainWindowHost(HostCallbacks callbacks) : callbacks_(std::move(callbacks)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  HostCallbacks callbacks_;
};

// A pop-up: no frame, not in the taskbar, never takes the keyboard focus from the window the
// user types in, but takes mouse clicks.
class PopupHost final : public QWidget {
 public:
  explicit PopupHost(HostCallbacks callbacks);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  HostCallbacks callbacks_;
};

}  // namespace keyloom
