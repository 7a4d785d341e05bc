// The correlations a case runs with: oil family, gas characterisation, rock
// compressibility correlation and formation type.
#pragma once

#include "correlations/choices.h"

namespace tarnvik {

struct CorrelationSelection {
  OilCorrelation oilCorrelation = OilCorrelation::Standing;
  GasCharacterisation gasCharacterisation = GasCharacterisation::WetGas;
  RockCorrelation rockCorrelation = RockCorrelation::None;
  FormationType formationType = FormationType::None;

  friend bool operator==(const CorrelationSelection&, const CorrelationSelection&) = default;
};

// Newman and Yale et al. read the formation type; the other rock correlations do not.
constexpr bool UsesFormationType(RockCorrelation rock) {
  return rock == RockCorrelation::Newman || rock == RockCorrelation::YaleEtAl;
}

}  // namespace tarnvik
