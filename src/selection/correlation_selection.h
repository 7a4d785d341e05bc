// The user's choice of correlations: oil family, gas characterisation,
// rock-compressibility correlation and formation type.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnvik {

// Oil correlation family. Any value outside 0..8 is treated as Standing,
// the family that applies until the user chooses one.
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

// Pseudo-critical gas characterisation. Only the value 1 means dry gas;
// every other value means wet gas.
enum class GasCharacterisation : std::int16_t {
  WetGas = 0,
  DryGas = 1,
};

struct CorrelationSelection {
  OilCorrelation oilCorrelation = OilCorrelation::Standing;
  GasCharacterisation gasCharacterisation = GasCharacterisation::WetGas;
  std::string rockCorrelation;  // "Hall", "Van der Knaap", "Yale et. al.", "Newman" or empty
  std::string formationType;    // "Consolidated Sands", ..., "Carbonates" or empty
};

// The items of the selection lists, in the order they are offered.
inline constexpr std::array<std::string_view, 9> kOilCorrelationItems = {
    "Standing : California Crudes",
    "Vazquez/Beggs : Worldwide Crudes",
    "Glaso : North Sea Crudes",
    "Al-Marhoun : Middle East Crudes",
    "Petrosky/Farshad : Gulf of Mexico Crudes",
    "Dokla/Osman : U.A.E. crudes",
    "Farshad : Columbian Crudes",
    "Obomanu/Okpobiri : Nigerian Crudes",
    "Kartoatmodjo/Schmidt : Worldwide Crudes",
};
inline constexpr std::array<std::string_view, 2> kGasCharacterisationItems = {"Wet Gas", "Dry Gas"};
inline constexpr std::array<std::string_view, 4> kRockCorrelationItems = {"Hall", "Van der Knaap", "Yale et. al.",
                                                                          "Newman"};
inline constexpr std::array<std::string_view, 4> kFormationTypeItems = {"Consolidated Sands", "Friable Sands",
                                                                        "Unconsolidated Sands", "Carbonates"};

// The family that applies for a stored value: Standing for any value outside 0..8.
OilCorrelation EffectiveOilCorrelation(OilCorrelation stored);

// Applies an oil-family caption by its first three characters ("Sta", "Vaz", "Gla",
// "Al-", "Pet", "Dok", "Far", "Obo", "Kar", case-sensitive). Returns false and leaves
// the family unchanged when the prefix matches none.
bool ApplyOilCorrelationCaption(std::string_view caption, CorrelationSelection& selection);

// Applies a gas caption: "Wet..." selects wet gas, "Dry..." dry gas; anything else
// leaves the characterisation unchanged and returns false.
bool ApplyGasCharacterisationCaption(std::string_view caption, CorrelationSelection& selection);

// The rock correlations that read the formation type: exactly "Newman" or "Yale et. al.".
bool RockCorrelationUsesFormationType(std::string_view rockCorrelation);

// Short display name of a family ("Standing", "Vazquez/Beggs", ...).
std::string_view OilCorrelationName(OilCorrelation family);

}  // namespace tarnvik
