// The 21 results a run reports, in the order the window shows them, and their values in
// calculation units.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "calc/result_set.h"
#include "calc/selector_modes.h"

namespace tarnvik {

enum class OutputField : std::uint8_t {
  Rs,
  Bo,
  OilViscosity,
  PbOrRsb,  // the member of (pb, Rsb) the user did not give: pb in Gor mode, Rsb otherwise
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

constexpr std::size_t IndexOf(OutputField field) { return static_cast<std::size_t>(field); }

// The value of a field in calculation units (SCF/STB, 1/psi, fractions); empty when it
// was not computed.
Quantity ResultValue(const ResultSet& results, OutputField field, GorSelectorMode gorMode);

// Every field's value at once, by field index: what a loop over many runs reads.
std::array<Quantity, kOutputFieldCount> ResultValues(const ResultSet& results, GorSelectorMode gorMode);

}  // namespace tarnvik
