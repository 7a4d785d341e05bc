// Smaller matters of the windows: the Plots page of a case no row of which computes says
// why, the selection dialog shows every oil family and what its marks mean, the GOR
// selector shows the start of its text, the lab plot tells the tuned curve from its
// family's and names every curve whole, and the lab table gives co in microsips.
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "gui/pvt_charts.h"
#include "gui/tables_window.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

// A gas of gravity 1.0 at −200 °F has Tpr < 1 at every pressure: no row computes, and the
// Plots page says so instead of showing empty axes; there is no plot to save.
TEST_F(WindowTest, ThePlotsOfACaseThatDoesNotComputeSayWhy) {
  Calculate({{"35", "1.0", "-200", "3000", "0.5", "20", "25", "3", "0.5"}});
  window_->showTables();
  TablesWindow* tables = window_->tablesWindow();
  Find<QTabWidget>(tables, "tablesTabs")->setCurrentIndex(2);
  auto* message = Find<QLabel>(tables, "plotMessage");
  EXPECT_TRUE(message->isVisible());
  EXPECT_EQ(message->text(), "No plot: No row could be computed: pTr<1: z-factor Routine FAILS.");
  EXPECT_FALSE(Find<QWidget>(tables, "plotStack")->isVisible());
  EXPECT_FALSE(Find<QWidget>(tables, "savePlot")->isEnabled());

  Type("tx", "200");
  Click("Command1");
  EXPECT_FALSE(message->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "plotStack")->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "savePlot")->isEnabled());
}

// The nine oil families in view at once, with the fit marks they carry, and a legend that
// says what the marks mean.
TEST_F(WindowTest, TheOilListShowsEveryFamilyAndItsLegend) {
  TypeInputs({"58", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"});
  Click("Command3");
  QApplication::processEvents();
  auto* oil = Find<QListWidget>(Dialog(), "Oilch");
  ASSERT_EQ(oil->count(), 9);
  for (int row = 0; row < oil->count(); ++row) {
    EXPECT_TRUE(oil->viewport()->rect().contains(oil->visualItemRect(oil->item(row)))) << row;
  }
  auto* legend = Find<QWidget>(Dialog(), "oilLegend");
  EXPECT_TRUE(legend->isVisible());
  QString words;
  for (const QLabel* label : legend->findChildren<QLabel*>()) words += label->text() + ' ';
  for (const char* text : {"inside", "outside", "not published"}) EXPECT_TRUE(words.contains(text)) << text;
}

// An opened bubble-point case shows the selector's text from its start, in both units.
TEST_F(WindowTest, TheGorSelectorShowsTheStartOfItsText) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pb.csv"));
  WriteAll(path,
           "\"Below the bubble point\",\"Bubble Point Pressure psia\",\"Salinity % NaCl\",\"Standing\",\"Wet Gas\","
           "\"Hall\",35,0.75,200,2000,2500,20,25,3,0.5\r\n");
  ASSERT_TRUE(window_->openPath(path));
  auto* gor = Find<QComboBox>(window_.get(), "gorpk");
  EXPECT_EQ(gor->currentText(), "Bubble Point Pressure psia");
  EXPECT_EQ(gor->lineEdit()->cursorPosition(), 0);
  Find<QAction>(window_.get(), "unitsMetric")->trigger();
  EXPECT_EQ(gor->lineEdit()->cursorPosition(), 0);
  Find<QAction>(window_.get(), "unitsField")->trigger();
}

// The tuned curve has a colour of its own, not its family's; the legend sits under the
// plot with every name whole, and shows a name whole on hovering.
TEST(LabPlot, TheTunedCurveHasItsOwnColourAndEveryNameShows) {
  LabPlotData data;
  data.quantity = QStringLiteral("Bo");
  data.unit = QStringLiteral("RB/STB");
  data.measured = {{1000, 1.3}, {2000, 1.4}};
  for (auto& family : data.families) family = {{1000, 1.29}, {2000, 1.41}};
  data.tuned = QList<QPointF>{{1000, 1.3}, {2000, 1.4}};
  data.tunedFamily = OilCorrelation::PetroskyFarshad;
  data.lowestPressure = 0;
  data.highestPressure = 3000;
  QChart chart;
  PlotAgainstLab(chart, data);
  QColor family, tuned;
  for (QAbstractSeries* series : chart.series()) {
    auto* line = qobject_cast<QLineSeries*>(series);
    if (line == nullptr || line->type() != QAbstractSeries::SeriesTypeLine) continue;
    if (line->name() == "Petrosky/Farshad") family = line->pen().color();
    if (line->name() == "Petrosky/Farshad tuned") tuned = line->pen().color();
  }
  ASSERT_TRUE(family.isValid() && tuned.isValid());
  EXPECT_NE(family, tuned);
  EXPECT_EQ(chart.legend()->alignment(), Qt::AlignRight);
  EXPECT_GT(chart.legend()->minimumWidth(),
            QFontMetricsF(chart.legend()->font()).horizontalAdvance("Petrosky/Farshad tuned"));
  EXPECT_TRUE(chart.legend()->showToolTips());
}

// The lab table gives the oil compressibility in microsips (1e-5/bar in metric), as the rest
// of the program does, while the lab file keeps 1/psi: 1.23e-5 1/psi shows as 12.3.
TEST_F(WindowTest, TheLabTableGivesTheOilCompressibilityInMicrosips) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("lab.csv"));
  WriteAll(path,
           "tarnvik-lab,1,field\ntemperature,220\nbubble_point,2634.7\ngor,854\n"
           "pressure,rs,bo,oil_compressibility\n2634.7,854,1.6,\n3000,854,1.59,0.0000123\n");
  dialogs_->nextOpenFileName = path;
  Find<QAction>(window_.get(), "labAction")->trigger();
  QTest::mouseClick(Find<QAbstractButton>(window_->tablesWindow(), "openLabFile"), Qt::LeftButton);
  auto* points = Find<QTableWidget>(window_->tablesWindow(), "labPoints");
  const int co = 4;
  EXPECT_TRUE(points->horizontalHeaderItem(co)->text().contains("microsips"))
      << points->horizontalHeaderItem(co)->text().toStdString();
  EXPECT_EQ(points->item(1, co)->text(), "12.3");

  points->item(1, co)->setText("15");
  ASSERT_TRUE(window_->model().labData().has_value());
  EXPECT_DOUBLE_EQ(*window_->model().labData()->points[1].oilCompressibility, 15e-6);

  // 15 microsips is 15e-6 / 0.0689476 1/bar: 21.76 (1e-5/bar).
  Find<QAction>(window_.get(), "unitsMetric")->trigger();
  EXPECT_TRUE(points->horizontalHeaderItem(co)->text().contains("10⁻⁵/bar"))
      << points->horizontalHeaderItem(co)->text().toStdString();
  EXPECT_NEAR(points->item(1, co)->text().toDouble(), 21.756, 0.001);
  EXPECT_DOUBLE_EQ(*window_->model().labData()->points[1].oilCompressibility, 15e-6);
  Find<QAction>(window_.get(), "unitsField")->trigger();
  EXPECT_EQ(points->item(1, co)->text(), "15");
}

}  // namespace
}  // namespace tarnvik::testing
