#include "calc/calculation_run.h"

#include <cmath>
#include <utility>

#include "base/units.h"
#include "calc/data_range_checks.h"
#include "calc/densities_saturations.h"
#include "calc/physical_limits.h"
#include "calc/routines.h"

namespace tarnvik {

namespace {

// Oil step: the oil state at the reservoir pressure into the results.
void CalculateOil(const InputSet& in, GorSelectorMode gorMode, const CorrelationSelection& selection,
                  CalculationOutcome& outcome) {
  const OilState oil = CalculateOilState(in, gorMode, selection.oilCorrelation, TuningInForce(selection));
  outcome.oilComputed = true;
  ResultSet& r = outcome.results;
  r.pb = oil.pb;
  r.rsb = oil.rsb;
  r.rs = oil.rs;
  r.bo = oil.bo;
  r.co = oil.co;
  r.muO = oil.muO;
}

// Gas compressibility from z at p and its neighbours at p ∓ dp/2. When one neighbour
// failed, the one-sided difference to the other over dp/2 is used; with both failed,
// cg is not computed.
void CalculateGasCompressibility(const InputSet& in, GasCharacterisation characterisation, const GasTuning* tuning,
                                 double z, const HallYarboroughRoot& root, Quantity& cg) {
  const double p = in.pressure;
  const double dp = units::kPressureStep;
  double zLower = z, zUpper = z, bgUnused = 0;
  ZFactorStatus lower = ZFactorStatus::Success, upper = ZFactorStatus::Success;
  // Each neighbour's solution starts from the root at p.
  CalcZFactor(in.gasGravity, in.temperatureF, p - dp / 2, zLower, bgUnused, lower, characterisation, in.impurities,
              tuning, &root);
  CalcZFactor(in.gasGravity, in.temperatureF, p + dp / 2, zUpper, bgUnused, upper, characterisation, in.impurities,
              tuning, &root);
  const bool lowerOk = lower == ZFactorStatus::Success;
  const bool upperOk = upper == ZFactorStatus::Success;
  if (lowerOk && upperOk) {
    CalcGasCompressibility(p, z, zLower, zUpper, dp, cg);
  } else if (lowerOk || upperOk) {
    CalcGasCompressibility(p, z, zLower, zUpper, dp / 2, cg);  // the failed side holds z at p
  }
}

// Oil compressibility at or below the bubble point from Bo and Rs at p ∓ dp/2.
void CalculateSaturatedOilCompressibility(const InputSet& in, OilCorrelation family, const OilTuning* tuning,
                                          ResultSet& r) {
  const double gg = in.gasGravity, t = in.temperatureF, api = in.apiGravity;
  const double dp = units::kPressureStep;
  const double pLower = in.pressure - dp / 2;
  const double pUpper = in.pressure + dp / 2;
  double rsLower = 0, rsUpper = 0, boLower = 0, boUpper = 0;
  CalcSolutionGas(gg, pLower, t, api, r.pb, rsLower, family, tuning);
  CalcOilFvf(gg, t, api, rsLower, boLower, pLower, r.pb, r.co, family, tuning);
  CalcSolutionGas(gg, pUpper, t, api, r.pb, rsUpper, family, tuning);
  CalcOilFvf(gg, t, api, rsUpper, boUpper, pUpper, r.pb, r.co, family, tuning);
  double co = 0;
  CalcOilCompressibility(ValueOrZero(r.bo), ValueOrZero(r.bg), dp, boLower, boUpper, rsLower, rsUpper, co);
  r.co = co;
}

// Gas step. Returns false on a z-factor failure at the reservoir pressure.
bool CalculateGas(const InputSet& in, GorSelectorMode gorMode, const CorrelationSelection& selection,
                  CalculationOutcome& outcome) {
  ResultSet& r = outcome.results;
  const GasState gas = CalculateGasState(in, selection.gasCharacterisation, GasTuningInForce(selection));
  outcome.zFactorStatus = gas.status;
  if (outcome.failed()) return false;
  r.z = gas.z;
  r.bg = gas.bg;
  r.muG = gas.muG;
  r.cg = gas.cg;
  if (!r.cg) outcome.diagnostics.push_back({DiagnosticKind::NotComputed, OutputField::Cg});
  // Below the bubble point the oil loses gas as pressure falls; with no oil present
  // there is no Bo to relate it to, and an oil without gas in solution has none to lose,
  // so co stays not computed.
  if (in.apiGravity > 0 && in.pressure <= r.pb && !IsDeadOil(in, gorMode)) {
    CalculateSaturatedOilCompressibility(in, selection.oilCorrelation, TuningInForce(selection), r);
  }
  return true;
}

// Water is taken as holding the gas it held at the bubble point. Without oil the typed
// fifth input is no bubble point in GOR mode (it is a GOR in MCF/STB), so the water is
// taken as saturated at the reservoir pressure.
double WaterBubblePoint(const InputSet& in, GorSelectorMode gorMode, const ResultSet& r) {
  if (!(in.apiGravity > 0) && gorMode == GorSelectorMode::Gor) return in.pressure;
  return r.pb;
}

void CalculateWaterAndRock(const InputSet& in, double salinity, double waterBubblePoint,
                           const CorrelationSelection& selection, ResultSet& r) {
  const WaterState water = CalculateWaterState(in.pressure, in.temperatureF, salinity, waterBubblePoint);
  CalcFormationCompressibility(in.porosity, in.pressure, r.cf, selection.rockCorrelation, selection.formationType);
  r.rsw = water.rsw;
  r.bw = water.bw;
  r.muW = water.muW;
  r.cw = water.cw;
}

void NoteNotFinite(const ResultSet& r, GorSelectorMode gorMode, Diagnostics& diagnostics) {
  // NaN and ±inf carry through a sum: a finite sum means every value is finite.
  const double sum = ValueOrZero(r.rsb) + ValueOrZero(r.rs) + r.pb + ValueOrZero(r.bo) + ValueOrZero(r.muO) +
                     ValueOrZero(r.co) + ValueOrZero(r.z) + ValueOrZero(r.bg) + ValueOrZero(r.muG) + ValueOrZero(r.cg) +
                     ValueOrZero(r.rsw) + ValueOrZero(r.bw) + ValueOrZero(r.muW) + ValueOrZero(r.cw) +
                     ValueOrZero(r.cf) + ValueOrZero(r.rhoO) + ValueOrZero(r.rhoG) + ValueOrZero(r.rhoW) + r.so + r.sw +
                     r.sg + ValueOrZero(r.ct);
  if (std::isfinite(sum)) return;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    const Quantity value = ResultValue(r, field, gorMode);
    if (value && !std::isfinite(*value)) diagnostics.push_back({DiagnosticKind::NotFinite, field});
  }
}

}  // namespace

OilState CalculateOilState(const InputSet& in, GorSelectorMode gorMode, OilCorrelation family,
                           const OilTuning* tuning) {
  OilState oil;
  const double t = in.temperatureF;
  const double p = in.pressure;
  double pb = in.gorOrPb;
  double rsb = 0;
  double rs = 0;
  CalcBubblePoint(in.gasGravity, p, t, in.apiGravity, pb, rsb, rs, gorMode, family, tuning);
  if (IsDeadOil(in, gorMode)) {
    // No gas in solution: the oil is at its bubble point at atmospheric pressure. The
    // inverse correlations at Rsb = 0 give 0 psia, or a negative pressure where they
    // subtract a constant (Standing −25.48, Petrosky/Farshad −1391 psia).
    pb = units::kAtmosphericPressure;
    rs = 0;
  }
  if (p > pb) rs = rsb;
  oil.pb = pb;
  oil.rsb = rsb;
  oil.rs = rs;
  CalcOilFvf(in.gasGravity, t, in.apiGravity, rs, oil.bo, p, pb, oil.co, family, tuning);
  CalcOilViscosity(in.apiGravity, t, rs, oil.muO, p, pb, tuning);
  return oil;
}

GasState CalculateGasState(const InputSet& in, GasCharacterisation characterisation, const GasTuning* tuning) {
  GasState gas;
  HallYarboroughRoot root;
  CalcZFactor(in.gasGravity, in.temperatureF, in.pressure, gas.z, gas.bg, gas.status, characterisation, in.impurities,
              tuning, nullptr, &root);
  if (gas.status != ZFactorStatus::Success) return gas;
  CalcGasViscosity(in.gasGravity, in.temperatureF, gas.bg, gas.muG, in.impurities);
  CalculateGasCompressibility(in, characterisation, tuning, gas.z, root, gas.cg);
  return gas;
}

WaterState CalculateWaterState(double p, double t, double salinity, double waterBubblePoint) {
  WaterState water;
  CalcWaterSolutionGas(p, waterBubblePoint, t, salinity, water.rsw);
  CalcWaterFvf(p, t, water.bw, salinity);
  CalcWaterViscosity(t, water.muW, salinity, p);
  CalcWaterCompressibility(t, p, water.cw, waterBubblePoint, salinity, water.rsw);
  return water;
}

bool IsDeadOil(const InputSet& in, GorSelectorMode gorMode) {
  return in.apiGravity > 0 && in.gasGravity > 0 && gorMode == GorSelectorMode::Gor && in.gorOrPb == 0;
}

double WorkingSalinity(double salinityOrSg, WaterSelectorMode mode) {
  if (mode == WaterSelectorMode::Salinity) return salinityOrSg;
  return units::kFreshWaterDensity * (salinityOrSg - 1) / units::kDensityPerPercentNaCl;
}

CalculationOutcome Calculate(const InputSet& in, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                             const CorrelationSelection& selection) {
  CalculationOutcome outcome;
  Calculate(in, gorMode, waterMode, selection, outcome);
  return outcome;
}

void Calculate(const InputSet& in, GorSelectorMode gorMode, WaterSelectorMode waterMode,
               const CorrelationSelection& selection, CalculationOutcome& outcome) {
  // A fresh outcome that keeps only the diagnostics' storage.
  Diagnostics storage = std::move(outcome.diagnostics);
  storage.clear();
  outcome = CalculationOutcome{};
  outcome.diagnostics = std::move(storage);
  ResultSet& r = outcome.results;
  r.pb = in.gorOrPb;
  const double salinity = WorkingSalinity(in.salinityOrSg, waterMode);
  const bool gas = in.gasGravity > 0;

  if (in.apiGravity > 0) CalculateOil(in, gorMode, selection, outcome);
  if (gas && !CalculateGas(in, gorMode, selection, outcome)) return;
  CalculateWaterAndRock(in, salinity, WaterBubblePoint(in, gorMode, r), selection, r);

  CalcDensities(r.rhoO, r.rhoG, r.rhoW, in.apiGravity, in.gasGravity, ValueOrZero(r.rs) / units::kScfPerMcf,
                ValueOrZero(r.bo), ValueOrZero(r.bw), ValueOrZero(r.bg), salinity);
  CalcSaturations(ValueOrZero(r.bo), ValueOrZero(r.bg), ValueOrZero(r.rsb), ValueOrZero(r.rs), ValueOrZero(r.bw),
                  in.wor, in.swc, in.apiGravity, in.gasGravity, r.so, r.sw, r.sg);
  // With gas present the total needs its gas term: without cg there is no total.
  if (gas && !r.cg) {
    outcome.diagnostics.push_back({DiagnosticKind::NotComputed, OutputField::Ct});
  } else {
    double ct = 0;
    CalcTotalCompressibility(r.so, r.sw, r.sg, ValueOrZero(r.co), ValueOrZero(r.cw), ValueOrZero(r.cg),
                             ValueOrZero(r.cf), ct);
    r.ct = ct;
  }
  NoteNotFinite(r, gorMode, outcome.diagnostics);
  const CalculationCase c{in, gorMode, waterMode, selection};
  NoteOutsideDataRange(c, r, outcome.diagnostics);
  NoteUnphysical(c, r, outcome.diagnostics);
}

}  // namespace tarnvik
