#include "selection/correlation_selection.h"

namespace tarnvik {

namespace {

struct OilPrefix {
  std::string_view prefix;
  OilCorrelation family;
  std::string_view name;
};

// Tested in this order; "Pet" and "Far" keep Petrosky/Farshad and Farshad apart.
constexpr std::array<OilPrefix, 9> kOilPrefixes = {{
    {"Sta", OilCorrelation::Standing, "Standing"},
    {"Vaz", OilCorrelation::VazquezBeggs, "Vazquez/Beggs"},
    {"Gla", OilCorrelation::Glaso, "Glaso"},
    {"Al-", OilCorrelation::AlMarhoun, "Al-Marhoun"},
    {"Pet", OilCorrelation::PetroskyFarshad, "Petrosky/Farshad"},
    {"Dok", OilCorrelation::DoklaOsman, "Dokla/Osman"},
    {"Far", OilCorrelation::Farshad, "Farshad"},
    {"Obo", OilCorrelation::ObomanuOkpobiri, "Obomanu/Okpobiri"},
    {"Kar", OilCorrelation::KartoatmodjoSchmidt, "Kartoatmodjo/Schmidt"},
}};

}  // namespace

OilCorrelation EffectiveOilCorrelation(OilCorrelation stored) {
  const auto value = static_cast<std::int16_t>(stored);
  return value >= 0 && value <= 8 ? stored : OilCorrelation::Standing;
}

bool ApplyOilCorrelationCaption(std::string_view caption, CorrelationSelection& selection) {
  for (const auto& entry : kOilPrefixes) {
    if (caption.starts_with(entry.prefix)) {
      selection.oilCorrelation = entry.family;
      return true;
    }
  }
  return false;
}

bool ApplyGasCharacterisationCaption(std::string_view caption, CorrelationSelection& selection) {
  if (caption.starts_with("Wet")) {
    selection.gasCharacterisation = GasCharacterisation::WetGas;
    return true;
  }
  if (caption.starts_with("Dry")) {
    selection.gasCharacterisation = GasCharacterisation::DryGas;
    return true;
  }
  return false;
}

bool RockCorrelationUsesFormationType(std::string_view rockCorrelation) {
  return rockCorrelation == "Newman" || rockCorrelation == "Yale et. al.";
}

std::string_view OilCorrelationName(OilCorrelation family) {
  return kOilPrefixes[static_cast<std::size_t>(EffectiveOilCorrelation(family))].name;
}

}  // namespace tarnvik
