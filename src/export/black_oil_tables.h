// The fluid and rock description a black-oil reservoir simulator reads, in FIELD units,
// built from the same correlations as a single calculation:
//   PVTO  live oil: solution gas-oil ratios from the saturated curve, each with its
//         bubble-point pressure, Bo and viscosity, and an undersaturated branch above it
//   PVDO  dead oil (no gas in solution): pressure, Bo, viscosity
//   PVDG  dry gas: pressure, Bg, viscosity
//   PVTW  water at the reservoir pressure; ROCK pore compressibility there
//   DENSITY stock-tank oil, water and gas densities
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_case.h"

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
  double oil = 0;             // lb/ft³
  double water = 0;           // lb/ft³
  std::optional<double> gas;  // lb/ft³; none when the case has no gas
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
};

struct BlackOilOptions {
  int saturatedRows = 16;         // solution gas-oil ratios of PVTO
  int undersaturatedPoints = 4;   // pressures above each bubble point
  int gasRows = 20;               // PVDG rows
  int deadOilRows = 20;           // PVDO rows
  double minimumPressure = 14.7;  // psia
  // The tables reach this multiple of the larger of the reservoir and bubble-point
  // pressures, so the simulator never reads beyond them.
  double pressureMargin = 1.5;
};

// What the options must hold: at least two rows per table and one undersaturated point
// per PVTO record, a lowest pressure above 0 and a margin above 1. Returns an empty text,
// or the reason in words.
std::string CheckBlackOilOptions(const BlackOilOptions& options);

// Builds the tables. Returns false with the reason in words when the options are refused
// or the case cannot be described this way (no oil, a z-factor failure, a quantity not
// computed, a live oil whose bubble point is not above the lowest table pressure).
bool BuildBlackOilTables(const CalculationCase& calculationCase, const BlackOilOptions& options, BlackOilTables& tables,
                         std::string& error);

// Checks what a simulator requires: pressures and Rs strictly increasing, Bo rising
// along the saturated curve and falling along each undersaturated branch and with
// pressure for a dead oil, Bg falling with pressure, gas and dead-oil viscosities not
// falling with pressure, the last live-oil record with an undersaturated branch, every
// value finite and positive.
// Returns an empty text when all hold, otherwise the first failure naming the table, the
// row, the quantity and the value.
std::string CheckBlackOilTables(const BlackOilTables& tables);

}  // namespace tarnvik
