// The pressure table and the oil-family comparison: rows are single runs of the case,
// the range rules, and failures confined to their own row.
#include "calc/pressure_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/pressure_grid.h"
#include "io/number_text.h"
#include "model/case_model.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

using testing::TypicalOil;

// What the window shows when the pressure box holds `pressure` as text and it calculates.
DisplayedOutputs WindowRun(const CalculationCase& c, double pressure) {
  CaseModel model;
  const auto numbers = NumbersOf(c.inputs);
  for (std::size_t i = 0; i < kInputCount; ++i) model.setBox(i, FormatShortest(*numbers[i]));
  model.setBox(3, FormatShortest(pressure));
  model.setGorSelector(c.gorMode == GorSelectorMode::Gor ? "GOR MCF/STB" : "Bubble Point Pressure psia");
  model.chooseOil(c.selection.oilCorrelation);
  model.chooseRock(c.selection.rockCorrelation);
  const RunOutput& run = model.calculate();
  EXPECT_TRUE(run.outputs.has_value());
  return run.outputs.value_or(DisplayedOutputs{});
}

TEST(PressureTable, DefaultRangeHoldsFiftyPointsAndTheBubblePoint) {
  const CalculationCase c = TypicalOil();
  std::string error;
  const PressureTable table = BuildPressureTable(c, {}, error);
  ASSERT_EQ(error, "");
  ASSERT_TRUE(table.bubblePoint.has_value());
  EXPECT_NEAR(*table.bubblePoint, 2203.28, 0.01);  // Standing, 0.5 MCF/STB, 0.75, 35 °API, 200 °F
  EXPECT_EQ(table.minimum, 14.7);
  EXPECT_EQ(table.maximum, 3000.0);  // p = 3000 above 1.25 pb = 2754
  ASSERT_EQ(table.rows.size(), 51u) << "the reservoir pressure ends the range, so it is a grid point";
  EXPECT_EQ(table.rows.front().pressure, 14.7);
  EXPECT_EQ(table.rows.back().pressure, 3000.0);
  EXPECT_TRUE(std::is_sorted(table.rows.begin(), table.rows.end(), [](const auto& a, const auto& b) {
    return a.pressure <= b.pressure;
  })) << "strictly increasing";
  EXPECT_EQ(std::count_if(table.rows.begin(), table.rows.end(), [](const auto& r) { return r.atBubblePoint; }), 1);
  EXPECT_EQ(std::count_if(table.rows.begin(), table.rows.end(), [](const auto& r) { return r.atReservoirPressure; }),
            1);
  EXPECT_TRUE(table.rows.back().atReservoirPressure);
}

// Every row shows what a calculation with that pressure typed into the window shows.
TEST(PressureTable, EveryRowIsASingleRunAtItsPressure) {
  for (const GorSelectorMode mode : {GorSelectorMode::Gor, GorSelectorMode::BubblePoint}) {
    CalculationCase c = TypicalOil();
    c.gorMode = mode;
    if (mode == GorSelectorMode::BubblePoint) c.inputs.gorOrPb = 2500;
    std::string error;
    const PressureTable table = BuildPressureTable(c, {.points = 7}, error);
    ASSERT_EQ(error, "");
    for (const PressureRow& row : table.rows) {
      SCOPED_TRACE(row.pressure);
      const DisplayedOutputs shown = FormatOutputs(row.outcome, c.gorMode);
      const DisplayedOutputs window = WindowRun(c, row.pressure);
      EXPECT_EQ(shown.texts, window.texts);
      EXPECT_EQ(shown.outOfRange, window.outOfRange);
    }
  }
}

TEST(PressureTable, RefusesRangesThatMakeNoTable) {
  const struct {
    PressureRange range;
    const char* says;
  } rows[] = {
      {{.points = 1}, "from 2 to 2000, not 1"},
      {{.points = 2001}, "not 2001"},
      {{.minimum = 3000, .maximum = 1000}, "must be above the lowest"},
      {{.minimum = 1000, .maximum = 1000}, "must be above the lowest"},
      {{.minimum = 0}, "above 0 psia"},
      {{.maximum = std::nan("")}, "highest pressure"},
  };
  for (const auto& row : rows) {
    std::string error;
    const PressureTable table = BuildPressureTable(TypicalOil(), row.range, error);
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
    EXPECT_TRUE(table.rows.empty());
  }
  std::string error;
  EXPECT_EQ(BuildPressureTable(TypicalOil(), {.points = 2}, error).rows.size(), 3u) << "14.7, pb, 3000";
  EXPECT_EQ(BuildPressureTable(TypicalOil(), {.points = 2000}, error).rows.size(), 2001u) << "3000 is a grid point";
}

// Above Ppr 20.5 the z-factor fails: those rows say so, the rows below are computed.
TEST(PressureTable, AZFactorFailureMarksOnlyItsRow) {
  CalculationCase c = TypicalOil();
  std::string error;
  const PressureTable table = BuildPressureTable(c, {.maximum = 20000, .points = 11}, error);
  ASSERT_EQ(error, "");
  int failed = 0;
  for (const PressureRow& row : table.rows) {
    if (row.outcome.failed()) {
      ++failed;
      EXPECT_EQ(row.outcome.zFactorStatus, ZFactorStatus::ReducedPressureAbove20_5);
      EXPECT_GT(row.pressure, 13000);
    } else {
      EXPECT_TRUE(row.outcome.results.z.has_value()) << row.pressure;
    }
  }
  EXPECT_GE(failed, 2);
  EXPECT_LT(failed, int(table.rows.size()) - 3);
}

// Evenly spaced pressures print in their decimal form where they have one (the plain step
// formula gives 1010.5000000000001 for the middle of 14.7 to 2006.3); every pressure
// without one is exactly the plain formula's.
TEST(PressureGrid, DecimalStepsGiveTheirDecimalPressures) {
  EXPECT_EQ(FormatShortest(EvenlySpaced(14.7, 2006.3, 3)[1]), "1010.5");
  const std::vector<double> decimal = EvenlySpaced(14.7, 5000, 5);
  EXPECT_EQ(FormatShortest(decimal[1]), "1261.025");
  EXPECT_EQ(FormatShortest(decimal[3]), "3753.675");
  const std::vector<double> sevenths = EvenlySpaced(14.7, 2500, 50);  // 2485.3 / 49 has no decimal form
  for (int i = 0; i < 50; ++i) EXPECT_EQ(sevenths[std::size_t(i)], i == 49 ? 2500 : 14.7 + (2500 - 14.7) * i / 49);
}

TEST(OilFamilyComparison, HasEveryFamilyInOrderEachAsItsOwnRun) {
  CalculationCase c = TypicalOil();
  c.selection.oilCorrelation = OilCorrelation::Glaso;
  const auto rows = CompareOilFamilies(c);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].family, static_cast<OilCorrelation>(i));
    const CalculationCase other = WithOilFamily(c, rows[i].family);
    EXPECT_EQ(FormatOutputs(rows[i].outcome, c.gorMode).texts, WindowRun(other, c.inputs.pressure).texts);
  }
  // Standing's published chart example: 350 SCF/STB, γg 0.75, 30 °API, 200 °F → pb ≈ 1930 psia.
  c.inputs.gorOrPb = 0.35;
  c.inputs.apiGravity = 30;
  EXPECT_NEAR(CompareOilFamilies(c)[0].outcome.results.pb, 1930, 1930 * 0.03);
}

}  // namespace
}  // namespace tarnvik
