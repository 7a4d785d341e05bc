#include "present/family_overlay.h"

#include <algorithm>
#include <cmath>

#include "base/units.h"

namespace tarnvik {

PressureRange FamilyOverlayRange(const CalculationCase& c, const PressureRange& asked,
                                 const std::vector<double>& shown) {
  PressureRange range = asked;
  const double lowest = asked.minimum.value_or(units::kAtmosphericPressure);
  range.minimum = lowest;
  if (!range.maximum) {
    double highest = c.inputs.pressure;
    for (const double pressure : shown) highest = std::max(highest, pressure);
    range.maximum = std::max(highest * kOverlayAboveHighest, 2 * lowest);
  }
  return range;
}

FamilyOverlay BuildFamilyOverlay(const CalculationCase& c, const PressureRange& asked, const OilTuning* tuning,
                                 const std::vector<double>& shown) {
  FamilyOverlay overlay;
  overlay.range = FamilyOverlayRange(c, asked, shown);
  for (std::size_t f = 0; f < overlay.families.size(); ++f) {
    overlay.families[f] =
        BuildPressureTable(WithOilFamily(c, static_cast<OilCorrelation>(f)), overlay.range, overlay.error);
  }
  if (tuning != nullptr) {
    CalculationCase tuned = WithOilFamily(c, tuning->family);
    tuned.selection.oilTuning = *tuning;
    overlay.tuned = BuildPressureTable(tuned, overlay.range, overlay.error);
  }
  return overlay;
}

std::vector<CurvePoint> CurveOf(const PressureTable& table, OutputField field, GorSelectorMode gorMode) {
  std::vector<CurvePoint> curve;
  curve.reserve(table.rows.size());
  for (const PressureRow& row : table.rows) {
    if (row.outcome.failed()) continue;
    const Quantity value = ResultValue(row.outcome.results, field, gorMode);
    if (!value || !std::isfinite(*value)) continue;
    curve.push_back({row.pressure, *value});
  }
  return curve;
}

}  // namespace tarnvik
