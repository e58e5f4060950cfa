#include "shell/qt/xdg_login_start.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shell/qt/tests/qt_app.h"

namespace keyloom {
namespace {

TEST(XdgLoginStartTest, TheEntryComesAndGoesWithTheChoiceAndStartsTheProgramInTheTray) {
  EnsureQtApp();
  QTemporaryDir config;
  ASSERT_TRUE(config.isValid());
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  XdgLoginStart login;
  EXPECT_FALSE(login.IsOn("Quipcast"));
  ASSERT_TRUE(login.Set("Quipcast", true));
  EXPECT_TRUE(login.IsOn("Quipcast"));
  EXPECT_FALSE(login.IsOn("Keyloom"));
  QFile entry(config.path() + "/autostart/quipcast.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(entry.readAll());
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(text.contains(
      "\nExec=" + XdgLoginStart::ExecLine(QApplication::applicationFilePath()) + "\n"));
  ASSERT_TRUE(login.Set("Quipcast", false));
  EXPECT_FALSE(login.IsOn("Quipcast"));
  EXPECT_TRUE(login.Set("Quipcast", false));  // nothing to remove
  qunsetenv("XDG_CONFIG_HOME");
}

TEST(XdgLoginStartTest, TheProgramFileIsQuotedAsDesktopEntriesQuoteIt) {
  EXPECT_EQ(XdgLoginStart::ExecLine("/usr/bin/quipcast"), "\"/usr/bin/quipcast\" --in-tray");
  EXPECT_EQ(XdgLoginStart::ExecLine("/home/a b/$x\"%`\\/keyloom"),
            "\"/home/a b/\\$x\\\"%%\\`\\\\/keyloom\" --in-tray");
}

}  // namespace
}  // namespace keyloom
