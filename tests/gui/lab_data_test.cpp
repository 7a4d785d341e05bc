// The Lab data page of the tables window driven through its real widgets: a lab file
// ranked and a family tuned to it, put in force in the main window (and named so where
// the results are copied) and taken out again; the lab table's units and the lab plot's
// curves; lab files and typing that do not read, refused in words without a change; the
// lab data and tuning saved with the case and opened again.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QTableWidget>
#include <string>

#include "gui/lab_data_page.h"
#include "gui/pvt_charts.h"
#include "gui/tables_window.h"
#include "io/case_record.h"
#include "model/case_sheet.h"
#include "present/selection_texts.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

// A differential vaporization at 220 °F (Moses, JPT 38(7) 1986, as the Standard Handbook
// of Petroleum and Natural Gas Engineering tabulates it), every second row.
const QByteArray kLabFile =
    "tarnvik-lab,1,field\r\n"
    "source,Black oil at 220 F\r\n"
    "temperature,220\r\n"
    "bubble_point,2634.7\r\n"
    "gor,854\r\n"
    "api,35.1\r\n"
    "gas_gravity,0.872\r\n"
    "pressure,rs,bo\r\n"
    "2634.7,854,1.600\r\n"
    "2114.7,684,1.515\r\n"
    "1614.7,544,1.445\r\n"
    "1114.7,416,1.382\r\n"
    "614.7,292,1.320\r\n"
    "173.7,157,1.244\r\n";

// The report's own conditions: a family tuned to it gives its bubble point exactly.
const TypedCase kLabConditions{{"35.1", "0.872", "220", "4000", "0.854", "20", "25", "3", "0.5"}};

class LabDataTest : public WindowFileTest {
 public:
  TablesWindow* Tables() {
    if (window_->tablesWindow() == nullptr || !window_->tablesWindow()->isVisible()) {
      Find<QAction>(window_.get(), "labAction")->trigger();
    }
    return window_->tablesWindow();
  }
  template <class T>
  T* OnPage(const char* name) {
    return Find<T>(Tables(), name);
  }
  void ClickOnPage(const char* name) { QTest::mouseClick(OnPage<QAbstractButton>(name), Qt::LeftButton); }
  void OpenLabFile(const char* name, const QByteArray& content) {
    WriteAll(Path(name), content);
    dialogs_->nextOpenFileName = Path(name);
    ClickOnPage("openLabFile");
  }
  QTableWidget* Ranking() { return OnPage<QTableWidget>("labRanking"); }
  QString RankingCell(int row, int column) {
    const QTableWidgetItem* item = Ranking()->item(row, column);
    return item != nullptr ? item->text() : QString();
  }
  double ShownBubblePoint() { return std::stod(Text("pbx").toStdString()); }
};

// A lab file fills the ranking, best first; the best family, tuned, is in force in the
// main window, which then shows the measured bubble point at the report's conditions;
// the page follows the units without losing the tuning; removing the tuning gives the
// published family back.
TEST_F(LabDataTest, ALabFileIsRankedAndTheBestFamilyTunedAndRemoved) {
  Calculate(kLabConditions);
  OpenLabFile("moses.csv", kLabFile);
  ASSERT_TRUE(dialogs_->errors.isEmpty()) << dialogs_->errors.join("\n").toStdString();
  ASSERT_TRUE(window_->model().labData().has_value());
  EXPECT_EQ(window_->model().labData()->points.size(), 6u);
  EXPECT_TRUE(window_->isWindowModified());

  ASSERT_EQ(Ranking()->rowCount(), 9);
  double previous = 0;
  QStringList families;
  for (int row = 0; row < 9; ++row) {
    EXPECT_EQ(RankingCell(row, 0), QString::number(row + 1));
    const double score = RankingCell(row, 3).toDouble();  // ranked by
    EXPECT_GE(score, previous) << "row " << row;
    previous = score;
    families << RankingCell(row, 1);
  }
  families.removeDuplicates();
  EXPECT_EQ(families.size(), 9);
  EXPECT_EQ(Find<QChartView>(Tables(), "labRsChart")->chart()->series().size(), 10);  // nine curves, the points

  OilRanking ranking;
  std::string error;
  ASSERT_TRUE(window_->model().rankOilFamilies(ranking, error)) << error;
  const OilCorrelation best = ranking.families.front().family;
  EXPECT_EQ(OnPage<QComboBox>("labTuneFamily")->currentData().toInt(), int(best));

  ClickOnPage("applyTuning");
  ASSERT_TRUE(dialogs_->errors.isEmpty()) << dialogs_->errors.join("\n").toStdString();
  ASSERT_TRUE(window_->model().tuned());
  EXPECT_EQ(window_->model().tuning().family, best);
  EXPECT_EQ(Selection().oilCorrelation, best);
  EXPECT_TRUE(Text("ocx").contains("tuned to lab data"));
  EXPECT_TRUE(Status().contains("press Calculate"));
  EXPECT_EQ(Ranking()->rowCount(), 10);
  EXPECT_TRUE(RankingCell(1, 1).endsWith("(tuned)"));
  EXPECT_EQ(Find<QChartView>(Tables(), "labRsChart")->chart()->series().size(), 11);
  EXPECT_TRUE(OnPage<QLabel>("labTuningText")->text().contains("Rs through"));
  // Every measured value against the tuned family, untuned and tuned: the untuned misses
  // are marked, the tuned values all lie within their targets.
  QTableWidget* residuals = OnPage<QTableWidget>("labResiduals");
  ASSERT_EQ(residuals->columnCount(), 7);
  EXPECT_EQ(residuals->rowCount(), 1 + 6 + 6) << "the bubble point, and Rs and Bo at six pressures";
  int untunedMarks = 0;
  for (int row = 0; row < residuals->rowCount(); ++row) {
    untunedMarks += residuals->item(row, 4)->text().contains(QStringLiteral("⚠"));
    EXPECT_FALSE(residuals->item(row, 6)->text().contains(QStringLiteral("⚠"))) << "row " << row;
  }
  EXPECT_GT(untunedMarks, 0);

  Click("Command1");
  ASSERT_TRUE(window_->model().shownCase()->selection.oilTuning.active);
  EXPECT_NEAR(ShownBubblePoint(), 2634.7, 1);
  // Copy Results and the report's sheet say that the oil is tuned, with the tuning's factors.
  Find<QAction>(window_.get(), "copyResults")->trigger();
  const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  const QString item = QString::fromUtf8(kOilCorrelationItems[std::size_t(best)]);
  EXPECT_TRUE(copied.contains("Oil family\t" + item + " (tuned to lab data)\t")) << copied.join('\n').toStdString();
  const QString tuning = QString::fromStdString(TuningDescription(window_->model().tuning()));
  EXPECT_TRUE(tuning.contains("Rs through")) << tuning.toStdString();
  EXPECT_TRUE(copied.contains("Tuning\t" + tuning + "\t")) << copied.join('\n').toStdString();
  EXPECT_EQ(SheetOf(window_->model()).correlations.back().caption, "Tuning");

  EXPECT_EQ(OnPage<QLineEdit>("labGor")->text(), "854");
  window_->setUnits(UnitSystem::Metric);
  EXPECT_NEAR(OnPage<QLineEdit>("labBubblePoint")->text().toDouble(), 2634.7 * units::kBarsPerPsi, 1e-9);
  EXPECT_NEAR(OnPage<QLineEdit>("labGor")->text().toDouble(), 0.854 * MetricConversion(Dimension::GasLiquidRatio).scale,
              1e-9);
  EXPECT_TRUE(window_->model().tuned());
  EXPECT_EQ(Ranking()->rowCount(), 10);
  window_->setUnits(UnitSystem::Field);
  EXPECT_EQ(OnPage<QLineEdit>("labBubblePoint")->text(), "2634.7");

  ClickOnPage("removeTuning");
  EXPECT_FALSE(window_->model().tuned());
  EXPECT_FALSE(Text("ocx").contains("tuned"));
  EXPECT_EQ(Ranking()->rowCount(), 9);
  // The family as published, whose bubble point the ranking's error is of.
  Click("Command1");
  EXPECT_NEAR(std::abs(ShownBubblePoint() - 2634.7) / 2634.7,
              ranking.families.front().errors()[std::size_t(LabProperty::BubblePoint)].aare, 1 / 2634.7);
}

// The lab table gives the oil compressibility in microsips (1e-5/bar in metric), as the rest
// of the program does, while the lab file keeps 1/psi: 1.23e-5 1/psi shows as 12.3.
TEST_F(LabDataTest, TheLabTableGivesTheOilCompressibilityInMicrosips) {
  OpenLabFile("co.csv",
              "tarnvik-lab,1,field\ntemperature,220\nbubble_point,2634.7\ngor,854\n"
              "pressure,rs,bo,oil_compressibility\n2634.7,854,1.6,\n3000,854,1.59,0.0000123\n");
  auto* points = OnPage<QTableWidget>("labPoints");
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

// The tuned curve has a colour of its own, not its family's; the legend sits beside the
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

// A lab file that does not read is said with its name, line and column, and the lab
// data, the page and the tuning stay as they were.
TEST_F(LabDataTest, ALabFileThatDoesNotReadChangesNothing) {
  Calculate(kLabConditions);
  OpenLabFile("moses.csv", kLabFile);
  ClickOnPage("applyTuning");
  ASSERT_TRUE(window_->model().tuned());
  const LabData before = *window_->model().labData();
  const OilTuning tuning = window_->model().tuning();
  const struct {
    const char* name;
    QByteArray content;  // empty: no file
    const char* says;
  } rows[] = {
      {"negative.csv", QByteArray(kLabFile).replace("1114.7,416,1.382", "1114.7,416,-1.382"), "line 12, column 3 (bo)"},
      {"missing.csv", QByteArray(), "No such file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs_->errors.clear();
    if (!row.content.isEmpty()) WriteAll(Path(row.name), row.content);
    dialogs_->nextOpenFileName = Path(row.name);
    ClickOnPage("openLabFile");
    ASSERT_EQ(dialogs_->errors.size(), 1);
    EXPECT_TRUE(dialogs_->errors[0].contains(QDir::toNativeSeparators(Path(row.name))));
    EXPECT_TRUE(dialogs_->errors[0].contains(QString::fromLatin1(row.says))) << dialogs_->errors[0].toStdString();
    EXPECT_EQ(*window_->model().labData(), before);
    EXPECT_EQ(window_->model().tuning(), tuning);
    EXPECT_EQ(OnPage<QLineEdit>("labTemperature")->text(), "220");
    EXPECT_EQ(Ranking()->rowCount(), 10);
  }
}

// Typing and pasting into the table: a report that does not read is said in words, by
// row and column, and the case keeps its lab data; once it reads it is taken, rows in any
// order, a spreadsheet's headings left out.
TEST_F(LabDataTest, TypedAndPastedPointsAreTakenOnlyWhenTheReportReads) {
  OpenLabFile("moses.csv", kLabFile);
  const LabData before = *window_->model().labData();
  auto* points = OnPage<QTableWidget>("labPoints");
  auto* error = OnPage<QLabel>("labEditError");
  ASSERT_EQ(points->rowCount(), 7);  // six points and a blank row to add to

  points->item(1, 2)->setText("-1.32");  // row 2, Bo: 614.7 psia
  EXPECT_FALSE(error->isHidden());
  EXPECT_TRUE(error->text().contains("row 2, Bo: a negative value")) << error->text().toStdString();
  EXPECT_EQ(*window_->model().labData(), before);

  points->item(1, 2)->setText("1.33");
  EXPECT_TRUE(error->isHidden());
  EXPECT_EQ(window_->model().labData()->points[1].bo, 1.33);

  // A line the reader's message refers to is named as the row it is.
  points->item(1, 0)->setText("173.7");  // row 2's pressure: row 1's
  EXPECT_TRUE(error->text().contains("row 2, Pressure: the pressure of row 1 again")) << error->text().toStdString();
  EXPECT_EQ(window_->model().labData()->points[1].pressure, 614.7);
  points->item(1, 0)->setText("614.7");
  EXPECT_TRUE(error->isHidden());

  points->setCurrentCell(6, 0);
  QApplication::clipboard()->setText("Pressure\tRs\tBo\n3000\t854\t1.58\n900\t365\t1.36\n");
  QTest::keySequence(points, QKeySequence::Paste);
  EXPECT_TRUE(error->isHidden()) << error->text().toStdString();
  const std::vector<LabPoint>& taken = window_->model().labData()->points;
  ASSERT_EQ(taken.size(), 8u);
  EXPECT_EQ(taken[2].pressure, 900);
  EXPECT_EQ(taken.back().pressure, 3000);
  EXPECT_EQ(taken.back().bo, 1.58);
  EXPECT_EQ(points->rowCount(), 9);
  EXPECT_EQ(points->item(6, 0)->text(), "3000");  // the rows stay where they were typed

  OnPage<QLineEdit>("labBubblePoint")->clear();
  QTest::keyClicks(OnPage<QLineEdit>("labBubblePoint"), "abc");
  QTest::keyClick(OnPage<QLineEdit>("labBubblePoint"), Qt::Key_Return);
  EXPECT_TRUE(error->text().contains("Bubble point (measured): \"abc\" is not a number"))
      << error->text().toStdString();
  EXPECT_EQ(window_->model().labData()->bubblePoint, 2634.7);

  // Such typing is not let go without asking: Cancel keeps it, Discard shows the case's.
  const int opened = dialogs_->openAsked;
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Cancel;
  window_->openCase();
  EXPECT_EQ(dialogs_->openAsked, opened);
  EXPECT_EQ(OnPage<QLineEdit>("labBubblePoint")->text(), "abc");
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Discard;
  window_->openCase();
  EXPECT_EQ(dialogs_->openAsked, opened + 1);
  EXPECT_EQ(OnPage<QLineEdit>("labBubblePoint")->text(), "2634.7");
  EXPECT_TRUE(error->isHidden());
}

// The lab data and the tuning are saved after the case's record and open again as they
// were, tuned; without them the case is saved as its record alone.
TEST_F(LabDataTest, LabDataAndTuningAreSavedWithTheCaseAndOpenAgain) {
  Calculate(kLabConditions);
  dialogs_->nextSaveFileName = Path("plain.pvt");
  ClickToolButton("Save");
  const QByteArray plain = ReadAll(Path("plain.pvt"));
  ASSERT_EQ(plain.count("\r\n"), 1);

  OpenLabFile("moses.csv", kLabFile);
  ClickOnPage("applyTuning");
  ASSERT_TRUE(window_->model().tuned());
  EXPECT_TRUE(window_->isWindowModified());
  dialogs_->nextSaveFileName = Path("tuned.pvt");
  window_->saveCaseAs();
  EXPECT_FALSE(window_->isWindowModified());
  const QByteArray saved = ReadAll(Path("tuned.pvt"));
  EXPECT_TRUE(saved.contains("\r\n@lab,tarnvik-lab,1,field\r\n")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("\r\n@tuning,2,")) << saved.toStdString();

  WindowDriver other;
  ASSERT_TRUE(other.window_->openPath(Path("tuned.pvt")));
  EXPECT_EQ(other.window_->model().labData(), window_->model().labData());
  EXPECT_EQ(other.window_->model().tuning(), window_->model().tuning());
  EXPECT_TRUE(other.Text("ocx").contains("tuned to lab data"));
  EXPECT_FALSE(other.window_->isWindowModified());

  Find<QAction>(other.window_.get(), "labAction")->trigger();
  QTest::mouseClick(Find<QAbstractButton>(other.window_->tablesWindow(), "removeLabData"), Qt::LeftButton);
  EXPECT_FALSE(other.window_->model().labData().has_value());
  EXPECT_FALSE(other.window_->model().tuned());
  EXPECT_TRUE(other.window_->isWindowModified());
  other.dialogs_->nextSaveFileName = Path("again.pvt");
  other.window_->saveCaseAs();
  EXPECT_EQ(ReadAll(Path("again.pvt")), saved.left(saved.indexOf("\r\n") + 2));
}

}  // namespace
}  // namespace tarnvik::testing
