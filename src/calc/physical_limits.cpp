#include "calc/physical_limits.h"

#include <cmath>

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
    case OutputField::Cf:
      return RockCorrelationOf(c.selection.rockCorrelation);
    default:
      return std::nullopt;
  }
}

bool Applies(const PhysicalLimit& limit, const CalculationCase& c, const ResultSet& r) {
  if (limit.field == OutputField::Bo) return ValueOrZero(r.rsb) > 0;
  if (limit.field == OutputField::PbOrRsb) return c.gorMode == GorSelectorMode::Gor && c.inputs.apiGravity > 0;
  return true;
}

}  // namespace

void NoteUnphysical(const CalculationCase& c, const ResultSet& r, Diagnostics& diagnostics) {
  for (const PhysicalLimit& limit : kPhysicalLimits) {
    const Quantity value = ResultValue(r, limit.field, c.gorMode);
    if (!value || !std::isfinite(*value) || !Applies(limit, c, r)) continue;
    const bool below = *value < limit.range.low - limit.rounding || (!limit.lowIncluded && *value == limit.range.low);
    if (!below && !limit.range.above(*value)) continue;
    Diagnostic d{DiagnosticKind::Unphysical, limit.field};
    d.value = *value;
    d.range = limit.range;
    d.side = below ? Side::Below : Side::Above;
    d.lowIncluded = limit.lowIncluded;
    d.correlation = ProducerOf(limit.field, c, r);
    diagnostics.push_back(d);
  }
}

}  // namespace tarnvik
