#include "calc/calculation_run.h"

#include <cmath>

#include "calc/densities_saturations.h"
#include "calc/number_text.h"
#include "calc/units.h"
#include "gas/gas_compressibility.h"
#include "gas/gas_viscosity.h"
#include "oil/oil_compressibility.h"
#include "oil/oil_fvf.h"
#include "oil/oil_viscosity.h"
#include "oil/solution_gas.h"
#include "water_rock/formation_compressibility.h"
#include "water_rock/water_properties.h"

namespace tarnvik {

namespace {

// Oil step: bubble point, solution gas, Bo (and co above pb), viscosity.
void CalculateOil(const InputSet& in, GorSelectorMode gorMode, const CorrelationSelection& selection,
                  CalculationOutcome& outcome) {
  ResultSet& r = outcome.results;
  const double t = in.temperatureF;
  const double p = in.pressure;
  double pb = in.gorOrPb;
  double rsb = 0;
  double rs = 0;
  outcome.pbCaption = CalcBubblePoint(in.gasGravity, p, t, in.apiGravity, pb, rsb, rs, gorMode, selection);
  if (p > pb) rs = rsb;
  r.pb = pb;
  r.rsb = rsb;
  r.rs = rs;
  double bo = 0;
  CalcOilFvf(in.gasGravity, t, in.apiGravity, rs, bo, p, pb, r.co, selection);
  r.bo = bo;
  double muO = 0;
  CalcOilViscosity(in.apiGravity, t, rs, muO, p, pb);
  r.muO = muO;
}

// Gas compressibility from z at p and its neighbours at p ∓ dp/2. When one neighbour
// failed, the one-sided difference to the other over dp/2 is used; with both failed,
// cg is not computed.
void CalculateGasCompressibility(const InputSet& in, const CorrelationSelection& selection, double z, Quantity& cg) {
  const double p = in.pressure;
  const double dp = units::kPressureStep;
  double zLower = z, zUpper = z, bgUnused = 0;
  ZFactorStatus lower = ZFactorStatus::Success, upper = ZFactorStatus::Success;
  CalcZFactor(in.gasGravity, in.temperatureF, p - dp / 2, zLower, bgUnused, lower, selection);
  CalcZFactor(in.gasGravity, in.temperatureF, p + dp / 2, zUpper, bgUnused, upper, selection);
  const bool lowerOk = lower == ZFactorStatus::Success;
  const bool upperOk = upper == ZFactorStatus::Success;
  if (lowerOk && upperOk) {
    CalcGasCompressibility(p, z, zLower, zUpper, dp, cg);
  } else if (lowerOk || upperOk) {
    CalcGasCompressibility(p, z, zLower, zUpper, dp / 2, cg);  // the failed side holds z at p
  }
}

// Oil compressibility at or below the bubble point from Bo and Rs at p ∓ dp/2.
void CalculateSaturatedOilCompressibility(const InputSet& in, const CorrelationSelection& selection, ResultSet& r) {
  const double gg = in.gasGravity, t = in.temperatureF, api = in.apiGravity;
  const double dp = units::kPressureStep;
  const double pLower = in.pressure - dp / 2;
  const double pUpper = in.pressure + dp / 2;
  double rsLower = 0, rsUpper = 0, boLower = 0, boUpper = 0;
  CalcSolutionGas(gg, pLower, t, api, r.pb, rsLower, selection);
  CalcOilFvf(gg, t, api, rsLower, boLower, pLower, r.pb, r.co, selection);
  CalcSolutionGas(gg, pUpper, t, api, r.pb, rsUpper, selection);
  CalcOilFvf(gg, t, api, rsUpper, boUpper, pUpper, r.pb, r.co, selection);
  double co = 0;
  CalcOilCompressibility(ValueOrZero(r.bo), ValueOrZero(r.bg), dp, boLower, boUpper, rsLower, rsUpper, co);
  r.co = co;
}

// Gas step. Returns false on a z-factor failure at the reservoir pressure.
bool CalculateGas(const InputSet& in, const CorrelationSelection& selection, CalculationOutcome& outcome) {
  ResultSet& r = outcome.results;
  double z = 0, bg = 0;
  CalcZFactor(in.gasGravity, in.temperatureF, in.pressure, z, bg, outcome.zFactorStatus, selection);
  if (outcome.failed()) return false;
  r.z = z;
  r.bg = bg;
  double muG = 0;
  CalcGasViscosity(in.gasGravity, in.temperatureF, bg, muG);
  r.muG = muG;
  CalculateGasCompressibility(in, selection, z, r.cg);
  // Below the bubble point the oil loses gas as pressure falls; with no oil present
  // there is no Bo to relate it to, so co stays not computed.
  if (in.apiGravity > 0 && in.pressure <= r.pb) CalculateSaturatedOilCompressibility(in, selection, r);
  return true;
}

void CalculateWaterAndRock(const InputSet& in, double salinity, const CorrelationSelection& selection, ResultSet& r) {
  const double p = in.pressure, t = in.temperatureF;
  double rsw = 0, bw = 0, muW = 0, cw = 0;
  CalcWaterSolutionGas(p, r.pb, t, salinity, rsw);
  CalcWaterFvf(p, t, bw, salinity);
  CalcWaterViscosity(t, muW, salinity, p);
  CalcFormationCompressibility(in.porosity, p, r.cf, selection);
  CalcWaterCompressibility(t, p, cw, r.pb, salinity, rsw);
  r.rsw = rsw;
  r.bw = bw;
  r.muW = muW;
  r.cw = cw;
}

}  // namespace

double WorkingSalinity(double salinityOrSg, WaterSelectorMode mode) {
  if (mode == WaterSelectorMode::Salinity) return salinityOrSg;
  return units::kFreshWaterDensity * (salinityOrSg - 1) / units::kDensityPerPercentNaCl;
}

CalculationOutcome Calculate(const InputSet& in, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                             const CorrelationSelection& selection) {
  CalculationOutcome outcome;
  ResultSet& r = outcome.results;
  r.pb = in.gorOrPb;
  const double salinity = WorkingSalinity(in.salinityOrSg, waterMode);

  if (in.apiGravity > 0) CalculateOil(in, gorMode, selection, outcome);
  if (in.gasGravity > 0 && !CalculateGas(in, selection, outcome)) return outcome;
  CalculateWaterAndRock(in, salinity, selection, r);

  CalcDensities(r.rhoO, r.rhoG, r.rhoW, in.apiGravity, in.gasGravity, ValueOrZero(r.rs) / units::kScfPerMcf,
                ValueOrZero(r.bo), ValueOrZero(r.bw), ValueOrZero(r.bg), salinity);
  CalcSaturations(ValueOrZero(r.bo), ValueOrZero(r.bg), ValueOrZero(r.rsb), ValueOrZero(r.rs), ValueOrZero(r.bw),
                  in.wor, in.swc, in.apiGravity, in.gasGravity, r.so, r.sw, r.sg);
  CalcTotalCompressibility(r.so, r.sw, r.sg, ValueOrZero(r.co), ValueOrZero(r.cw), ValueOrZero(r.cg), ValueOrZero(r.cf),
                           r.ct);
  return outcome;
}

std::array<Quantity, kOutputFieldCount> DisplayValues(const ResultSet& r, GorSelectorMode gorMode) {
  const auto scaled = [](const Quantity& q, double factor) -> Quantity {
    return q ? Quantity(*q * factor) : std::nullopt;
  };
  constexpr double perMcf = 1 / units::kScfPerMcf;
  constexpr double micro = units::kMicrosipsPerInvPsi;
  constexpr double percent = units::kPercentPerFraction;
  return {
      scaled(r.rs, perMcf),
      r.bo,
      r.muO,
      gorMode == GorSelectorMode::Gor ? Quantity(r.pb) : scaled(r.rsb, perMcf),
      r.z,
      r.bg,
      scaled(r.rsw, perMcf),
      scaled(r.co, micro),
      scaled(r.cg, micro),
      scaled(r.cw, micro),
      r.muG,
      r.bw,
      r.muW,
      r.rhoO,
      r.rhoG,
      r.rhoW,
      scaled(r.cf, micro),
      r.ct * micro,
      r.so * percent,
      r.sw * percent,
      r.sg * percent,
  };
}

DisplayedOutputs FormatOutputs(const ResultSet& results, GorSelectorMode gorMode) {
  DisplayedOutputs shown;
  const auto values = DisplayValues(results, gorMode);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    if (!values[i]) continue;
    const auto field = static_cast<OutputField>(i);
    if (!std::isfinite(*values[i])) {
      shown.outOfRange.push_back(field);
      continue;
    }
    const std::string_view pattern =
        field == OutputField::Pbx ? PbxFieldInfo(gorMode).pattern : kOutputFields[i].pattern;
    shown.texts[i] = FormatPattern(*values[i], pattern);
  }
  return shown;
}

InputSet ReadInputs(const std::array<std::string_view, 9>& boxes) {
  return InputSet{
      .apiGravity = ParseNumber(boxes[0]),
      .gasGravity = ParseNumber(boxes[1]),
      .temperatureF = ParseNumber(boxes[2]),
      .pressure = ParseNumber(boxes[3]),
      .gorOrPb = ParseNumber(boxes[4]),
      .porosity = ParseNumber(boxes[5]),
      .swc = ParseNumber(boxes[6]),
      .salinityOrSg = ParseNumber(boxes[7]),
      .wor = ParseNumber(boxes[8]),
  };
}

RunOutput RunCalculation(const InputSet& inputs, std::string_view gorSelector, std::string_view waterSelector,
                         const CorrelationSelection& selection) {
  const GorSelectorMode gorMode = GorModeFromText(gorSelector);
  const CalculationOutcome outcome = Calculate(inputs, gorMode, WaterModeFromText(waterSelector), selection);
  RunOutput output;
  output.pbCaption = outcome.pbCaption;
  if (outcome.failed()) {
    output.message = ZFactorMessage(outcome.zFactorStatus);
  } else {
    output.outputs = FormatOutputs(outcome.results, gorMode);
  }
  return output;
}

RunOutput RunCalculation(const InputTexts& texts, const CorrelationSelection& selection, InputSet& inputs) {
  inputs = ReadInputs(texts.boxes);
  return RunCalculation(inputs, texts.gorSelector, texts.waterSelector, selection);
}

}  // namespace tarnvik
