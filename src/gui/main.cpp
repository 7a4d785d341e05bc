// Tarnvik: the desktop PVT calculator. The splash window comes first; after 1.5 s it
// shows the main window, which lives until the user exits. A case file named on the
// command line (as a file manager passes it) is opened.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <memory>

#include "gui/main_window.h"
#include "gui/recent_files.h"
#include "gui/splash_window.h"
#include "gui/user_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnvik"));
  QApplication::setApplicationVersion(QStringLiteral(TARNVIK_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("tarnvik"));
  tarnvik::UseProgramSettings();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnvik.svg")));

  QCommandLineParser arguments;
  arguments.setApplicationDescription(QStringLiteral("PVT properties from published empirical correlations"));
  arguments.addHelpOption();
  arguments.addVersionOption();
  arguments.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A case file to open"),
                                  QStringLiteral("[file]"));
  arguments.process(app);

  tarnvik::MainWindow window(std::make_unique<tarnvik::StandardDialogs>());
  // At its natural size, all of it in view, where the screen has room; on a smaller screen
  // it fills the screen (less a margin for the frame and title bar) and its content scrolls.
  QSize size = window.sizeHint();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
  }
  window.resize(size);
  tarnvik::SplashWindow splash(&window);
  QObject::connect(&window, &tarnvik::MainWindow::exiting, &splash, &QWidget::close);
  splash.start();
  if (const QStringList files = arguments.positionalArguments(); !files.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, file = files.first()] { window.openPath(file); });
  }
  return QApplication::exec();
}
