// Water properties and formation compressibility.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/routines.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

// Pure water at 200 °F and 5000 psia: Bw ≈ 1.030 RB/STB and cw ≈ 2.95e-6 /psi, read from
// the charts for gas-free water in W.D. McCain, "The Properties of Petroleum Fluids",
// 2nd ed., PennWell (1990), ch. 16.
TEST(WaterTest, PureWaterAgreesWithPublishedCharts) {
  constexpr double tol_chart_bw = 0.005;
  constexpr double tol_chart_cw = 0.15e-6;
  double bw = 0, cw = 0;
  CalcWaterFvf(5000, 200, bw, 0);
  CalcWaterCompressibility(200, 5000, cw, 0, 0, 0);
  EXPECT_NEAR(bw, 1.030, tol_chart_bw);
  EXPECT_NEAR(cw, 2.95e-6, tol_chart_cw);
}

TEST(WaterTest, SaltReducesGasSolubilityAndCompressibilityAndThickensWater) {
  double rswFresh = 0, rswBrine = 0, muFresh = 0, muBrine = 0, cwFresh = 0, cwBrine = 0;
  CalcWaterSolutionGas(3000, 3500, 180, 0, rswFresh);
  CalcWaterSolutionGas(3000, 3500, 180, 10, rswBrine);
  CalcWaterViscosity(180, muFresh, 0, 3000);
  CalcWaterViscosity(180, muBrine, 10, 3000);
  CalcWaterCompressibility(180, 3000, cwFresh, 0, 0, 0);
  CalcWaterCompressibility(180, 3000, cwBrine, 0, 10, 0);
  EXPECT_LT(rswBrine, rswFresh);
  EXPECT_GT(muBrine, muFresh);
  EXPECT_LT(cwBrine, cwFresh);
  EXPECT_GT(rswFresh, 10);  // of the order of 10–20 SCF/STB at these conditions
  EXPECT_LT(rswFresh, 25);
}

TEST(WaterTest, SolutionGasHoldsAtTheBubblePointAndNeverGoesNegative) {
  double atPb = 0, above = 0, noBubblePoint = 0, atP = 0, salty = -1;
  CalcWaterSolutionGas(2000, 2000, 180, 3, atPb);
  CalcWaterSolutionGas(4000, 2000, 180, 3, above);
  CalcWaterSolutionGas(4000, 0, 180, 3, noBubblePoint);  // pb = 0: no bubble point
  CalcWaterSolutionGas(4000, 5000, 180, 3, atP);
  EXPECT_EQ(above, atPb);
  EXPECT_EQ(noBubblePoint, atP);
  CalcWaterSolutionGas(3000, 3500, 180, 30, salty);  // 1 − 30 (0.0753 − 0.000173·180) < 0
  EXPECT_EQ(salty, 0.0);
}

TEST(WaterTest, GasCorrectionOfCompressibilityIncludesTheBubblePoint) {
  double rsw = 0, atPb = 0, justAbove = 0;
  CalcWaterSolutionGas(3000, 3000, 180, 0, rsw);
  CalcWaterCompressibility(180, 3000, atPb, 3000, 0, rsw);
  CalcWaterCompressibility(180, 3000, justAbove, std::nextafter(3000.0, 0.0), 0, rsw);
  EXPECT_NEAR(atPb / justAbove, 1 + 0.0089 * rsw, 1e-12);
}

// Fresh liquid water, IAPWS-95 / IAPWS 2008 viscosity, python3-iapws 1.5.2 (Debian package
// 1.5.3-1): IAPWS95(T = (t − 32) / 1.8 + 273.15 K, P = p · 6894.757e-6 MPa).mu, in cp.
// Kestin, Khalifa and Correia publish ±0.5 % over 68–302 °F and 0.1–35 MPa (5076 psia);
// beyond that the correlation is extrapolated, and within 2.5 % of these values.
struct SteamTableRow {
  double temperatureF;
  double at1000, at5000, at10000;  // cp at 1000, 5000 and 10,000 psia
};
constexpr SteamTableRow kSteamTable[] = {
    {60, 1.11766, 1.10691, 1.09985},  {100, 0.68167, 0.68529, 0.69141}, {150, 0.43119, 0.43825, 0.44731},
    {200, 0.30443, 0.31180, 0.32088}, {250, 0.23152, 0.23861, 0.24720}, {300, 0.18571, 0.19250, 0.20061},
    {350, 0.15488, 0.16148, 0.16923}, {400, 0.13283, 0.13942, 0.14698},
};
constexpr double tol_kestin = 0.005;        // the paper's ±0.5 %
constexpr double tol_extrapolated = 0.025;  // beyond the paper's data

bool InsideKestinsData(double temperatureF, double pressure) {
  return temperatureF >= 68 && temperatureF <= 302 && pressure <= 5076.32;
}

double FreshWaterViscosity(double temperatureF, double pressure) {
  double mu = 0;
  CalcWaterViscosity(temperatureF, mu, 0, pressure);
  return mu;
}

TEST(WaterViscosityTest, FreshWaterAgreesWithTheSteamTables) {
  for (const SteamTableRow& row : kSteamTable) {
    const double pressures[] = {1000, 5000, 10000};
    const double steam[] = {row.at1000, row.at5000, row.at10000};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(std::to_string(row.temperatureF) + " °F, " + std::to_string(pressures[i]) + " psia");
      const double tolerance = InsideKestinsData(row.temperatureF, pressures[i]) ? tol_kestin : tol_extrapolated;
      EXPECT_NEAR(FreshWaterViscosity(row.temperatureF, pressures[i]) / steam[i], 1, tolerance);
    }
  }
}

// The pressure effect alone: from 1000 to 5000 psia the viscosity of water changes by
// −1 % at 60 °F to +5 % at 400 °F; a pressure term like McCain's (× 1.23 over this step)
// fails here. The ratio of two values each within ±0.5 % is within 1 %.
TEST(WaterViscosityTest, PressureRaisesViscosityAsTheSteamTablesDo) {
  constexpr double tol_ratio = 2 * tol_kestin;
  constexpr double tol_ratio_extrapolated = 0.02;
  for (const SteamTableRow& row : kSteamTable) {
    SCOPED_TRACE(row.temperatureF);
    const double tolerance = InsideKestinsData(row.temperatureF, 5000) ? tol_ratio : tol_ratio_extrapolated;
    const double ratio = FreshWaterViscosity(row.temperatureF, 5000) / FreshWaterViscosity(row.temperatureF, 1000);
    EXPECT_NEAR(ratio, row.at5000 / row.at1000, tolerance);
  }
}

// Published brine viscosities:
//  - brine of 3 % NaCl at 200 °F is about 0.32 cp (the value the old fit's 0.47 cp for the
//    example case was found wrong against); here at the example case's 3000 psia;
//  - the dead brine of the worked example in W.D. McCain Jr., "The Properties of Petroleum
//    Fluids", 2nd ed., PennWell (1990), ch. 16: 7.1 % solids at 165 °F and atmospheric
//    pressure, 0.45 cp (printed to two digits; the solids taken as NaCl).
TEST(WaterViscosityTest, BrineAgreesWithPublishedValues) {
  constexpr double tol_about = 0.01;
  constexpr double tol_printed = 0.005;
  const struct {
    double temperatureF, salinity, pressure, viscosity, tolerance;
  } rows[] = {{200, 3, 3000, 0.32, tol_about}, {165, 7.1, 14.7, 0.45, tol_printed}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.salinity);
    double mu = 0;
    CalcWaterViscosity(row.temperatureF, mu, row.salinity, row.pressure);
    EXPECT_NEAR(mu, row.viscosity, row.tolerance);
  }
}

// No value where the correlation has none: a negative salinity (water gravity below 1), a
// brine of 100 % salt or more (infinite molality), and at or below −140.8 °F (−96 °C, the
// pole of the pure-water temperature function, beyond which it gives near 0). Far outside
// the data but inside that domain it gives a number (the data-range warnings say so).
TEST(WaterViscosityTest, NoValueOutsideTheCorrelationsDomain) {
  const struct {
    double temperatureF, salinity;
    bool finite;
  } rows[] = {{200, -2.6, false}, {200, 100, false}, {200, 150, false}, {-140.8, 3, false},
              {-200, 3, false},   {200, 0, true},    {200, 50, true},   {-100, 3, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.temperatureF) + " °F, " + std::to_string(row.salinity) + " %");
    double mu = 0;
    CalcWaterViscosity(row.temperatureF, mu, row.salinity, 3000);
    EXPECT_EQ(std::isfinite(mu), row.finite) << mu;
  }
}

// cf through the run's routine, with the correlation and formation named as the dialog
// and the case file name them.
Quantity Cf(std::string_view rock, std::string_view formation, double phi, double p) {
  Quantity cf;
  CalcFormationCompressibility(phi, p, cf, RockCorrelationFromCaption(rock).value_or(RockCorrelation::None),
                               FormationTypeFromCaption(formation).value_or(FormationType::None));
  return cf;
}

// Hall (1953) published cf = 1.782e-6 / φ^0.438 with φ as a fraction; at φ = 0.2 that is
// 3.6065e-6 /psi (hand-computed), and the percent form must agree.
TEST(FormationCompressibilityTest, HallAgreesWithThePaperInFractions) {
  constexpr double tol_paper = 0.001e-6;  // 13.392 is 1.782 · 100^0.438 rounded
  const Quantity cf = Cf("Hall", "", 20, 3000);
  ASSERT_TRUE(cf.has_value());
  EXPECT_NEAR(*cf, 3.6065e-6, tol_paper);
}

TEST(FormationCompressibilityTest, BranchTable) {
  struct Row {
    const char* rock;
    const char* formation;
    double phi, p;
    bool written;
    double low, high;  // expected range of cf when written, 1/psi
  };
  const Row rows[] = {
      {"Van der Knaap", "", -5, 3000, true, 0, 0},
      {"", "", 0, 3000, true, 0, 0},         // no correlation, φ ≤ 0: zero
      {"Hall ", "", 20, 3000, false, 0, 0},  // names match whole
      {"hall", "", 20, 3000, false, 0, 0},
      {"Newman", "Carbonate rocks", 20, 3000, true, 5.3e-6, 5.5e-6},  // first three letters count
      {"Newman", "", 20, 3000, false, 0, 0},
      {"Yale et. al.", "", 20, 3000, false, 0, 0},
      {"Yale et. al.", "Friable Sands", 20, 834, true, 1e-6, 200e-6},  // σ = 500.4 > σ0 = 500
      {"Yale et. al.", "Friable Sands", 20, 833, false, 0, 0},         // σ = 499.8 ≤ σ0
      {"Yale et. al.", "Friable Sands", 0, 833, true, 0, 0},           // below threshold, φ ≤ 0: zero
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << '"' << row.rock << "\" / \"" << row.formation << "\" φ " << row.phi << " p "
                                      << row.p);
    const Quantity cf = Cf(row.rock, row.formation, row.phi, row.p);
    ASSERT_EQ(cf.has_value(), row.written);
    if (row.written) {
      EXPECT_GE(*cf, row.low);
      EXPECT_LE(*cf, row.high);
    }
  }
}

TEST(FormationCompressibilityTest, YaleFallsWithStress) {
  EXPECT_GT(*Cf("Yale et. al.", "Unconsolidated Sands", 20, 2000),
            *Cf("Yale et. al.", "Unconsolidated Sands", 20, 6000));
}

}  // namespace
}  // namespace tarnvik
