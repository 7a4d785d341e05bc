#include "model/lab_quantities.h"

#include <cmath>

#include "io/number_text.h"

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

namespace {

// Shown values per value in the file's units: 1e6 microsips per 1/psi, 1e5 (1e-5/bar) per
// 1/bar for the oil compressibility; 1 otherwise.
double ShownPerFileUnit(const LabQuantity& q, UnitSystem units) {
  if (&q != &LabQuantityOf(LabColumn::OilCompressibility)) return 1;
  return units == UnitSystem::Metric ? 1e5 : units::kMicrosipsPerInvPsi;
}

// Twelve significant digits: a scaled value shows as typed (12.3, not 12.300000000000001).
double Rounded(double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  const double scale = std::pow(10.0, 11 - std::floor(std::log10(std::abs(value))));
  return std::round(value * scale) / scale;
}

}  // namespace

std::string_view ShownUnitIn(const LabQuantity& q, UnitSystem units) {
  if (&q == &LabQuantityOf(LabColumn::OilCompressibility)) {
    return units == UnitSystem::Metric ? "1e-5/bar" : "microsips";
  }
  return UnitIn(q, units);
}

double LabValueShown(double value, const LabQuantity& q, UnitSystem units) {
  const double scale = ShownPerFileUnit(q, units);
  const double inFile = LabValueIn(value, q, units);
  return scale == 1 ? inFile : Rounded(inFile * scale);
}

double LabValueFromShown(double shown, const LabQuantity& q, UnitSystem units) {
  return LabValueFrom(shown / ShownPerFileUnit(q, units), q, units);
}

std::string LabFileTextFromShown(std::string_view typed, const LabQuantity& q, UnitSystem units) {
  const double scale = ShownPerFileUnit(q, units);
  std::optional<double> value;
  if (scale == 1 || !ParseNumberField(typed, value) || !value) return std::string(typed);
  return FormatShortest(*value / scale);
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
