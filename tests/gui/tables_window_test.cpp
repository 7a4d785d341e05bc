// The "Tables and Plots" window driven through its real widgets: opened from the toolbar,
// the menu and the shortcut; its pressure table and oil-family table checked against the
// main window's own outputs at the same pressure and family; the range boxes; a z-factor
// failure at one pressure; refresh on recalculation; the plots; copy, CSV, PNG and SVG.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QValueAxis>
#include <array>
#include <cmath>

#include "gui/result_table_model.h"
#include "gui/tables_window.h"
#include "io/number_text.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

const char* const kBoxes[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};

struct CaseInput {
  std::array<const char*, 9> boxes;
  const char* gorSelector;
  const char* waterSelector;
  const char* oil;
  const char* gas;
  const char* rock;
};

// GOR given: the bubble point (about 2203 psia) is computed and lies above the reservoir
// pressure, so the default range reaches 1.25 pb and both marked rows fall between points.
const CaseInput kGorCase = {{"35", "0.75", "200", "2000", "0.5", "20", "25", "3", "0.5"},
                            "GOR MCF/STB",
                            "Salinity % NaCl",
                            "Standing : California Crudes",
                            "Wet Gas",
                            "Hall"};
// Bubble-point pressure given (2500 psia), water as a specific gravity, dry gas.
const CaseInput kBubblePointCase = {{"30", "0.8", "180", "2000", "2500", "18", "30", "1.05", "1"},
                                    "Bubble Point Pressure psia",
                                    "Water Specific Gravity",
                                    "Glaso : North Sea Crudes",
                                    "Dry Gas",
                                    "Hall"};

constexpr int kFirstFieldColumn = 1;
constexpr int kNoteColumn = kFirstFieldColumn + int(kOutputFieldCount);
int FieldColumn(OutputField field) { return kFirstFieldColumn + static_cast<int>(field); }

QString Cell(const QAbstractItemModel& model, int row, int column) {
  return model.data(model.index(row, column)).toString();
}

QStringList Headers(const QAbstractItemModel& model) {
  QStringList headers;
  for (int column = 0; column < model.columnCount(); ++column) {
    headers << model.headerData(column, Qt::Horizontal).toString();
  }
  return headers;
}

// Splits one comma-separated line with quoted fields.
QStringList SplitCsvLine(const QString& line) {
  QStringList fields(QString{});
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
      fields.back() += u'"';
      ++i;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (c == u',' && !quoted) {
      fields << QString();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
  void Enter(const CaseInput& input) {
    for (int i = 0; i < 9; ++i) Type(kBoxes[i], QString::fromLatin1(input.boxes[i]));
    SetSelector("gorpk", QString::fromLatin1(input.gorSelector));
    SetSelector("wtrpk", QString::fromLatin1(input.waterSelector));
    Click("Command3");
    Choose("Oilch", QString::fromLatin1(input.oil));
    Choose("Gasch", QString::fromLatin1(input.gas));
    Choose("Forch", QString::fromLatin1(input.rock));
    Click("Command1");
  }

  TablesWindow* Tables() {
    if (window_->tablesWindow() == nullptr) ClickToolButton("Tables");
    TablesWindow* tables = window_->tablesWindow();
    EXPECT_NE(tables, nullptr);
    return tables;
  }
  QTableView* PressureView() { return Find<QTableView>(Tables(), "pressureTable"); }
  QAbstractItemModel& PressureModel() { return *PressureView()->model(); }
  QAbstractItemModel& FamilyModel() { return *Find<QTableView>(Tables(), "familyTable")->model(); }
  QChart* Chart(const char* name) { return Find<QChartView>(Tables(), name)->chart(); }

  void ShowTab(int tab) {
    QTabBar* bar = Find<QTabWidget>(Tables(), "tablesTabs")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  }
  void ShowPlot(const char* name) {
    auto* list = Find<QListWidget>(Tables(), "plotList");
    const QList<QListWidgetItem*> items = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
  }
  void SetRange(const QString& lowest, const QString& highest, const QString& points) {
    for (auto [name, text] : {std::pair{"rangeLowest", lowest}, {"rangeHighest", highest}, {"rangePoints", points}}) {
      QLineEdit* box = Find<QLineEdit>(Tables(), name);
      box->clear();
      QTest::keyClicks(box, text);
    }
    QTest::mouseClick(Find<QAbstractButton>(Tables(), "applyRange"), Qt::LeftButton);
  }
  QString RangeError() {
    auto* label = Find<QLabel>(Tables(), "rangeError");
    return label->isHidden() ? QString() : label->text();
  }

  // Rows whose note holds `note`.
  std::vector<int> RowsNoted(const QString& note) {
    std::vector<int> rows;
    QAbstractItemModel& model = PressureModel();
    for (int row = 0; row < model.rowCount(); ++row) {
      if (Cell(model, row, kNoteColumn).contains(note)) rows.push_back(row);
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

TEST_F(TablesWindowTest, OpensOnceFromShortcutToolbarAndMenuAndAsksForACalculationFirst) {
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_T));
  TablesWindow* tables = window_->tablesWindow();
  ASSERT_NE(tables, nullptr);
  EXPECT_TRUE(tables->isVisible());
  EXPECT_FALSE(tables->isModal());
  auto* prompt = Find<QLabel>(tables, "tablesPrompt");
  EXPECT_TRUE(prompt->isVisible());
  EXPECT_FALSE(Find<QWidget>(tables, "tablesTabs")->isVisible());
  for (const char* button : {"copyTable", "saveTableCsv", "savePlot"}) {
    EXPECT_FALSE(Find<QWidget>(tables, button)->isEnabled()) << button;
  }
  tables->close();
  ClickToolButton("Tables");
  EXPECT_EQ(window_->tablesWindow(), tables);
  tables->close();
  Find<QAction>(window_.get(), "tablesAction")->trigger();
  EXPECT_TRUE(tables->isVisible());

  Enter(kGorCase);
  EXPECT_FALSE(prompt->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "copyTable")->isEnabled());
  ClickToolButton("Exit");
  EXPECT_FALSE(tables->isVisible());
}

// The default table: 50 points from 14.7 psia to 1.25 pb plus the bubble-point and the
// reservoir-pressure rows, marked in bold; the marked and last rows hold exactly what the
// main window shows when it calculates at that row's pressure.
TEST_F(TablesWindowTest, DefaultTableRowsEqualTheMainWindowAtTheirPressures) {
  Enter(kBubblePointCase);
  QAbstractItemModel& model = PressureModel();
  ASSERT_EQ(model.rowCount(), 52);
  ASSERT_EQ(model.columnCount(), 23);
  EXPECT_EQ(model.headerData(FieldColumn(OutputField::PbOrRsb), Qt::Horizontal).toString(),
            "Gas-oil ratio at the bubble point [MCF/STB]");
  const std::vector<int> pbRows = RowsNoted("bubble point"), pRows = RowsNoted("reservoir pressure");
  ASSERT_EQ(pbRows.size(), 1u);
  ASSERT_EQ(pRows.size(), 1u);
  EXPECT_EQ(PressureOf(pRows[0]), 2000);
  EXPECT_EQ(PressureOf(0), 14.7);
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
  Enter(kBubblePointCase);  // pb 2500 psia, p 2000 psia: the default range ends at 3125 psia
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
      {"", "", "", 52, ""},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.lowest) + " / " + step.highest + " / " + step.points);
    SetRange(step.lowest, step.highest, step.points);
    EXPECT_EQ(RangeError(), step.error);
    ASSERT_EQ(PressureModel().rowCount(), step.rows);
    QLineSeries* rs = SeriesNamed(Chart("rsBoChart"), "Rs");
    EXPECT_EQ(rs == nullptr ? 0 : int(rs->count()), step.rows) << "every row is plotted";
  }
}

// A 0.75 wet gas has Ppc ≈ 661 psia, so above about 13,550 psia Ppr exceeds 20.5: in a
// table up to 14,000 psia only the last row fails, and says so as the main window would.
TEST_F(TablesWindowTest, ZFactorFailureMarksOnlyThatRow) {
  Enter(kGorCase);
  SetRange("1000", "14000", "14");
  QAbstractItemModel& model = PressureModel();
  const int last = model.rowCount() - 1;
  const QString note = Cell(model, last, kNoteColumn);
  EXPECT_EQ(note, "pPr>20.5: z-factor Routine FAILS");
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) EXPECT_EQ(Cell(model, last, kFirstFieldColumn + int(i)), "");
  for (int row = 0; row < last; ++row) EXPECT_NE(Cell(model, row, FieldColumn(OutputField::Z)), "") << row;
  EXPECT_EQ(SeriesNamed(Chart("zBgChart"), "z")->count(), last);
  window_->tablesWindow()->close();
  MainWindowOutputsAt(14000);
  EXPECT_TRUE(Status().startsWith(note));
}

TEST_F(TablesWindowTest, RecalculatingRefreshesTheOpenWindow) {
  Enter(kGorCase);
  Tables();
  Type("px", "2500");
  Click("Command1");
  ASSERT_EQ(RowsNoted("reservoir pressure").size(), 1u);
  EXPECT_EQ(PressureOf(RowsNoted("reservoir pressure")[0]), 2500);
  EXPECT_TRUE(Find<QLabel>(Tables(), "caseSummary")->text().contains("reservoir 2500 psia"));
  EXPECT_EQ(Cell(FamilyModel(), 0, 2), Text("rsx"));
}

// The case run with a family chosen in the dialog: the family table's row for it holds the
// main window's oil outputs, in bold.
TEST_F(TablesWindowTest, FamilyRowEqualsTheMainWindow) {
  Enter(kGorCase);
  Tables();
  QAbstractItemModel& model = FamilyModel();
  ASSERT_EQ(model.rowCount(), 9);
  ASSERT_EQ(model.columnCount(), 7);
  for (const int family : {2, 4, 7}) {
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
}

TEST_F(TablesWindowTest, PlotsMarkBubblePointAndReservoirPressureAndFollowTheMainWindow) {
  Enter(kGorCase);
  Tables();
  const double pbRow = PressureOf(RowsNoted("bubble point").at(0));
  EXPECT_NEAR(pbRow, Text("pbx").toDouble(), 0.5);  // GOR mode: the window shows pb in psia
  QChart* chart = Chart("rsBoChart");
  QLineSeries* rs = SeriesNamed(chart, "Rs");
  ASSERT_NE(rs, nullptr);
  EXPECT_NEAR(ValueAt(rs, 2000).value_or(-1), Text("rsx").toDouble(), 0.0005);
  EXPECT_EQ(SeriesNamed(chart, "Reservoir pressure")->name(), "Reservoir pressure, 2000 psia");
  for (const QPointF& point : SeriesNamed(chart, "Bubble point")->points()) EXPECT_EQ(point.x(), pbRow);
  QStringList titles;
  for (QAbstractAxis* axis : chart->axes()) titles << axis->titleText();
  titles.sort();
  EXPECT_EQ(titles, QStringList({"Bo (RB/STB)", "Pressure (psia)", "Rs (MCF/STB)"}));

  QChart* families = Chart("familyRsChart");
  ASSERT_EQ(families->series().size(), 10);
  EXPECT_EQ(ValueAt(SeriesNamed(families, "Standing"), 2000), ValueAt(rs, 2000));
}

class TablesFileTest : public TablesWindowTest {
 public:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

// Saved tables hold numbers a spreadsheet reads: full precision in the display units
// (0.5, not ".5"; a number, not "."), the key and note texts as shown. The bubble point given
// equal to the reservoir pressure makes one row both, and its note is quoted.
TEST_F(TablesFileTest, SavesTheTableAsCsvWithPlainNumbers) {
  CaseInput input = kBubblePointCase;
  input.boxes[4] = "2000";
  Enter(input);
  QAbstractItemModel& model = PressureModel();
  const std::vector<int> both = RowsNoted("bubble point; reservoir pressure");
  ASSERT_EQ(both.size(), 1u);

  dialogs_->nextSaveFileName = Path("table.csv");
  Click("saveTableCsv");
  const QStringList lines = QString::fromUtf8(ReadAll(Path("table.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), model.rowCount() + 1);
  EXPECT_EQ(SplitCsvLine(lines[0]), Headers(model));
  const QStringList row = SplitCsvLine(lines[1 + both[0]]);
  EXPECT_EQ(row.last(), "bubble point; reservoir pressure");
  EXPECT_EQ(row[0], "2000");
  EXPECT_NEAR(row[FieldColumn(OutputField::Bw)].toDouble(), Text("bwx").toDouble(), 0.0005);
  EXPECT_GT(row[FieldColumn(OutputField::Bw)].size(), Text("bwx").size()) << "full precision";
  EXPECT_EQ(Cell(model, both[0], FieldColumn(OutputField::Sg)), ".");
  EXPECT_NEAR(row[FieldColumn(OutputField::Sg)].toDouble(), 0, 1e-9) << "what shows as \".\" is a number";

  ShowTab(1);
  dialogs_->nextSaveFileName = Path("families.csv");
  Click("saveTableCsv");
  const QStringList families = QString::fromUtf8(ReadAll(Path("families.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(families.size(), 10);
  EXPECT_EQ(SplitCsvLine(families[3]).value(0), "Glaso");

  dialogs_->nextSaveFileName = Path("missing/table.csv");
  Click("saveTableCsv");
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].startsWith("The table could not be saved to")) << dialogs_->errors[0].toStdString();
}

TEST_F(TablesFileTest, SavesThePlotShownAsPngOrSvg) {
  Enter(kGorCase);
  ShowTab(2);
  ShowPlot("z and Bg");
  dialogs_->nextSaveFileName = Path("z.png");
  Click("savePlot");
  EXPECT_FALSE(QImage(Path("z.png")).isNull());

  ShowPlot("Bo, nine oil families");
  dialogs_->nextSaveFileName = Path("families.SVG");
  Click("savePlot");
  EXPECT_TRUE(ReadAll(Path("families.SVG")).contains("Kartoatmodjo/Schmidt")) << "the legend is drawn";

  dialogs_->nextSaveFileName = Path("plot.txt");
  Click("savePlot");
  EXPECT_FALSE(QFile::exists(Path("plot.txt")));
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("must end in .png or .svg")) << dialogs_->errors[0].toStdString();
}

TEST_F(TablesWindowTest, CopyPutsTheSelectionOrTheWholeTableOnTheClipboard) {
  Enter(kGorCase);
  QTableView* view = PressureView();
  QAbstractItemModel& model = *view->model();
  view->clearSelection();
  Click("copyTable");
  QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), model.rowCount() + 1);
  EXPECT_EQ(lines[0], Headers(model).join('\t'));
  EXPECT_EQ(lines[1].split('\t')[0], "14.7");

  view->selectionModel()->select(QItemSelection(model.index(3, 0), model.index(4, 2)), QItemSelectionModel::Select);
  QTest::keySequence(view, QKeySequence::Copy);
  lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringList(Headers(model).mid(0, 3)).join('\t'));
  EXPECT_EQ(lines[2].split('\t').size(), 3);
}

}  // namespace
}  // namespace tarnvik::testing
