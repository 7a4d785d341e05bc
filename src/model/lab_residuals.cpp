#include "model/lab_residuals.h"

#include <cmath>

namespace tarnvik {

std::vector<ShownResidual> ShownResiduals(const LabComparison& comparison, UnitSystem units) {
  const LabQuantity& pressure = LabQuantityOf(LabColumn::Pressure);
  std::vector<ShownResidual> shown;
  shown.reserve(comparison.residuals.size());
  for (const LabResidual& r : comparison.residuals) {
    const LabQuantity& q = *TextOf(r.property).quantity;
    ShownResidual s;
    s.property = r.property;
    s.pressure = LabValueIn(r.pressure, pressure, units);
    s.measured = LabValueIn(r.measured, q, units);
    s.predicted = LabValueIn(r.predicted, q, units);
    s.errorPercent = 100 * r.error;
    const double target = kLabTargets[static_cast<std::size_t>(r.property)];
    if (!std::isnan(target)) s.targetPercent = 100 * target;
    s.withinTarget = r.withinTarget();
    shown.push_back(s);
  }
  return shown;
}

std::string_view LabTargetsText() {
  return "pb exact, Rs 5 % (below a tenth of the GOR at the bubble point: 5 % of that GOR), Bo and relative volume "
         "1.5 %, oil viscosity 7 %, z and Bg 1 %";
}

}  // namespace tarnvik
