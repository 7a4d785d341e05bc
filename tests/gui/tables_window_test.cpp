// The "Tables and Plots" window driven through its real widgets: its pressure table and
// oil-family table against the main window's own outputs at the same pressure and family;
// the range boxes; a z-factor failure at one pressure; refresh on recalculation; the plots;
// copy, CSV, PNG and SVG.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QImage>
#include <QLineSeries>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include "csv_row.h"
#include "gui/result_table_model.h"
#include "gui/tables_window.h"
#include "io/number_text.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

// GOR given: the bubble point (about 2203 psia) lies above the reservoir pressure.
const TypedCase kGorCase{{"35", "0.75", "200", "2000", "0.5", "20", "25", "3", "0.5"}};
// Bubble point given (2500 psia), water as a specific gravity, dry gas: the default
// range ends at 1.25 pb = 3125 psia.
const TypedCase kBubblePointCase{{"30", "0.8", "180", "2000", "2500", "18", "30", "1.05", "1"},
                                 "Bubble Point Pressure psia",
                                 "Water Specific Gravity",
                                 "Glaso : North Sea Crudes",
                                 "Dry Gas"};

constexpr int kFirstFieldColumn = 1;
constexpr int kNoteColumn = kFirstFieldColumn + int(kOutputFieldCount);
int FieldColumn(OutputField field) { return kFirstFieldColumn + static_cast<int>(field); }

QString Cell(const QAbstractItemModel& model, int row, int column) {
  return model.data(model.index(row, column)).toString();
}

QStringList Headers(const QAbstractItemModel& model) {
  QStringList headers;
  for (int column = 0; column < model.columnCount(); ++column)
    headers << model.headerData(column, Qt::Horizontal).toString();
  return headers;
}

QStringList CsvLine(const QString& line) {
  QStringList fields;
  for (const std::string& field : SplitCsvRow(line.toStdString())) fields << QString::fromStdString(field);
  return fields;
}

QLineSeries* SeriesNamed(QChart* chart, const QString& prefix) {
  for (QAbstractSeries* series : chart->series()) {
    if (series->name().startsWith(prefix)) return qobject_cast<QLineSeries*>(series);
  }
  return nullptr;
}

// The y value plotted at exactly this pressure.
std::optional<double> ValueAt(QLineSeries* series, double pressure) {
  for (const QPointF& point : series->points()) {
    if (point.x() == pressure) return point.y();
  }
  return std::nullopt;
}

class TablesWindowTest : public WindowTest {
 public:
  TablesWindow* Tables() {
    if (window_->tablesWindow() == nullptr) ClickToolButton("Tables");
    return window_->tablesWindow();
  }
  QTableView* PressureView() { return Find<QTableView>(Tables(), "pressureTable"); }
  QAbstractItemModel& PressureModel() { return *PressureView()->model(); }
  QAbstractItemModel& FamilyModel() { return *Find<QTableView>(Tables(), "familyTable")->model(); }
  QChart* Chart(const char* name) { return Find<QChartView>(Tables(), name)->chart(); }
  void ShowTab(int tab) {
    QTabBar* bar = Find<QTabWidget>(Tables(), "tablesTabs")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  }
  void SetRange(const QString& lowest, const QString& highest, const QString& points) {
    for (auto [name, text] : {std::pair{"rangeLowest", lowest}, {"rangeHighest", highest}, {"rangePoints", points}}) {
      Find<QLineEdit>(Tables(), name)->setText(text);
    }
    QTest::mouseClick(Find<QAbstractButton>(Tables(), "applyRange"), Qt::LeftButton);
  }
  // Rows whose note holds `note`.
  std::vector<int> RowsNoted(const QString& note) {
    std::vector<int> rows;
    for (int row = 0; row < PressureModel().rowCount(); ++row) {
      if (Cell(PressureModel(), row, kNoteColumn).contains(note)) rows.push_back(row);
    }
    return rows;
  }
  double PressureOf(int row) {
    return PressureModel().data(PressureModel().index(row, 0), ResultTableModel::kNumberRole).toDouble();
  }
  // The main window's 21 outputs after calculating at `pressure`.
  QStringList MainWindowOutputsAt(double pressure) {
    Type("px", QString::fromStdString(FormatShortest(pressure)));
    Click("Command1");
    QStringList texts;
    for (const OutputFieldInfo& field : kOutputFields) texts << Text(field.control.data());
    return texts;
  }
};

TEST_F(TablesWindowTest, OpensFromShortcutToolbarAndMenuAndAsksForACalculationFirst) {
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_T));
  TablesWindow* tables = window_->tablesWindow();
  ASSERT_NE(tables, nullptr);
  EXPECT_TRUE(Find<QLabel>(tables, "tablesPrompt")->isVisible());
  EXPECT_FALSE(Find<QWidget>(tables, "copyTable")->isEnabled());
  tables->close();
  ClickToolButton("Tables");
  tables->close();
  Find<QAction>(window_.get(), "tablesAction")->trigger();
  EXPECT_EQ(window_->tablesWindow(), tables);
  EXPECT_TRUE(tables->isVisible());

  Calculate(kGorCase);
  EXPECT_FALSE(Find<QLabel>(tables, "tablesPrompt")->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "copyTable")->isEnabled());
  ClickToolButton("Exit");
  EXPECT_FALSE(tables->isVisible());
}

// The default table: 50 points from 14.7 psia to 1.25 pb plus the bubble-point and the
// reservoir-pressure rows, marked in bold; those rows and the last hold exactly what the
// main window shows when it calculates at their pressures.
TEST_F(TablesWindowTest, DefaultTableRowsEqualTheMainWindowAtTheirPressures) {
  Calculate(kBubblePointCase);
  QAbstractItemModel& model = PressureModel();
  ASSERT_EQ(model.rowCount(), 52);
  EXPECT_EQ(model.headerData(FieldColumn(OutputField::PbOrRsb), Qt::Horizontal).toString(),
            "Gas-oil ratio at the bubble point [MCF/STB]");
  const std::vector<int> pbRows = RowsNoted("bubble point"), pRows = RowsNoted("reservoir pressure");
  ASSERT_EQ(pbRows.size(), 1u);
  ASSERT_EQ(pRows.size(), 1u);
  EXPECT_EQ(PressureOf(pRows[0]), 2000);
  EXPECT_EQ(PressureOf(51), 1.25 * 2500);
  for (int row = 0; row < model.rowCount(); ++row) {
    const bool marked = row == pbRows[0] || row == pRows[0];
    EXPECT_EQ(model.data(model.index(row, 1), Qt::FontRole).value<QFont>().bold(), marked) << row;
  }
  std::vector<std::pair<double, QStringList>> expected;
  for (int row : {pbRows[0], pRows[0], 51}) {
    QStringList texts;
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) texts << Cell(model, row, kFirstFieldColumn + int(i));
    expected.emplace_back(PressureOf(row), texts);
  }
  window_->tablesWindow()->close();
  for (const auto& [pressure, texts] : expected) EXPECT_EQ(MainWindowOutputsAt(pressure), texts) << pressure;
}

TEST_F(TablesWindowTest, RangeBoxesSetTheTableAndRefuseBadRangesInWords) {
  Calculate(kBubblePointCase);
  const struct {
    const char* lowest;
    const char* highest;
    const char* points;
    int rows;  // 0: refused
    const char* error;
  } steps[] = {
      {"1000", "3000", "2000", 2002, ""},
      {"1000", "1500", "10", 10, ""},  // neither pb nor p inside
      {"", "", "1", 0, "No table: the number of points must be from 2 to 2000, not 1."},
      {"3000", "1000", "", 0, "No table: the highest pressure (1000 psia) must be above the lowest (3000 psia)."},
      {"abc", "", "", 0, "No table: the lowest pressure \"abc\" is not a number."},
      {"", "", "2.5", 0, "No table: the number of points must be a whole number, not \"2.5\"."},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.lowest) + " / " + step.highest + " / " + step.points);
    SetRange(step.lowest, step.highest, step.points);
    auto* error = Find<QLabel>(Tables(), "rangeError");
    EXPECT_EQ(error->isHidden() ? QString() : error->text(), step.error);
    ASSERT_EQ(PressureModel().rowCount(), step.rows);
    QLineSeries* rs = SeriesNamed(Chart("rsBoChart"), "Rs");
    EXPECT_EQ(rs == nullptr ? 0 : int(rs->count()), step.rows) << "every row is plotted";
  }
}

// A 0.75 wet gas has Ppc ≈ 661 psia, so above about 13,550 psia Ppr exceeds 20.5: in a
// table up to 14,000 psia only the last row fails, and says so as the main window would. At
// −200 °F Tpr is below 1 at every pressure: no row computes.
TEST_F(TablesWindowTest, ZFactorFailureMarksOnlyThatRow) {
  Calculate(kGorCase);
  SetRange("1000", "14000", "14");
  QAbstractItemModel& model = PressureModel();
  const int last = model.rowCount() - 1;
  const QString note = Cell(model, last, kNoteColumn);
  EXPECT_EQ(note, "pPr>20.5: z-factor Routine FAILS");
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) EXPECT_EQ(Cell(model, last, kFirstFieldColumn + int(i)), "");
  for (int row = 0; row < last; ++row) EXPECT_NE(Cell(model, row, FieldColumn(OutputField::Z)), "") << row;
  EXPECT_EQ(SeriesNamed(Chart("zBgChart"), "z")->count(), last);
  EXPECT_EQ(model.data(model.index(last, kNoteColumn), Qt::ToolTipRole).toString(), note) << "read whole on hover";
  auto* failed = Find<QLabel>(window_->tablesWindow(), "failedRows");
  EXPECT_EQ(failed->text(), QString("1 of %1 rows could not be computed: %2 at 14000 psia.").arg(last + 1).arg(note));
  // In the units shown (the metric grid has rows of its own): 14000 psia is 965.3 bara.
  Find<QAction>(window_.get(), "unitsMetric")->trigger();
  EXPECT_TRUE(failed->text().endsWith(QString(" rows could not be computed: %1 at 965.3 bara.").arg(note)))
      << failed->text().toStdString();
  Find<QAction>(window_.get(), "unitsField")->trigger();
  window_->tablesWindow()->close();
  MainWindowOutputsAt(14000);
  EXPECT_TRUE(Status().startsWith(note));

  // A case no row of which can be computed says so plainly, and so does the Plots page
  // instead of showing empty axes; there is no plot to save.
  Type("tx", "-200");
  Click("Command1");
  ClickToolButton("Tables");
  EXPECT_EQ(failed->text(), "No row could be computed: pTr<1: z-factor Routine FAILS.");
  EXPECT_TRUE(failed->isVisible());
  ShowTab(2);
  auto* message = Find<QLabel>(Tables(), "plotMessage");
  EXPECT_TRUE(message->isVisible());
  EXPECT_EQ(message->text(), "No plot: No row could be computed: pTr<1: z-factor Routine FAILS.");
  EXPECT_FALSE(Find<QWidget>(Tables(), "plotStack")->isVisible());
  EXPECT_FALSE(Find<QWidget>(Tables(), "savePlot")->isEnabled());
  Type("tx", "200");
  Click("Command1");
  EXPECT_FALSE(message->isVisible());
  EXPECT_TRUE(Find<QWidget>(Tables(), "plotStack")->isVisible());
  EXPECT_TRUE(Find<QWidget>(Tables(), "savePlot")->isEnabled());
}

// A family chosen in the dialog: the family table's row for it holds the main window's oil
// outputs, in bold; a recalculation refreshes the open window.
TEST_F(TablesWindowTest, FamilyRowsAndRefreshFollowTheMainWindow) {
  Calculate(kGorCase);
  QAbstractItemModel& model = FamilyModel();
  ASSERT_EQ(model.rowCount(), 9);
  for (const int family : {2, 7}) {
    const QString item = QString::fromUtf8(kOilCorrelationItems[std::size_t(family)]);
    SCOPED_TRACE(item.toStdString());
    Choose("Oilch", item);
    Click("Command1");
    EXPECT_TRUE(item.startsWith(Cell(model, family, 0) + " :"));
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(Cell(model, family, 1 + i), Text(InfoOf(kComparisonFields[std::size_t(i)]).control.data())) << i;
    }
    for (int row = 0; row < 9; ++row) {
      EXPECT_EQ(model.data(model.index(row, 0), Qt::FontRole).value<QFont>().bold(), row == family);
    }
  }
  // The last column says whether the inputs lie inside each family's data.
  const int data = model.columnCount() - 1;
  EXPECT_EQ(model.headerData(data, Qt::Horizontal).toString(), "Inputs and the family's data");
  EXPECT_EQ(Cell(model, 0, data), "inside") << "Standing's data cover the typical case";
  EXPECT_EQ(Cell(model, 7, data), "unknown") << "Obomanu and Okpobiri's ranges are not known";
  Type("px", "2500");
  Click("Command1");
  EXPECT_EQ(PressureOf(RowsNoted("reservoir pressure").at(0)), 2500);
  EXPECT_TRUE(Find<QLabel>(Tables(), "caseSummary")->text().contains("reservoir 2500 psia"));
}

TEST_F(TablesWindowTest, PlotsMarkBubblePointAndReservoirPressureAndFollowTheMainWindow) {
  Calculate(kGorCase);
  const double pbRow = PressureOf(RowsNoted("bubble point").at(0));
  EXPECT_NEAR(pbRow, Text("pbx").toDouble(), 0.5);  // GOR mode: the window shows pb in psia
  QChart* chart = Chart("rsBoChart");
  QLineSeries* rs = SeriesNamed(chart, "Rs");
  ASSERT_NE(rs, nullptr);
  EXPECT_NEAR(ValueAt(rs, 2000).value_or(-1), Text("rsx").toDouble(), 0.0005);
  EXPECT_EQ(SeriesNamed(chart, "Reservoir pressure")->name(), "Reservoir pressure, 2000 psia");
  for (const QPointF& point : SeriesNamed(chart, "Bubble point")->points()) EXPECT_EQ(point.x(), pbRow);
  QChart* families = Chart("familyRsChart");
  ASSERT_EQ(families->series().size(), 10);
  EXPECT_EQ(ValueAt(SeriesNamed(families, "Standing"), 2000), ValueAt(rs, 2000));
}

class TablesFileTest : public TablesWindowTest {
 public:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

// Saved and copied tables hold numbers a spreadsheet reads: full precision in the display
// units (a number, not "."), the key and note texts as shown. The bubble point given equal
// to the reservoir pressure makes one row both.
TEST_F(TablesFileTest, SavesAndCopiesTablesWithPlainNumbers) {
  TypedCase c = kBubblePointCase;
  c.boxes[4] = "2000";
  Calculate(c);
  QAbstractItemModel& model = PressureModel();
  const std::vector<int> both = RowsNoted("bubble point; reservoir pressure");
  ASSERT_EQ(both.size(), 1u);
  dialogs_->nextSaveFileName = Path("table.csv");
  Click("saveTableCsv");
  const QStringList lines = QString::fromUtf8(ReadAll(Path("table.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), model.rowCount() + 1);
  EXPECT_EQ(CsvLine(lines[0]), Headers(model));
  const QStringList row = CsvLine(lines[1 + both[0]]);
  EXPECT_EQ(row[0], "2000");
  EXPECT_NEAR(row[FieldColumn(OutputField::Bw)].toDouble(), Text("bwx").toDouble(), 0.0005);
  EXPECT_GT(row[FieldColumn(OutputField::Bw)].size(), Text("bwx").size()) << "full precision";
  EXPECT_EQ(Cell(model, both[0], FieldColumn(OutputField::Sg)), ".");
  EXPECT_NEAR(row[FieldColumn(OutputField::Sg)].toDouble(), 0, 1e-9) << "what shows as \".\" is a number";

  PressureView()->selectionModel()->select(QItemSelection(model.index(3, 0), model.index(4, 2)),
                                           QItemSelectionModel::Select);
  QTest::keySequence(PressureView(), QKeySequence::Copy);
  const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(copied.size(), 3);
  EXPECT_EQ(copied[0], QStringList(Headers(model).mid(0, 3)).join('\t'));
  EXPECT_EQ(copied[2].split('\t').value(0), QString::fromStdString(FormatRoundTrip(PressureOf(4))));

  dialogs_->nextSaveFileName = Path("missing/table.csv");
  Click("saveTableCsv");
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].startsWith("The table could not be saved to")) << dialogs_->errors[0].toStdString();
}

TEST_F(TablesFileTest, SavesThePlotShownAsPngOrSvg) {
  Calculate(kGorCase);
  ShowTab(2);
  dialogs_->nextSaveFileName = Path("rs.png");
  Click("savePlot");
  EXPECT_FALSE(QImage(Path("rs.png")).isNull());
  auto* list = Find<QListWidget>(Tables(), "plotList");
  list->setCurrentRow(list->count() - 1);  // Bo of the nine families
  dialogs_->nextSaveFileName = Path("families.SVG");
  Click("savePlot");
  EXPECT_TRUE(ReadAll(Path("families.SVG")).contains("Kartoatmodjo/Schmidt")) << "the legend is drawn";
  dialogs_->nextSaveFileName = Path("plot.txt");
  Click("savePlot");
  EXPECT_FALSE(QFile::exists(Path("plot.txt")));
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("must end in .png or .svg")) << dialogs_->errors[0].toStdString();
}

}  // namespace
}  // namespace tarnvik::testing
