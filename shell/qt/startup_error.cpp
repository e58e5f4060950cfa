#include "shell/qt/startup_error.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <memory>

#include "shell/app_texts.h"

namespace keyloom {

void ShowStartupError(std::string_view program_name, std::string_view reason,
                      bool can_open_window) {
  const std::string message = std::string(program_name) + " cannot start. " + std::string(reason);
  if (!can_open_window) {
    std::cerr << message << '\n';
    return;
  }
  std::unique_ptr<QApplication> app;
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "keyloom";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
  }
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(message), QMessageBox::Ok);
  box.exec();
}

}  // namespace keyloom
