// Black-oil tables for a simulator: built from the correlations for every family, the
// invariants a simulator relies on, and refusal of tables it could not use.
#include "export/black_oil_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/calculation_run.h"
#include "present/selection_texts.h"
#include "typical_case.h"

namespace tarnvik {
namespace {

using testing::TypicalOil;

BlackOilTables Build(const CalculationCase& c) {
  BlackOilTables tables;
  std::string error;
  EXPECT_TRUE(BuildBlackOilTables(c, {}, tables, error)) << error;
  return tables;
}

// For every family, light and heavy oil, wet and dry gas: the tables pass the checks,
// the oil in place sits on the saturated curve at its own bubble point, and the tables
// reach beyond the reservoir pressure.
TEST(BlackOilTables, EveryFamilyGivesTablesASimulatorAccepts) {
  for (int family = 0; family < 9; ++family) {
    for (const double api : {40.0, 22.0}) {
      for (const auto gas : {GasCharacterisation::WetGas, GasCharacterisation::DryGas}) {
        CalculationCase c = TypicalOil(static_cast<OilCorrelation>(family));
        c.inputs.apiGravity = api;
        c.selection.gasCharacterisation = gas;
        SCOPED_TRACE(std::string(OilCorrelationName(c.selection.oilCorrelation)) + " API " + std::to_string(api));
        const BlackOilTables t = Build(c);
        EXPECT_EQ(CheckBlackOilTables(t), "");
        ASSERT_FALSE(t.deadOil);
        const auto inPlace =
            std::find_if(t.liveOil.begin(), t.liveOil.end(), [&](const LiveOilRecord& r) { return r.rs == 0.5; });
        ASSERT_NE(inPlace, t.liveOil.end()) << "the oil in place is a record";
        EXPECT_EQ(inPlace->points.front().pressure, t.bubblePoint);
        if (t.reservoirPressure >= t.bubblePoint) {
          EXPECT_EQ(t.initialRs, 0.5);
        } else {
          EXPECT_LT(t.initialRs, 0.5) << "saturated at the reservoir pressure";
        }
        EXPECT_GT(t.liveOil.back().points.back().pressure, t.reservoirPressure);
        EXPECT_GT(t.gas.back().pressure, t.reservoirPressure);
      }
    }
  }
}

// Hand values: stock-tank oil 62.4 × 141.5 / (131.5 + 35) = 53.031 lb/ft³; brine of 3 %
// NaCl 62.4 + 0.47 × 3 = 63.81 lb/ft³; gas 13.56 lb/ft³ per RB/MCF × 0.75 / 178.09
// RB/MCF = 0.057105 lb/ft³ (air 0.0761). Water and rock at the reservoir pressure are the
// single run's values there.
TEST(BlackOilTables, DensitiesWaterAndRockMatchHandValuesAndTheSingleRun) {
  const CalculationCase c = TypicalOil();
  const BlackOilTables t = Build(c);
  EXPECT_NEAR(t.densities.oil, 53.031, 0.001);
  EXPECT_NEAR(t.densities.water, 63.81, 1e-9);
  ASSERT_TRUE(t.densities.gas.has_value());
  EXPECT_NEAR(*t.densities.gas, 0.057105, 1e-6);

  const ResultSet r = Calculate(c.inputs, c.gorMode, c.waterMode, c.selection).results;
  EXPECT_EQ(t.water.referencePressure, 3000.0);
  EXPECT_EQ(t.water.bw, *r.bw);
  EXPECT_EQ(t.water.compressibility, *r.cw);
  EXPECT_EQ(t.water.viscosity, *r.muW);
  EXPECT_TRUE(std::isfinite(t.water.viscosibility));
  EXPECT_EQ(t.rock.compressibility, *r.cf);
}

// No gas in solution, from a GOR of 0 or a gas gravity of 0: a dead-oil table whose Bo
// falls with pressure from its value at atmospheric pressure, and no gas tables.
TEST(BlackOilTables, OilWithoutGasInSolutionIsDeadOil) {
  const struct {
    const char* name;
    double gasGravity;
    double gor;
  } rows[] = {{"GOR 0", 0.75, 0}, {"gas gravity 0", 0, 0.5}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalculationCase c = TypicalOil();
    c.inputs.gasGravity = row.gasGravity;
    c.inputs.gorOrPb = row.gor;
    const BlackOilTables t = Build(c);
    EXPECT_TRUE(t.deadOil);
    EXPECT_TRUE(t.liveOil.empty());
    EXPECT_TRUE(t.gas.empty());
    ASSERT_GE(t.deadOilTable.size(), 2u);
    EXPECT_EQ(t.deadOilTable.front().pressure, 14.7);
    EXPECT_EQ(CheckBlackOilTables(t), "");
    EXPECT_EQ(t.densities.gas.has_value(), row.gasGravity > 0);
  }
}

// Heavy oil at 60 °F with a heavy gas: the Vazquez–Beggs undersaturated compressibility
// (5 Rs + 17.2 T − 1180 γg + 12.61 API − 1433) is negative, so Bo would rise above the
// bubble point. The check names the table, the row, the quantity and the value.
TEST(BlackOilTables, RefusesBoThatRisesAboveTheBubblePoint) {
  CalculationCase c = TypicalOil();
  c.inputs = {15, 1.2, 60, 3000, 0.01, 20, 25, 3, 0.5};
  const BlackOilTables t = Build(c);
  const std::string error = CheckBlackOilTables(t);
  EXPECT_NE(error.find("PVTO record 1"), std::string::npos) << error;
  EXPECT_NE(error.find("row 2"), std::string::npos) << error;
  EXPECT_NE(error.find("Bo 1.01"), std::string::npos) << error;
  EXPECT_NE(error.find("does not fall"), std::string::npos) << error;
}

TEST(BlackOilTables, RefusesCasesItCannotDescribe) {
  const struct {
    const char* name;
    void (*change)(CalculationCase&);
    const char* says;
  } rows[] = {
      {"no oil", [](CalculationCase& c) { c.inputs.apiGravity = 0; }, "needs oil"},
      {"no rock correlation", [](CalculationCase& c) { c.selection.rockCorrelation = RockCorrelation::None; }, "ROCK"},
      {"z fails at the reservoir pressure", [](CalculationCase& c) { c.inputs.temperatureF = -200; }, "z-factor"},
      {"atmospheric reservoir", [](CalculationCase& c) { c.inputs.pressure = 14.7; }, "above 14.7 psia"},
      {"z fails high in PVDG", [](CalculationCase& c) { c.inputs.pressure = 12000; }, "PVTO at Rs"},
      // Standing with 0.002 MCF/STB: pb = −2.7 psia. The deck's Rs would lie below every
      // PVTO record and the header would print a negative bubble point.
      {"bubble point below atmospheric", [](CalculationCase& c) { c.inputs.gorOrPb = 0.002; }, "not above 14.7 psia"},
      {"bubble point typed at atmospheric",
       [](CalculationCase& c) {
         c.gorMode = GorSelectorMode::BubblePoint;
         c.inputs.gorOrPb = 14.7;
       },
       "give a GOR of 0"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalculationCase c = TypicalOil();
    row.change(c);
    BlackOilTables t;
    std::string error;
    EXPECT_FALSE(BuildBlackOilTables(c, {}, t, error));
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
  }
}

TEST(BlackOilTables, RefusesOptionsThatMakeNoTable) {
  const struct {
    void (*change)(BlackOilOptions&);
    const char* says;
  } rows[] = {
      {[](BlackOilOptions& o) { o.gasRows = 0; }, "PVDG needs at least 2 rows, not 0"},
      {[](BlackOilOptions& o) { o.saturatedRows = 1; }, "PVTO needs at least 2 saturated rows"},
      {[](BlackOilOptions& o) { o.undersaturatedPoints = 0; }, "undersaturated point"},
      {[](BlackOilOptions& o) { o.deadOilRows = -3; }, "PVDO"},
      {[](BlackOilOptions& o) { o.minimumPressure = 0; }, "lowest table pressure"},
      {[](BlackOilOptions& o) { o.pressureMargin = 1; }, "margin must be above 1"},
  };
  for (const auto& row : rows) {
    BlackOilOptions options;
    row.change(options);
    BlackOilTables t;
    std::string error;
    EXPECT_FALSE(BuildBlackOilTables(TypicalOil(), options, t, error));
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
  }
}

TEST(BlackOilTables, ChecksNameTheFirstBrokenRule) {
  const BlackOilTables good = Build(TypicalOil());
  const struct {
    const char* name;
    void (*change)(BlackOilTables&);
    const char* says;
  } rows[] = {
      {"Rs not rising", [](BlackOilTables& t) { t.liveOil[3].rs = t.liveOil[2].rs; }, "PVTO record 4"},
      {"saturated Bo falling",
       [](BlackOilTables& t) {
         for (OilPoint& point : t.liveOil[5].points) point.bo *= 0.9;
       },
       "PVTO record 6 (Rs"},
      {"Bg rising", [](BlackOilTables& t) { t.gas[7].bg = t.gas[6].bg * 1.01; }, "PVDG row 8"},
      {"gas viscosity falling", [](BlackOilTables& t) { t.gas[4].viscosity = t.gas[3].viscosity * 0.99; },
       "PVDG row 5"},
      {"viscosity not finite", [](BlackOilTables& t) { t.gas[2].viscosity = std::nan(""); }, "gas viscosity nan"},
      {"negative water compressibility", [](BlackOilTables& t) { t.water.compressibility = -1e-6; }, "PVTW"},
      {"no branch on the last record", [](BlackOilTables& t) { t.liveOil.back().points.resize(1); },
       "no undersaturated branch"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    BlackOilTables t = good;
    row.change(t);
    const std::string error = CheckBlackOilTables(t);
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace tarnvik
