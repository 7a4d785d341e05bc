// The choices of correlation a case makes: oil family, gas characterisation, rock
// compressibility correlation and formation type. Each correlation function takes the one
// it needs.
#pragma once

#include <cstdint>

namespace tarnvik {

// Oil correlation family. Any value outside 0..8 is treated as Standing, the family that
// applies until the user chooses one.
enum class OilCorrelation : std::int16_t {
  Standing = 0,
  VazquezBeggs = 1,
  Glaso = 2,
  AlMarhoun = 3,
  PetroskyFarshad = 4,
  DoklaOsman = 5,
  Farshad = 6,
  ObomanuOkpobiri = 7,
  KartoatmodjoSchmidt = 8,
};
inline constexpr int kOilCorrelationCount = 9;

// The family that applies for a stored value: Standing for any value outside 0..8.
constexpr OilCorrelation EffectiveOilCorrelation(OilCorrelation stored) {
  const auto value = static_cast<std::int16_t>(stored);
  return value >= 0 && value < kOilCorrelationCount ? stored : OilCorrelation::Standing;
}

// Pseudo-critical gas characterisation. Only the value 1 means dry gas; every other value
// means wet gas.
enum class GasCharacterisation : std::int16_t {
  WetGas = 0,
  DryGas = 1,
};

// Pore-volume compressibility correlation; None until one is chosen.
enum class RockCorrelation : std::int8_t { None, Hall, VanDerKnaap, YaleEtAl, Newman };

// Formation type read by Newman and Yale et al.; None until one is chosen.
enum class FormationType : std::int8_t { None, ConsolidatedSands, FriableSands, UnconsolidatedSands, Carbonates };

}  // namespace tarnvik
