// Oil correlations: bubble point and solution gas, Bo, viscosity, compressibility.
//
// Values printed in the papers or in textbooks that reproduce the correlations' worked
// examples, table-driven with the source on every row; then properties every family must
// have (inverse pairs, monotonicity, continuity at the bubble point).
//
// Families with no published value here. For each of these a worked example or a table
// of the correlation's own results was searched for, in stored copies of public web
// pages, documentation and repositories: the paper's text (title, authors, SPE number,
// "example"), and textbook reproductions (T. Ahmed, "Reservoir Engineering Handbook" and
// "Equations of State and PVT Analysis", which apply the correlations to a table of six
// oils; W.D. McCain, "The Properties of Petroleum Fluids"; the Standard Handbook of
// Petroleum and Natural Gas Engineering; the SPE Petroleum Engineering Handbook's oil
// correlations chapter):
//  - Vazquez and Beggs (1980): Rs, pb and Bo. Ahmed's handbook works them for the six
//    oils, but no copy of the printed results could be read; the paper (JPT 32(6),
//    968–970) was not found. The undersaturated co has a textbook value (below).
//  - Al-Marhoun (1988, JPT 40(5)) and Petrosky and Farshad (1993, SPE 26644): Ahmed works
//    both for the six oils; neither his printed results nor an example in the papers was
//    found.
//  - Dokla and Osman (1992, SPE FE 7(1)): neither the paper's text nor a reproduction.
//  - Farshad, LeBlanc, Garber and Osorio (1996, SPE 36105): only the first page of a
//    scanned copy, without an example.
//  - Obomanu and Okpobiri (1987, J. Energy Resour. Technol. 109(4)): neither the paper's
//    text nor a reproduction.
//  - Kartoatmodjo and Schmidt (1994, Oil & Gas Journal 92(27)): neither the article's
//    text nor a reproduction.
// These families are held to the properties below; a value found later belongs in
// kPublished.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calc/routines.h"
#include "correlations/oil/oil_family.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

constexpr std::array kAllFamilies = {
    OilCorrelation::Standing,  OilCorrelation::VazquezBeggs,    OilCorrelation::Glaso,
    OilCorrelation::AlMarhoun, OilCorrelation::PetroskyFarshad, OilCorrelation::DoklaOsman,
    OilCorrelation::Farshad,   OilCorrelation::ObomanuOkpobiri, OilCorrelation::KartoatmodjoSchmidt};

std::string Name(OilCorrelation family) { return std::string(OilCorrelationName(family)); }

// What a published row gives: Rs [SCF/STB] at p, pb [psia] of Rs, Bo [RB/STB] at Rs, or
// the undersaturated co [1/psi] of Rs at p.
enum class Published { SolutionGas, BubblePoint, OilFvf, Compressibility };

struct PublishedRow {
  OilCorrelation family;
  Published quantity;
  double gasGravity, temperatureF, apiGravity;
  double pressure;  // psia; for Rs and co
  double rs;        // SCF/STB; for pb, Bo and co
  double expected;
  double tolerance;  // absolute, in the unit of `expected`
  const char* source;
};

void PrintTo(const PublishedRow& row, std::ostream* os) { *os << row.source; }

double Evaluate(const PublishedRow& row) {
  const OilFamily& family = OilFamilyOf(row.family);
  switch (row.quantity) {
    case Published::SolutionGas:
      return family.solutionGas(row.gasGravity, row.pressure, row.temperatureF, row.apiGravity);
    case Published::BubblePoint:
      return family.bubblePoint(row.gasGravity, row.rs, row.temperatureF, row.apiGravity);
    case Published::OilFvf:
      return family.oilFvf(row.gasGravity, row.temperatureF, row.apiGravity, row.rs);
    case Published::Compressibility:
      return family.undersaturatedCompressibility(row.rs, row.temperatureF, row.gasGravity, row.apiGravity,
                                                  row.pressure);
  }
  return std::numeric_limits<double>::quiet_NaN();
}

// Standing's chart example, as printed on his charts: Rsb 350 SCF/STB, γg 0.75, 30 °API,
// 200 °F → pb 1930 psia and Bo 1.22 RB/STB read from the charts. The equations fitted to
// the charts give 1889 psia (2.1 % low, inside their stated 4.8 %) and 1.221.
constexpr double tol_chart_pb = 0.03 * 1930;  // psia: chart reading vs fitted equation
constexpr double tol_chart_bo = 0.01;         // RB/STB: two printed decimals

// T. Ahmed's textbook examples apply the correlations to six measured oils; oil 1 is
// γg 0.851, 47.1 °API, 250 °F with its bubble point at 2377 psig (2391.7 psia), Rsb 751;
// oil 3 is γg 0.911, 48.6 °API, 260 °F, 2051 psig (2065.7 psia), Rsb 693. The book prints
// Rs to whole SCF/STB from rounded intermediate steps: Glaso's oil 3 gives 686.7 here.
constexpr double tol_printed_rs = 1.0;  // SCF/STB
// Standing's Rs in the book has the exponent 1.2048 (1/0.83, the bubble-point form's);
// ours keeps 1.205, 0.1 % (0.95 SCF/STB) more at oil 1.
constexpr double tol_printed_rs_standing = tol_printed_rs + 1.0;
constexpr double tol_printed_bo = 0.0005;  // RB/STB, three printed decimals

// J. Wolcott, "Applied Waterflood Field Development" (2009), Vazquez and Beggs' co in SI
// units: Rs 53.24 sm³/sm³ (298.9 SCF/STB), 10 MPa (1450.4 psia), 90 °C (194 °F), oil
// specific gravity 0.85 (34.97 °API), γg 0.75 → co 0.002907 /MPa = 2.004e-5 /psi. The
// book's SI coefficients are a rounded conversion of the field-unit form (30.6 per K for
// 30.96), which explains the 1.6 % between them.
constexpr double kWolcottCo = 0.002907 / 145.0377;  // 1/psi
constexpr double tol_book_co = 0.02 * kWolcottCo;

constexpr PublishedRow kPublished[] = {
    {OilCorrelation::Standing, Published::BubblePoint, 0.75, 200, 30, 0, 350, 1930, tol_chart_pb,
     "M.B. Standing (1947), bubble-point chart example"},
    {OilCorrelation::Standing, Published::OilFvf, 0.75, 200, 30, 0, 350, 1.22, tol_chart_bo,
     "M.B. Standing (1947), formation-volume chart example"},
    {OilCorrelation::Standing, Published::SolutionGas, 0.851, 250, 47.1, 2391.7, 0, 838, tol_printed_rs_standing,
     "T. Ahmed, Reservoir Engineering Handbook, 4th ed., Example 2-18, oil 1"},
    {OilCorrelation::Glaso, Published::SolutionGas, 0.851, 250, 47.1, 2391.7, 0, 737, tol_printed_rs,
     "T. Ahmed, Reservoir Engineering Handbook, 4th ed., Example 2-20, oil 1"},
    {OilCorrelation::Glaso, Published::SolutionGas, 0.911, 260, 48.6, 2065.7, 0, 686, tol_printed_rs,
     "T. Ahmed, Equations of State and PVT Analysis, Glaso's Rs, oil 3"},
    {OilCorrelation::Glaso, Published::OilFvf, 0.851, 250, 47.1, 0, 751, 1.473, tol_printed_bo,
     "T. Ahmed, Equations of State and PVT Analysis, Glaso's Bo, oil 1"},
    {OilCorrelation::Glaso, Published::OilFvf, 0.911, 260, 48.6, 0, 693, 1.461, tol_printed_bo,
     "T. Ahmed, Equations of State and PVT Analysis, Glaso's Bo, oil 3"},
    {OilCorrelation::VazquezBeggs, Published::Compressibility, 0.75, 194, 141.5 / 0.85 - 131.5, 1450.4, 298.9,
     kWolcottCo, tol_book_co, "J. Wolcott, Applied Waterflood Field Development (2009), co in SI units"},
};

class PublishedValueTest : public ::testing::TestWithParam<PublishedRow> {};

TEST_P(PublishedValueTest, AgreesToThePrintedDigits) {
  const PublishedRow& row = GetParam();
  SCOPED_TRACE(Name(row.family) + ": " + row.source);
  EXPECT_NEAR(Evaluate(row), row.expected, row.tolerance);
}

std::string RowName(const ::testing::TestParamInfo<PublishedRow>& info) {
  static constexpr const char* kQuantity[] = {"Rs", "Pb", "Bo", "Co"};
  std::string name = Name(info.param.family) + "_" + kQuantity[static_cast<int>(info.param.quantity)] + "_" +
                     std::to_string(info.index);
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(OilFamilies, PublishedValueTest, ::testing::ValuesIn(kPublished), RowName);

// Each family's pb(Rsb) is the inverse of its Rs(p) up to the rounding of the stored
// constants: Rs evaluated back at the computed bubble point is within 0.5 % of Rsb.
TEST(BubblePointTest, GorModeInvertsSolutionGasForEveryFamily) {
  constexpr double tol_inverse = 0.005;
  for (const OilCorrelation family : kAllFamilies) {
    for (const double api : {25.0, 30.0, 40.0}) {
      SCOPED_TRACE(Name(family) + " API " + std::to_string(api));
      const OilCorrelation selection = family;
      double pb = 0.6;
      double rsb = 0, rs = 0;
      CalcBubblePoint(0.8, 5000, 180, api, pb, rsb, rs, GorSelectorMode::Gor, selection);
      EXPECT_EQ(rsb, 600.0);
      EXPECT_GT(pb, 14.7);
      double back = 0;
      CalcSolutionGas(0.8, pb, 180, api, pb, back, selection);
      EXPECT_NEAR(back, rsb, rsb * tol_inverse);
      // Above the bubble point Rs is the value at pb.
      EXPECT_EQ(rs, back);
    }
  }
}

// Across the bubble point nothing jumps: a pressure one representable step above pb gives
// the Rs, Bo and viscosity at pb to rounding, for every family. A branch above pb that
// started from another base (the dead oil, Bo at another Rs) would show here. The
// undersaturated co is written only above pb, where the oil shrinks under pressure; below
// it Bo depends on p only through Rs.
TEST(BubblePointTest, RsBoAndViscosityAreContinuousThereForEveryFamily) {
  constexpr double tol_continuous = 1e-9;  // relative
  for (const OilCorrelation family : kAllFamilies) {
    SCOPED_TRACE(Name(family));
    constexpr double pb = 2500;
    const double above = std::nextafter(pb, 1e9);
    double rsAt = 0, rsAbove = 0;
    CalcSolutionGas(0.75, pb, 200, 35, pb, rsAt, family);
    CalcSolutionGas(0.75, above, 200, 35, pb, rsAbove, family);
    EXPECT_EQ(rsAbove, rsAt);
    double boAt = 0, boAbove = 0, boBelow = 0, boHigh = 0, muAt = 0, muAbove = 0;
    Quantity co = 123.0;
    CalcOilFvf(0.75, 200, 35, rsAt, boAt, pb, pb, co, family);
    CalcOilFvf(0.75, 200, 35, rsAt, boBelow, 1000, pb, co, family);
    EXPECT_EQ(co, 123.0) << "not written at or below pb";
    EXPECT_EQ(boBelow, boAt);
    CalcOilFvf(0.75, 200, 35, rsAt, boAbove, above, pb, co, family);
    ASSERT_TRUE(co.has_value());
    EXPECT_GT(*co, 0);
    EXPECT_NEAR(boAbove / boAt, 1, tol_continuous);
    CalcOilFvf(0.75, 200, 35, rsAt, boHigh, 4000, pb, co, family);
    EXPECT_LT(boHigh, boAt);
    CalcOilViscosity(35, 200, rsAt, muAt, pb, pb);
    CalcOilViscosity(35, 200, rsAt, muAbove, above, pb);
    EXPECT_NEAR(muAbove / muAt, 1, tol_continuous);
  }
}

TEST(SolutionGasTest, RisesWithPressureUpToTheBubblePointThenStaysForEveryFamily) {
  for (const OilCorrelation family : kAllFamilies) {
    SCOPED_TRACE(Name(family));
    const OilCorrelation selection = family;
    double previous = 0;
    for (double p = 100; p <= 3000; p += 100) {
      double rs = 0;
      CalcSolutionGas(0.8, p, 200, 32, 3000, rs, selection);
      EXPECT_GT(rs, previous) << "p " << p;
      previous = rs;
    }
    double beyond = 0;
    CalcSolutionGas(0.8, 6000, 200, 32, 3000, beyond, selection);
    EXPECT_EQ(beyond, previous);
  }
}

// Gas in solution and heat both swell the oil: Bo rises with Rs and with T for every
// family, over 25–45 °API, γg 0.65–1.0, 100–250 °F and Rs 100–800 SCF/STB (inside most
// families' data). A sign slip in any coefficient of a Bo correlation breaks this.
TEST(OilFvfTest, RisesWithGasAndTemperatureForEveryFamily) {
  for (const OilCorrelation family : kAllFamilies) {
    const OilFamily& correlations = OilFamilyOf(family);
    for (const double api : {25.0, 35.0, 45.0}) {
      for (const double gasGravity : {0.65, 0.8, 1.0}) {
        for (double t = 100; t <= 250; t += 50) {
          for (double rs = 100; rs <= 800; rs += 100) {
            SCOPED_TRACE(::testing::Message()
                         << Name(family) << " API " << api << " γg " << gasGravity << " T " << t << " Rs " << rs);
            const double bo = correlations.oilFvf(gasGravity, t, api, rs);
            EXPECT_GT(correlations.oilFvf(gasGravity, t, api, rs + 100), bo);
            EXPECT_GT(correlations.oilFvf(gasGravity, t + 50, api, rs), bo);
          }
        }
      }
    }
  }
}

// Undersaturated oil grows stiffer under pressure and softer with more gas dissolved:
// co falls with p and rises with Rsb, for Vazquez and Beggs' co and Petrosky and Farshad's
// alike, over 25–45 °API, γg 0.65–1.0, 150–250 °F, Rsb 200–800 SCF/STB. (Below about
// 150 °F a heavy oil with little gas and a heavy gas has a negative Vazquez–Beggs co; the
// run marks that as unphysical.)
TEST(OilFvfTest, UndersaturatedCompressibilityFallsWithPressureAndRisesWithGas) {
  for (const OilCorrelation family : kAllFamilies) {
    for (const double api : {25.0, 35.0, 45.0}) {
      for (const double gasGravity : {0.65, 0.8, 1.0}) {
        for (const double t : {150.0, 200.0, 250.0}) {
          for (const double rs : {200.0, 500.0, 800.0}) {
            SCOPED_TRACE(::testing::Message()
                         << Name(family) << " API " << api << " γg " << gasGravity << " T " << t << " Rs " << rs);
            double co = 0, higherPressure = 0, moreGas = 0;
            CalcUndersaturatedOilCompressibility(rs, t, gasGravity, api, 3000, 2000, co, family);
            CalcUndersaturatedOilCompressibility(rs, t, gasGravity, api, 4000, 2000, higherPressure, family);
            CalcUndersaturatedOilCompressibility(rs + 100, t, gasGravity, api, 3000, 2000, moreGas, family);
            EXPECT_GT(co, 0);
            EXPECT_LT(higherPressure, co);
            EXPECT_GT(moreGas, co);
          }
        }
      }
    }
  }
}

TEST(OilViscosityTest, BehavesPhysically) {
  double dead = 0, live = 0, hot = 0, atPb = 0, above = 0;
  CalcOilViscosity(30, 150, 0, dead, 1000, 2000);
  CalcOilViscosity(30, 150, 500, live, 1000, 2000);
  CalcOilViscosity(30, 250, 0, hot, 1000, 2000);
  CalcOilViscosity(30, 150, 500, atPb, 2000, 2000);
  CalcOilViscosity(30, 150, 500, above, 4000, 2000);
  EXPECT_LT(live, dead);   // gas in solution thins the oil
  EXPECT_LT(hot, dead);    // so does temperature
  EXPECT_EQ(atPb, live);   // no pressure term at p = pb
  EXPECT_GT(above, atPb);  // undersaturated oil thickens with pressure
}

// Hand-computed: Bo 1.2, Bg 1.0 RB/MCF, dp 10, Bo∓ 1.199/1.201, Rs∓ 495/505 →
// co = (1/1200)(10/10) − (1/1.2)(0.002/10) = 8.3333e-4 − 1.6667e-4 = 6.6667e-4 /psi.
TEST(OilCompressibilityTest, HandValueAndShrinkageOnly) {
  constexpr double tol_hand = 1e-9;
  double co = 0;
  CalcOilCompressibility(1.2, 1.0, 10, 1.199, 1.201, 495, 505, co);
  EXPECT_NEAR(co, 6.6666667e-4, tol_hand);
  CalcOilCompressibility(1.2, 1.0, 10, 1.199, 1.201, 500, 500, co);
  EXPECT_LT(co, 0);  // with no gas released only the shrinkage term remains
}

}  // namespace
}  // namespace tarnvik
