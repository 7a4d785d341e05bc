// The two unit systems a user works in, and the one place that converts between them.
// Field is oilfield units (psia, °F, MCF/STB, RB/STB, lb/ft³); Metric is the reservoir
// simulators' METRIC set (bara, °C, sm³/sm³, rm³/sm³, kg/m³, 1/bar). The correlations
// always compute in the units they were fitted in; values are converted only where they
// are typed or shown. Pressures are absolute in both systems. Standard conditions are the
// correlations' own, 60 °F and 14.696 psia, whichever system is shown.
#pragma once

#include <cstdint>

#include "base/rounding.h"

namespace tarnvik {

enum class UnitSystem : std::uint8_t { Field, Metric };

namespace units {

// Exact definitions (NIST Special Publication 811, 2008, appendix B.8):
// the international foot is 0.3048 m; the avoirdupois pound 0.45359237 kg; standard
// gravity 9.80665 m/s²; the US oil barrel 42 US gallons of 231 in³.
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kKilogramsPerPound = 0.45359237;
inline constexpr double kCubicMetresPerCubicFoot = 0.028316846592;  // 0.3048³
inline constexpr double kCubicMetresPerBarrel = 0.158987294928;     // 42 × 231 × 0.0254³
inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kStandardGravity = 9.80665;  // m/s²
// One pound-force per square inch: 0.45359237 × 9.80665 / 0.0254² = 6894.757293168361 Pa.
inline constexpr double kPascalsPerPsi = kKilogramsPerPound * kStandardGravity / (kMetresPerInch * kMetresPerInch);
inline constexpr double kPascalsPerBar = 1.0e5;
inline constexpr double kBarsPerPsi = kPascalsPerPsi / kPascalsPerBar;

}  // namespace units

// The quantities a user sees in one system or the other, by their field unit.
enum class Dimension : std::uint8_t {
  Plain,                   // the same in both systems: °API, gravity, %, cp, z
  Pressure,                // psia ↔ bara
  PressureDifference,      // psi ↔ bar
  Temperature,             // °F ↔ °C
  GasLiquidRatio,          // MCF/STB ↔ sm³/sm³
  LiquidRatio,             // STB/STB, RB/STB ↔ sm³/sm³, rm³/sm³
  GasVolumeFactor,         // RB/MCF ↔ rm³/sm³
  Compressibility,         // 1e-6/psi (microsips) ↔ 1e-5/bar
  InverseCompressibility,  // 1/psi ↔ 1/bar as a plain rate (viscosibility, simulator tables)
  Density,                 // lb/ft³ ↔ kg/m³
  Length,                  // ft ↔ m
  LiquidVolume,            // STB, RB ↔ sm³, rm³
  GasVolume,               // MSCF ↔ sm³
};

// How a field value becomes a metric one: metric = field × scale + offset.
struct Conversion {
  double scale = 1;
  double offset = 0;
};

constexpr Conversion MetricConversion(Dimension dimension) {
  using namespace units;
  switch (dimension) {
    case Dimension::Plain:
      return {};
    case Dimension::Pressure:
    case Dimension::PressureDifference:
      return {kBarsPerPsi};
    case Dimension::Temperature:
      return {1 / 1.8, -32 / 1.8};
    case Dimension::GasLiquidRatio:
      return {1000 * kCubicMetresPerCubicFoot / kCubicMetresPerBarrel};
    case Dimension::LiquidRatio:
      return {};
    case Dimension::GasVolumeFactor:
      return {kCubicMetresPerBarrel / (1000 * kCubicMetresPerCubicFoot)};
    case Dimension::Compressibility:
      // 1e-6/psi = 1e-6 / 0.0689... /bar = 14.5e-6/bar = 1.45 × 1e-5/bar.
      return {1e-6 / kBarsPerPsi / 1e-5};
    case Dimension::InverseCompressibility:
      return {1 / kBarsPerPsi};
    case Dimension::Density:
      return {kKilogramsPerPound / kCubicMetresPerCubicFoot};
    case Dimension::Length:
      return {kMetresPerFoot};
    case Dimension::LiquidVolume:
      return {kCubicMetresPerBarrel};
    case Dimension::GasVolume:
      return {1000 * kCubicMetresPerCubicFoot};
  }
  return {};
}

// A value in `system` from its field value, and back.
constexpr double FromField(double fieldValue, Dimension dimension, UnitSystem system) {
  if (system == UnitSystem::Field) return fieldValue;
  const Conversion c = MetricConversion(dimension);
  return fieldValue * c.scale + c.offset;
}
constexpr double ToField(double value, Dimension dimension, UnitSystem system) {
  if (system == UnitSystem::Field) return value;
  const Conversion c = MetricConversion(dimension);
  return (value - c.offset) / c.scale;
}

// A field value in `system` for a key a user reads (a table's pressure), rounded to 12
// significant digits: a value typed in `system` and held in field units comes back as
// typed (1 bara, not 0.9999999999999999).
inline double KeyFromField(double fieldValue, Dimension dimension, UnitSystem system) {
  const double value = FromField(fieldValue, dimension, system);
  return system == UnitSystem::Field ? value : RoundSignificant(value, 12);
}

}  // namespace tarnvik
