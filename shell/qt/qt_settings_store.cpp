#include "shell/qt/qt_settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "shell/qt/qt_text.h"

namespace keyloom {
namespace {

QString Key(std::string_view section, std::string_view name) {
  return ToQt(section) + QLatin1Char('/') + ToQt(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const std::string& path)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view name) {
  settings_->sync();
  const QString key = Key(section, name);
  if (!settings_->contains(key)) return std::nullopt;
  const QVariant value = settings_->value(key);
  // A hand-written value with commas reads back as a list; it was one text.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  }
  return value.toString().toStdString();
}

bool QtSettingsStore::Write(std::string_view section, std::string_view name,
                            std::string_view value) {
  settings_->setValue(Key(section, name), ToQt(value));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

std::string DefaultSettingsPath() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (config + QStringLiteral("/Keyloom/Keyloom.conf")).toStdString();
}

}  // namespace keyloom
