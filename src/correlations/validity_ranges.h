// The data every correlation of the program was fitted to, as its paper reports it: one
// table for the whole program. Each row names the correlation (and through it the paper),
// the quantity, its unit at the correlation's interface, and the lowest and highest value
// of the data. A value exactly at a limit lies inside the data.
//
// Outside these ranges a correlation still gives a value; the calculation run says so
// (see calc/data_range_checks.h) and changes no number.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/data_range.h"
#include "correlations/choices.h"

namespace tarnvik {

// Every correlation of the program. The first nine are the oil families, in the order of
// OilCorrelation.
enum class Correlation : std::uint8_t {
  Standing,
  VazquezBeggs,
  Glaso,
  AlMarhoun,
  PetroskyFarshad,
  DoklaOsman,
  Farshad,
  ObomanuOkpobiri,
  KartoatmodjoSchmidt,
  VazquezBeggsCompressibility,     // undersaturated oil compressibility, every family but Petrosky/Farshad
  PetroskyFarshadCompressibility,  // undersaturated oil compressibility of Petrosky/Farshad
  BealDeadOilViscosity,
  ChewConnallyViscosity,  // gas in solution
  BealUndersaturatedViscosity,
  HallYarborough,        // z-factor
  LeeGonzalezEakin,      // gas viscosity
  WaterSolutionGas,      // after Culberson and McKetta
  WaterFvf,              // salinity factor after Numbere, Brigham and Standing
  WaterViscosity,        // Kestin, Khalifa and Correia
  WaterCompressibility,  // Meehan
  HallRock,
  VanDerKnaap,
  Newman,
  YaleEtAl,
  WichertAziz,                    // pseudo-critical properties of a gas with CO2 and H2S
  CarrKobayashiBurrowsNitrogen,   // pseudo-critical properties of a gas with N2
  CarrKobayashiBurrowsViscosity,  // gas viscosity of a gas with CO2, H2S and N2
};
inline constexpr std::size_t kCorrelationCount = 27;

// The correlation of an oil family (Standing for a stored value outside 0..8).
constexpr Correlation FamilyCorrelation(OilCorrelation family) {
  return static_cast<Correlation>(EffectiveOilCorrelation(family));
}

// The correlation of a rock choice; empty for none.
constexpr std::optional<Correlation> RockCorrelationOf(RockCorrelation rock) {
  switch (rock) {
    case RockCorrelation::Hall:
      return Correlation::HallRock;
    case RockCorrelation::VanDerKnaap:
      return Correlation::VanDerKnaap;
    case RockCorrelation::YaleEtAl:
      return Correlation::YaleEtAl;
    case RockCorrelation::Newman:
      return Correlation::Newman;
    case RockCorrelation::None:
      break;
  }
  return std::nullopt;
}

// The quantities a range is given for.
enum class RangedQuantity : std::uint8_t {
  ApiGravity,          // °API
  GasGravity,          // air = 1
  Temperature,         // °F
  Pressure,            // psia
  BubblePoint,         // psia
  GorAtBubblePoint,    // Rsb, SCF/STB
  SolutionGor,         // Rs, SCF/STB
  Bo,                  // oil formation volume factor at or below the bubble point, RB/STB
  ReducedTemperature,  // Tpr
  ReducedPressure,     // Ppr
  Salinity,            // % NaCl
  Porosity,            // percent
  Co2,                 // mol % of the gas
  H2s,                 // mol % of the gas
  N2,                  // mol % of the gas
};
inline constexpr std::size_t kRangedQuantityCount = 15;

// The unit of a quantity at the correlations' interface ("°API", "psia", "SCF/STB", ...;
// empty for the dimensionless ones).
std::string_view InterfaceUnit(RangedQuantity quantity);

// How far a range was checked.
enum class RangeCheck : std::uint8_t {
  // Read in the paper itself.
  Paper,
  // Agrees with a published compilation that cites the paper; the paper itself was not
  // at hand.
  Compilation,
  // As the program has always documented it; neither the paper nor a compilation that
  // agrees was at hand.
  NotConfirmed,
};

struct ValidityRange {
  Correlation correlation;
  RangedQuantity quantity;
  DataRange range;  // in InterfaceUnit(quantity)
  RangeCheck check;
};

// Who published a correlation and where.
struct CorrelationSource {
  std::string_view authors;  // "Glaso", "Vazquez and Beggs", "Yale et al."
  int year;
  std::string_view subject;  // what of theirs it is, where the authors published more than one ("oil compressibility");
                             // empty otherwise
  std::string_view code;     // a short name without blanks, for data files: "Glaso", "Vazquez-Beggs-co"
  std::string_view reference;  // the full reference
};

const CorrelationSource& SourceOf(Correlation correlation);

// The whole table, grouped by correlation in enum order.
std::span<const ValidityRange> ValidityRanges();

// The rows of one correlation; empty where no range is known (Obomanu and Okpobiri, Yale
// et al.).
std::span<const ValidityRange> RangesOf(Correlation correlation);

}  // namespace tarnvik
