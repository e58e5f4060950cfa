#include "shell/qt/window_hosts.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace keyloom {

void MainWindowHost::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  callbacks_.resized();
}

void MainWindowHost::closeEvent(QCloseEvent* event) {
  // The program decides what closing means; the window stays as it leaves it.
  event->ignore();
  callbacks_.close_requested();
}

PopupHost::PopupHost(HostCallbacks callbacks)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::X11BypassWindowManagerHint),
      callbacks_(std::move(callbacks)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void PopupHost::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  callbacks_.resized();
}

}  // namespace keyloom
