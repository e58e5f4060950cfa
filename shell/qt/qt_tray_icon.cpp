#include "shell/qt/qt_tray_icon.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include "shell/qt/control_text.h"
#include "shell/qt/qt_text.h"

namespace keyloom {

QtTrayIcon::QtTrayIcon(TrayEvents& events, const EventGate& gate)
    : icon_(std::make_unique<QSystemTrayIcon>(QApplication::windowIcon())) {
  QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                   [&events, &gate](QSystemTrayIcon::ActivationReason reason) {
                     if (gate.closed) return;
                     switch (reason) {
                       case QSystemTrayIcon::Trigger:
                         events.OnTrayMouse(static_cast<int>(TrayMouse::kLeftDown));
                         break;
                       case QSystemTrayIcon::Context:
                         events.OnTrayMouse(static_cast<int>(TrayMouse::kRightDown));
                         break;
                       case QSystemTrayIcon::DoubleClick:
                         events.OnTrayMouse(static_cast<int>(TrayMouse::kLeftDoubleClick));
                         break;
                       default:
                         break;
                     }
                   });
}

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::Add(std::string_view tip) {
  // Qt docks the icon again by itself when the notification area comes back.
  if (!Available() || icon_->isVisible()) return false;
  icon_->setToolTip(ToQt(tip));
  icon_->show();
  return true;
}

bool QtTrayIcon::Available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTrayIcon::ShowState(std::string_view tip, bool paused) {
  icon_->setToolTip(ToQt(tip));
  const QIcon icon = QApplication::windowIcon();
  icon_->setIcon(paused ? QIcon(icon.pixmap(QSize(64, 64), QIcon::Disabled)) : icon);
}

void QtTrayIcon::ShowNotification(std::string_view title, std::string_view text) {
  icon_->showMessage(ToQt(title), ToQt(MessageText(text)), QSystemTrayIcon::NoIcon, 10000);
}

}  // namespace keyloom
