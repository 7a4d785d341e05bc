// Black-oil tables for a simulator: built from the correlations for every family, the
// invariants a simulator relies on, and refusal of tables it could not use.
#include "export/black_oil_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/calculation_run.h"
#include "calc/pressure_table.h"
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

// Every row not listed as adjusted is a run of the case at its pressure: a PVTO record
// the case with that GOR, PVDG and PVDO rows the case itself.
void ExpectRowsAreRuns(const CalculationCase& c, const BlackOilTables& t) {
  const auto adjusted = [&](int record, int row, const char* quantity) {
    return std::any_of(t.adjustments.begin(), t.adjustments.end(), [&](const TableAdjustment& a) {
      return a.record == record && (a.row == row || a.row == 1) && a.quantity == quantity;
    });
  };
  for (std::size_t i = 0; i < t.liveOil.size(); ++i) {
    const LiveOilRecord& record = t.liveOil[i];
    for (std::size_t k = 0; k < record.points.size(); ++k) {
      CalculationCase at = c;
      at.gorMode = GorSelectorMode::Gor;
      at.inputs.gorOrPb = record.rs;
      at.inputs.pressure = record.points[k].pressure;
      const ResultSet r = Calculate(at).results;
      if (!adjusted(int(i) + 1, int(k) + 1, "Bo")) {
        EXPECT_EQ(record.points[k].bo, *r.bo) << i << ' ' << k;
      }
      if (!adjusted(int(i) + 1, int(k) + 1, "oil viscosity")) {
        EXPECT_EQ(record.points[k].viscosity, *r.muO);
      }
    }
  }
  for (const GasPoint& row : t.gas) {
    const ResultSet r = CalculateAt(c, row.pressure).results;
    EXPECT_EQ(row.bg, *r.bg);
    EXPECT_EQ(row.viscosity, *r.muG);
  }
  for (std::size_t k = 0; k < t.deadOilTable.size(); ++k) {
    const ResultSet r = CalculateAt(c, t.deadOilTable[k].pressure).results;
    if (!adjusted(0, int(k) + 1, "Bo")) {
      EXPECT_EQ(t.deadOilTable[k].bo, *r.bo);
    }
    EXPECT_EQ(t.deadOilTable[k].viscosity, *r.muO);
  }
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
        ExpectRowsAreRuns(c, t);
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
  EXPECT_NEAR(t.densities.gas, 0.057105, 1e-6);

  const ResultSet r = Calculate(c.inputs, c.gorMode, c.waterMode, c.selection).results;
  EXPECT_EQ(t.water.referencePressure, 3000.0);
  EXPECT_EQ(t.water.bw, *r.bw);
  EXPECT_EQ(t.water.compressibility, *r.cw);
  EXPECT_EQ(t.water.viscosity, *r.muW);
  EXPECT_TRUE(std::isfinite(t.water.viscosibility));
  EXPECT_EQ(t.rock.compressibility, *r.cf);
}

// No gas in solution (a GOR of 0): a dead-oil table from atmospheric pressure, each row a
// run of the case, for every family; no gas tables.
TEST(BlackOilTables, OilWithoutGasInSolutionIsDeadOil) {
  for (int family = 0; family < 9; ++family) {
    CalculationCase c = TypicalOil(static_cast<OilCorrelation>(family));
    c.inputs.gorOrPb = 0;
    SCOPED_TRACE(std::string(OilCorrelationName(c.selection.oilCorrelation)));
    const BlackOilTables t = Build(c);
    EXPECT_TRUE(t.deadOil);
    EXPECT_TRUE(t.liveOil.empty());
    EXPECT_TRUE(t.gas.empty());
    ASSERT_GE(t.deadOilTable.size(), 2u);
    EXPECT_EQ(t.deadOilTable.front().pressure, 14.7);
    EXPECT_EQ(CheckBlackOilTables(t), "");
    ExpectRowsAreRuns(c, t);
  }
}

// Where the correlations describe an unphysical fluid the value is adjusted, listed, and
// the written tables pass the checks; in strict mode the export refuses instead, naming
// the first value it would have adjusted: table, row, quantity and value.
TEST(BlackOilTables, UnphysicalValuesAreAdjustedOrRefusedWhenStrict) {
  const struct {
    const char* name;
    InputSet inputs;
    GorSelectorMode mode;
    OilCorrelation family;
    const char* adjusted;  // the first adjustment's quantity and reason
    const char* refused;   // what strict mode says
  } rows[] = {
      // Vazquez–Beggs' undersaturated compressibility (5 Rs + 17.2 T − 1180 γg + 12.61 API
      // − 1433) is negative for a nearly gas-free heavy oil at 60 °F: Bo would rise.
      {"cold heavy oil, lowest record",
       {15, 1.2, 60, 3000, 0.01, 20, 25, 3, 0.5},
       GorSelectorMode::Gor,
       OilCorrelation::Standing,
       "row before is -1.4",
       "PVTO record 1 (Rs 0.0045057977 MSCF/STB), row 2 at 1136.025 psia: Bo 1.0149245 -> 0.99784976"},
      // Glaso at high bubble point: the saturated Bo outgrows the gas released.
      {"Glaso, pb 6388 psia",
       {23.3, 1.186, 170.3, 7832, 6388, 20, 25, 3, 0.5},
       GorSelectorMode::BubblePoint,
       OilCorrelation::Glaso,
       "released",
       "PVTO record 1 (Rs 0.0072846379 MSCF/STB), row 3 at 5881.3518 psia: Bo 1.0310182 -> 1.0280093"},
      // The typical oil: Vazquez and Beggs' compressibility of the nearly gas-free first
      // record falls below the floor, though its Bo still falls (strict used to write it).
      {"typical oil, compressibility floor",
       {35, 0.75, 200, 3000, 0.5, 20, 25, 3, 0.5},
       GorSelectorMode::Gor,
       OilCorrelation::Standing,
       "raised to 1e-06",
       "PVTO record 1 (Rs 0.00395717 MSCF/STB), row 3 at 2257.35 psia: Bo 1.0513633 -> 1.0502919"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CalculationCase c = TypicalOil(row.family);
    c.inputs = row.inputs;
    c.gorMode = row.mode;
    const BlackOilTables t = Build(c);
    ASSERT_FALSE(t.adjustments.empty());
    const auto named = std::find_if(t.adjustments.begin(), t.adjustments.end(), [&](const TableAdjustment& a) {
      return a.reason.find(row.adjusted) != std::string::npos;
    });
    ASSERT_NE(named, t.adjustments.end());
    EXPECT_NE(named->after, named->before);
    EXPECT_EQ(CheckBlackOilTables(AsWritten(t, t.significantDigits)), "");
    ExpectRowsAreRuns(c, t);

    BlackOilOptions strict;
    strict.strict = true;
    BlackOilTables refused;
    std::string error;
    EXPECT_FALSE(BuildBlackOilTables(c, strict, refused, error));
    EXPECT_NE(error.find(row.refused), std::string::npos) << error;
  }
}

TEST(BlackOilTables, RefusesCasesItCannotDescribe) {
  const struct {
    const char* name;
    void (*change)(CalculationCase&);
    const char* says;
  } rows[] = {
      {"no oil", [](CalculationCase& c) { c.inputs.apiGravity = 0; }, "needs oil"},
      {"no gas gravity", [](CalculationCase& c) { c.inputs.gasGravity = 0; }, "needs the gas gravity"},
      {"no rock correlation", [](CalculationCase& c) { c.selection.rockCorrelation = RockCorrelation::None; }, "ROCK"},
      {"z fails at the reservoir pressure", [](CalculationCase& c) { c.inputs.temperatureF = -200; }, "z-factor"},
      {"atmospheric reservoir", [](CalculationCase& c) { c.inputs.pressure = 14.7; }, "above 14.7 psia"},
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

// At 12000 psia and 200 °F the z-factor correlation ends (a reduced pressure of 20.5)
// below 1.5 times the reservoir pressure: the tables end where it does, and say so.
TEST(BlackOilTables, TablesEndWhereTheZFactorEnds) {
  CalculationCase c = TypicalOil();
  c.inputs.pressure = 12000;
  const BlackOilTables t = Build(c);
  ASSERT_EQ(t.notes.size(), 1u);
  EXPECT_NE(t.notes[0].find("z-factor"), std::string::npos) << t.notes[0];
  EXPECT_GT(t.gas.back().pressure, 12000);
  EXPECT_LT(t.gas.back().pressure, 18000);
  EXPECT_FALSE(CalculateAt(c, t.gas.back().pressure).failed());
  EXPECT_TRUE(CalculateAt(c, t.gas.back().pressure * 1.001).failed());
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
      {"saturated Bo outgrowing the released gas", [](BlackOilTables& t) { t.liveOil[4].saturatedBg = 1e-3; },
       "PVTO record 5 (Rs"},
      {"saturated viscosity rising",
       [](BlackOilTables& t) { t.liveOil[8].points.front().viscosity = t.liveOil[7].points.front().viscosity * 1.01; },
       "saturated oil viscosity"},
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
