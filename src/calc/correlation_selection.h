// The correlations a case runs with: oil family, gas characterisation, rock
// compressibility correlation and formation type.
#pragma once

#include "calc/oil_tuning.h"
#include "correlations/choices.h"

namespace tarnvik {

struct CorrelationSelection {
  OilCorrelation oilCorrelation = OilCorrelation::Standing;
  GasCharacterisation gasCharacterisation = GasCharacterisation::WetGas;
  RockCorrelation rockCorrelation = RockCorrelation::None;
  FormationType formationType = FormationType::None;
  // The oil family tuned to laboratory data; off unless the user applied tuning. It
  // applies only while its family is the one in force.
  OilTuning oilTuning;

  friend bool operator==(const CorrelationSelection&, const CorrelationSelection&) = default;
};

// The tuning the run applies to the oil family in force; null when there is none.
constexpr const OilTuning* TuningInForce(const CorrelationSelection& selection) {
  return TunesFamily(selection.oilTuning, selection.oilCorrelation) ? &selection.oilTuning : nullptr;
}

// The gas tuning the run applies: that of the tuning in force, unless it changes nothing.
constexpr const GasTuning* GasTuningInForce(const CorrelationSelection& selection) {
  const OilTuning* tuning = TuningInForce(selection);
  return tuning && !tuning->gas.identity() ? &tuning->gas : nullptr;
}

// Newman and Yale et al. read the formation type; the other rock correlations do not.
constexpr bool UsesFormationType(RockCorrelation rock) {
  return rock == RockCorrelation::Newman || rock == RockCorrelation::YaleEtAl;
}

}  // namespace tarnvik
