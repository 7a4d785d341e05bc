// The calculation run: from the nine inputs, their selector modes and the correlation
// selection to the results in calculation units, with what the run says about them.
//
// Order: oil (when API > 0) → gas (when γg > 0; a z-factor failure at the reservoir
// pressure ends the run) → saturated-oil compressibility (oil and gas present, p ≤ pb) →
// water and rock (always) → densities, saturations, total compressibility.
#pragma once

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/result_set.h"
#include "correlations/gas/z_factor.h"

namespace tarnvik {

struct CalculationOutcome {
  ResultSet results;
  // Success, or the z-factor failure at the reservoir pressure that ended the run
  // (results then hold only what was computed before it).
  ZFactorStatus zFactorStatus = ZFactorStatus::Success;
  // The oil step ran (API > 0): the bubble point or the GOR at the bubble point was
  // computed.
  bool oilComputed = false;
  // Results that could not be computed or came out not finite; then, when the run was not
  // ended by a z-factor failure, the values outside the data of a correlation in force
  // and the unphysical results (calc/data_range_checks.h, calc/physical_limits.h).
  Diagnostics diagnostics;

  bool failed() const { return zFactorStatus != ZFactorStatus::Success; }
};

CalculationOutcome Calculate(const InputSet& inputs, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                             const CorrelationSelection& selection);

// The same run into `outcome`, replacing all it held: a loop over many runs that keeps one
// outcome reuses its diagnostics' storage instead of allocating it for every run.
void Calculate(const InputSet& inputs, GorSelectorMode gorMode, WaterSelectorMode waterMode,
               const CorrelationSelection& selection, CalculationOutcome& outcome);

inline CalculationOutcome Calculate(const CalculationCase& c) {
  return Calculate(c.inputs, c.gorMode, c.waterMode, c.selection);
}

// The oil step alone, at the inputs' pressure: the bubble point (or, in BubblePoint mode,
// the GOR at it), Rs, Bo (and co above the bubble point) and μo of `family`, tuned when
// `tuning` is given. Units as the results'.
struct OilState {
  double pb = 0;   // psia
  double rsb = 0;  // SCF/STB
  double rs = 0;   // SCF/STB
  double bo = 0;   // RB/STB
  Quantity co;     // 1/psi, above the bubble point only
  double muO = 0;  // cp
};
OilState CalculateOilState(const InputSet& inputs, GorSelectorMode gorMode, OilCorrelation family,
                           const OilTuning* tuning = nullptr);

// The gas step alone, at the inputs' pressure: z and Bg (status says a z-factor failure,
// which leaves the rest not computed), the gas viscosity, and the gas compressibility
// from z at p ∓ 5 psia (not computed when the z-factor fails on both sides). Units as
// the results'.
struct GasState {
  ZFactorStatus status = ZFactorStatus::Success;
  double z = 0;
  double bg = 0;   // RB/MCF
  double muG = 0;  // cp
  Quantity cg;     // 1/psi
};
GasState CalculateGasState(const InputSet& inputs, GasCharacterisation characterisation,
                           const GasTuning* tuning = nullptr);

// The water step alone: water of working salinity `salinity` [% NaCl] at `pressure`
// [psia] and `temperatureF`, holding the gas it held at `waterBubblePoint` [psia]. Units
// as the results'.
struct WaterState {
  double rsw = 0;  // SCF/STB
  double bw = 0;   // RB/STB
  double muW = 0;  // cp
  double cw = 0;   // 1/psi
};
WaterState CalculateWaterState(double pressure, double temperatureF, double salinity, double waterBubblePoint);

// An oil with no gas in solution: oil and gas present, GOR mode, a GOR of 0. Its bubble
// point is atmospheric pressure (14.7 psia), its Rs 0 at every pressure, and above 14.7
// psia its Bo and viscosity follow the undersaturated correlations.
bool IsDeadOil(const InputSet& inputs, GorSelectorMode gorMode);

// Working salinity [% NaCl]: a water specific gravity γw becomes 62.4 (γw − 1) / 0.47.
double WorkingSalinity(double salinityOrSg, WaterSelectorMode mode);

}  // namespace tarnvik
