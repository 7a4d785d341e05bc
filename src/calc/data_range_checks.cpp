#include "calc/data_range_checks.h"

#include <cmath>

#include "base/formula.h"
#include "base/units.h"
#include "calc/calculation_run.h"
#include "correlations/gas/z_factor.h"

namespace tarnvik {
namespace {

// What the checks read: the case, and the results when there are any.
struct Context {
  const CalculationCase& c;
  const ResultSet* results;  // null: the inputs only
  bool deadOil;
  bool aboveBubblePoint;
};

struct CheckedValue {
  double value;
  std::optional<InputField> input;
  std::optional<OutputField> output;
  // What the value is, where it is not the row's quantity.
  std::optional<RangedQuantity> quantity{};
};

// The value a correlation was given for a quantity; empty where it was not given one.
std::optional<CheckedValue> ValueOf(RangedQuantity quantity, Correlation correlation, const Context& x) {
  const InputSet& in = x.c.inputs;
  const ResultSet* r = x.results;
  const GorSelectorMode mode = x.c.gorMode;
  const std::optional<InputField> input = InputOf(quantity, mode);
  switch (quantity) {
    case RangedQuantity::ApiGravity:
      return CheckedValue{in.apiGravity, input, {}};
    case RangedQuantity::GasGravity:
      return CheckedValue{in.gasGravity, input, {}};
    case RangedQuantity::Temperature:
      return CheckedValue{in.temperatureF, input, {}};
    case RangedQuantity::Pressure:
      // Chew and Connally's correction is evaluated at the bubble point above it.
      if (correlation == Correlation::ChewConnallyViscosity && x.aboveBubblePoint) {
        if (mode == GorSelectorMode::BubblePoint) {
          return CheckedValue{in.gorOrPb, InputField::GorOrPb, {}, RangedQuantity::BubblePoint};
        }
        if (r == nullptr) return std::nullopt;
        return CheckedValue{r->pb, {}, OutputField::PbOrRsb, RangedQuantity::BubblePoint};
      }
      return CheckedValue{in.pressure, input, {}};
    case RangedQuantity::BubblePoint:
      if (x.deadOil) return std::nullopt;
      if (input) return CheckedValue{in.gorOrPb, input, {}};
      if (r == nullptr) return std::nullopt;
      return CheckedValue{r->pb, {}, OutputField::PbOrRsb};
    case RangedQuantity::GorAtBubblePoint:
      if (x.deadOil) return std::nullopt;
      if (input) return CheckedValue{units::kScfPerMcf * in.gorOrPb, input, {}};
      if (r == nullptr) return std::nullopt;
      return CheckedValue{ValueOrZero(r->rsb), {}, OutputField::PbOrRsb};
    case RangedQuantity::SolutionGor:
      if (r == nullptr) return std::nullopt;
      return CheckedValue{ValueOrZero(r->rs), {}, OutputField::Rs};
    case RangedQuantity::Bo:
      if (r == nullptr || x.aboveBubblePoint) return std::nullopt;
      return CheckedValue{ValueOrZero(r->bo), {}, OutputField::Bo};
    case RangedQuantity::ReducedTemperature:
    case RangedQuantity::ReducedPressure: {
      const PseudoCritical pc = StandingPseudoCritical(in.gasGravity, x.c.selection.gasCharacterisation);
      if (quantity == RangedQuantity::ReducedTemperature) {
        return CheckedValue{Rankine(in.temperatureF) / pc.temperature, {}, {}};
      }
      return CheckedValue{in.pressure / pc.pressure, {}, {}};
    }
    case RangedQuantity::Salinity:
      return CheckedValue{WorkingSalinity(in.salinityOrSg, x.c.waterMode), input, {}};
    case RangedQuantity::Porosity:
      return CheckedValue{in.porosity, input, {}};
  }
  return std::nullopt;
}

// Whether the run used the correlation at all.
bool UsedInRun(Correlation correlation, const Context& x) {
  switch (correlation) {
    case Correlation::ChewConnallyViscosity:
      return !x.deadOil;
    case Correlation::VazquezBeggsCompressibility:
    case Correlation::PetroskyFarshadCompressibility:
    case Correlation::BealUndersaturatedViscosity:
      return x.aboveBubblePoint;
    case Correlation::HallRock:
    case Correlation::VanDerKnaap:
    case Correlation::Newman:
      return x.c.inputs.porosity > 0 &&
             (correlation != Correlation::Newman || x.c.selection.formationType != FormationType::None);
    default:
      return true;
  }
}

void Check(Correlation correlation, const Context& x, bool inputsOnly, Diagnostics& diagnostics) {
  for (const ValidityRange& row : RangesOf(correlation)) {
    const std::optional<CheckedValue> checked = ValueOf(row.quantity, correlation, x);
    // A value that is not finite is named as such (DiagnosticKind::NotFinite), not here.
    if (!checked || (inputsOnly && !checked->input) || !std::isfinite(checked->value)) continue;
    const bool below = row.range.below(checked->value);
    if (!below && !row.range.above(checked->value)) continue;
    Diagnostic d{DiagnosticKind::OutsideDataRange};
    d.quantity = checked->quantity.value_or(row.quantity);
    d.input = checked->input;
    d.output = checked->output;
    d.value = checked->value;
    d.range = row.range;
    d.side = below ? Side::Below : Side::Above;
    d.correlation = correlation;
    diagnostics.push_back(d);
  }
}

}  // namespace

CorrelationList CorrelationsInForce(const CalculationCase& c) {
  CorrelationList list;
  if (c.inputs.apiGravity > 0) {
    const OilCorrelation family = EffectiveOilCorrelation(c.selection.oilCorrelation);
    list.push(FamilyCorrelation(family));
    list.push(family == OilCorrelation::PetroskyFarshad ? Correlation::PetroskyFarshadCompressibility
                                                        : Correlation::VazquezBeggsCompressibility);
    list.push(Correlation::BealDeadOilViscosity);
    list.push(Correlation::ChewConnallyViscosity);
    list.push(Correlation::BealUndersaturatedViscosity);
  }
  if (c.inputs.gasGravity > 0) {
    list.push(Correlation::HallYarborough);
    list.push(Correlation::LeeGonzalezEakin);
  }
  for (const Correlation water : {Correlation::WaterSolutionGas, Correlation::WaterFvf, Correlation::WaterViscosity,
                                  Correlation::WaterCompressibility}) {
    list.push(water);
  }
  if (const std::optional<Correlation> rock = RockCorrelationOf(c.selection.rockCorrelation)) list.push(*rock);
  return list;
}

std::optional<InputField> InputOf(RangedQuantity quantity, GorSelectorMode gorMode) {
  switch (quantity) {
    case RangedQuantity::ApiGravity:
      return InputField::ApiGravity;
    case RangedQuantity::GasGravity:
      return InputField::GasGravity;
    case RangedQuantity::Temperature:
      return InputField::Temperature;
    case RangedQuantity::Pressure:
      return InputField::Pressure;
    case RangedQuantity::BubblePoint:
      if (gorMode == GorSelectorMode::BubblePoint) return InputField::GorOrPb;
      return std::nullopt;
    case RangedQuantity::GorAtBubblePoint:
      if (gorMode == GorSelectorMode::Gor) return InputField::GorOrPb;
      return std::nullopt;
    case RangedQuantity::Salinity:
      return InputField::SalinityOrSg;
    case RangedQuantity::Porosity:
      return InputField::Porosity;
    case RangedQuantity::SolutionGor:
    case RangedQuantity::Bo:
    case RangedQuantity::ReducedTemperature:
    case RangedQuantity::ReducedPressure:
      break;
  }
  return std::nullopt;
}

void NoteOutsideDataRange(const CalculationCase& c, const ResultSet& results, Diagnostics& diagnostics) {
  const bool oil = c.inputs.apiGravity > 0;
  const Context x{c, &results, IsDeadOil(c.inputs, c.gorMode), oil && c.inputs.pressure > results.pb};
  for (const Correlation correlation : CorrelationsInForce(c)) {
    if (UsedInRun(correlation, x)) Check(correlation, x, false, diagnostics);
  }
}

void NoteFamilyInputsOutsideData(const CalculationCase& c, OilCorrelation family, Diagnostics& diagnostics) {
  const Context x{c, nullptr, IsDeadOil(c.inputs, c.gorMode), false};
  Check(FamilyCorrelation(family), x, true, diagnostics);
}

}  // namespace tarnvik
