// The oil families against laboratory data: synthetic reports drawn from one family's own
// correlations with ±3 % multiplicative noise must pick that family out and give back the
// tuning they were drawn with; tuning reproduces the measured bubble point exactly and
// never fits the measured points worse than the family untuned; the separator adjustment
// against a hand calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/calculation_run.h"
#include "calc/lab_fit.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

struct Conditions {
  double api, gasGravity, temperatureF, gor;  // °API, air = 1, °F, SCF/STB
};

// A report on the oil `family` (tuned by `tuning`) describes: its bubble point at the
// GOR, and Rs, Bo and viscosity at eight pressures below it and two above, each
// multiplied by a factor drawn from [0.97, 1.03] (Rs above the bubble point is the GOR).
LabData SyntheticReport(const Conditions& at, OilCorrelation family, const OilTuning* tuning, std::mt19937_64& random) {
  std::uniform_real_distribution<double> noise(0.97, 1.03);
  InputSet in = testing::TypicalOil().inputs;
  in.apiGravity = at.api;
  in.gasGravity = at.gasGravity;
  in.temperatureF = at.temperatureF;
  in.gorOrPb = at.gor / 1000;
  in.pressure = 14.7;
  const double pb = CalculateOilState(in, GorSelectorMode::Gor, family, tuning).pb;
  LabData data;
  data.temperatureF = at.temperatureF;
  data.gor = at.gor;
  data.apiGravity = at.api;
  data.gasGravity = at.gasGravity;
  data.bubblePoint = pb * noise(random);
  for (double fraction : {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.85, 1.2, 1.4}) {
    in.pressure = fraction * pb;
    const OilState oil = CalculateOilState(in, GorSelectorMode::Gor, family, tuning);
    LabPoint point;
    point.pressure = in.pressure;
    point.rs = fraction < 1 ? oil.rs * noise(random) : at.gor;
    point.bo = oil.bo * noise(random);
    point.oilViscosity = oil.muO * noise(random);
    data.points.push_back(point);
  }
  return data;
}

CalculationCase AnyCase() { return testing::TypicalOil(); }

constexpr Conditions kBlackOil{35, 0.8, 200, 600};

class EachFamily : public ::testing::TestWithParam<int> {
 protected:
  OilCorrelation Family() const { return static_cast<OilCorrelation>(GetParam()); }
};

TEST_P(EachFamily, ReportsDrawnFromTheFamilyRankItFirst) {
  std::mt19937_64 random(1000 + GetParam());
  constexpr int kTrials = 200;
  int first = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const LabData data = SyntheticReport(kBlackOil, Family(), nullptr, random);
    OilRanking ranking;
    std::string error;
    ASSERT_TRUE(RankOilFamilies(AnyCase(), data, ranking, error)) << error;
    first += ranking.families.front().family == Family();
  }
  EXPECT_GE(first, kTrials * 95 / 100);
}

TEST_P(EachFamily, TuningGivesBackTheFactorsTheReportWasDrawnWith) {
  std::mt19937_64 random(2000 + GetParam());
  OilTuning drawn;
  drawn.active = true;
  drawn.family = Family();
  drawn.pressureScale = 1.12;
  drawn.pressureExponent = 1.1;
  drawn.boFactor = 0.9;
  drawn.viscosityFactor = 1.25;
  // Anchored at the drawn oil's own bubble point, s times the family's.
  InputSet in = AnyCase().inputs;
  in.apiGravity = kBlackOil.api, in.gasGravity = kBlackOil.gasGravity, in.temperatureF = kBlackOil.temperatureF;
  in.gorOrPb = kBlackOil.gor / 1000;
  drawn.referencePressure = drawn.pressureScale * CalculateOilState(in, GorSelectorMode::Gor, Family()).pb;
  in.pressure = drawn.referencePressure;
  const double bob = CalculateOilState(in, GorSelectorMode::Gor, Family(), &drawn).bo;
  for (int trial = 0; trial < 20; ++trial) {
    const LabData data = SyntheticReport(kBlackOil, Family(), &drawn, random);
    OilTuningFit fit;
    std::string error;
    ASSERT_TRUE(TuneOilFamily(AnyCase(), data, Family(), fit, error)) << error;
    // Within the noise: the scale from one noisy bubble point, the viscosity factor over
    // ten points; the Bo factor multiplies Bo − 1, so its error counts as that of Bo by
    // (Bo − 1) / Bo; the exponent bends Rs through a power of pressure.
    EXPECT_NEAR(fit.tuning.pressureScale / drawn.pressureScale, 1, 0.03);
    EXPECT_NEAR(fit.tuning.viscosityFactor / drawn.viscosityFactor, 1, 0.03);
    EXPECT_NEAR((fit.tuning.boFactor / drawn.boFactor - 1) * (bob - 1) / bob, 0, 0.03);
    EXPECT_NEAR(fit.tuning.pressureExponent / drawn.pressureExponent, 1, 0.06);
  }
}

// Reports drawn from every family, tuned with every family: the bubble point is the
// measured one, and no property is fitted worse than by the family untuned.
TEST_P(EachFamily, TuningReproducesTheBubblePointAndNeverFitsWorse) {
  std::mt19937_64 random(3000 + GetParam());
  for (const Conditions& at : {kBlackOil, Conditions{25, 0.7, 150, 250}, Conditions{42, 0.95, 240, 1200}}) {
    for (int source = 0; source < kOilCorrelationCount; ++source) {
      const LabData data = SyntheticReport(at, static_cast<OilCorrelation>(source), nullptr, random);
      OilTuningFit fit;
      std::string error;
      ASSERT_TRUE(TuneOilFamily(AnyCase(), data, Family(), fit, error)) << error;
      EXPECT_LT(fit.tuned[0].aare, 1e-12);
      EXPECT_LE(LabScore(fit.tuned), LabScore(fit.untuned))
          << "report drawn from family " << source << " at api " << at.api;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LabFit, EachFamily, ::testing::Range(0, kOilCorrelationCount));

}  // namespace
}  // namespace tarnvik
