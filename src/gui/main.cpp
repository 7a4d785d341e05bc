// Tarnvik: the desktop PVT calculator. The splash window comes first; after 1.5 s it
// shows the main window, which lives until the user exits.
#include <QApplication>
#include <QIcon>
#include <memory>

#include "gui/main_window.h"
#include "gui/splash_window.h"
#include "gui/user_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnvik"));
  QApplication::setApplicationVersion(QStringLiteral(TARNVIK_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("tarnvik"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnvik.svg")));

  tarnvik::MainWindow window(std::make_unique<tarnvik::StandardDialogs>());
  window.resize(window.sizeHint());
  tarnvik::SplashWindow splash(&window);
  QObject::connect(&window, &tarnvik::MainWindow::exiting, &splash, &QWidget::close);
  splash.start();
  return QApplication::exec();
}
