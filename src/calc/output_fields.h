// The 21 output fields of a calculation, in the order the window shows them: control
// name, data column name, caption, display unit and digit-place pattern.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/selector_modes.h"

namespace tarnvik {

enum class OutputField : std::uint8_t {
  Rs,
  Bo,
  OilViscosity,
  Pbx,
  Z,
  Bg,
  Rsw,
  Co,
  Cg,
  Cw,
  GasViscosity,
  Bw,
  WaterViscosity,
  OilDensity,
  GasDensity,
  WaterDensity,
  Cf,
  Ct,
  So,
  Sw,
  Sg,
};

inline constexpr std::size_t kOutputFieldCount = 21;

struct OutputFieldInfo {
  std::string_view control;  // object name of the output field in the window
  std::string_view column;   // column name in tables and data files
  std::string_view caption;  // what the value is, in words
  std::string_view unit;     // display unit
  std::string_view pattern;  // digit-place pattern
};

// The bubble-point/GOR field (Pbx) depends on the GOR selector; see PbxFieldInfo.
inline constexpr std::array<OutputFieldInfo, kOutputFieldCount> kOutputFields = {{
    {"rsx", "rs", "Solution gas-oil ratio", "MCF/STB", "#.###"},
    {"box", "bo", "Oil formation volume factor", "RB/STB", "#.###"},
    {"vox", "oil_viscosity", "Oil viscosity", "cp", "####.##"},
    {"pbx", "pbx", "Bubble-point pressure", "psia", "#####."},
    {"zx", "z", "Gas deviation factor z", "", "#.###"},
    {"bgx", "bg", "Gas formation volume factor", "RB/MCF", "##.###"},
    {"rswx", "rsw", "Solution gas-water ratio", "MCF/STB", "#.###"},
    {"cox", "co", "Oil compressibility", "microsips", "###.#"},
    {"cgx", "cg", "Gas compressibility", "microsips", "####.#"},
    {"cwx", "cw", "Water compressibility", "microsips", "##.#"},
    {"vgx", "gas_viscosity", "Gas viscosity", "cp", "#.###"},
    {"bwx", "bw", "Water formation volume factor", "RB/STB", "#.###"},
    {"vwx", "water_viscosity", "Water viscosity", "cp", "##.##"},
    {"odx", "oil_density", "Oil density", "lb/ft3", "####.##"},
    {"gdx", "gas_density", "Gas density", "lb/ft3", "####.##"},
    {"wdx", "water_density", "Water density", "lb/ft3", "####.##"},
    {"cfx", "cf", "Formation compressibility", "microsips", "###.#"},
    {"ctx", "ct", "Total compressibility", "microsips", "####.#"},
    {"sox", "so", "Oil saturation", "%", "###.#"},
    {"swx", "sw", "Water saturation", "%", "###.#"},
    {"sgx", "sg", "Gas saturation", "%", "###.#"},
}};

constexpr const OutputFieldInfo& InfoOf(OutputField field) { return kOutputFields[static_cast<std::size_t>(field)]; }

// The bubble-point/GOR field shows pb [psia] with "#####." in Gor mode and the GOR at the
// bubble point [MCF/STB] with "##.###" otherwise.
constexpr OutputFieldInfo PbxFieldInfo(GorSelectorMode mode) {
  if (mode == GorSelectorMode::Gor) return InfoOf(OutputField::Pbx);
  return {"pbx", "pbx", "Gas-oil ratio at the bubble point", "MCF/STB", "##.###"};
}

}  // namespace tarnvik
