// The run's warnings: every row of the data-range table is checked, a value exactly at a
// published limit is inside, and each kind of unphysical result is named in a real run.
#include "calc/data_range_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "base/formula.h"
#include "calc/calculation_run.h"
#include "correlations/gas/z_factor.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

// A case with every correlation of `row` in force and used: bubble-point mode (so the GOR
// at the bubble point is a result the test sets), the row's family and rock, and results
// that put the reservoir above the bubble point where an undersaturated correlation is
// checked, at it otherwise.
struct Scenario {
  CalculationCase c;
  ResultSet r;
};

bool Undersaturated(Correlation correlation) {
  return correlation == Correlation::VazquezBeggsCompressibility ||
         correlation == Correlation::PetroskyFarshadCompressibility ||
         correlation == Correlation::BealUndersaturatedViscosity;
}

Scenario ScenarioFor(Correlation correlation) {
  Scenario s;
  s.c.inputs = {35, 0.8, 200, Undersaturated(correlation) ? 3000.0 : 2000.0, 2000, 20, 25, 3, 0.5};
  s.c.gorMode = GorSelectorMode::BubblePoint;
  if (static_cast<int>(correlation) < kOilCorrelationCount) {
    s.c.selection.oilCorrelation = static_cast<OilCorrelation>(correlation);
  } else if (correlation == Correlation::PetroskyFarshadCompressibility) {
    s.c.selection.oilCorrelation = OilCorrelation::PetroskyFarshad;
  }
  if (correlation == Correlation::HallRock) s.c.selection.rockCorrelation = RockCorrelation::Hall;
  if (correlation == Correlation::VanDerKnaap) s.c.selection.rockCorrelation = RockCorrelation::VanDerKnaap;
  if (correlation == Correlation::Newman) {
    s.c.selection.rockCorrelation = RockCorrelation::Newman;
    s.c.selection.formationType = FormationType::ConsolidatedSands;
  }
  if (correlation == Correlation::WichertAziz || correlation == Correlation::CarrKobayashiBurrowsNitrogen ||
      correlation == Correlation::CarrKobayashiBurrowsViscosity) {
    s.c.inputs.impurities = {5, 5, 5};
  }
  s.r.pb = 2000;
  s.r.rsb = s.r.rs = 800;
  s.r.bo = 1.3;
  return s;
}

// Puts `x` where the checks read the row's quantity; returns the value they then read
// (x itself, or the reduced temperature or pressure it gives).
double Apply(const ValidityRange& row, double x, Scenario& s) {
  InputSet& in = s.c.inputs;
  const PseudoCritical pc = StandingPseudoCritical(in.gasGravity, s.c.selection.gasCharacterisation);
  switch (row.quantity) {
    case RangedQuantity::ApiGravity:
      return in.apiGravity = x;
    case RangedQuantity::GasGravity:
      return in.gasGravity = x;
    case RangedQuantity::Temperature:
      return in.temperatureF = x;
    case RangedQuantity::Pressure:
      in.pressure = x;
      s.r.pb = Undersaturated(row.correlation) ? x / 2 : 2 * x + 1;
      return x;
    case RangedQuantity::BubblePoint:
      return in.gorOrPb = s.r.pb = x;
    case RangedQuantity::GorAtBubblePoint:
      if (Undersaturated(row.correlation)) in.pressure = 3000;
      return *(s.r.rsb = x);
    case RangedQuantity::SolutionGor:
      return *(s.r.rs = x);
    case RangedQuantity::Bo:
      return *(s.r.bo = x);
    case RangedQuantity::ReducedTemperature:
      in.temperatureF = x;
      return Rankine(x) / pc.temperature;
    case RangedQuantity::ReducedPressure:
      in.pressure = x;
      return x / pc.pressure;
    case RangedQuantity::Salinity:
      return in.salinityOrSg = x;
    case RangedQuantity::Porosity:
      return in.porosity = x;
    case RangedQuantity::Co2:
      return in.impurities.co2 = x;
    case RangedQuantity::H2s:
      return in.impurities.h2s = x;
    case RangedQuantity::N2:
      return in.impurities.n2 = x;
  }
  return x;
}

// The input that makes the checked value exactly `limit`, from a first guess, walking one
// representable step at a time; and the nearest input beyond it.
double Guess(const ValidityRange& row, double limit, const Scenario& s) {
  const PseudoCritical pc = StandingPseudoCritical(s.c.inputs.gasGravity, s.c.selection.gasCharacterisation);
  if (row.quantity == RangedQuantity::ReducedTemperature) return limit * pc.temperature - units::kRankineOffset;
  if (row.quantity == RangedQuantity::ReducedPressure) return limit * pc.pressure;
  return limit;
}

std::vector<Diagnostic> Named(const Scenario& s, const ValidityRange& row) {
  Diagnostics all;
  NoteOutsideDataRange(s.c, s.r, all);
  std::vector<Diagnostic> named;
  for (const Diagnostic& d : all) {
    if (d.correlation == row.correlation && d.quantity == row.quantity) named.push_back(d);
  }
  return named;
}

TEST(DataRangeChecksTest, EveryRowIsCheckedAndItsLimitsAreInside) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  for (const ValidityRange& row : ValidityRanges()) {
    for (const Side side : {Side::Below, Side::Above}) {
      const double limit = side == Side::Below ? row.range.low : row.range.high;
      const double outward = side == Side::Below ? -kInf : kInf;
      SCOPED_TRACE(std::string(SourceOf(row.correlation).code) + " quantity " +
                   std::to_string(static_cast<int>(row.quantity)) + (side == Side::Below ? " low " : " high ") +
                   std::to_string(limit));
      Scenario s = ScenarioFor(row.correlation);
      double x = Guess(row, limit, s);
      for (int step = 0; step < 64 && Apply(row, x, s) != limit; ++step) {
        x = std::nextafter(x, Apply(row, x, s) < limit ? kInf : -kInf);
      }
      ASSERT_EQ(Apply(row, x, s), limit) << "no input gives the limit exactly";
      EXPECT_TRUE(Named(s, row).empty()) << "a value at the limit is inside";

      for (int step = 0; step < 100000 && Apply(row, x, s) == limit; ++step) x = std::nextafter(x, outward);
      const double beyond = Apply(row, x, s);
      const std::vector<Diagnostic> named = Named(s, row);
      ASSERT_EQ(named.size(), 1u) << "just beyond the limit: " << beyond;
      EXPECT_EQ(named[0].kind, DiagnosticKind::OutsideDataRange);
      EXPECT_EQ(named[0].side, side);
      EXPECT_EQ(named[0].value, beyond);
      EXPECT_EQ(named[0].range, row.range);
      EXPECT_EQ(named[0].input, InputOf(row.quantity, s.c.gorMode));
    }
  }
}

// The checks look only at what the run used: no warning for a typical oil, and none from
// a correlation that did not apply (the undersaturated ones below the bubble point, the
// bubble point and GOR of an oil without gas in solution).
TEST(DataRangeChecksTest, OnlyTheCorrelationsUsedAreChecked) {
  EXPECT_TRUE(Calculate(testing::TypicalOil()).diagnostics.empty());

  // 60 °API is above Vazquez and Beggs' compressibility data, 1500 psia below Beal's
  // undersaturated data; neither applies below the bubble point.
  CalculationCase light = testing::TypicalOil();
  light.gorMode = GorSelectorMode::BubblePoint;
  light.inputs.apiGravity = 60;
  light.inputs.gorOrPb = 2500;
  light.inputs.pressure = 1500;
  const auto uses = [](const Diagnostics& diagnostics, Correlation correlation) {
    return std::any_of(diagnostics.begin(), diagnostics.end(),
                       [correlation](const Diagnostic& d) { return d.correlation == correlation; });
  };
  const Diagnostics below = Calculate(light).diagnostics;
  EXPECT_FALSE(uses(below, Correlation::VazquezBeggsCompressibility));
  EXPECT_FALSE(uses(below, Correlation::BealUndersaturatedViscosity));
  light.inputs.gorOrPb = 1000;
  EXPECT_TRUE(uses(Calculate(light).diagnostics, Correlation::VazquezBeggsCompressibility));
  EXPECT_TRUE(uses(Calculate(light).diagnostics, Correlation::BealUndersaturatedViscosity));

  CalculationCase dead = testing::TypicalOil();
  dead.inputs.gorOrPb = 0;
  for (const Diagnostic& d : Calculate(dead).diagnostics) {
    EXPECT_NE(d.correlation, Correlation::ChewConnallyViscosity) << "no gas in solution";
    EXPECT_NE(d.quantity, RangedQuantity::GorAtBubblePoint);
    EXPECT_NE(d.quantity, RangedQuantity::BubblePoint);
  }
}

std::optional<Diagnostic> UnphysicalOf(const CalculationCase& c, OutputField field) {
  const CalculationOutcome outcome = Calculate(c);
  for (const Diagnostic& d : outcome.diagnostics) {
    if (d.kind == DiagnosticKind::Unphysical && d.field == field) return d;
  }
  return std::nullopt;
}

// Each kind of unphysical result, from a real run. (A negative co and oil saturation are
// named with their values in tests/present/warning_texts_test.cpp.)
TEST(PhysicalLimitsTest, EachKindIsNamedInARealRun) {
  using testing::TypicalOil;
  // Standing's inverse subtracts 25.48 psia: a GOR of 1 SCF/STB gives a bubble point of
  // −12.6 psia.
  CalculationCase tiny = TypicalOil();
  tiny.inputs.gorOrPb = 0.001;
  const auto pb = UnphysicalOf(tiny, OutputField::PbOrRsb);
  ASSERT_TRUE(pb);
  EXPECT_NEAR(pb->value, -12.65, 0.01);
  EXPECT_FALSE(pb->lowIncluded);
  EXPECT_EQ(pb->correlation, Correlation::Standing);

  // Al-Marhoun's Bo of a heavy, cold oil with a heavy gas: 0.972, below 1 although gas is
  // in solution.
  CalculationCase cold = TypicalOil(OilCorrelation::AlMarhoun);
  cold.inputs = {15, 1.2, 60, 3000, 0.01, 20, 25, 3, 0.5};
  const auto bo = UnphysicalOf(cold, OutputField::Bo);
  ASSERT_TRUE(bo);
  EXPECT_LT(bo->value, 1);
  EXPECT_EQ(bo->correlation, Correlation::AlMarhoun);

  // Wet gas of gravity 0.6 just above its pseudo-critical temperature: Hall–Yarborough
  // converges to a spurious root, z = 0.138.
  CalculationCase critical = TypicalOil();
  critical.inputs = {0, 0.6, -99.9765, 1515, 0, 20, 25, 3, 0.5};
  const auto z = UnphysicalOf(critical, OutputField::Z);
  ASSERT_TRUE(z);
  EXPECT_NEAR(z->value, 0.1380, 1e-4);
  EXPECT_EQ(z->range, (DataRange{0.2, 2.5}));

  // Kestin, Khalifa and Correia's water at 600 °F and 10,000 psia, far above their data:
  // the pressure coefficient −16.2 /GPa takes the factor 1 + βw (P − 0.0001) to −0.12.
  CalculationCase hot = TypicalOil();
  hot.inputs.temperatureF = 600;
  hot.inputs.pressure = 10000;
  const auto muW = UnphysicalOf(hot, OutputField::WaterViscosity);
  ASSERT_TRUE(muW);
  EXPECT_LT(muW->value, 0);
  EXPECT_FALSE(muW->lowIncluded);
  EXPECT_EQ(muW->correlation, Correlation::WaterViscosity);
  EXPECT_FALSE(UnphysicalOf(TypicalOil(), OutputField::WaterViscosity));
}

}  // namespace
}  // namespace tarnvik
