// The gas impurities of a case in words, for every face that says a result was corrected
// for them: the command line's reports and tables, the simulator export's header, the
// window's copy and report.
#pragma once

#include <string>

#include "correlations/gas/gas_impurities.h"

namespace tarnvik {

// "CO2 5 mol %, H2S 10 mol %, N2 0.5 mol %" (the impurities present); empty without any.
std::string ImpuritiesText(const GasImpurities& impurities);

// "CO2 5 mol %, H2S 10 mol %: pseudo-critical properties corrected by Wichert and Aziz (CO2,
// H2S) and Carr, Kobayashi and Burrows (N2), gas viscosity by Carr, Kobayashi and Burrows'
// corrections" (the corrections in force); empty without impurities.
std::string ImpuritiesDescription(const GasImpurities& impurities);

}  // namespace tarnvik
