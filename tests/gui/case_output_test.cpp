// What leaves the window: Copy Results and the report's sheet follow the units shown and
// say that the oil is tuned, with its factors.
#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTemporaryDir>

#include "model/case_sheet.h"
#include "model/lab_file.h"
#include "present/selection_texts.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

const TypedCase kTypicalCase{{"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"}};

class CaseOutputTest : public WindowTest {
 public:
  void TearDown() override { QSettings().remove(QStringLiteral("units/system")); }
  QStringList CopiedLines() {
    Find<QAction>(window_.get(), "copyResults")->trigger();
    return QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  }
};

// In metric units every number copied carries its metric unit, and the report's sheet is
// in metric units; back in field units both are in field units again.
TEST_F(CaseOutputTest, CopyAndReportFollowTheUnitsShown) {
  Calculate(kTypicalCase);
  Find<QAction>(window_.get(), "unitsMetric")->trigger();
  const QStringList metric = CopiedLines();
  for (const char* line :
       {"Temperature\t93.3333\t°C", "Pressure\t206.843\tbara", "GOR at the bubble point\t89.0538\tsm3/sm3",
        "Water-oil ratio\t0.5\tsm3/sm3", "Bubble-point pressure\t151.9\tbara", "Oil density\t725.1\tkg/m3",
        "Oil compressibility\t19.6\t1e-5/bar", "Gas formation volume factor\t0.00535\trm3/sm3"}) {
    EXPECT_TRUE(metric.contains(QString::fromUtf8(line))) << line << "\n" << metric.join('\n').toStdString();
  }
  for (const char* fieldUnit : {"°F", "psia", "MCF/STB", "RB/", "STB/STB", "lb/ft3", "microsips"}) {
    EXPECT_FALSE(metric.join('\n').contains(QString::fromUtf8(fieldUnit))) << fieldUnit;
  }
  EXPECT_EQ(SheetOf(window_->model()).units, UnitSystem::Metric) << "the report's plots follow the sheet's units";

  Find<QAction>(window_.get(), "unitsField")->trigger();
  const QStringList field = CopiedLines();
  for (const char* line :
       {"Temperature\t200\t°F", "Oil density\t45.26\tlb/ft3", "Oil compressibility\t13.5\tmicrosips"}) {
    EXPECT_TRUE(field.contains(QString::fromUtf8(line))) << line;
  }
  EXPECT_EQ(SheetOf(window_->model()).units, UnitSystem::Field);
}

// A tuned case says so where its family is named, and gives the tuning's factors.
TEST_F(CaseOutputTest, CopyAndReportNameTheTuningAndItsFactors) {
  const std::string lab =
      "tarnvik-lab,1,field\nsource,Black oil at 220 F\ntemperature,220\nbubble_point,2634.7\ngor,854\n"
      "api,35.1\ngas_gravity,0.872\npressure,rs,bo\n2634.7,854,1.600\n1614.7,544,1.445\n614.7,292,1.320\n";
  CaseModel tuned;
  CaseRecord record;
  record.title = "Tuned black oil";
  record.gorSelector = "GOR MCF/STB";
  record.waterSelector = "Salinity % NaCl";
  record.oilCaption = "Standing : California Crudes";
  record.gasCaption = "Wet Gas";
  record.rockCaption = "Hall";
  record.numbers = {35.1, 0.872, 220, 4000, 0.854, 20, 25, 3, 0.5};
  tuned.open(record);
  LabData data;
  UnitSystem units;
  std::string error;
  ASSERT_TRUE(ReadLabFile(lab, data, units, error)) << error;
  tuned.setLabData(data);
  OilTuningFit fit;
  ASSERT_TRUE(tuned.applyTuning(OilCorrelation::Standing, fit, error)) << error;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("tuned.csv"));
  WriteAll(path, QByteArray::fromStdString(tuned.fileToSave()));

  ASSERT_TRUE(window_->openPath(path));
  Click("Command3");
  Click("Command1");
  const QStringList lines = CopiedLines();
  EXPECT_TRUE(lines.contains("Oil family\tStanding : California Crudes (tuned to lab data)\t"))
      << lines.join('\n').toStdString();
  const QString tuning = QString::fromStdString(TuningDescription(fit.tuning));
  EXPECT_TRUE(tuning.contains("Rs through")) << tuning.toStdString();
  EXPECT_TRUE(lines.contains("Tuning\t" + tuning + "\t")) << lines.join('\n').toStdString();
  const CaseSheet sheet = SheetOf(window_->model());
  ASSERT_GE(sheet.correlations.size(), 4u);
  EXPECT_EQ(sheet.correlations.back().caption, "Tuning");
}

}  // namespace
}  // namespace tarnvik::testing
