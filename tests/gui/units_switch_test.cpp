// A switch of units changes how a case is shown, never what it is: the GOR selector's
// text, the case's mode and its unsaved state stay, and a units round trip saves the
// case file byte for byte as it was opened.
#include <QGridLayout>
#include <QSettings>

#include "gui/case_file.h"
#include "model/lab_file.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

// The second record of examples/typical-oil.csv: a bubble-point case.
const QByteArray kBubblePointRecord =
    "\"Same well below the bubble point\",\"Bubble Point Pressure psia\",\"Salinity % NaCl\","
    "\"Vazquez/Beggs : Worldwide Crudes\",\"Dry Gas\",\"Van der Knaap\",35,0.75,200,2000,2500,20,25,3,0.5\r\n";

class UnitsSwitchTest : public WindowFileTest {
 public:
  void TearDown() override { QSettings().remove(QStringLiteral("units/system")); }
  QComboBox* Selector() { return Find<QComboBox>(window_.get(), "gorpk"); }
  void Switch(UnitSystem system) {
    Find<QAction>(window_.get(), system == UnitSystem::Metric ? "unitsMetric" : "unitsField")->trigger();
  }
};

// Each starting text of the selector, switched Field -> Metric -> Field and, from a
// metric window, Metric -> Field -> Metric: the selector keeps its text (only an item's
// unit words follow the units) and shows an opened text from its start, the fifth box
// keeps its meaning, nothing becomes unsaved.
TEST_F(UnitsSwitchTest, ASwitchKeepsTheSelectorTextTheModeAndTheSavedState) {
  struct Start {
    const char* name;
    QString fieldText;   // the selector as shown in Field
    QString metricText;  // and in Metric
    QString bpxField;    // the fifth box in Field
    QString bpxMetric;   // and in Metric
  };
  const Start starts[] = {
      {"bubble-point record", "Bubble Point Pressure psia", "Bubble Point Pressure bara", " 2500", " 172.369"},
      {"lower-case GOR text", "gor mcf/stb", "gor mcf/stb", "2500", " 172.369"},
      {"fresh case", "GOR or Bubble Point ?", "GOR or Bubble Point ?", "", ""},
  };
  for (const UnitSystem first : {UnitSystem::Field, UnitSystem::Metric}) {
    for (const Start& start : starts) {
      SCOPED_TRACE(std::string(start.name) + (first == UnitSystem::Field ? ", from Field" : ", from Metric"));
      QSettings().remove(QStringLiteral("units/system"));  // each start typed in Field
      window_ = std::make_unique<MainWindow>(std::make_unique<ScriptedDialogs>());
      const QString path = dir_.filePath(QStringLiteral("case.csv"));
      if (start.name == std::string("bubble-point record")) {
        WriteAll(path, kBubblePointRecord);
        ASSERT_TRUE(window_->openPath(path));
      } else if (start.name == std::string("lower-case GOR text")) {
        SetSelector("gorpk", start.fieldText);
        Type("bpx", start.bpxField);
      }
      const CaseRecord before = window_->model().recordToSave();
      const bool modified = window_->model().modified();
      Switch(first);
      const UnitSystem other = first == UnitSystem::Field ? UnitSystem::Metric : UnitSystem::Field;
      for (const UnitSystem system : {other, first, other, first}) {
        Switch(system);
        const bool metric = system == UnitSystem::Metric;
        EXPECT_EQ(Selector()->currentText(), metric ? start.metricText : start.fieldText);
        EXPECT_EQ(Box("bpx")->text(), metric ? start.bpxMetric : start.bpxField);
        EXPECT_EQ(window_->model().currentCase().gorMode, GorSelectorMode::BubblePoint);
        EXPECT_EQ(window_->model().recordToSave(), before);
        EXPECT_EQ(window_->model().modified(), modified);
        EXPECT_EQ(window_->isWindowModified(), modified);
        if (start.name == std::string("bubble-point record")) {
          EXPECT_EQ(Selector()->lineEdit()->cursorPosition(), 0) << "the start of an opened text shows";
        }
      }
    }
  }
}

// Every example case, one file each, a lower-case selector, and the example's case tuned to
// its lab report with the lab lines after the record: saved in Field, then in Metric, in
// Field and in Metric again, each file is the same, byte for byte.
TEST_F(UnitsSwitchTest, AUnitsRoundTripSavesEveryCaseFileAsItWas) {
  std::vector<QByteArray> files;
  for (const char* name : {"/typical-oil.csv", "/lab/good-oil-case.csv"}) {
    const QByteArray all = ReadAll(QStringLiteral(TARNVIK_EXAMPLES) + QString::fromLatin1(name));
    for (const QByteArray& line : all.split('\n')) {
      if (!line.trimmed().isEmpty()) files.push_back(line.trimmed() + "\r\n");
    }
  }
  ASSERT_EQ(files.size(), 3u);
  files.push_back(QByteArray(kBubblePointRecord).replace("Bubble Point Pressure psia", "gor mcf/stb"));
  {
    CaseModel tuned;
    std::vector<CaseEntry> entries;
    QString error;
    ASSERT_TRUE(ReadCaseFile(QStringLiteral(TARNVIK_EXAMPLES "/lab/good-oil-case.csv"), entries, error));
    tuned.open(entries.front().record);
    LabData lab;
    std::string why;
    int fileError = 0;
    ASSERT_TRUE(ReadLabFileAt(TARNVIK_EXAMPLES "/lab/good-oil-220F.csv", lab, why, fileError)) << why;
    tuned.setLabData(lab);
    OilTuningFit fit;
    ASSERT_TRUE(tuned.applyTuning(std::nullopt, fit, why)) << why;
    files.push_back(QByteArray::fromStdString(tuned.fileToSave()));
  }
  int index = 0;
  for (const QByteArray& file : files) {
    SCOPED_TRACE(file.left(80).toStdString());
    QSettings().remove(QStringLiteral("units/system"));
    window_ = std::make_unique<MainWindow>(std::make_unique<ScriptedDialogs>());
    const QString path = dir_.filePath(QStringLiteral("round-trip-%1.csv").arg(index++));
    WriteAll(path, file);
    ASSERT_TRUE(window_->openPath(path));
    window_->saveCase();
    const QByteArray saved = ReadAll(path);
    for (const UnitSystem system : {UnitSystem::Metric, UnitSystem::Field, UnitSystem::Metric}) {
      Switch(system);
      EXPECT_FALSE(window_->model().modified());
      window_->saveCase();
      EXPECT_EQ(ReadAll(path), saved);
    }
  }
}

// With metric units remembered, a new window shows the untouched case as unchanged.
TEST_F(UnitsSwitchTest, AFreshMetricStartIsNoChange) {
  QSettings().setValue(QStringLiteral("units/system"), QStringLiteral("metric"));
  window_ = std::make_unique<MainWindow>(std::make_unique<ScriptedDialogs>());
  EXPECT_EQ(window_->model().units(), UnitSystem::Metric);
  EXPECT_EQ(Selector()->currentText(), "GOR or Bubble Point ?");
  EXPECT_EQ(window_->model().gorSelector(), "GOR or Bubble Point ?");
  EXPECT_FALSE(window_->model().modified());
  EXPECT_FALSE(window_->isWindowModified());
  // The items carry the metric unit words; choosing one gives the case its field text.
  EXPECT_EQ(Selector()->itemText(0), "GOR sm3/sm3");
  Selector()->setCurrentIndex(1);
  EXPECT_EQ(window_->model().gorSelector(), "Bubble Point Pressure psia");
  Selector()->setCurrentIndex(0);
  EXPECT_EQ(window_->model().gorSelector(), "GOR MCF/STB");
}

// The unit beside a box or a result: the label in the third column of its line.
QString UnitBeside(QWidget* value) {
  auto* grid = qobject_cast<QGridLayout*>(value->parentWidget()->layout());
  if (grid == nullptr) return QStringLiteral("(no grid)");
  int row = 0, column = 0, rows = 0, columns = 0;
  grid->getItemPosition(grid->indexOf(value), &row, &column, &rows, &columns);
  QLayoutItem* unit = grid->itemAtPosition(row, 2);
  auto* label = unit != nullptr ? qobject_cast<QLabel*>(unit->widget()) : nullptr;
  return label != nullptr ? label->text() : QStringLiteral("(no unit)");
}

// Each caption and unit beside the boxes and the results reads in the units chosen, and
// in Field words again after a switch back: the temperature's "F." (a letter, not a unit
// symbol) and a unit inside a longer one ("RVB/STB", not "STB") included.
TEST_F(UnitsSwitchTest, CaptionsAndUnitsReadInTheUnitsChosen) {
  struct Row {
    const char* name;  // a caption, or a box or result whose unit is checked
    QString field;
    QString metric;
  };
  const Row captions[] = {
      {"Label5", "Temperature            F.", "Temperature            C."},
      {"Label3", "Pressure      psia", "Pressure      bara"},
      {"Label4", "  Oil fvf  RVB/STB", "  Oil fvf  rm³/sm³"},
      {"Label14", "Oil comp. microsips", "Oil comp. 10⁻⁵/bar"},
  };
  const Row units[] = {
      {"tx", "°F", "°C"},
      {"worx", "STB/STB", "sm³/sm³"},
      {"odx", "lb/ft³", "kg/m³"},
      {"cgx", "microsips", "10⁻⁵/bar"},
  };
  for (const UnitSystem system : {UnitSystem::Metric, UnitSystem::Field, UnitSystem::Metric}) {
    Switch(system);
    const bool metric = system == UnitSystem::Metric;
    for (const Row& row : captions) EXPECT_EQ(Text(row.name), metric ? row.metric : row.field) << row.name;
    for (const Row& row : units) {
      EXPECT_EQ(UnitBeside(Find<QWidget>(window_.get(), row.name)), metric ? row.metric : row.field) << row.name;
    }
  }
}

}  // namespace
}  // namespace tarnvik::testing
