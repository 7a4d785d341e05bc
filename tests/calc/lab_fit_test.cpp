// The oil families against laboratory data: synthetic reports drawn from one family's own
// correlations with ±3 % multiplicative noise must pick that family out; tuning to the
// family's own numbers leaves it as it is; tuning reproduces the measured bubble point
// exactly and every measured point within the targets, and stays physical. (The separator
// adjustment is checked against a hand calculation with the lab files, in
// tests/model/lab_file_test.cpp.)
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/calculation_run.h"
#include "calc/oil_tuning_fit.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

struct Conditions {
  double api, gasGravity, temperatureF, gor;  // °API, air = 1, °F, SCF/STB
};

// The spread of a report's multiplicative noise: of pb, Rs and viscosity, and of Bo.
struct Noise {
  double spread = 0.03;
  double boSpread = 0.03;
};

// A report on the oil `family` (tuned by `tuning`) describes: its bubble point at the
// GOR, and Rs, Bo and viscosity at eight pressures below it, at it and at two above, each
// multiplied by a factor drawn from [1 − spread, 1 + spread] (Rs above the bubble point is
// the GOR).
LabData SyntheticReport(const Conditions& at, OilCorrelation family, const OilTuning* tuning, std::mt19937_64& random,
                        Noise spread = {}) {
  std::uniform_real_distribution<double> noise(1 - spread.spread, 1 + spread.spread);
  std::uniform_real_distribution<double> boNoise(1 - spread.boSpread, 1 + spread.boSpread);
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
  for (double fraction : {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.85, 1.0, 1.2, 1.4}) {
    in.pressure = fraction * pb;
    const OilState oil = CalculateOilState(in, GorSelectorMode::Gor, family, tuning);
    LabPoint point;
    point.pressure = in.pressure;
    point.rs = fraction < 1 ? oil.rs * noise(random) : at.gor;
    if (fraction == 1) point.pressure = data.bubblePoint;
    point.bo = oil.bo * boNoise(random);
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

// A report drawn from the family itself without noise: the maps through its points are
// the identity and the factors 1, so the tuned Rs and Bo are the family's between the
// points too, below and above the bubble point; the viscosity follows a smooth curve
// through the measured points, within 3 % of the family's between them.
TEST_P(EachFamily, TuningToTheFamilysOwnNumbersLeavesTheFamilyAsItIs) {
  std::mt19937_64 random(2000 + GetParam());
  const LabData data = SyntheticReport(kBlackOil, Family(), nullptr, random, Noise{0, 0});
  OilTuningFit fit;
  std::string error;
  ASSERT_TRUE(TuneOilFamily(AnyCase(), data, Family(), fit, error)) << error;
  EXPECT_TRUE(fit.notes.empty()) << fit.notes.front();
  CalculationCase labCase;
  ASSERT_TRUE(LabCase(AnyCase(), data, labCase, error));
  for (double fraction : {0.03, 0.15, 0.33, 0.52, 0.77, 0.95, 1.0, 1.1, 1.3, 1.6}) {
    const double p = fraction * data.bubblePoint;
    const OilState family = LabOilState(labCase, p, Family());
    const OilState tuned = LabOilState(labCase, p, Family(), &fit.tuning);
    SCOPED_TRACE(p);
    EXPECT_NEAR(tuned.rs / family.rs, 1, 1e-9);
    EXPECT_NEAR(tuned.bo / family.bo, 1, 1e-9);
    EXPECT_NEAR(tuned.muO / family.muO, 1, 0.03);
  }
}

// Reports drawn from every family with noise (±3 % on Rs and viscosity, ±0.3 % on Bo, as a
// laboratory measures them), tuned with every family: the bubble point is
// the measured one, every measured point is reproduced within the targets, and the tuned
// model stays physical from atmospheric pressure to twice the bubble point: Rs one rising
// curve, co above 0 on both sides of the bubble point (below it, Bo rises by less than
// Bg ΔRs), and the saturated viscosity falling as Rs rises.
TEST_P(EachFamily, TuningHonoursEveryPointAndStaysPhysical) {
  std::mt19937_64 random(3000 + GetParam());
  for (const Conditions& at : {kBlackOil, Conditions{25, 0.7, 150, 250}, Conditions{42, 0.95, 240, 1200}}) {
    for (int source = 0; source < kOilCorrelationCount; ++source) {
      SCOPED_TRACE(::testing::Message() << "report drawn from family " << source << " at API " << at.api);
      const LabData data =
          SyntheticReport(at, static_cast<OilCorrelation>(source), nullptr, random, Noise{0.03, 0.003});
      OilTuningFit fit;
      std::string error;
      ASSERT_TRUE(TuneOilFamily(AnyCase(), data, Family(), fit, error)) << error;
      EXPECT_LT(fit.tuned.errors[0].maxError, 1e-12);
      for (const LabResidual& r : fit.tuned.residuals) {
        EXPECT_TRUE(r.withinTarget()) << "property " << int(r.property) << " at " << r.pressure
                                      << " psia: " << r.predicted << " for " << r.measured;
      }
      CalculationCase tuned;
      ASSERT_TRUE(LabCase(AnyCase(), data, tuned, error));
      tuned.selection.oilCorrelation = Family();
      tuned.selection.oilTuning = fit.tuning;
      double rsBefore = -1, muBefore = 1e300;
      for (int i = 1; i <= 80; ++i) {
        tuned.inputs.pressure = 14.7 + (2 * data.bubblePoint - 14.7) * i / 80;
        const CalculationOutcome run = Calculate(tuned);
        const ResultSet& r = run.results;
        ASSERT_FALSE(run.failed());
        EXPECT_GE(*r.rs, rsBefore) << tuned.inputs.pressure;
        EXPECT_GT(r.co.value_or(-1), 0) << tuned.inputs.pressure;
        if (tuned.inputs.pressure <= r.pb) {
          EXPECT_LT(*r.muO, muBefore) << tuned.inputs.pressure;
        }
        rsBefore = *r.rs;
        muBefore = *r.muO;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(LabFit, EachFamily, ::testing::Range(0, kOilCorrelationCount));

}  // namespace
}  // namespace tarnvik
