// The calculation run: which steps run, what is shown, and the failure paths.
#include "calc/calculation_run.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/routines.h"
#include "model/case_model.h"
#include "present/output_fields.h"

namespace tarnvik {
namespace {

// 35 °API, γg 0.75, 200 °F, 3000 psia, GOR 0.5 MCF/STB, φ 20 %, Swc 25 %, 3 % NaCl, WOR 0.5.
CalculationCase Typical() {
  CalculationCase c;
  c.inputs = {35, 0.75, 200, 3000, 0.5, 20, 25, 3, 0.5};
  c.gorMode = GorSelectorMode::Gor;
  c.selection.rockCorrelation = RockCorrelation::Hall;
  return c;
}

std::string Shown(const RunOutput& out, OutputField field) { return out.outputs->texts[IndexOf(field)]; }

TEST(RunTest, AboveTheBubblePointRsIsRsbAndNoGasIsFree) {
  const CalculationOutcome outcome = Calculate(Typical());
  const ResultSet& r = outcome.results;
  ASSERT_FALSE(outcome.failed());
  EXPECT_EQ(r.rs, r.rsb);
  EXPECT_EQ(*r.rsb, 500.0);  // GOR mode: exactly 1000 × GOR
  EXPECT_LT(r.pb, 3000);
  EXPECT_NEAR(r.sg, 0, 1e-12);
  const RunOutput out = RunCase(Typical());
  EXPECT_EQ(Shown(out, OutputField::Rs), ".5");
  EXPECT_EQ(Shown(out, OutputField::Sg), ".");  // ±1e-14 shows no sign
  EXPECT_EQ(out.pbCaption, "Bubble Point Pressure, psia");
  EXPECT_FALSE(out.message.has_value());
  EXPECT_TRUE(out.outputs->WithoutValue().empty());
}

TEST(RunTest, OilAbsentLeavesOilFieldsEmpty) {
  CalculationCase c = Typical();
  c.inputs.apiGravity = 0;
  c.inputs.gorOrPb = 0.6;
  const RunOutput out = RunCase(c);
  for (const OutputField field :
       {OutputField::Rs, OutputField::Bo, OutputField::OilViscosity, OutputField::Co, OutputField::OilDensity}) {
    EXPECT_EQ(Shown(out, field), "") << InfoOf(field).control;
  }
  EXPECT_EQ(Shown(out, OutputField::PbOrRsb), "1.");  // the typed GOR through "#####."
  EXPECT_EQ(Shown(out, OutputField::So), ".");
  EXPECT_FALSE(out.pbCaption.has_value());  // the caption keeps what it showed
  EXPECT_NE(Shown(out, OutputField::Z), "");
  // No oil: D = Bw·WOR; with WOR > 0 the pore space is all water.
  EXPECT_EQ(Shown(out, OutputField::Sw), "100.");
  c.inputs.wor = 0;  // WOR 0: D = 1, Sw = Swc, Sg = 1 − Swc
  const RunOutput dry = RunCase(c);
  EXPECT_EQ(Shown(dry, OutputField::Sw), "25.");
  EXPECT_EQ(Shown(dry, OutputField::Sg), "75.");
}

// Without oil the fifth box in GOR mode is a GOR in MCF/STB, not a bubble point: the water
// is taken as gas-saturated at the reservoir pressure, as when the bubble point is typed
// as that pressure, whatever GOR is typed.
TEST(RunTest, WithoutOilAGorIsNotTakenAsTheWatersBubblePoint) {
  CalculationCase gor = Typical();
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

TEST(RunTest, AtTheBubblePointTheSaturatedCompressibilityApplies) {
  CalculationCase c = Typical();
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

TEST(RunTest, OilWithoutGasBelowTheBubblePointHasNoCompressibility) {
  CalculationCase c = Typical();
  c.inputs.gasGravity = 0;
  c.gorMode = GorSelectorMode::BubblePoint;
  c.inputs.gorOrPb = 3500;
  c.selection.rockCorrelation = RockCorrelation::None;
  const CalculationOutcome outcome = Calculate(c);
  EXPECT_FALSE(outcome.results.co.has_value());
  EXPECT_EQ(RunCase(c).outputs->texts[IndexOf(OutputField::Co)], "");
  EXPECT_EQ(*outcome.results.ct, *outcome.results.cw * outcome.results.sw);  // no rock correlation, no gas
}

// The water density at standard conditions is 62.4 × the typed gravity: ρw·Bw = 63.96.
TEST(RunTest, WaterSpecificGravityBecomesSalinity) {
  EXPECT_NEAR(WorkingSalinity(1.025, WaterSelectorMode::SpecificGravity), 3.319149, 1e-6);  // 62.4 · 0.025 / 0.47
  EXPECT_EQ(WorkingSalinity(1.0, WaterSelectorMode::SpecificGravity), 0.0);
  CalculationCase c = Typical();
  c.waterMode = WaterSelectorMode::SpecificGravity;
  c.inputs.salinityOrSg = 1.025;
  const ResultSet r = Calculate(c).results;
  EXPECT_NEAR(*r.rhoW * *r.bw, 62.4 * 1.025, 1e-9);
}

// Wet gas of gravity 0.7 at Tpr = 1 (−77.035 °F): z converges at 749 psia but at neither
// 744 nor 754 psia. Without cg the total compressibility would lack its gas term, so it
// is not computed either, and both are named.
TEST(RunTest, WithoutGasCompressibilityThereIsNoTotalCompressibility) {
  CalculationCase c = Typical();
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
  EXPECT_EQ(Shown(out, OutputField::Ct), "");
}

struct FailureCase {
  const char* name;
  InputSet inputs;
  const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ZFactorFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ZFactorFailureTest, StopsTheRunWithTheMessage) {
  CalculationCase c = Typical();
  c.inputs = GetParam().inputs;
  const RunOutput out = RunCase(c);
  EXPECT_FALSE(out.outputs.has_value());
  EXPECT_EQ(out.message, GetParam().message);
  EXPECT_EQ(out.pbCaption.has_value(), c.inputs.apiGravity > 0);  // the oil step ran before
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ZFactorFailureTest,
    ::testing::Values(
        FailureCase{"ColdHeavyGas", {35, 1.0, -100, 2000, 0.5, 20, 25, 3, 0.5}, "pTr<1: z-factor Routine FAILS"},
        FailureCase{"NoOil", {0, 1.0, -100, 2000, 0.5, 20, 25, 3, 0.5}, "pTr<1: z-factor Routine FAILS"},
        FailureCase{
            "VeryHighPressure", {35, 0.75, 200, 15000, 0.5, 20, 25, 3, 0.5}, "pPr>20.5: z-factor Routine FAILS"},
        FailureCase{"NearCriticalTemperature",
                    {35, 0.7, -77.035, 2391.7356, 0.5, 20, 25, 3, 0.5},
                    "No convergence: z-factor Routine FAILS"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnvik
