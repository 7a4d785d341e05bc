// The start-up window: the emblem, the product name and a credit line, shown for 1.5 s
// before the main window.
#pragma once
#include <QWidget>

class QTimer;

namespace tarnvik {

inline constexpr int kSplashMilliseconds = 1500;

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // `mainWindow` is shown once when the splash hides itself.
  explicit SplashWindow(QWidget* mainWindow);

  // Shows the splash and starts its one-shot timer.
  void start();

 private:
  void onTimer();

  QWidget* mainWindow_;
  QTimer* timer_;
};

}  // namespace tarnvik
