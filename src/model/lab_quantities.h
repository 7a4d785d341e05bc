// The quantities of a laboratory report, as the lab file names them and a face shows them:
// the header's keys and the columns of its points, each with its caption, its units in
// either unit system and how a value in those units becomes one in the correlations' units
// (model/lab_file.h writes and reads them; the window's Lab data page shows them).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/unit_system.h"
#include "base/units.h"
#include "calc/lab_data.h"

namespace tarnvik {

struct LabQuantity {
  std::string_view name;     // in the lab file
  std::string_view caption;  // in words
  std::string_view fieldUnit, metricUnit;
  Dimension dimension;
  // Correlation units per field unit of `dimension`: 1000 SCF/STB per MCF/STB for a
  // gas-liquid ratio, which the correlations take in SCF/STB; 1 otherwise.
  double perFieldUnit = 1;
  bool zeroAllowed = true;
};

// The header's keys after `source`, in the order a file writes them; the first three are
// required.
enum class LabKey : std::uint8_t {
  Temperature,
  BubblePoint,
  Gor,
  SeparatorBo,
  SeparatorGor,
  Api,
  GasGravity,
  DeadOilViscosity
};
inline constexpr std::size_t kRequiredLabKeys = 3;
inline constexpr std::array<LabQuantity, 8> kLabKeys = {{
    {"temperature", "Temperature", "°F", "°C", Dimension::Temperature, 1, true},
    {"bubble_point", "Bubble point (measured)", "psia", "bara", Dimension::Pressure, 1, false},
    {"gor", "GOR at the bubble point", "SCF/STB", "sm3/sm3", Dimension::GasLiquidRatio, units::kScfPerMcf, false},
    {"separator_bo", "Separator test Bofb", "RB/STB", "rm3/sm3", Dimension::LiquidRatio, 1, false},
    {"separator_gor", "Separator test Rsfb", "SCF/STB", "sm3/sm3", Dimension::GasLiquidRatio, units::kScfPerMcf, false},
    {"api", "Oil gravity", "°API", "°API", Dimension::Plain, 1, false},
    {"gas_gravity", "Gas gravity", "air = 1", "air = 1", Dimension::Plain, 1, false},
    {"dead_oil_viscosity", "Dead-oil viscosity", "cp", "cp", Dimension::Plain, 1, false},
}};

// The columns of the points, pressure first.
enum class LabColumn : std::uint8_t { Pressure, Rs, Bo, OilViscosity, OilCompressibility, Z, Bg, RelativeVolume };
inline constexpr std::array<LabQuantity, 8> kLabColumns = {{
    {"pressure", "Pressure", "psia", "bara", Dimension::Pressure, 1, false},
    {"rs", "Rs", "SCF/STB", "sm3/sm3", Dimension::GasLiquidRatio, units::kScfPerMcf, true},
    {"bo", "Bo", "RB/STB", "rm3/sm3", Dimension::LiquidRatio, 1, false},
    {"oil_viscosity", "Oil viscosity", "cp", "cp", Dimension::Plain, 1, false},
    {"oil_compressibility", "Oil compressibility", "1/psi", "1/bar", Dimension::InverseCompressibility, 1, true},
    {"z", "z", "", "", Dimension::Plain, 1, false},
    {"bg", "Bg", "RB/MCF", "rm3/sm3", Dimension::GasVolumeFactor, 1, false},
    {"relative_volume", "Relative volume V/Vsat", "", "", Dimension::Plain, 1, false},
}};

constexpr const LabQuantity& LabQuantityOf(LabKey key) { return kLabKeys[static_cast<std::size_t>(key)]; }
constexpr const LabQuantity& LabQuantityOf(LabColumn column) { return kLabColumns[static_cast<std::size_t>(column)]; }

constexpr std::string_view UnitIn(const LabQuantity& q, UnitSystem units) {
  return units == UnitSystem::Metric ? q.metricUnit : q.fieldUnit;
}

// A value in the correlations' units in `units`' units, and back.
double LabValueIn(double value, const LabQuantity& q, UnitSystem units);
double LabValueFrom(double value, const LabQuantity& q, UnitSystem units);

// The header's values of `data` by LabKey (empty where it has none).
std::array<std::optional<double>, kLabKeys.size()> KeyValuesOf(const LabData& data);
// How the Lab data page shows and takes a quantity: in the units the rest of the program
// shows it in, the oil compressibility in microsips (1e-5/bar in Metric) where the lab
// file keeps 1/psi (1/bar); every other quantity in the file's units.
std::string_view ShownUnitIn(const LabQuantity& q, UnitSystem units);
// A value in the correlations' units as shown, and a shown value back.
double LabValueShown(double value, const LabQuantity& q, UnitSystem units);
double LabValueFromShown(double shown, const LabQuantity& q, UnitSystem units);
// A text typed in the shown units as the lab file writes it, in the file's units; a text
// that is not one number is returned as it is, for the reader to refuse in words.
std::string LabFileTextFromShown(std::string_view typed, const LabQuantity& q, UnitSystem units);

// A point's value in a column other than pressure; null for pressure.
std::optional<double>* CellOf(LabPoint& point, LabColumn column);
const std::optional<double>* CellOf(const LabPoint& point, LabColumn column);

}  // namespace tarnvik
