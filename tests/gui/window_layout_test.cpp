// The windows' sizes and what the printed page shows: the print heading at its size, the
// Tables and Plots window and the main window on a 1024 x 600 screen, the status line and
// the captions kept within bounds.
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>

#include "gui/tables_window.h"
#include "gui/window_print.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

const TypedCase kTypicalCase{{"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"}};

// Where the heading's pixels lie: the window painted with and without its heading, at a
// printer's 1200 dots per inch, compared pixel by pixel.
QRect HeadingPixels(QWidget& content, const QFont& font, const QSize& page) {
  const auto paint = [&](const QString& heading) {
    QImage image(page, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(1200 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintWindow(painter, QRect(QPoint(0, 0), page), heading, font, content);
    return image;
  };
  const QImage with = paint(QStringLiteral("Tarnvik")), without = paint(QString());
  QRect differs;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) differs |= QRect(x, y, 1, 1);
    }
  }
  return differs;
}

// The heading is drawn at its size in the window's pixels, scaled with the window, whatever
// the printer's resolution: a short word in the page's top tenth, not the page's width.
TEST_F(WindowTest, PrintDrawsTheHeadingAtItsSize) {
  Calculate(kTypicalCase);
  QWidget* content = Find<QWidget>(window_.get(), "content");
  const QSize page(2000, 2800);  // 1.7 x 2.3 inches at 1200 dpi, portrait
  const QRect heading = HeadingPixels(*content, Find<QLabel>(window_.get(), "Label8")->font(), page);
  ASSERT_FALSE(heading.isEmpty());
  EXPECT_LT(heading.bottom(), page.height() / 10) << heading.top() << ".." << heading.bottom();
  EXPECT_GT(heading.height(), 5);
  EXPECT_LT(heading.width(), page.width() / 3) << "seven letters";
  // Centred over the window.
  EXPECT_NEAR(heading.center().x(), page.width() / 2, page.width() / 20);
}

// A 1024 x 600 laptop screen less a title bar and a panel: the room a window has there.
const QSize kSmallScreen(1024 - 16, 600 - 48 - 24);

// The Tables and Plots window fits the small screen on every page, with Copy, Save and
// Close in view; a page taller than the room scrolls.
TEST_F(WindowTest, TablesAndPlotsFitASmallLaptopScreen) {
  Calculate(kTypicalCase);
  window_->showTables();
  TablesWindow* tables = window_->tablesWindow();
  ASSERT_NE(tables, nullptr);
  EXPECT_LE(tables->minimumSizeHint().height(), kSmallScreen.height());
  EXPECT_LE(tables->minimumSizeHint().width(), kSmallScreen.width());
  tables->resize(kSmallScreen);
  auto* tabs = Find<QTabWidget>(tables, "tablesTabs");
  for (int page = 0; page < tabs->count(); ++page) {
    SCOPED_TRACE(tabs->tabText(page).toStdString());
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    EXPECT_EQ(tables->size(), kSmallScreen);
    for (const char* name : {"copyTable", "saveTableCsv", "savePlot", "closeTables"}) {
      QWidget* button = Find<QWidget>(tables, name);
      EXPECT_TRUE(tables->rect().contains(QRect(button->mapTo(tables, QPoint(0, 0)), button->size()))) << name;
    }
  }
}

}  // namespace
}  // namespace tarnvik::testing
