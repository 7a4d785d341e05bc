// The nine numbers of a case, as read from the input boxes or a case file, and the gas's
// impurities (0 unless given).
#pragma once

#include <cstddef>
#include <cstdint>

#include "correlations/gas/gas_impurities.h"

namespace tarnvik {

// The nine inputs, in the order of the window's boxes (apix, ggx, tx, px, bpx, phix, swcx,
// saltx, worx).
enum class InputField : std::uint8_t {
  ApiGravity,
  GasGravity,
  Temperature,
  Pressure,
  GorOrPb,
  Porosity,
  Swc,
  SalinityOrSg,
  Wor,
};

struct InputSet {
  double apiGravity = 0;    // stock-tank oil gravity, °API; above 0 means oil is present
  double gasGravity = 0;    // gas specific gravity (air = 1); above 0 means gas is present
  double temperatureF = 0;  // reservoir temperature, °F
  double pressure = 0;      // reservoir pressure, psia
  double gorOrPb = 0;       // GOR at the bubble point, MCF/STB (Gor mode) or bubble-point pressure, psia
  double porosity = 0;      // percent
  double swc = 0;           // connate-water saturation, percent
  double salinityOrSg = 0;  // % NaCl (Salinity mode) or water specific gravity, as typed
  double wor = 0;           // water–oil ratio, STB/STB
  // CO2, H2S and N2 in the gas, mol %: the optional "Gas impurities" row, saved as an
  // extension line after the case record (model/case_gas.h).
  GasImpurities impurities{};

  friend bool operator==(const InputSet&, const InputSet&) = default;
};

inline constexpr std::size_t kInputFieldCount = 9;

// The members of the nine inputs, in the order of InputField.
inline constexpr double InputSet::*kInputMembers[kInputFieldCount] = {
    &InputSet::apiGravity, &InputSet::gasGravity, &InputSet::temperatureF, &InputSet::pressure, &InputSet::gorOrPb,
    &InputSet::porosity,   &InputSet::swc,        &InputSet::salinityOrSg, &InputSet::wor};

// The input of a field: the one index of the nine inputs, wherever a face numbers them.
constexpr double& InputValue(InputSet& in, InputField field) {
  return in.*kInputMembers[static_cast<std::size_t>(field)];
}
constexpr double InputValue(const InputSet& in, InputField field) {
  return InputValue(const_cast<InputSet&>(in), field);
}

}  // namespace tarnvik
