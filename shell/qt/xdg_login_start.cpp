#include "shell/qt/xdg_login_start.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "shell/qt/qt_text.h"

namespace keyloom {
namespace {

QString EntryFile(std::string_view program) {
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
  return folder + "/" + ToQt(program).toLower() + ".desktop";
}

// A string value of a desktop entry keeps its backslashes doubled.
QString EntryValue(QString text) { return text.replace('\\', "\\\\"); }

}  // namespace

QString XdgLoginStart::ExecLine(const QString& program_file) {
  QString quoted;
  for (const QChar c : program_file) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  // A percent sign would start a field code.
  quoted.replace('%', "%%");
  return '"' + quoted + "\" " + ToQt(kInTrayArgument);
}

bool XdgLoginStart::IsOn(std::string_view program) const {
  return QFile::exists(EntryFile(program));
}

bool XdgLoginStart::Set(std::string_view program, bool on) {
  const QString file = EntryFile(program);
  if (!on) return !QFile::exists(file) || QFile::remove(file);
  if (!QDir().mkpath(QFileInfo(file).path())) return false;
  QSaveFile entry(file);
  if (!entry.open(QIODevice::WriteOnly)) return false;
  const QString text =
      QStringLiteral(
          "[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nIcon=%3\n"
          "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
          .arg(ToQt(program), EntryValue(ExecLine(QApplication::applicationFilePath())),
               ToQt(program).toLower());
  entry.write(text.toUtf8());
  return entry.commit();
}

}  // namespace keyloom
