#include "model/lab_quantities.h"

namespace tarnvik {

double LabValueIn(double value, const LabQuantity& q, UnitSystem units) {
  return units == UnitSystem::Field ? value : FromField(value / q.perFieldUnit, q.dimension, units);
}

double LabValueFrom(double value, const LabQuantity& q, UnitSystem units) {
  return units == UnitSystem::Field ? value : ToField(value, q.dimension, units) * q.perFieldUnit;
}

std::optional<double>* CellOf(LabPoint& point, LabColumn column) {
  switch (column) {
    case LabColumn::Rs:
      return &point.rs;
    case LabColumn::Bo:
      return &point.bo;
    case LabColumn::OilViscosity:
      return &point.oilViscosity;
    case LabColumn::OilCompressibility:
      return &point.oilCompressibility;
    case LabColumn::Z:
      return &point.z;
    case LabColumn::Bg:
      return &point.bg;
    case LabColumn::Pressure:
      break;
  }
  return nullptr;
}

const std::optional<double>* CellOf(const LabPoint& point, LabColumn column) {
  return CellOf(const_cast<LabPoint&>(point), column);
}

}  // namespace tarnvik
