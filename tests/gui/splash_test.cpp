// Start-up: the splash shows, then after 1.5 s hides itself and shows the main window,
// once.
#include <QElapsedTimer>
#include <QTimer>

#include "gui/splash_window.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

class ShowCounter : public QObject {
 public:
  int shows = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows;
    return false;
  }
};

TEST(Splash, ShowsTheMainWindowOnceAfterAboutOneAndAHalfSeconds) {
  MainWindow window(std::make_unique<ScriptedDialogs>());
  ShowCounter counter;
  window.installEventFilter(&counter);
  SplashWindow splash(&window);
  EXPECT_EQ(splash.objectName(), "Form1");
  EXPECT_EQ(Find<QLabel>(&splash, "Label1")->text(), "Tarnvik");
  EXPECT_TRUE(Find<QLabel>(&splash, "Label1")->font().bold());
  EXPECT_FALSE(Find<QLabel>(&splash, "Image1")->pixmap().isNull());
  EXPECT_FALSE(Find<QLabel>(&splash, "Label2")->text().isEmpty());
  auto* timer = Find<QTimer>(&splash, "Timer1");
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 1500);

  QElapsedTimer clock;
  clock.start();
  splash.start();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_FALSE(window.isVisible());
  QTest::mouseClick(&splash, Qt::LeftButton);
  EXPECT_TRUE(splash.isVisible()) << "a click on the splash does nothing";

  ASSERT_TRUE(WaitUntil([&] { return window.isVisible(); }, 5000));
  EXPECT_GE(clock.elapsed(), 1400);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_FALSE(timer->isActive());
  QTest::qWait(1700);
  EXPECT_EQ(counter.shows, 1);
}

}  // namespace
}  // namespace tarnvik::testing
