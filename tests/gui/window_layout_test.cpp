// The windows' sizes and what the printed page shows: the print heading at its size, the
// Tables and Plots window and the main window on a 1024 x 600 screen, the status line and
// the captions kept within bounds.
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "gui/elided_label.h"
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

// Whether `widget` lies wholly inside the main window's visible content.
bool InView(MainWindow& window, QWidget* widget) {
  auto* scroll = Find<QScrollArea>(&window, "contentScroll");
  const QRect visible(scroll->viewport()->mapTo(&window, QPoint(0, 0)), scroll->viewport()->size());
  return visible.contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
}

// At its natural size the window shows all of its content, without scroll bars; where the
// screen has room it grows when a status line appears, instead of scrolling its content.
TEST_F(WindowTest, TheWindowGrowsForTheStatusWhereTheScreenHasRoom) {
  EXPECT_LE(window_->sizeHint().width(), 1280) << "a common laptop screen still holds it";
  const QSize room = window_->screen()->availableGeometry().size() - QSize(16, 48);
  window_->resize(window_->sizeHint().boundedTo(room));
  QApplication::processEvents();
  auto* scroll = Find<QScrollArea>(window_.get(), "contentScroll");
  ASSERT_FALSE(scroll->verticalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  const int before = window_->height();
  Calculate({{"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"},
             "GOR MCF/STB",
             "Salinity % NaCl",
             "Standing : California Crudes",
             "Wet Gas",
             "Newman"});  // "cf needs a formation type"
  QApplication::processEvents();
  ASSERT_FALSE(Status().isEmpty());
  EXPECT_GT(window_->height(), before);
  EXPECT_LE(window_->height(), room.height());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

// However many warnings, the status line takes about three lines and scrolls; its tooltip
// holds it whole; the captions and Calculate stay in view on a small screen. A long
// caption is elided with the whole text in its tooltip, without a horizontal scroll bar.
TEST_F(WindowTest, TheStatusAndTheCaptionsKeepWithinBounds) {
  window_->setMaximumSize(kSmallScreen);  // the small screen, which the window cannot outgrow
  window_->resize(kSmallScreen);
  Calculate({{"70", "1.9", "340", "11000", "3.5", "20", "25", "30", "0.5"},
             "GOR MCF/STB",
             "Salinity % NaCl",
             "Glaso : North Sea Crudes"});
  QApplication::processEvents();
  EXPECT_FALSE(Find<QScrollArea>(window_.get(), "contentScroll")->horizontalScrollBar()->isVisible())
      << "the whole width shows";
  auto* status = Find<QLabel>(window_.get(), "statusLine");
  const int lines = status->fontMetrics().lineSpacing();
  ASSERT_GT(status->heightForWidth(kSmallScreen.width()), 4 * lines) << "a status of many lines";
  auto* statusScroll = Find<QScrollArea>(window_.get(), "statusScroll");
  EXPECT_LE(statusScroll->height(), 4 * lines);
  EXPECT_GE(statusScroll->height(), 2 * lines);
  EXPECT_EQ(status->toolTip(), Status());
  for (const char* name : {"Command1", "ocx", "gcx", "fcx", "Label25"}) {
    EXPECT_TRUE(InView(*window_, Find<QWidget>(window_.get(), name))) << name;
  }

  auto* oil = Find<QLabel>(window_.get(), "ocx");
  const QString longCaption = QStringLiteral("Petrosky/Farshad : Gulf of Mexico Crudes (tuned to lab data)");
  static_cast<ElidedLabel*>(oil)->setFullText(longCaption + longCaption);
  QApplication::processEvents();
  EXPECT_FALSE(Find<QScrollArea>(window_.get(), "contentScroll")->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(oil->toolTip().startsWith(longCaption + longCaption)) << oil->toolTip().toStdString();
  EXPECT_EQ(oil->text(), longCaption + longCaption);
}

}  // namespace
}  // namespace tarnvik::testing
