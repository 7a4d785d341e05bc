// The nine-family overlay of the plots: the one rule for its pressure range, at each of its
// branches; every family's curve over the same pressures, each row a single run of the case
// with that family; the tuned family tuned; and rows that fail left out of the curves.
#include "present/family_overlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/units.h"
#include "calc/calculation_run.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

using testing::TypicalOil;

constexpr double kAtm = units::kAtmosphericPressure;

TEST(FamilyOverlayRange, AskedBoundsStayAndUnsetOnesFollowTheRule) {
  struct Row {
    const char* what;
    double reservoirPressure;  // psia
    PressureRange asked;
    std::vector<double> shown;
    double lowest, highest;  // psia, by hand
  };
  const Row rows[] = {
      {"a table's bounds, as the Plots page asks", 3000, {1000.0, 4000.0, 20}, {5000}, 1000, 4000},
      {"nothing asked: 1.2 times the reservoir pressure", 3000, {}, {}, kAtm, 3600},
      {"a measured pressure above it widens the range", 3000, {}, {1500, 5000}, kAtm, 6000},
      {"measured pressures below it do not", 3000, {}, {1000, 2000}, kAtm, 3600},
      {"a tiny reservoir pressure: twice atmospheric", 10, {}, {}, kAtm, 2 * kAtm},
      {"twice a lowest asked above 1.2 p", 400, {500.0, std::nullopt, 50}, {}, 500, 1000},
      {"a lowest asked below 1.2 p / 2", 3000, {500.0, std::nullopt, 50}, {}, 500, 3600},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CalculationCase c = TypicalOil();
    c.inputs.pressure = row.reservoirPressure;
    const PressureRange range = FamilyOverlayRange(c, row.asked, row.shown);
    EXPECT_EQ(range.minimum, row.lowest);
    EXPECT_DOUBLE_EQ(range.maximum.value_or(0), row.highest);
    EXPECT_EQ(range.points, row.asked.points);
  }
}

// The window's family curves and its lab plots read these tables: each family's row at
// the reservoir pressure is the run of the case with that family, and all share the bounds.
TEST(FamilyOverlay, EveryFamilyIsTheCaseWithThatFamilyOverOneRange) {
  const CalculationCase c = TypicalOil();
  const FamilyOverlay overlay = BuildFamilyOverlay(c, PressureRange{kAtm, 4000.0, 20});
  ASSERT_EQ(overlay.error, "");
  EXPECT_FALSE(overlay.tuned);
  for (std::size_t f = 0; f < overlay.families.size(); ++f) {
    const auto family = static_cast<OilCorrelation>(f);
    SCOPED_TRACE(f);
    const PressureTable& table = overlay.families[f];
    EXPECT_EQ(table.minimum, kAtm);
    EXPECT_EQ(table.maximum, 4000.0);
    const auto at = std::find_if(table.rows.begin(), table.rows.end(),
                                 [](const PressureRow& row) { return row.atReservoirPressure; });
    ASSERT_NE(at, table.rows.end());
    const ResultSet alone = Calculate(WithOilFamily(c, family)).results;
    EXPECT_EQ(at->outcome.results.bo, alone.bo);
    EXPECT_EQ(at->outcome.results.muO, alone.muO);
  }
}

// A tuning given (the lab plots') adds its family tuned beside the nine as published; a
// case that carries its own tuning (the Plots page's) runs that family tuned among the nine.
TEST(FamilyOverlay, TheTunedFamilyRunsTuned) {
  OilTuning tuning;
  tuning.active = true;
  tuning.family = OilCorrelation::Glaso;
  tuning.boFactor = 1.05;
  const CalculationCase c = TypicalOil();
  const std::size_t glaso = static_cast<std::size_t>(OilCorrelation::Glaso);
  const double p = c.inputs.pressure;

  const FamilyOverlay lab = BuildFamilyOverlay(c, PressureRange{kAtm, p, 10}, &tuning);
  ASSERT_TRUE(lab.tuned);
  CalculationCase tunedCase = WithOilFamily(c, OilCorrelation::Glaso);
  tunedCase.selection.oilTuning = tuning;
  const double tunedBo = Calculate(tunedCase).results.bo.value_or(0);
  const double publishedBo = Calculate(WithOilFamily(c, OilCorrelation::Glaso)).results.bo.value_or(0);
  ASSERT_NE(tunedBo, publishedBo);
  EXPECT_EQ(lab.tuned->rows.back().outcome.results.bo, tunedBo);
  EXPECT_EQ(lab.families[glaso].rows.back().outcome.results.bo, publishedBo);

  CalculationCase carried = c;
  carried.selection.oilTuning = tuning;
  const FamilyOverlay page = BuildFamilyOverlay(carried, PressureRange{kAtm, p, 10});
  EXPECT_FALSE(page.tuned);
  EXPECT_EQ(page.families[glaso].rows.back().outcome.results.bo, tunedBo);
}

// Above 20.5 times the gas's pseudo-critical pressure (Standing, wet gas of gravity 0.75:
// 20.5 × 660.98 = 13550 psia) the z-factor fails: those rows are left out of the curve,
// every other row is in it. A refused range leaves every table empty and says why.
TEST(FamilyOverlay, CurvesLeaveOutFailedRowsAndARefusedRangeSaysWhy) {
  const CalculationCase c = TypicalOil();
  const FamilyOverlay overlay = BuildFamilyOverlay(c, PressureRange{kAtm, 16000.0, 40});
  const PressureTable& standing = overlay.families.front();
  const std::vector<CurvePoint> curve = CurveOf(standing, OutputField::Bo, c.gorMode);
  std::size_t computed = 0;
  for (const PressureRow& row : standing.rows) computed += row.outcome.failed() ? 0 : 1;
  ASSERT_LT(computed, standing.rows.size());
  EXPECT_EQ(curve.size(), computed);
  EXPECT_LT(curve.back().pressure, 13551);
  EXPECT_GT(curve.back().pressure, 13000);

  const FamilyOverlay refused = BuildFamilyOverlay(c, PressureRange{3000.0, 2000.0, 10});
  EXPECT_NE(refused.error, "");
  for (const PressureTable& table : refused.families) EXPECT_TRUE(table.rows.empty());
}

}  // namespace
}  // namespace tarnvik
