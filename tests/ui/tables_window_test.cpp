// The "Tables and Plots" window driven through its real widgets: opened from the toolbar,
// the menu and the shortcut; its pressure table and oil-family table checked against the
// main window's own outputs at the same pressure and family; the range boxes; z-factor
// failures at one pressure; refresh on recalculation; the plots; copy, CSV, PNG and SVG.
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

#include "calc/number_text.h"
#include "calc/output_fields.h"
#include "ui/pressure_table_model.h"
#include "ui/tables_window.h"
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

int FieldColumn(OutputField field) { return PressureTableModel::kFirstFieldColumn + static_cast<int>(field); }

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
      if (Cell(model, row, PressureTableModel::kNoteColumn).contains(note)) rows.push_back(row);
    }
    return rows;
  }
  double PressureOf(int row) {
    return PressureModel()
        .data(PressureModel().index(row, PressureTableModel::kPressureColumn), PressureTableModel::kPressureRole)
        .toDouble();
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
  EXPECT_EQ(tables->objectName(), "tablesWindow");
  EXPECT_EQ(tables->windowTitle(), "Tables and Plots");
  EXPECT_TRUE(tables->isWindow());
  EXPECT_FALSE(tables->isModal());
  auto* prompt = Find<QLabel>(tables, "tablesPrompt");
  EXPECT_TRUE(prompt->isVisible());
  EXPECT_TRUE(prompt->text().contains("Calculate a case in the main window")) << prompt->text().toStdString();
  EXPECT_FALSE(Find<QWidget>(tables, "tablesTabs")->isVisible());
  for (const char* button : {"copyTable", "saveTableCsv", "savePlot"}) {
    EXPECT_FALSE(Find<QWidget>(tables, button)->isEnabled()) << button;
  }

  tables->close();
  ClickToolButton("Tables");
  EXPECT_EQ(window_->tablesWindow(), tables);
  EXPECT_TRUE(tables->isVisible());
  tables->close();
  EXPECT_EQ(Find<QMenu>(window_.get(), "tablesMenu")->title(), "&Tables");
  auto* item = Find<QAction>(window_.get(), "tablesAction");
  EXPECT_EQ(item->text(), "Tables and &Plots...");
  item->trigger();
  EXPECT_EQ(window_->tablesWindow(), tables);
  EXPECT_TRUE(tables->isVisible());

  Enter(kGorCase);
  EXPECT_FALSE(prompt->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "tablesTabs")->isVisible());
  EXPECT_TRUE(Find<QWidget>(tables, "copyTable")->isEnabled());

  ClickToolButton("Exit");
  EXPECT_FALSE(tables->isVisible());
}

// The default table: 50 points from 14.7 psia to 1.25 pb plus the bubble-point and the
// reservoir-pressure rows, marked in bold; the first, marked and last rows hold exactly
// what the main window shows when it calculates at that row's pressure.
TEST_F(TablesWindowTest, DefaultTableRowsEqualTheMainWindowAtTheirPressures) {
  const struct {
    const CaseInput* input;
    const char* pbHeader;
  } cases[] = {{&kGorCase, "Bubble-point pressure [psia]"},
               {&kBubblePointCase, "Gas-oil ratio at the bubble point [MCF/STB]"}};
  for (const auto& each : cases) {
    SCOPED_TRACE(each.input->gorSelector);
    Enter(*each.input);
    ClickToolButton("Tables");
    QAbstractItemModel& model = PressureModel();
    ASSERT_EQ(model.rowCount(), 52);
    ASSERT_EQ(model.columnCount(), 23);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Pressure [psia]");
    EXPECT_EQ(model.headerData(FieldColumn(OutputField::Pbx), Qt::Horizontal).toString(), each.pbHeader);
    EXPECT_EQ(model.headerData(FieldColumn(OutputField::Bo), Qt::Horizontal).toString(),
              "Oil formation volume factor [RB/STB]");
    EXPECT_EQ(model.headerData(22, Qt::Horizontal).toString(), "Note");

    const std::vector<int> pbRows = RowsNoted("bubble point");
    const std::vector<int> pRows = RowsNoted("reservoir pressure");
    ASSERT_EQ(pbRows.size(), 1u);
    ASSERT_EQ(pRows.size(), 1u);
    EXPECT_EQ(PressureOf(pRows[0]), 2000);
    EXPECT_EQ(PressureOf(0), 14.7);
    EXPECT_DOUBLE_EQ(PressureOf(51), 1.25 * PressureOf(pbRows[0]));
    for (int row = 0; row < model.rowCount(); ++row) {
      const bool marked = row == pbRows[0] || row == pRows[0];
      EXPECT_EQ(model.data(model.index(row, 1), Qt::FontRole).value<QFont>().bold(), marked) << row;
      if (row > 0) {
        EXPECT_GT(PressureOf(row), PressureOf(row - 1));
      }
    }

    const std::vector<int> checked = {0, pbRows[0], pRows[0], 51};
    std::vector<std::pair<double, QStringList>> expected;
    for (int row : checked) {
      QStringList texts;
      for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
        texts << Cell(model, row, PressureTableModel::kFirstFieldColumn + int(i));
      }
      expected.emplace_back(PressureOf(row), texts);
    }
    window_->tablesWindow()->close();
    for (const auto& [pressure, texts] : expected) {
      SCOPED_TRACE(pressure);
      EXPECT_EQ(MainWindowOutputsAt(pressure), texts);
    }
  }
}

TEST_F(TablesWindowTest, RangeBoxesSetTheTableAndRefuseBadRangesInWords) {
  Enter(kBubblePointCase);  // pb 2500 psia, p 2000 psia: the default range ends at 3125 psia
  const struct {
    const char* lowest;
    const char* highest;
    const char* points;
    int rows;  // 0: refused
    double first, last;
    const char* error;
  } steps[] = {
      {"", "", "2", 4, 14.7, 3125, ""},
      {"1000", "3000", "2000", 2002, 1000, 3000, ""},
      {"1000", "1500", "10", 10, 1000, 1500, ""},  // neither pb nor p inside
      {"", "", "1", 0, 0, 0, "No table: the number of points must be from 2 to 2000, not 1."},
      {"", "", "2001", 0, 0, 0, "No table: the number of points must be from 2 to 2000, not 2001."},
      {"3000", "1000", "", 0, 0, 0, "No table: the highest pressure (1000 psia) must be above the lowest (3000 psia)."},
      {"abc", "", "", 0, 0, 0, "No table: the lowest pressure \"abc\" is not a number."},
      {"", "", "2.5", 0, 0, 0, "No table: the number of points must be a whole number, not \"2.5\"."},
      {"", "", "", 52, 14.7, 3125, ""},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::string(step.lowest) + " / " + step.highest + " / " + step.points);
    SetRange(step.lowest, step.highest, step.points);
    EXPECT_EQ(RangeError(), step.error);
    ASSERT_EQ(PressureModel().rowCount(), step.rows);
    QLineSeries* rs = SeriesNamed(Chart("rsBoChart"), "Rs");
    if (step.rows == 0) {
      EXPECT_EQ(rs, nullptr) << "a refused range leaves the plots empty";
      continue;
    }
    EXPECT_DOUBLE_EQ(PressureOf(0), step.first);
    EXPECT_DOUBLE_EQ(PressureOf(step.rows - 1), step.last);
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->count(), step.rows) << "every row is plotted";
  }

  Find<QLineEdit>(Tables(), "rangePoints")->setText("5");
  QTest::keyClick(Find<QLineEdit>(Tables(), "rangePoints"), Qt::Key_Return);
  EXPECT_EQ(PressureModel().rowCount(), 7) << "Enter applies the range";
}

// A 0.75 wet gas has Ppc ≈ 661 psia, so above about 13,550 psia Ppr exceeds 20.5: in a
// table up to 14,000 psia only the last row fails, and says so as the main window would.
TEST_F(TablesWindowTest, ZFactorFailureMarksOnlyThatRow) {
  Enter(kGorCase);
  SetRange("1000", "14000", "14");
  QAbstractItemModel& model = PressureModel();
  ASSERT_EQ(model.rowCount(), 15);  // the bubble point falls between points, p on one
  const int last = model.rowCount() - 1;
  const QString note = Cell(model, last, PressureTableModel::kNoteColumn);
  EXPECT_EQ(note, "pPr>20.5: z-factor Routine FAILS");
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    EXPECT_EQ(Cell(model, last, PressureTableModel::kFirstFieldColumn + int(i)), "") << i;
  }
  for (int row = 0; row < last; ++row) {
    EXPECT_NE(Cell(model, row, FieldColumn(OutputField::Z)), "") << row;
    EXPECT_FALSE(Cell(model, row, PressureTableModel::kNoteColumn).contains("FAILS")) << row;
  }
  for (const char* name : {"Rs", "Bo"}) EXPECT_EQ(SeriesNamed(Chart("rsBoChart"), name)->count(), last) << name;
  EXPECT_EQ(SeriesNamed(Chart("zBgChart"), "z")->count(), last);

  ASSERT_EQ(PressureOf(last - 1), 13000);
  const QString z13000 = Cell(model, last - 1, FieldColumn(OutputField::Z));

  window_->tablesWindow()->close();
  EXPECT_EQ(MainWindowOutputsAt(13000).value(int(OutputField::Z)), z13000);
  MainWindowOutputsAt(14000);
  EXPECT_EQ(Box("Text1")->text(), note);
}

TEST_F(TablesWindowTest, RecalculatingRefreshesTheOpenWindowAndReopeningShowsTheLastCase) {
  Enter(kGorCase);
  Tables();
  ASSERT_EQ(PressureOf(RowsNoted("reservoir pressure").at(0)), 2000);

  Type("px", "2500");
  Click("Command1");
  ASSERT_EQ(RowsNoted("reservoir pressure").size(), 1u);
  EXPECT_EQ(PressureOf(RowsNoted("reservoir pressure")[0]), 2500);
  EXPECT_TRUE(Find<QLabel>(Tables(), "caseSummary")->text().contains("reservoir 2500 psia"));
  EXPECT_EQ(Cell(FamilyModel(), 0, 2), Text("rsx"));

  Tables()->close();
  Type("px", "1500");
  Click("Command1");
  ClickToolButton("Tables");
  EXPECT_EQ(PressureOf(RowsNoted("reservoir pressure").at(0)), 1500);
}

// The case run with each family in turn from the dialog: the family table's row for it
// holds the main window's oil outputs.
TEST_F(TablesWindowTest, FamilyRowEqualsTheMainWindowForEveryFamily) {
  const OutputField fields[] = {OutputField::Pbx,          OutputField::Rs, OutputField::Bo,
                                OutputField::OilViscosity, OutputField::Co, OutputField::OilDensity};
  for (const CaseInput* input : {&kGorCase, &kBubblePointCase}) {
    SCOPED_TRACE(input->gorSelector);
    Enter(*input);
    ClickToolButton("Tables");
    QAbstractItemModel& model = FamilyModel();
    ASSERT_EQ(model.rowCount(), 9);
    ASSERT_EQ(model.columnCount(), 7);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Oil family");
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "Oil viscosity [cp]");
    for (int family = 0; family < 9; ++family) {
      const QString item = QString::fromUtf8(kOilCorrelationItems[std::size_t(family)]);
      SCOPED_TRACE(item.toStdString());
      Choose("Oilch", item);
      Click("Command1");
      EXPECT_TRUE(item.startsWith(Cell(model, family, 0) + " :"));
      for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Cell(model, family, 1 + i), Text(InfoOf(fields[i]).control.data())) << i;
      }
      for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(model.data(model.index(row, 0), Qt::FontRole).value<QFont>().bold(), row == family);
      }
    }
  }
}

TEST_F(TablesWindowTest, PlotsMarkBubblePointAndReservoirPressureAndFollowTheMainWindow) {
  Enter(kGorCase);
  const double pb = Text("pbx").toDouble();  // GOR mode: the window shows pb in psia
  const double p = 2000;
  Tables();
  const double pbRow = PressureOf(RowsNoted("bubble point").at(0));
  EXPECT_NEAR(pbRow, pb, 0.5);

  const struct {
    const char* chart;
    const char* left;
    const char* right;  // empty: one y axis
    const char* leftTitle;
    const char* rightTitle;
    const char* leftControl;
  } charts[] = {
      {"rsBoChart", "Rs", "Bo", "Rs (MCF/STB)", "Bo (RB/STB)", "rsx"},
      {"oilViscosityChart", "Oil viscosity", "", "Oil viscosity (cp)", "", "vox"},
      {"zBgChart", "z", "Bg", "z", "Bg (RB/MCF)", "zx"},
      {"gasViscosityChart", "Gas viscosity", "", "Gas viscosity (cp)", "", "vgx"},
      {"waterChart", "Bw", "Water viscosity", "Bw (RB/STB)", "Water viscosity (cp)", "bwx"},
  };
  for (const auto& each : charts) {
    SCOPED_TRACE(each.chart);
    QChart* chart = Chart(each.chart);
    QLineSeries* left = SeriesNamed(chart, each.left);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->count(), 52);
    // The plotted value at the reservoir pressure is the main window's, in its units.
    const QString shown = Text(each.leftControl);
    const int decimals = int(shown.size() - shown.indexOf('.') - 1);
    EXPECT_NEAR(ValueAt(left, p).value_or(-1), shown.toDouble(), 0.51 * std::pow(10.0, -decimals));

    QLineSeries* pbMarker = SeriesNamed(chart, "Bubble point");
    QLineSeries* pMarker = SeriesNamed(chart, "Reservoir pressure");
    ASSERT_NE(pbMarker, nullptr);
    ASSERT_NE(pMarker, nullptr);
    EXPECT_EQ(pMarker->name(), "Reservoir pressure, 2000 psia");
    for (const QPointF& point : pbMarker->points()) EXPECT_EQ(point.x(), pbRow);
    for (const QPointF& point : pMarker->points()) EXPECT_EQ(point.x(), p);

    QStringList titles;
    for (QAbstractAxis* axis : chart->axes()) titles << axis->titleText();
    QStringList expected = {"Pressure (psia)", each.leftTitle};
    if (*each.right != '\0') {
      expected << each.rightTitle;
      ASSERT_NE(SeriesNamed(chart, each.right), nullptr);
    }
    titles.sort();
    expected.sort();
    EXPECT_EQ(titles, expected);
  }

  for (const char* chartName : {"familyRsChart", "familyBoChart"}) {
    SCOPED_TRACE(chartName);
    QChart* chart = Chart(chartName);
    ASSERT_EQ(chart->series().size(), 10);
    for (int family = 0; family < 9; ++family) {
      const QString name = Cell(FamilyModel(), family, 0);
      EXPECT_EQ(chart->series()[family]->name(), name);
      EXPECT_GE(qobject_cast<QLineSeries*>(chart->series()[family])->count(), 51) << name.toStdString();
    }
    EXPECT_EQ(chart->series()[9]->name(), "Reservoir pressure, 2000 psia");
  }
  const std::optional<double> standingRs = ValueAt(SeriesNamed(Chart("familyRsChart"), "Standing"), p);
  EXPECT_EQ(standingRs, ValueAt(SeriesNamed(Chart("rsBoChart"), "Rs"), p));
}

class TablesFileTest : public TablesWindowTest {
 public:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

// Bubble point given equal to the reservoir pressure: one row is both, and its note
// holds a comma, which the CSV file quotes.
TEST_F(TablesFileTest, SavesTheShownTableAsCsv) {
  CaseInput input = kBubblePointCase;
  input.boxes[4] = "2000";
  Enter(input);
  QAbstractItemModel& model = PressureModel();
  const std::vector<int> both = RowsNoted("bubble point, reservoir pressure");
  ASSERT_EQ(both.size(), 1u);
  ASSERT_EQ(model.rowCount(), 51);

  dialogs_->nextSaveFileName = Path("table.csv");
  Click("saveTableCsv");
  EXPECT_EQ(dialogs_->titles.value(0), "Save Table as CSV");
  const QByteArray bytes = ReadAll(Path("table.csv"));
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 52);
  EXPECT_EQ(SplitCsvLine(lines[0]), Headers(model));
  EXPECT_TRUE(lines[1 + both[0]].endsWith(",\"bubble point, reservoir pressure\""));
  const QStringList row = SplitCsvLine(lines[1 + both[0]]);
  ASSERT_EQ(row.size(), 23);
  EXPECT_EQ(row[FieldColumn(OutputField::Rs)], Text("rsx")) << "the reservoir-pressure row is the main window's run";
  EXPECT_EQ(row[FieldColumn(OutputField::Bw)], Text("bwx"));

  ShowTab(1);
  dialogs_->nextSaveFileName = Path("families.csv");
  Click("saveTableCsv");
  const QStringList families = QString::fromUtf8(ReadAll(Path("families.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(families.size(), 10);
  EXPECT_EQ(SplitCsvLine(families[0]), Headers(FamilyModel()));
  EXPECT_EQ(SplitCsvLine(families[3]).value(0), "Glaso");
  EXPECT_EQ(SplitCsvLine(families[3]).value(3), Text("box"));

  Click("saveTableCsv");  // cancelled: nothing written, nothing said
  dialogs_->nextSaveFileName = Path("missing/table.csv");
  Click("saveTableCsv");
  EXPECT_EQ(dialogs_->saveAsked, 4);
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].startsWith("The table could not be saved to")) << dialogs_->errors[0].toStdString();
  EXPECT_TRUE(dialogs_->errors[0].contains("table.csv"));
}

TEST_F(TablesFileTest, SavesThePlotShownAsPngOrSvg) {
  Enter(kGorCase);
  ShowTab(2);
  EXPECT_FALSE(Find<QWidget>(Tables(), "copyTable")->isEnabled());
  ShowPlot("z and Bg");
  EXPECT_TRUE(Find<QWidget>(Tables(), "zBgChart")->isVisible());

  dialogs_->nextSaveFileName = Path("z.png");
  Click("savePlot");
  EXPECT_EQ(dialogs_->titles.value(0), "Save Plot");
  const QImage image(Path("z.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_GT(image.width(), 0);
  EXPECT_GT(image.height(), 0);

  ShowPlot("Bo, nine oil families");
  dialogs_->nextSaveFileName = Path("families.SVG");
  Click("savePlot");
  const QByteArray svg = ReadAll(Path("families.SVG"));
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("Kartoatmodjo/Schmidt")) << "the legend is drawn";

  dialogs_->nextSaveFileName = Path("plot.txt");
  Click("savePlot");
  EXPECT_FALSE(QFile::exists(Path("plot.txt")));
  dialogs_->nextSaveFileName = Path("missing/plot.png");
  Click("savePlot");
  ASSERT_EQ(dialogs_->errors.size(), 2);
  EXPECT_TRUE(dialogs_->errors[0].contains("must end in .png or .svg")) << dialogs_->errors[0].toStdString();
  EXPECT_TRUE(dialogs_->errors[1].startsWith("The plot could not be saved to")) << dialogs_->errors[1].toStdString();
}

TEST_F(TablesWindowTest, CopyPutsTheSelectionOrTheWholeTableOnTheClipboard) {
  Enter(kGorCase);
  QTableView* view = PressureView();
  QAbstractItemModel& model = *view->model();
  view->clearSelection();
  Click("copyTable");
  QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 53);
  EXPECT_EQ(lines[0], Headers(model).join('\t'));
  EXPECT_EQ(lines[1].split('\t').size(), 23);
  EXPECT_EQ(lines[1].split('\t')[FieldColumn(OutputField::Bo)], Cell(model, 0, FieldColumn(OutputField::Bo)));

  view->selectionModel()->select(QItemSelection(model.index(3, 0), model.index(4, 2)), QItemSelectionModel::Select);
  Click("copyTable");
  lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringList(Headers(model).mid(0, 3)).join('\t'));
  EXPECT_EQ(lines[2], QStringList({Cell(model, 4, 0), Cell(model, 4, 1), Cell(model, 4, 2)}).join('\t'));

  QApplication::clipboard()->clear();
  QTest::keySequence(view, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 3) << "Ctrl+C in the table copies the same";
}

}  // namespace
}  // namespace tarnvik::testing
