#include "present/run_messages.h"

#include <cmath>
#include <vector>

#include "base/formula.h"
#include "base/units.h"
#include "io/number_text.h"

#include "present/formatted_outputs.h"
#include "present/output_fields.h"

namespace tarnvik {
namespace {

std::string Captions(const std::vector<OutputField>& fields, GorSelectorMode mode) {
  std::string text;
  for (const OutputField field : fields) {
    if (!text.empty()) text += ", ";
    text += FieldInfo(field, mode).caption;
  }
  return text;
}

// "Out of range ...: A, B; not computed ...: C (why)"; empty when every value was given.
std::string Problems(const DisplayedOutputs& shown, GorSelectorMode mode, std::string_view run) {
  std::string text;
  if (!shown.outOfRange.empty()) {
    text += "Out of range in ";
    text += run;
    text += ": " + Captions(shown.outOfRange, mode);
  }
  if (!shown.notComputed.empty()) {
    text += text.empty() ? "Not computed in " : "; not computed in ";
    text += run;
    text += ": " + Captions(shown.notComputed, mode) + " (the z-factor could not be computed at p - 5 and p + 5 psia)";
  }
  return text;
}

}  // namespace

std::string_view PbCaption(GorSelectorMode mode) { return PbCaption(mode, UnitSystem::Field); }

std::string_view PbCaption(GorSelectorMode mode, UnitSystem system) {
  if (system == UnitSystem::Metric) {
    return mode == GorSelectorMode::Gor ? "Bubble Point Pressure, bara" : "     GOR sm3/sm3";
  }
  return mode == GorSelectorMode::Gor ? "Bubble Point Pressure, psia" : "     GOR MCF/STB";
}

std::optional<std::string_view> PbCaption(const CalculationOutcome& outcome, GorSelectorMode mode) {
  if (!outcome.oilComputed) return std::nullopt;
  return PbCaption(mode);
}

std::string_view ZFactorMessage(ZFactorStatus status) {
  switch (status) {
    case ZFactorStatus::Success:
      return "";
    case ZFactorStatus::ReducedTemperatureBelowOne:
      return "pTr<1: z-factor Routine FAILS";
    case ZFactorStatus::ReducedPressureAbove20_5:
      return "pPr>20.5: z-factor Routine FAILS";
    case ZFactorStatus::NoConvergence:
      return "No convergence: z-factor Routine FAILS";
  }
  return "";
}

std::string StatusText(std::optional<std::string_view> failure, const DisplayedOutputs* shown,
                       GorSelectorMode shownMode) {
  if (!failure) return shown == nullptr ? std::string() : Problems(*shown, shownMode, "the last run");
  std::string text(*failure);
  if (shown != nullptr) {
    text += "; the results shown are from the calculation before";
    const std::string problems = Problems(*shown, shownMode, "that run");
    if (!problems.empty()) text += ". " + problems;
  }
  return text;
}

namespace {

std::string FourDigits(double value) { return FormatPlainDigits(value, 4); }

std::string TwoDecimals(double value) { return FormatShortest(std::round(value * 100) / 100); }

}  // namespace

std::string ZFactorExplanation(ZFactorStatus status, const InputSet& in, GasCharacterisation characterisation,
                               UnitSystem units) {
  const PseudoCritical pc = StandingPseudoCritical(in.gasGravity, characterisation);
  const double tpr = Rankine(in.temperatureF) / pc.temperature;
  const double ppr = in.pressure / pc.pressure;
  const std::string degrees = units == UnitSystem::Metric ? " °C" : " °F";
  const std::string psia = units == UnitSystem::Metric ? " bara" : " psia";
  const auto temperature = [&](double fahrenheit) {
    return FourDigits(FromField(fahrenheit, Dimension::Temperature, units)) + degrees;
  };
  const auto pressure = [&](double p) { return FourDigits(FromField(p, Dimension::Pressure, units)) + psia; };
  const double criticalF = pc.temperature - units::kRankineOffset;
  switch (status) {
    case ZFactorStatus::Success:
      return {};
    case ZFactorStatus::ReducedTemperatureBelowOne:
      return temperature(in.temperatureF) + " is below this gas's pseudo-critical temperature, " +
             temperature(criticalF) + " (Tpr " + TwoDecimals(tpr) +
             "): Hall and Yarborough's z cannot be computed there; try a temperature above " + temperature(criticalF) +
             " or a lighter gas";
    case ZFactorStatus::ReducedPressureAbove20_5:
      return pressure(in.pressure) + " is above 20.5 times this gas's pseudo-critical pressure, " +
             pressure(pc.pressure) + " (Ppr " + TwoDecimals(ppr) +
             "): Hall and Yarborough's z is not defined there; try a pressure up to " + pressure(20.5 * pc.pressure);
    case ZFactorStatus::NoConvergence:
      return "Hall and Yarborough's iteration for z did not settle at Tpr " + TwoDecimals(tpr) + " and Ppr " +
             TwoDecimals(ppr) +
             ", close to this gas's pseudo-critical point; try a slightly different temperature or pressure";
  }
  return {};
}

std::string PressureRowNote(bool atBubblePoint, bool atReservoirPressure) {
  std::string note;
  if (atBubblePoint) note = "bubble point";
  if (atReservoirPressure) note += note.empty() ? "reservoir pressure" : "; reservoir pressure";
  return note;
}

}  // namespace tarnvik
