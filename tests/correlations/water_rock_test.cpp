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

// Fresh water against the steam tables (IAPWS viscosity formulation). At 1000 psia: 60 °F
// 1.118, 100 °F 0.682, 200 °F 0.304, 300 °F 0.186 cp; the 100 and 200 °F values agree
// within 0.3 % with Table 2-135 of Perry's Chemical Engineers' Handbook, 9th ed. (saturated
// liquid, interpolated), where pressure changes water viscosity by well under 1 %. McCain's
// correlation meets them within 4.5 %.
TEST(WaterTest, FreshWaterViscosityAgreesWithTheSteamTablesAt1000Psia) {
  constexpr double tol_mccain_vs_steam = 0.045;
  const struct { double temperatureF, viscosity; } rows[] = {{60, 1.118}, {100, 0.682}, {200, 0.304}, {300, 0.186}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.temperatureF);
    double mu = 0;
    CalcWaterViscosity(row.temperatureF, mu, 0, 1000);
    EXPECT_NEAR(mu / row.viscosity, 1, tol_mccain_vs_steam);
  }
}

// Saturated liquid water, Perry's Chemical Engineers' Handbook, 9th ed., Table 2-135 (from
// the IAPWS formulations): T [K], saturation pressure [MPa], viscosity [µPa·s]. McCain's
// dead-brine term reads up to 8.5 % low here (at 116 °F); his stated accuracy is 5 %.
TEST(WaterTest, FreshWaterViscosityFollowsTheSaturatedSteamTable) {
  constexpr double tol_mccain_low_pressure = 0.09;
  const struct {
    double kelvin, megapascal, micropascalSecond;
  } rows[] = {{310, 0.006231, 693.54}, {320, 0.010546, 577.02}, {330, 0.017213, 489.49},
              {340, 0.027188, 421.97}, {350, 0.041682, 368.77}, {360, 0.062194, 326.10},
              {370, 0.090535, 291.36}, {380, 0.12885, 262.69},  {390, 0.17964, 238.77}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kelvin);
    const double fahrenheit = (row.kelvin - 273.15) * 1.8 + 32;
    const double psia = row.megapascal * 1e6 / 6894.757293168;
    double mu = 0;
    CalcWaterViscosity(fahrenheit, mu, 0, psia);
    EXPECT_NEAR(mu / (row.micropascalSecond / 1000), 1, tol_mccain_low_pressure);
  }
}

// McCain (1990), ch. 16 worked example: a brine of 7.1 % solids at 165 °F and 3176 psia,
// μw1 = 0.45 cp and μw = 0.52 cp (printed to two digits).
TEST(WaterTest, ViscosityReproducesMcCainsWorkedExample) {
  constexpr double tol_printed = 0.005;
  double atmospheric = 0, reservoir = 0;
  CalcWaterViscosity(165, atmospheric, 7.1, 0);
  CalcWaterViscosity(165, reservoir, 7.1, 3176);
  EXPECT_NEAR(atmospheric / 0.9994, 0.45, tol_printed);  // the correction at 0 psia is 0.9994
  EXPECT_NEAR(reservoir, 0.52, tol_printed);
}

TEST(WaterTest, ViscosityOfANegativeSalinityIsNotANumber) {
  double mu = 0;
  CalcWaterViscosity(200, mu, -2.6, 3000);
  EXPECT_TRUE(std::isnan(mu));
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
