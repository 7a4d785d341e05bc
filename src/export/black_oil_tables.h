// The fluid and rock description a black-oil reservoir simulator reads, in FIELD units,
// built from the same correlations as a single calculation:
//   PVTO  live oil: solution gas-oil ratios from the saturated curve, each with its
//         bubble-point pressure, Bo and viscosity, and an undersaturated branch above it
//   PVDO  dead oil (no gas in solution): pressure, Bo, viscosity
//   PVDG  dry gas: pressure, Bg, viscosity
//   PVTW  water at the reservoir pressure; ROCK pore compressibility there
//   DENSITY stock-tank oil, water and gas densities
#pragma once
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "calc/lab_data.h"

namespace tarnvik {

struct OilPoint {
  double pressure = 0;   // psia
  double bo = 0;         // RB/STB
  double viscosity = 0;  // cp
};

// One solution gas-oil ratio: its bubble point first, then the undersaturated branch.
struct LiveOilRecord {
  double rs = 0;  // MSCF/STB
  std::vector<OilPoint> points;
  // Bg of the case's gas at the record's bubble point [RB/MSCF]: what the gas released
  // from solution between this record and the one before takes up. Not written.
  double saturatedBg = 0;
};

struct GasPoint {
  double pressure = 0;   // psia
  double bg = 0;         // RB/MSCF
  double viscosity = 0;  // cp
};

struct WaterProperties {
  double referencePressure = 0;  // psia
  double bw = 0;                 // RB/STB
  double compressibility = 0;    // 1/psi
  double viscosity = 0;          // cp
  double viscosibility = 0;      // 1/psi: (1/μw) dμw/dp
};

struct RockProperties {
  double referencePressure = 0;  // psia
  double compressibility = 0;    // 1/psi
};

struct SurfaceDensities {
  double oil = 0;    // lb/ft³
  double water = 0;  // lb/ft³
  double gas = 0;    // lb/ft³
};

// A table value that was changed from the correlations' value so that the table describes
// a physical fluid; said in the file's header and in the export's message.
struct TableAdjustment {
  std::string table;    // "PVTO" or "PVDO"
  int record = 0;       // PVTO record, from 1; 0 in PVDO
  double rs = 0;        // MSCF/STB of the PVTO record
  int row = 0;          // row of the record or table, from 1
  double pressure = 0;  // psia
  std::string quantity;
  double before = 0;
  double after = 0;
  std::string reason;
};

struct BlackOilTables {
  bool deadOil = false;
  std::vector<LiveOilRecord> liveOil;  // PVTO, live oil only
  std::vector<OilPoint> deadOilTable;  // PVDO, dead oil only
  std::vector<GasPoint> gas;           // PVDG, live oil only
  WaterProperties water;
  RockProperties rock;
  SurfaceDensities densities;
  double reservoirPressure = 0;  // psia
  double bubblePoint = 0;        // psia, live oil only
  double initialRs = 0;          // MSCF/STB of the oil in place at the reservoir pressure
  double initialBo = 0;          // RB/STB of the oil in place at the reservoir pressure
  double porosity = 0;           // fraction, for an example model
  double connateWater = 0;       // fraction of the pore volume, for an example model
  std::vector<TableAdjustment> adjustments;
  std::vector<std::string> notes;  // other facts the file's reader should know
  int significantDigits = 8;       // of the written table values; enough to keep their order
};

// Above the bubble point a table's Bo falls between rows at least at this compressibility
// [1/psi] where the correlations' falls slower or rises: Bo = Bob exp(−co (p − pb)) with
// Vazquez and Beggs' co = (5 Rs + 17.2 T − 1180 γg + 12.61 API − 1433) / (1e5 p) is
// nearly flat far above a low bubble point, and rises for nearly gas-free oil at low
// temperatures, where that numerator is negative. Crude oils lie roughly between 5e-6 and
// 50e-6 1/psi.
inline constexpr double kMinimumOilCompressibility = 1e-6;

struct BlackOilOptions {
  int saturatedRows = 16;         // solution gas-oil ratios of PVTO
  int undersaturatedPoints = 4;   // pressures above each bubble point
  int gasRows = 20;               // PVDG rows
  int deadOilRows = 20;           // PVDO rows
  double minimumPressure = 14.7;  // psia
  // The tables reach this multiple of the larger of the reservoir and bubble-point
  // pressures, so the simulator never reads beyond them, or as far as the gas's z-factor
  // reaches (a reduced pressure of 20.5), when that is less.
  double pressureMargin = 1.5;
  // Refuse, naming the row, where the tables would otherwise be adjusted.
  bool strict = false;
  // Pressures [psia] that get a PVTO saturated record, and a PVDG row, of their own besides
  // the evenly spaced ones: a laboratory report's (IncludeLabPressures).
  std::vector<double> saturatedPressures;
  std::vector<double> gasPressures;
  // The units the notes, the adjustments' reasons and the errors name values in (the
  // tables themselves are built in FIELD units).
  UnitSystem units = UnitSystem::Field;
};

// The unit texts of a simulator's unit set.
struct DeckUnits {
  const char* keyword;  // FIELD, METRIC
  const char* pressure;
  const char* gasRatio;
  const char* liquidFactor;
  const char* gasFactor;
  const char* compressibility;
  const char* density;
  const char* length;
  const char* rate;
};
const DeckUnits& DeckUnitsOf(UnitSystem system);

// The pressures of a laboratory report the tables should hold rows at, so that a model
// tuned to it carries its measurements into the deck exactly: those at or below the
// bubble point with Rs, Bo or oil viscosity measured (PVTO), and those with z or Bg (PVDG).
void IncludeLabPressures(const LabData& data, BlackOilOptions& options);

// A table value as the file writes it: `digits` significant digits, an exponent where
// shorter.
std::string TableNumber(double value, int digits);

// What the options must hold: at least two rows per table and one undersaturated point
// per PVTO record, a lowest pressure above 0 and a margin above 1. Returns an empty text,
// or the reason in words.
std::string CheckBlackOilOptions(const BlackOilOptions& options);

// Builds the tables. Every oil and gas row is a run of the case at its pressure (a PVTO
// record: the case with that GOR), except where the correlations would describe an
// unphysical fluid: there, unless `strict`, the value is adjusted and the adjustment
// listed. The written digits are chosen so that the written table passes the checks.
// Returns false with the reason in words when the options are refused or the case cannot
// be described this way (no oil, no gas gravity, a z-factor failure, a quantity not
// computed, a live oil whose bubble point is not above the lowest table pressure), or when
// the written tables fail a check.
bool BuildBlackOilTables(const CalculationCase& calculationCase, const BlackOilOptions& options, BlackOilTables& tables,
                         std::string& error);

// Checks what a simulator requires: pressures and Rs strictly increasing, Bo rising
// along the saturated curve but less than the released gas takes up (ΔBo < Bg ΔRs, else
// the oil and its gas have a negative total compressibility) and falling along each
// undersaturated branch and with pressure for a dead oil, the saturated oil viscosity not
// rising with Rs, Bg falling with pressure, gas and dead-oil viscosities not falling with
// pressure, the last live-oil record with an
// undersaturated branch, every value finite and positive.
// Returns an empty text when all hold, otherwise the first failure naming the table, the
// row, the quantity and the value.
std::string CheckBlackOilTables(const BlackOilTables& tables);

// The tables with every written value as the file holds it, at `digits` significant digits.
BlackOilTables AsWritten(const BlackOilTables& tables, int digits);

// The tables (built in FIELD units) with every value in `system`'s simulator units: bara,
// sm³/sm³, rm³/sm³, 1/bar and kg/m³ for Metric; the reservoir pressure, bubble point and
// initial Rs and the adjusted rows too. The written digits are chosen afresh for the
// converted values; 0 when no number of digits keeps them valid.
BlackOilTables InUnits(const BlackOilTables& fieldTables, UnitSystem system);

}  // namespace tarnvik
