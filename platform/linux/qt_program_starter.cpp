#include "platform/linux/qt_program_starter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace keyloom {

namespace {

QStringList SplitToQt(std::string_view command_line) {
  return QProcess::splitCommand(
      QString::fromUtf8(command_line.data(), static_cast<qsizetype>(command_line.size())));
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  for (const QString& word : SplitToQt(command_line)) words.push_back(word.toStdString());
  return words;
}

bool QtProgramStarter::Start(std::string_view command_line) {
  QStringList arguments = SplitToQt(command_line);
  if (arguments.isEmpty() || arguments.front().isEmpty()) return false;
  const QString program = arguments.takeFirst();
  return QProcess::startDetached(program, arguments);
}

}  // namespace keyloom
