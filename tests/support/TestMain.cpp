// Every test program runs with one QApplication on the offscreen platform, so widget tests can
// drive real widgets without a display. Settings and configuration files go to a folder of the
// run's own: no test reads or writes the user's real ones, and every run starts with none.
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config.filePath(QStringLiteral("xdg"))));
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, config.path());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
