#include "model/lab_quantities.h"

namespace tarnvik {

double LabValueIn(double value, const LabQuantity& q, UnitSystem units) {
  return units == UnitSystem::Field ? value : FromField(value / q.perFieldUnit, q.dimension, units);
}

double LabValueFrom(double value, const LabQuantity& q, UnitSystem units) {
  return units == UnitSystem::Field ? value : ToField(value, q.dimension, units) * q.perFieldUnit;
}

std::array<std::optional<double>, kLabKeys.size()> KeyValuesOf(const LabData& data) {
  std::array<std::optional<double>, kLabKeys.size()> values;
  const auto set = [&](LabKey key, std::optional<double> value) { values[static_cast<std::size_t>(key)] = value; };
  set(LabKey::Temperature, data.temperatureF);
  set(LabKey::BubblePoint, data.bubblePoint);
  set(LabKey::Gor, data.gor);
  if (data.separator) {
    set(LabKey::SeparatorBo, data.separator->bo);
    set(LabKey::SeparatorGor, data.separator->gor);
  }
  set(LabKey::Api, data.apiGravity);
  set(LabKey::GasGravity, data.gasGravity);
  set(LabKey::DeadOilViscosity, data.deadOilViscosity);
  return values;
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
    case LabColumn::RelativeVolume:
      return &point.relativeVolume;
    case LabColumn::Pressure:
      break;
  }
  return nullptr;
}

const std::optional<double>* CellOf(const LabPoint& point, LabColumn column) {
  return CellOf(const_cast<LabPoint&>(point), column);
}

}  // namespace tarnvik
