// The words of the warnings, from real runs: the status-bar sentences, the data-file codes,
// the tooltip of an input box and whether a family's data cover a case.
#include "present/warning_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/case_model.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

using testing::TypicalOil;

std::vector<Diagnostic> WarningsOf(const CalculationCase& c) { return RunCase(c).outputs->warnings; }

// Real cases and the display units: a GOR in MCF/STB, a compressibility in
// microsips, a bubble point as the window shows it.
TEST(WarningTextsTest, SentencesAndCodes) {
  struct Row {
    CalculationCase c;
    std::size_t index;
    const char* sentence;
    const char* code;
  };
  CalculationCase glaso = TypicalOil(OilCorrelation::Glaso);
  glaso.inputs.apiGravity = 58;
  CalculationCase cold = TypicalOil();
  cold.inputs = {15, 1.2, 60, 3000, 0.01, 20, 25, 3, 0.5};
  CalculationCase tiny = TypicalOil();
  tiny.inputs.gorOrPb = 0.001;
  CalculationCase wet = TypicalOil();
  wet.inputs.swc = 120;
  const std::vector<Diagnostic> coldWarnings = WarningsOf(cold);
  const std::vector<Diagnostic> tinyWarnings = WarningsOf(tiny);
  const Row rows[] = {
      {glaso, 0, "API 58 is above Glaso's data, 22.3-48.1 °API", "api>48.1(Glaso)"},
      {glaso, 1, "API 58 is above Beal's dead-oil viscosity data, 10-52 °API", "api>52(Beal-dead-oil)"},
      {cold, 3, "Bubble point 52.38 is below Standing's data, 130-7000 psia", "pb<130(Standing)"},
      {cold, 4, "GOR 0.01 is below Standing's data, 0.02-1.425 MCF/STB", "gor<0.02(Standing)"},
      {cold, coldWarnings.size() - 1, "Oil compressibility -5.3 microsips is unphysical (below 0)", "co<0(unphysical)"},
      {tiny, tinyWarnings.size() - 1, "Bubble-point pressure -13 psia is unphysical (not above 0)",
       "pbx<=0(unphysical)"},
      // So = Bo (1 − Swc) / (Bo + Bw WOR) = 1.284 × (−0.2) / (1.284 + 1.034 × 0.5)
      {wet, 0, "Oil saturation -14.3 % is unphysical (below 0)", "so<0(unphysical)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    const std::vector<Diagnostic> warnings = WarningsOf(row.c);
    ASSERT_LT(row.index, warnings.size());
    EXPECT_EQ(WarningSentence(warnings[row.index], row.c.gorMode), row.sentence);
    EXPECT_EQ(WarningCode(warnings[row.index], row.c.gorMode), row.code);
  }
  EXPECT_EQ(WarningCodes(WarningsOf(glaso), glaso.gorMode), "api>48.1(Glaso);api>52(Beal-dead-oil)");
  EXPECT_EQ(WarningSentences(WarningsOf(glaso), glaso.gorMode),
            "API 58 is above Glaso's data, 22.3-48.1 °API; API 58 is above Beal's dead-oil viscosity data, "
            "10-52 °API");
  EXPECT_TRUE(WarningsOf(TypicalOil()).empty());
}

TEST(WarningTextsTest, RecordsCarryDisplayUnitsAndOpenEnds) {
  CalculationCase cold = TypicalOil();
  cold.inputs = {15, 1.2, 60, 3000, 0.01, 20, 25, 3, 0.5};
  const std::vector<Diagnostic> warnings = WarningsOf(cold);
  const WarningRecord gor = DescribeWarning(warnings[4], cold.gorMode);
  EXPECT_TRUE(gor.input);
  EXPECT_EQ(gor.name, "gor");
  EXPECT_EQ(gor.value, 0.01);
  EXPECT_EQ(gor.low, 0.02);
  EXPECT_EQ(gor.high, 1.425);
  EXPECT_EQ(gor.unit, "MCF/STB");
  EXPECT_EQ(gor.correlation, "Standing (1947)");
  EXPECT_EQ(gor.kind, "outside_data_range");
  // Vazquez and Beggs' compressibility of this heavy, cold oil with a heavy gas:
  // (5 × 10 + 17.2 × 60 − 1180 × 1.2 + 12.61 × 15 − 1433) / (1e5 × 3000) = −5.26 microsips.
  const WarningRecord co = DescribeWarning(warnings.back(), cold.gorMode);
  EXPECT_FALSE(co.input);
  EXPECT_EQ(co.name, "co");
  EXPECT_NEAR(co.value, -5.2595, 1e-9);
  EXPECT_EQ(co.low, 0.0);
  EXPECT_FALSE(co.high.has_value());
  EXPECT_EQ(co.correlation, "Vazquez and Beggs (1980), oil compressibility");
  EXPECT_EQ(co.kind, "unphysical");
}

// An input box's tooltip lists the ranges of every correlation in force that reads it.
TEST(WarningTextsTest, TooltipsNameTheRangesAndPapersInForce) {
  const CalculationCase glaso = TypicalOil(OilCorrelation::Glaso);
  EXPECT_EQ(InputRangesText(InputField::ApiGravity, glaso),
            "Glaso's data: 22.3-48.1 °API (Ø. Glaso, \"Generalized Pressure-Volume-Temperature Correlations\", JPT "
            "32(5) (1980) 785-795, doi:10.2118/8016-PA)\n"
            "Vazquez and Beggs' oil compressibility data: 15.3-59.5 °API (M. Vazquez, H.D. Beggs, \"Correlations for "
            "Fluid Physical Property Prediction\", JPT 32(6) (1980) 968-970, doi:10.2118/6719-PA)\n"
            "Beal's dead-oil viscosity data: 10-52 °API (C. Beal, \"The Viscosity of Air, Water, Natural Gas, Crude "
            "Oil and Its Associated Gases at Oil Field Temperatures and Pressures\", Trans. AIME 165 (1946) 94-115, "
            "doi:10.2118/946094-G)");
  const std::string gor = InputRangesText(InputField::GorOrPb, glaso);
  EXPECT_EQ(gor.substr(0, gor.find(" (")), "Glaso's data: 0.09-2.637 MCF/STB");
  CalculationCase pb = glaso;
  pb.gorMode = GorSelectorMode::BubblePoint;
  const std::string pbText = InputRangesText(InputField::GorOrPb, pb);
  EXPECT_EQ(pbText.substr(0, pbText.find(" (")), "Glaso's data: 165-7142 psia");
  EXPECT_EQ(InputRangesText(InputField::Swc, glaso), "");
  CalculationCase noRock = glaso;
  noRock.selection.rockCorrelation = RockCorrelation::None;
  EXPECT_EQ(InputRangesText(InputField::Porosity, noRock), "");
  EXPECT_EQ(InputRangesText(InputField::Porosity, glaso).substr(0, 23), "Hall's data: 2-25 % (H.");
}

TEST(WarningTextsTest, FamilyFitTellsWhichFamiliesCoverTheBoxes) {
  CalculationCase light = TypicalOil();
  light.inputs.apiGravity = 50;  // above Glaso's 48.1 and Al-Marhoun's 44.6, inside Standing's
  EXPECT_EQ(OilFamilyFit(light, OilCorrelation::Standing).fit, DataFit::Inside);
  const FamilyFit glaso = OilFamilyFit(light, OilCorrelation::Glaso);
  EXPECT_EQ(glaso.fit, DataFit::Outside);
  ASSERT_EQ(glaso.outside.size(), 1u);
  EXPECT_EQ(WarningCode(glaso.outside[0], light.gorMode), "api>48.1(Glaso)");
  EXPECT_EQ(OilFamilyFit(light, OilCorrelation::ObomanuOkpobiri).fit, DataFit::Unknown);
  EXPECT_EQ(DataFitText(DataFit::Outside), "outside");
  // Only the boxes count: the bubble point Standing derives for this GOR is not a box.
  light.inputs.gorOrPb = 1.4;
  EXPECT_EQ(OilFamilyFit(light, OilCorrelation::Standing).fit, DataFit::Inside);
}

}  // namespace
}  // namespace tarnvik
