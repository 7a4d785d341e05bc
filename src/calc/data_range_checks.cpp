#include "calc/data_range_checks.h"

#include <cmath>
#include <limits>

#include "base/formula.h"
#include "base/units.h"
#include "calc/calculation_run.h"
#include "calc/routines.h"

namespace tarnvik {
namespace {

constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

// The values the checks read, by quantity, read once per run; NaN (neither below nor above
// any range) where no correlation was given the quantity: the bubble point and GOR of an
// oil without gas in solution, Bo above the bubble point, and without results every value
// the run derives.
struct Values {
  std::array<double, kRangedQuantityCount> of{};
  double chewConnallyPressure = kNotGiven;  // their correction is evaluated at the lower of p and pb
  bool deadOil = false;
  bool aboveBubblePoint = false;
};

Values Read(const CalculationCase& c, const ResultSet* r) {
  Values x;
  x.of.fill(kNotGiven);
  const InputSet& in = c.inputs;
  const bool gorMode = c.gorMode == GorSelectorMode::Gor;
  x.deadOil = IsDeadOil(in, c.gorMode);
  x.aboveBubblePoint = r != nullptr && in.apiGravity > 0 && in.pressure > r->pb;
  auto& v = x.of;
  const auto at = [&v](RangedQuantity q) -> double& { return v[static_cast<std::size_t>(q)]; };
  at(RangedQuantity::ApiGravity) = in.apiGravity;
  at(RangedQuantity::GasGravity) = in.gasGravity;
  at(RangedQuantity::Temperature) = in.temperatureF;
  at(RangedQuantity::Pressure) = in.pressure;
  at(RangedQuantity::Salinity) = WorkingSalinity(in.salinityOrSg, c.waterMode);
  at(RangedQuantity::Porosity) = in.porosity;
  at(RangedQuantity::Co2) = in.impurities.co2;
  at(RangedQuantity::H2s) = in.impurities.h2s;
  at(RangedQuantity::N2) = in.impurities.n2;
  if (!x.deadOil) {
    if (!gorMode) at(RangedQuantity::BubblePoint) = in.gorOrPb;
    if (gorMode) at(RangedQuantity::GorAtBubblePoint) = units::kScfPerMcf * in.gorOrPb;
  }
  if (r != nullptr) {
    if (!x.deadOil && gorMode) at(RangedQuantity::BubblePoint) = r->pb;
    if (!x.deadOil && !gorMode) at(RangedQuantity::GorAtBubblePoint) = ValueOrZero(r->rsb);
    at(RangedQuantity::SolutionGor) = ValueOrZero(r->rs);
    if (!x.aboveBubblePoint) at(RangedQuantity::Bo) = ValueOrZero(r->bo);
    const PseudoCritical pc = GasPseudoCritical(in.gasGravity, c.selection.gasCharacterisation, in.impurities);
    at(RangedQuantity::ReducedTemperature) = Rankine(in.temperatureF) / pc.temperature;
    at(RangedQuantity::ReducedPressure) = in.pressure / pc.pressure;
  }
  x.chewConnallyPressure = x.aboveBubblePoint ? at(RangedQuantity::BubblePoint) : in.pressure;
  return x;
}

// Whether the run used the correlation at all.
bool UsedInRun(Correlation correlation, const CalculationCase& c, const Values& x) {
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
      return c.inputs.porosity > 0 &&
             (correlation != Correlation::Newman || c.selection.formationType != FormationType::None);
    default:
      return true;
  }
}

// The diagnostic of a value outside a row's range: what the value is (Chew and Connally's
// pressure above the bubble point is the bubble point), the box it was typed in or the
// result that shows it.
[[gnu::cold]] Diagnostic OutsideOf(const ValidityRange& row, double value, const CalculationCase& c, const Values& x) {
  Diagnostic d{DiagnosticKind::OutsideDataRange};
  d.quantity = row.quantity;
  if (row.correlation == Correlation::ChewConnallyViscosity && row.quantity == RangedQuantity::Pressure &&
      x.aboveBubblePoint) {
    d.quantity = RangedQuantity::BubblePoint;
  }
  d.input = InputOf(d.quantity, c.gorMode);
  if (!d.input) {
    switch (d.quantity) {
      case RangedQuantity::BubblePoint:
      case RangedQuantity::GorAtBubblePoint:
        d.output = OutputField::PbOrRsb;
        break;
      case RangedQuantity::SolutionGor:
        d.output = OutputField::Rs;
        break;
      case RangedQuantity::Bo:
        d.output = OutputField::Bo;
        break;
      default:
        break;
    }
  }
  d.value = value;
  d.range = row.range;
  d.side = row.range.below(value) ? Side::Below : Side::Above;
  d.correlation = row.correlation;
  return d;
}

// Appends the diagnostic of every row of a correlation whose value lies outside its range.
[[gnu::always_inline]] inline void Check(Correlation correlation, const CalculationCase& c, const Values& x,
                                         Diagnostics& diagnostics) {
  const bool chewConnally = correlation == Correlation::ChewConnallyViscosity;
  for (const ValidityRange& row : RangesOf(correlation)) {
    const double value = chewConnally && row.quantity == RangedQuantity::Pressure
                             ? x.chewConnallyPressure
                             : x.of[static_cast<std::size_t>(row.quantity)];
    // Inside, or not given (NaN) ...
    if (!row.range.below(value) && !row.range.above(value)) [[likely]]
      continue;
    // ... or not finite, which the run names as such (DiagnosticKind::NotFinite).
    if (std::isfinite(value)) diagnostics.push_back(OutsideOf(row, value, c, x));
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
    const GasImpurities& impurities = c.inputs.impurities;
    if (impurities.co2 != 0 || impurities.h2s != 0) list.push(Correlation::WichertAziz);
    if (impurities.n2 != 0) list.push(Correlation::CarrKobayashiBurrowsNitrogen);
    if (impurities.any()) list.push(Correlation::CarrKobayashiBurrowsViscosity);
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
    case RangedQuantity::Co2:  // typed in the gas impurities' row, not one of the nine boxes
    case RangedQuantity::H2s:
    case RangedQuantity::N2:
      break;
  }
  return std::nullopt;
}

void NoteOutsideDataRange(const CalculationCase& c, const ResultSet& results, Diagnostics& diagnostics) {
  const Values x = Read(c, &results);
  for (const Correlation correlation : CorrelationsInForce(c)) {
    if (UsedInRun(correlation, c, x)) Check(correlation, c, x, diagnostics);
  }
}

void NoteFamilyInputsOutsideData(const CalculationCase& c, OilCorrelation family, Diagnostics& diagnostics) {
  Check(FamilyCorrelation(family), c, Read(c, nullptr), diagnostics);
}

}  // namespace tarnvik
