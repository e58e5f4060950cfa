// Two programs writing the shared settings file at once, a thousand times each, through the
// Qt settings store: every value either reads back is one that was written, never a mix of two
// writes or a damaged file, and neither loses the values that only it writes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "shell/qt/qt_settings_store.h"
#include "shell/qt/tests/settings_values.h"

namespace keyloom {
namespace {

constexpr int kWrites = 1000;

void EnsureCoreApp() {
  static int argc = 1;
  static char name[] = "settings_concurrency_test";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
}

TEST(SharedSettingsTest, TwoProgramsWritingAtOnceNeverMixTheirValues) {
  EnsureCoreApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.path() + "/Keyloom/Keyloom.conf";

  QProcess writers[2];
  const char* names[] = {"A", "B"};
  for (int i = 0; i < 2; ++i) {
    writers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writers[i].start(KEYLOOM_SETTINGS_WRITER,
                     QStringList{path, names[i], QString::number(kWrites)});
  }
  for (QProcess& writer : writers) {
    ASSERT_TRUE(writer.waitForFinished(120000));
    EXPECT_EQ(writer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(writer.exitCode(), 0);
  }

  QtSettingsStore store(path.toStdString());
  const std::optional<std::string> shared = store.Read("Options", "Shared");
  ASSERT_TRUE(shared.has_value());
  EXPECT_TRUE(IsWrittenSettingsValue(*shared, kWrites)) << *shared;
  EXPECT_EQ(store.Read("Options", "OwnA"), SettingsValue('A', kWrites - 1));
  EXPECT_EQ(store.Read("Options", "OwnB"), SettingsValue('B', kWrites - 1));
}

}  // namespace
}  // namespace keyloom
