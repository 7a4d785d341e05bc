// Export for Simulator in the Tables and Plots window: what will be written is shown first,
// adjusted rows listed in the units shown, and the files written are those tarnvik-calc
// --export-eclipse and --deck write for the same case, in the units shown.
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/export_dialog.h"
#include "gui/tables_window.h"
#include "program_run.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

// Vazquez and Beggs' undersaturated compressibility is negative for this nearly gas-free
// heavy oil at 60 °F: the exported tables adjust Bo where it would rise.
const TypedCase kColdHeavyOil{{"15", "1.2", "60", "3000", "0.01", "20", "25", "3", "0.5"}};

class ExportTest : public WindowTest {
 public:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  void TearDown() override { QSettings().remove(QStringLiteral("units/system")); }
  std::string Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)).toStdString(); }
  // Exports through the window's button to `tables` (and its deck).
  void ExportFromWindow(const char* tables, UserDialogs::Export answer) {
    window_->showTables();
    dialogs_->exportAnswer = answer;
    dialogs_->nextSaveFileName = QString::fromStdString(Path(tables));
    QTest::mouseClick(Find<QWidget>(window_->tablesWindow(), "exportSimulator"), Qt::LeftButton);
  }
  // The same case exported by the command line.
  void ExportFromCommandLine(const char* tables, const char* deck, const char* units) {
    const ProgramRun run = RunProgram(
        TARNVIK_CALC, {"--units", units, "--export-eclipse", Path(tables), "--deck", Path(deck), Path("case.csv")},
        dir_.path().toStdString());
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }
  QTemporaryDir dir_;
};

TEST_F(ExportTest, WritesWhatTheCommandLineWritesInTheUnitsShownAfterListingTheAdjustments) {
  Type("Text1", "Cold heavy oil");
  Calculate(kColdHeavyOil);
  dialogs_->nextSaveFileName = QString::fromStdString(Path("case.csv"));
  ClickToolButton("Save");

  for (const char* units : {"field", "metric"}) {
    SCOPED_TRACE(units);
    const bool metric = std::string(units) == "metric";
    Find<QAction>(window_.get(), metric ? "unitsMetric" : "unitsField")->trigger();
    const std::string name = std::string("window-") + units;
    ExportFromWindow((name + ".inc").c_str(), UserDialogs::Export::TablesAndDeck);
    EXPECT_TRUE(dialogs_->errors.isEmpty()) << dialogs_->errors.join('\n').toStdString();
    ASSERT_TRUE(dialogs_->exportPreview.has_value());
    const ExportPreview& preview = *dialogs_->exportPreview;
    EXPECT_EQ(preview.units, metric ? "METRIC" : "FIELD");
    ASSERT_FALSE(preview.adjustments.empty());
    EXPECT_NE(preview.adjustments.front().find(metric ? " bara: Bo " : " psia: Bo "), std::string::npos)
        << preview.adjustments.front();

    const std::string cli = std::string("cli-") + units;
    ExportFromCommandLine((cli + ".inc").c_str(), (cli + ".DATA").c_str(), units);
    EXPECT_EQ(ReadFile(Path((name + ".inc").c_str())), ReadFile(Path((cli + ".inc").c_str())));
    std::string deck = ReadFile(Path((name + ".DATA").c_str()));
    ASSERT_FALSE(deck.empty()) << "the deck beside the tables";
    const std::string include = "'" + name + ".inc'";
    ASSERT_NE(deck.find(include), std::string::npos);
    deck.replace(deck.find(include), include.size(), "'" + cli + ".inc'");
    EXPECT_EQ(deck, ReadFile(Path((cli + ".DATA").c_str())));
    for (const std::string& adjustment : preview.adjustments) {
      EXPECT_NE(ReadFile(Path((name + ".inc").c_str())).find(adjustment.substr(0, 20)), std::string::npos)
          << "the file lists " << adjustment;
    }
  }
}

// Cancelling writes nothing; a case without a rock correlation cannot be exported, and
// says why; the tables alone leave no deck.
TEST_F(ExportTest, CancelWritesNothingAndARefusalIsSaid) {
  Calculate(kColdHeavyOil);
  ExportFromWindow("cancelled.inc", UserDialogs::Export::Cancel);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("cancelled.inc"))));
  EXPECT_EQ(dialogs_->saveAsked, 0) << "no file name asked for";

  ExportFromWindow("alone.inc", UserDialogs::Export::Tables);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("alone.inc"))));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("alone.DATA"))));

  Choose("Forch", "Newman");  // without a formation type: no formation compressibility
  Click("Command1");
  dialogs_->exportPreview.reset();
  ExportFromWindow("refused.inc", UserDialogs::Export::Tables);
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("ROCK")) << dialogs_->errors[0].toStdString();
  EXPECT_FALSE(dialogs_->exportPreview.has_value());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("refused.inc"))));
}

// The dialog lists every adjusted row, and offers the deck only where one can be written,
// saying why not otherwise.
TEST(ExportDialogTest, ListsTheAdjustmentsAndOffersTheDeckWhereItCanBeWritten) {
  ExportPreview preview;
  preview.units = "METRIC";
  preview.keywords = {"PVTO", "PVDG", "PVTW", "ROCK", "DENSITY"};
  preview.adjustments = {"PVTO record 1 (Rs 0.8 sm3/sm3), row 2 at 78.3 bara: Bo 1.0149 -> 1.0148 (why)",
                         "PVTO record 1 (Rs 0.8 sm3/sm3), row 3 at 120.1 bara: Bo 1.0150 -> 1.0147 (why)"};
  ExportDialog dialog(preview);
  EXPECT_EQ(Find<QListWidget>(&dialog, "exportAdjustments")->count(), 2);
  EXPECT_TRUE(Find<QLabel>(&dialog, "exportSummary")->text().contains("METRIC units: PVTO PVDG PVTW ROCK DENSITY"));
  EXPECT_TRUE(dialog.writeDeck());

  preview.adjustments.clear();
  preview.deckError = "the example deck needs a porosity above 0";
  ExportDialog withoutDeck(preview);
  EXPECT_FALSE(withoutDeck.writeDeck());
  EXPECT_FALSE(Find<QCheckBox>(&withoutDeck, "exportDeck")->isEnabled());
  EXPECT_TRUE(Find<QLabel>(&withoutDeck, "exportAdjusted")->text().startsWith("No value was adjusted"));
}

}  // namespace
}  // namespace tarnvik::testing
