#include "shell/qt/input_source_notice.h"

#include <QMessageBox>
#include <QTimer>

#include "platform/frontend_choice.h"
#include "shell/app_texts.h"

namespace keyloom {

InputSourceNotice::InputSourceNotice(std::string_view program_name,
                                     std::function<bool()> engine_reached)
    : program_name_(program_name),
      engine_reached_(std::move(engine_reached)),
      timer_(std::make_unique<QTimer>()) {
  timer_->setSingleShot(true);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Check(); });
  timer_->start(kDelayMs);
}

InputSourceNotice::~InputSourceNotice() = default;

void InputSourceNotice::Check() {
  if (engine_reached_()) {
    if (box_) box_->close();
    return;
  }
  if (!box_) {
    box_ = std::make_unique<QMessageBox>(
        QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
        QString::fromStdString(InputSourceNotChosenNotice(program_name_)), QMessageBox::Ok);
    box_->setWindowModality(Qt::NonModal);
    // The user may be typing elsewhere: the message must not take the focus from them.
    box_->setAttribute(Qt::WA_ShowWithoutActivating);
    box_->show();
  }
  // Once the user closed it, it stays closed.
  if (box_->isVisible()) timer_->start(kRecheckMs);
}

}  // namespace keyloom
