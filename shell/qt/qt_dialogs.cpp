#include "shell/qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "shell/qt/control_text.h"
#include "shell/qt/qt_text.h"

namespace keyloom {
namespace {

const QString kListFilter = QStringLiteral("List files (*.kyl *.txt);;All files (*)");

int RunMessageBox(std::string_view text, std::string_view title,
                  QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::NoIcon, ToQt(title), ToQt(MessageText(text)), buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

}  // namespace

std::string QtDialogs::ShowOpen() {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Import"),
                                      QString(), kListFilter)
      .toStdString();
}

std::string QtDialogs::ShowSave() {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save As"),
                                      QString(), kListFilter)
      .toStdString();
}

void QtDialogs::ShowMessage(std::string_view text, std::string_view title) {
  RunMessageBox(text, title, QMessageBox::Ok);
}

bool QtDialogs::AskYesNo(std::string_view text, std::string_view title) {
  return RunMessageBox(text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace keyloom
