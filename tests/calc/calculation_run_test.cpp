// The calculation run's decisions that the reference cases do not pin: the water without
// oil, the saturated-oil compressibility at the bubble point, and a total compressibility
// without its gas term. (tests/reference covers the rest end to end.)
#include "calc/calculation_run.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/routines.h"
#include "model/case_model.h"
#include "present/output_fields.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

using testing::TypicalOil;

// Without oil the fifth box in GOR mode is a GOR in MCF/STB, not a bubble point: the water
// is taken as gas-saturated at the reservoir pressure, as when the bubble point is typed
// as that pressure, whatever GOR is typed.
TEST(RunTest, WithoutOilAGorIsNotTakenAsTheWatersBubblePoint) {
  CalculationCase gor = TypicalOil();
  gor.inputs.apiGravity = 0;
  gor.inputs.gorOrPb = 0.6;
  CalculationCase atPressure = gor;
  atPressure.gorMode = GorSelectorMode::BubblePoint;
  atPressure.inputs.gorOrPb = gor.inputs.pressure;
  const ResultSet a = Calculate(gor).results, b = Calculate(atPressure).results;
  EXPECT_EQ(a.rsw, b.rsw);
  EXPECT_EQ(a.cw, b.cw);
  double saturated = 0;
  CalcWaterSolutionGas(3000, 3000, 200, 3, saturated);
  EXPECT_EQ(*a.rsw, saturated);
}

// Above the bubble point the oil holds all its gas: the gas saturation is 0 exactly, not
// the rounding left by 1 − So − Sw (±1e-16 in about a fifth of random cases before).
TEST(RunTest, AboveTheBubblePointNoGasIsFreeExactly) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> api(15, 50), gg(0.6, 1.2), t(100, 300), gor(0.05, 1.5), wor(0, 3), swc(10, 40);
  int above = 0;
  for (int i = 0; i < 2000; ++i) {
    CalculationCase c = TypicalOil(static_cast<OilCorrelation>(i % kOilCorrelationCount));
    c.inputs = {api(random), gg(random), t(random), 8000, gor(random), 20, swc(random), 3, wor(random)};
    const ResultSet r = Calculate(c).results;
    if (!(c.inputs.pressure > r.pb) || !std::isfinite(r.so)) continue;
    ++above;
    EXPECT_EQ(r.sg, 0) << i;
  }
  EXPECT_GT(above, 1000);
}

// Without oil there is no bubble point: the fifth input (a GOR, or a pressure) is not one.
TEST(RunTest, WithoutOilThereIsNoBubblePoint) {
  for (GorSelectorMode mode : {GorSelectorMode::Gor, GorSelectorMode::BubblePoint}) {
    CalculationCase c = TypicalOil();
    c.inputs.apiGravity = 0;
    c.gorMode = mode;
    EXPECT_FALSE(ResultValue(Calculate(c).results, OutputField::PbOrRsb, mode)) << int(mode);
  }
}

TEST(RunTest, AtTheBubblePointTheSaturatedCompressibilityApplies) {
  CalculationCase c = TypicalOil();
  c.gorMode = GorSelectorMode::BubblePoint;
  c.inputs.pressure = c.inputs.gorOrPb = 2500;
  const CalculationOutcome atPb = Calculate(c);
  EXPECT_EQ(atPb.results.rs, atPb.results.rsb);
  ASSERT_TRUE(atPb.results.co.has_value());
  // Free gas released below pb makes saturated oil far more compressible than the
  // undersaturated value just above it.
  c.inputs.pressure = 2500.001;
  EXPECT_GT(*atPb.results.co, 3 * *Calculate(c).results.co);
}

// Wet gas of gravity 0.7 at Tpr = 1 (−77.035 °F): z converges at 749 psia but at neither
// 744 nor 754 psia. Without cg the total compressibility would lack its gas term, so it
// is not computed either, and both are named.
TEST(RunTest, WithoutGasCompressibilityThereIsNoTotalCompressibility) {
  CalculationCase c = TypicalOil();
  c.inputs.gasGravity = 0.7;
  c.inputs.temperatureF = -77.035;
  c.inputs.pressure = 749;
  const CalculationOutcome outcome = Calculate(c);
  ASSERT_FALSE(outcome.failed());
  EXPECT_TRUE(outcome.results.z.has_value());
  EXPECT_FALSE(outcome.results.cg.has_value());
  EXPECT_FALSE(outcome.results.ct.has_value());
  const RunOutput out = RunCase(c);
  EXPECT_EQ(out.outputs->notComputed, (std::vector{OutputField::Cg, OutputField::Ct}));
  EXPECT_EQ(out.outputs->texts[IndexOf(OutputField::Ct)], "");
}

}  // namespace
}  // namespace tarnvik
