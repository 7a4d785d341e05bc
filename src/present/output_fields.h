// How each of the 21 results is shown: the window's control name, the column name in
// tables and data files, the caption, the display unit, the digit-place pattern and the
// factor from calculation units to display units.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "base/unit_system.h"
#include "base/units.h"
#include "calc/output_field.h"
#include "io/number_text.h"

namespace tarnvik {

struct OutputFieldInfo {
  std::string_view control;  // object name of the output field in the window
  std::string_view column;   // column name in tables and data files
  std::string_view caption;  // what the value is, in words
  std::string_view unit;     // display unit
  std::string_view pattern;  // digit-place pattern
  double displayFactor;      // display value = calculation value × displayFactor
  int decimals = PatternDecimals(pattern);
};

namespace display {
inline constexpr double kPerMcf = 1 / units::kScfPerMcf;  // SCF/STB → MCF/STB
inline constexpr double kMicro = units::kMicrosipsPerInvPsi;
inline constexpr double kPercent = units::kPercentPerFraction;
}  // namespace display

// In window order. The bubble-point/GOR field depends on the GOR selector; see FieldInfo.
inline constexpr std::array<OutputFieldInfo, kOutputFieldCount> kOutputFields = {{
    {"rsx", "rs", "Solution gas-oil ratio", "MCF/STB", "#.###", display::kPerMcf},
    {"box", "bo", "Oil formation volume factor", "RB/STB", "#.###", 1},
    {"vox", "oil_viscosity", "Oil viscosity", "cp", "####.##", 1},
    {"pbx", "pbx", "Bubble-point pressure", "psia", "#####.", 1},
    {"zx", "z", "Gas deviation factor z", "", "#.###", 1},
    {"bgx", "bg", "Gas formation volume factor", "RB/MCF", "##.###", 1},
    {"rswx", "rsw", "Solution gas-water ratio", "MCF/STB", "#.###", display::kPerMcf},
    {"cox", "co", "Oil compressibility", "microsips", "###.#", display::kMicro},
    {"cgx", "cg", "Gas compressibility", "microsips", "####.#", display::kMicro},
    {"cwx", "cw", "Water compressibility", "microsips", "##.#", display::kMicro},
    {"vgx", "gas_viscosity", "Gas viscosity", "cp", "#.###", 1},
    {"bwx", "bw", "Water formation volume factor", "RB/STB", "#.###", 1},
    {"vwx", "water_viscosity", "Water viscosity", "cp", "##.##", 1},
    {"odx", "oil_density", "Oil density", "lb/ft3", "####.##", 1},
    {"gdx", "gas_density", "Gas density", "lb/ft3", "####.##", 1},
    {"wdx", "water_density", "Water density", "lb/ft3", "####.##", 1},
    {"cfx", "cf", "Formation compressibility", "microsips", "###.#", display::kMicro},
    {"ctx", "ct", "Total compressibility", "microsips", "####.#", display::kMicro},
    {"sox", "so", "Oil saturation", "%", "###.#", display::kPercent},
    {"swx", "sw", "Water saturation", "%", "###.#", display::kPercent},
    {"sgx", "sg", "Gas saturation", "%", "###.#", display::kPercent},
}};

constexpr const OutputFieldInfo& InfoOf(OutputField field) { return kOutputFields[IndexOf(field)]; }

// The bubble-point/GOR field shows pb [psia] with "#####." in Gor mode and the GOR at the
// bubble point [MCF/STB] with "##.###" otherwise; every other field is as listed.
inline constexpr OutputFieldInfo kGorAtBubblePointField = {"pbx",     "pbx",    "Gas-oil ratio at the bubble point",
                                                           "MCF/STB", "##.###", display::kPerMcf};
constexpr const OutputFieldInfo& FieldInfo(OutputField field, GorSelectorMode mode) {
  if (field != OutputField::PbOrRsb || mode == GorSelectorMode::Gor) return InfoOf(field);
  return kGorAtBubblePointField;
}

// How each field shows in Metric units: what it measures, its metric unit and its
// digit-place pattern, to a resolution suited to metric magnitudes (bar, sm³/sm³ and
// kg/m³ to 0.1). Compressibilities show in 1e-5/bar, the 1/bar of the simulators' METRIC
// set scaled like microsips: values keep the same digits' size (13.5 microsips is 19.6).
struct MetricDisplay {
  Dimension dimension;
  std::string_view unit;
  std::string_view pattern;
};
inline constexpr std::array<MetricDisplay, kOutputFieldCount> kMetricOutputs = {{
    {Dimension::GasLiquidRatio, "sm3/sm3", "####.#"},    // rs
    {Dimension::LiquidRatio, "rm3/sm3", "#.###"},        // bo
    {Dimension::Plain, "cp", "####.##"},                 // oil viscosity
    {Dimension::Pressure, "bara", "####.#"},             // pb
    {Dimension::Plain, "", "#.###"},                     // z
    {Dimension::GasVolumeFactor, "rm3/sm3", "#.#####"},  // bg
    {Dimension::GasLiquidRatio, "sm3/sm3", "###.##"},    // rsw
    {Dimension::Compressibility, "1e-5/bar", "###.#"},   // co
    {Dimension::Compressibility, "1e-5/bar", "####.#"},  // cg
    {Dimension::Compressibility, "1e-5/bar", "##.#"},    // cw
    {Dimension::Plain, "cp", "#.###"},                   // gas viscosity
    {Dimension::LiquidRatio, "rm3/sm3", "#.###"},        // bw
    {Dimension::Plain, "cp", "##.##"},                   // water viscosity
    {Dimension::Density, "kg/m3", "#####.#"},            // oil density
    {Dimension::Density, "kg/m3", "#####.#"},            // gas density
    {Dimension::Density, "kg/m3", "#####.#"},            // water density
    {Dimension::Compressibility, "1e-5/bar", "###.#"},   // cf
    {Dimension::Compressibility, "1e-5/bar", "####.#"},  // ct
    {Dimension::Plain, "%", "###.#"},                    // so
    {Dimension::Plain, "%", "###.#"},                    // sw
    {Dimension::Plain, "%", "###.#"},                    // sg
}};
inline constexpr MetricDisplay kMetricGorAtBubblePoint = {Dimension::GasLiquidRatio, "sm3/sm3", "####.#"};

// A field as `system` shows it: the Field row unchanged, or its Metric unit, pattern and
// display factor (every metric conversion of an output is a pure scale).
constexpr OutputFieldInfo FieldInfo(OutputField field, GorSelectorMode mode, UnitSystem system) {
  OutputFieldInfo info = FieldInfo(field, mode);
  if (system == UnitSystem::Field) return info;
  const MetricDisplay& metric = field == OutputField::PbOrRsb && mode != GorSelectorMode::Gor
                                    ? kMetricGorAtBubblePoint
                                    : kMetricOutputs[IndexOf(field)];
  info.unit = metric.unit;
  info.pattern = metric.pattern;
  info.decimals = PatternDecimals(metric.pattern);
  info.displayFactor *= MetricConversion(metric.dimension).scale;
  return info;
}

// Every field's display factor in each GOR mode and unit system, worked out once: the
// factors a many-case loop scales by.
using DisplayFactors = std::array<double, kOutputFieldCount>;
constexpr DisplayFactors DisplayFactorsOf(GorSelectorMode mode, UnitSystem system) {
  DisplayFactors factors{};
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    factors[i] = FieldInfo(static_cast<OutputField>(i), mode, system).displayFactor;
  }
  return factors;
}
inline constexpr std::array<DisplayFactors, 4> kDisplayFactors = {
    DisplayFactorsOf(GorSelectorMode::Gor, UnitSystem::Field),
    DisplayFactorsOf(GorSelectorMode::Gor, UnitSystem::Metric),
    DisplayFactorsOf(GorSelectorMode::BubblePoint, UnitSystem::Field),
    DisplayFactorsOf(GorSelectorMode::BubblePoint, UnitSystem::Metric)};
constexpr const DisplayFactors& DisplayFactorsFor(GorSelectorMode mode, UnitSystem system) {
  return kDisplayFactors[(mode == GorSelectorMode::Gor ? 0 : 2) + (system == UnitSystem::Field ? 0 : 1)];
}

// The results by fluid, as the window groups them and every report lists them: each
// fluid's saturation last, then the rock and the totals.
struct ResultGroup {
  std::string_view heading;
  std::span<const OutputField> fields;
};
inline constexpr std::array<OutputField, 7> kOilGroupFields = {
    OutputField::Rs, OutputField::PbOrRsb,    OutputField::Bo, OutputField::OilViscosity,
    OutputField::Co, OutputField::OilDensity, OutputField::So};
inline constexpr std::array<OutputField, 6> kGasGroupFields = {
    OutputField::Z,  OutputField::Bg,         OutputField::GasViscosity,
    OutputField::Cg, OutputField::GasDensity, OutputField::Sg};
inline constexpr std::array<OutputField, 6> kWaterGroupFields = {
    OutputField::Rsw, OutputField::Bw,           OutputField::WaterViscosity,
    OutputField::Cw,  OutputField::WaterDensity, OutputField::Sw};
inline constexpr std::array<OutputField, 2> kRockGroupFields = {OutputField::Cf, OutputField::Ct};
inline constexpr std::array<ResultGroup, 4> kResultGroups = {{{"Oil", kOilGroupFields},
                                                              {"Gas", kGasGroupFields},
                                                              {"Water", kWaterGroupFields},
                                                              {"Rock and totals", kRockGroupFields}}};

// The value of a field in its display unit; empty when not computed.
inline Quantity DisplayValue(const ResultSet& results, OutputField field, GorSelectorMode mode,
                             UnitSystem system = UnitSystem::Field) {
  const Quantity value = ResultValue(results, field, mode);
  return value ? Quantity(*value * FieldInfo(field, mode, system).displayFactor) : std::nullopt;
}

}  // namespace tarnvik
