// GoogleTest entry point for the window tests: one QApplication, offscreen unless the
// caller chose a platform, with its settings kept apart from the user's and from other
// test processes'.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Remembered units, files and folders go to a test location of this process's own (the
  // tests run as parallel processes, and one switching units must not switch another's),
  // removed when the tests end.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QCoreApplication::setOrganizationName(QStringLiteral("tarnvik-tests"));
  QSettings().clear();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
