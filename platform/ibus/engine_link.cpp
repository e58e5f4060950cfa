#include "platform/ibus/engine_link.h"

#include <QSocketNotifier>
#include <QTimer>

#include "platform/ibus/line_channel.h"

namespace keyloom {

EngineLink::EngineLink(std::string socket_path)
    : socket_path_(std::move(socket_path)), reconnect_timer_(std::make_unique<QTimer>()) {
  reconnect_timer_->setInterval(kReconnectIntervalMs);
  QObject::connect(reconnect_timer_.get(), &QTimer::timeout, [this] { TryConnect(); });
}

EngineLink::~EngineLink() = default;

void EngineLink::Start(KeyAnswer answer) {
  answer_ = std::move(answer);
  TryConnect();
  if (!Connected()) reconnect_timer_->start();
}

bool EngineLink::Connected() const { return channel_ && !channel_->closed(); }

bool EngineLink::Send(std::string_view line) {
  if (!Connected()) return false;
  if (channel_->Write(line)) {
    WatchQueue();
    return true;
  }
  Disconnect();
  return false;
}

void EngineLink::TryConnect() {
  const int socket = ConnectTo(socket_path_);
  if (socket < 0) return;
  reconnect_timer_->stop();
  channel_ = std::make_unique<LineChannel>(socket, kMaxQueuedBytes);
  notifier_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { OnData(); });
  write_notifier_ = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
  write_notifier_->setEnabled(false);
  QObject::connect(write_notifier_.get(), &QSocketNotifier::activated, [this] {
    channel_->SendQueued();
    if (channel_->closed()) {
      Disconnect();
    } else {
      WatchQueue();
    }
  });
}

void EngineLink::WatchQueue() { write_notifier_->setEnabled(channel_->HasQueued()); }

void EngineLink::OnData() {
  channel_->ReadAvailable();
  while (Connected()) {
    const std::optional<std::string> line = channel_->TakeLine();
    if (!line) break;
    const std::optional<KeyReport> key = ParseKeyLine(*line);
    if (!key) continue;
    const bool withheld = answer_ && answer_(*key);
    Send(DoneLine(key->sequence, withheld));
  }
  if (channel_ && channel_->closed()) Disconnect();
}

void EngineLink::Disconnect() {
  // Deleted later: this may run inside the notifier's own signal.
  for (std::unique_ptr<QSocketNotifier>* notifier : {&notifier_, &write_notifier_}) {
    if (!*notifier) continue;
    (*notifier)->setEnabled(false);
    notifier->release()->deleteLater();
  }
  channel_.reset();
  reconnect_timer_->start();
}

}  // namespace keyloom
