#include "calc/physical_limits.h"

#include <array>
#include <cmath>
#include <limits>

namespace tarnvik {
namespace {

// The correlation that gave a result, where one did.
std::optional<Correlation> ProducerOf(OutputField field, const CalculationCase& c, const ResultSet& r) {
  const OilCorrelation family = EffectiveOilCorrelation(c.selection.oilCorrelation);
  switch (field) {
    case OutputField::Bo:
    case OutputField::PbOrRsb:
      return FamilyCorrelation(family);
    case OutputField::Co:
      if (c.inputs.pressure <= r.pb) return FamilyCorrelation(family);
      return family == OilCorrelation::PetroskyFarshad ? Correlation::PetroskyFarshadCompressibility
                                                       : Correlation::VazquezBeggsCompressibility;
    case OutputField::Z:
    case OutputField::Cg:
      return Correlation::HallYarborough;
    case OutputField::Cw:
      return Correlation::WaterCompressibility;
    case OutputField::WaterViscosity:
      return Correlation::WaterViscosity;
    case OutputField::Cf:
      return RockCorrelationOf(c.selection.rockCorrelation);
    default:
      return std::nullopt;
  }
}

// The results the limits apply to, by field; NaN (never outside) where a limit does not
// apply: Bo of an oil without gas in solution, the bubble point where the user gave it.
std::array<double, kOutputFieldCount> Checked(const CalculationCase& c, const ResultSet& r) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  std::array<double, kOutputFieldCount> v;
  v.fill(kNone);
  const auto at = [&v](OutputField field) -> double& { return v[IndexOf(field)]; };
  if (ValueOrZero(r.rsb) > 0) at(OutputField::Bo) = r.bo.value_or(kNone);
  if (c.gorMode == GorSelectorMode::Gor && c.inputs.apiGravity > 0) at(OutputField::PbOrRsb) = r.pb;
  at(OutputField::Z) = r.z.value_or(kNone);
  at(OutputField::Co) = r.co.value_or(kNone);
  at(OutputField::Cg) = r.cg.value_or(kNone);
  at(OutputField::Cw) = r.cw.value_or(kNone);
  at(OutputField::WaterViscosity) = r.muW.value_or(kNone);
  at(OutputField::Cf) = r.cf.value_or(kNone);
  at(OutputField::Ct) = r.ct.value_or(kNone);
  at(OutputField::So) = r.so;
  at(OutputField::Sw) = r.sw;
  at(OutputField::Sg) = r.sg;
  return v;
}

}  // namespace

void NoteUnphysical(const CalculationCase& c, const ResultSet& r, Diagnostics& diagnostics) {
  const std::array<double, kOutputFieldCount> values = Checked(c, r);
  for (const PhysicalLimit& limit : kPhysicalLimits) {
    const double value = values[IndexOf(limit.field)];
    const bool below = value < limit.range.low - limit.rounding || (!limit.lowIncluded && value == limit.range.low);
    // Inside, or not checked (NaN) ...
    if (!below && !limit.range.above(value)) continue;
    // ... or not finite, which the run names as such.
    if (!std::isfinite(value)) continue;
    Diagnostic d{DiagnosticKind::Unphysical, limit.field};
    d.value = value;
    d.range = limit.range;
    d.side = below ? Side::Below : Side::Above;
    d.lowIncluded = limit.lowIncluded;
    d.correlation = ProducerOf(limit.field, c, r);
    diagnostics.push_back(d);
  }
}

}  // namespace tarnvik
