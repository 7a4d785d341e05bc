// The calculation run: which steps run, what is shown, and the failure paths.
#include "calc/calculation_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/number_text.h"

namespace tarnvik {
namespace {

constexpr std::size_t Index(OutputField field) { return static_cast<std::size_t>(field); }

struct Case {
  std::array<std::string, 9> boxes = {"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"};
  std::string gor = "GOR MCF/STB";
  std::string water = "Salinity % NaCl";
  CorrelationSelection selection;

  RunOutput Run(InputSet& inputs) const {
    InputTexts texts;
    for (std::size_t i = 0; i < 9; ++i) texts.boxes[i] = boxes[i];
    texts.gorSelector = gor;
    texts.waterSelector = water;
    return RunCalculation(texts, selection, inputs);
  }
  RunOutput Run() const {
    InputSet inputs;
    return Run(inputs);
  }
  CalculationOutcome Outcome() const {
    std::array<std::string_view, 9> views;
    for (std::size_t i = 0; i < 9; ++i) views[i] = boxes[i];
    return Calculate(ReadInputs(views), GorModeFromText(gor), WaterModeFromText(water), selection);
  }
};

std::string Shown(const RunOutput& out, OutputField field) { return out.outputs->texts[Index(field)]; }

TEST(RunTest, ReadsEveryBoxIntoTheInputSet) {
  Case c;
  c.boxes = {" 35", "0.75x", "2 00", "3e3", "", "1,5", "abc", "1.025", "-0.5"};
  c.water = "Water Specific Gravity";
  InputSet inputs;
  c.Run(inputs);
  EXPECT_EQ(inputs.apiGravity, 35);
  EXPECT_EQ(inputs.gasGravity, 0.75);
  EXPECT_EQ(inputs.temperatureF, 200);
  EXPECT_EQ(inputs.pressure, 3000);
  EXPECT_EQ(inputs.gorOrPb, 0);
  EXPECT_EQ(inputs.porosity, 1);
  EXPECT_EQ(inputs.swc, 0);
  EXPECT_EQ(inputs.salinityOrSg, 1.025);  // kept as typed, not converted
  EXPECT_EQ(inputs.wor, -0.5);
}

TEST(RunTest, AboveTheBubblePointRsIsRsbAndNoGasIsFree) {
  const Case c;
  const CalculationOutcome outcome = c.Outcome();
  const ResultSet& r = outcome.results;
  ASSERT_FALSE(outcome.failed());
  EXPECT_EQ(r.rs, r.rsb);
  EXPECT_EQ(*r.rsb, 500.0);  // GOR mode: exactly 1000 × GOR
  EXPECT_LT(r.pb, 3000);
  EXPECT_NEAR(r.sg, 0, 1e-12);
  const RunOutput out = c.Run();
  EXPECT_EQ(Shown(out, OutputField::Rs), ".5");
  EXPECT_EQ(Shown(out, OutputField::Sg), ".");  // ±1e-14 shows no sign
  EXPECT_EQ(out.pbCaption, "Bubble Point Pressure, psia");
  EXPECT_FALSE(out.message.has_value());
  EXPECT_TRUE(out.outputs->outOfRange.empty());
}

TEST(RunTest, SaturationsSumToOneAndTotalCompressibilityAddsUp) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> api(15, 50), gg(0.55, 1.2), t(80, 300), p(200, 8000), gor(0.05, 2), phi(5, 35),
      swc(5, 60), sal(0, 15), wor(0, 5);
  for (int i = 0; i < 500; ++i) {
    InputSet in{api(random), gg(random),  t(random),   p(random),  gor(random),
                phi(random), swc(random), sal(random), wor(random)};
    CorrelationSelection selection;
    selection.oilCorrelation = static_cast<OilCorrelation>(i % 9);
    selection.rockCorrelation = i % 2 ? "Hall" : "Newman";
    selection.formationType = "Friable Sands";
    const CalculationOutcome outcome = Calculate(in, i % 3 ? GorSelectorMode::Gor : GorSelectorMode::BubblePoint,
                                                 WaterSelectorMode::Salinity, selection);
    if (outcome.failed()) continue;
    const ResultSet& r = outcome.results;
    SCOPED_TRACE(i);
    EXPECT_NEAR(r.so + r.sw + r.sg, 1.0, 1e-12);
    EXPECT_GE(r.sg, -1e-12);
    EXPECT_NEAR(r.ct, *r.cf + r.so * *r.co + r.sw * *r.cw + r.sg * *r.cg, 1e-18);
  }
}

TEST(RunTest, OilAbsentLeavesOilFieldsEmpty) {
  Case c;
  c.boxes[0] = "";
  c.boxes[4] = "0.6";
  const RunOutput out = c.Run();
  for (const OutputField field :
       {OutputField::Rs, OutputField::Bo, OutputField::OilViscosity, OutputField::Co, OutputField::OilDensity}) {
    EXPECT_EQ(Shown(out, field), "") << InfoOf(field).control;
  }
  EXPECT_EQ(Shown(out, OutputField::Pbx), "1.");  // the typed GOR through "#####."
  EXPECT_EQ(Shown(out, OutputField::So), ".");
  EXPECT_FALSE(out.pbCaption.has_value());  // the caption keeps what it showed
  EXPECT_NE(Shown(out, OutputField::Z), "");
  // No oil: D = Bw·WOR; with WOR > 0 the pore space is all water.
  EXPECT_EQ(Shown(out, OutputField::Sw), "100.");
  c.boxes[8] = "0";  // WOR 0: D = 1, Sw = Swc, Sg = 1 − Swc
  const RunOutput dry = c.Run();
  EXPECT_EQ(Shown(dry, OutputField::Sw), "25.");
  EXPECT_EQ(Shown(dry, OutputField::Sg), "75.");
}

TEST(RunTest, AtTheBubblePointTheSaturatedCompressibilityApplies) {
  Case c;
  c.gor = "Bubble Point Pressure psia";
  c.boxes[3] = "2500";
  c.boxes[4] = "2500";
  const CalculationOutcome atPb = c.Outcome();
  EXPECT_EQ(atPb.results.rs, atPb.results.rsb);
  ASSERT_TRUE(atPb.results.co.has_value());
  // Free gas released below pb makes saturated oil far more compressible than the
  // undersaturated value just above it.
  c.boxes[3] = "2500.001";
  const CalculationOutcome above = c.Outcome();
  EXPECT_GT(*atPb.results.co, 3 * *above.results.co);
}

TEST(RunTest, OilWithoutGasBelowTheBubblePointHasNoCompressibility) {
  Case c;
  c.boxes[1] = "0";
  c.gor = "Bubble Point Pressure psia";
  c.boxes[4] = "3500";
  const CalculationOutcome outcome = c.Outcome();
  EXPECT_FALSE(outcome.results.co.has_value());
  EXPECT_EQ(c.Run().outputs->texts[Index(OutputField::Co)], "");
  EXPECT_EQ(outcome.results.ct, *outcome.results.cw * outcome.results.sw);  // no rock correlation, no gas
}

TEST(RunTest, WaterSpecificGravityBecomesSalinity) {
  EXPECT_NEAR(WorkingSalinity(1.025, WaterSelectorMode::SpecificGravity), 3.319149, 1e-6);  // 62.4 · 0.025 / 0.47
  EXPECT_EQ(WorkingSalinity(1.0, WaterSelectorMode::SpecificGravity), 0.0);
  EXPECT_LT(WorkingSalinity(0.98, WaterSelectorMode::SpecificGravity), 0.0);
  EXPECT_EQ(WorkingSalinity(1.025, WaterSelectorMode::Salinity), 1.025);
  // The water density at standard conditions is 62.4 × the typed gravity: ρw·Bw = 63.96.
  Case c;
  c.water = "Water Specific Gravity";
  c.boxes[7] = "1.025";
  const ResultSet r = c.Outcome().results;
  EXPECT_NEAR(*r.rhoW * *r.bw, 62.4 * 1.025, 1e-9);
}

TEST(RunTest, SelectorTextsMatchWholeAndCaseSensitive) {
  for (const char* text : {"gor mcf/stb", "GOR MCF/STB ", "GOR or Bubble Point ?", ""}) {
    Case c;
    c.gor = text;
    c.boxes[4] = "2500";
    const RunOutput out = c.Run();
    EXPECT_EQ(out.pbCaption, "     GOR MCF/STB") << text;
  }
  for (const char* text : {"Salinity or Sp. Gravity ?", "water specific gravity"}) {
    Case c;
    c.water = text;
    c.boxes[7] = "1.025";  // taken as 1.025 % NaCl
    Case salinity = c;
    salinity.water = "Salinity % NaCl";
    EXPECT_EQ(c.Run().outputs->texts, salinity.Run().outputs->texts) << text;
  }
}

struct FailureCase {
  const char* name;
  std::array<std::string, 9> boxes;
  const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ZFactorFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ZFactorFailureTest, StopsTheRunWithTheMessage) {
  Case c;
  c.boxes = GetParam().boxes;
  InputSet inputs;
  const RunOutput out = c.Run(inputs);
  EXPECT_FALSE(out.outputs.has_value());
  EXPECT_EQ(out.message, GetParam().message);
  EXPECT_EQ(inputs.pressure, ParseNumber(c.boxes[3]));                // the inputs are taken all the same
  EXPECT_EQ(out.pbCaption.has_value(), ParseNumber(c.boxes[0]) > 0);  // the oil step ran before
}

INSTANTIATE_TEST_SUITE_P(Statuses, ZFactorFailureTest,
                         ::testing::Values(FailureCase{"ColdHeavyGas",
                                                       {"35", "1.0", "-100", "2000", "0.5", "20", "25", "3", "0.5"},
                                                       "pTr<1: z-factor Routine FAILS"},
                                           FailureCase{"NoOil",
                                                       {"0", "1.0", "-100", "2000", "0.5", "20", "25", "3", "0.5"},
                                                       "pTr<1: z-factor Routine FAILS"},
                                           FailureCase{"VeryHighPressure",
                                                       {"35", "0.75", "200", "15000", "0.5", "20", "25", "3", "0.5"},
                                                       "pPr>20.5: z-factor Routine FAILS"},
                                           FailureCase{
                                               "NearCriticalTemperature",
                                               {"35", "0.7", "-77.035", "2391.7356", "0.5", "20", "25", "3", "0.5"},
                                               "No convergence: z-factor Routine FAILS"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarnvik
