// GoogleTest entry point for the window tests: one QApplication, offscreen on a laptop's
// screen unless the caller chose a platform, with its settings kept apart from the user's
// and from other test processes'.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  // The offscreen screen is a 1280 x 800 laptop's (its own default, 800 x 800, is narrower
  // than the windows' natural widths and than the 1024 x 600 screen the tests size them to).
  const QTemporaryDir screenDir;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    const QString config = screenDir.filePath(QStringLiteral("offscreen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    } else {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
  }
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
