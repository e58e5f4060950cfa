#include "platform/linux/qt_event_source.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>

namespace keyloom {

QtEventSource::QtEventSource(int socket, std::function<void()> on_ready)
    : on_ready_(std::move(on_ready)),
      notifier_(std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read)) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { on_ready_(); });
}

QtEventSource::~QtEventSource() = default;

void QtEventSource::CallSoon(std::function<void()> call) {
  QTimer::singleShot(0, notifier_.get(), std::move(call));
}

bool ModalDialogOpen() { return QGuiApplication::modalWindow() != nullptr; }

}  // namespace keyloom
