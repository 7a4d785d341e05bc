// One case as the calculation needs it: the nine inputs, what the fifth and eighth mean,
// and the correlations chosen. The tables and the export run this case at other
// pressures or with other oil families.
#pragma once
#include "calc/correlation_selection.h"
#include "calc/input_set.h"
#include "calc/selector_modes.h"

namespace tarnvik {

struct CalculationCase {
  InputSet inputs;
  GorSelectorMode gorMode = GorSelectorMode::BubblePoint;
  WaterSelectorMode waterMode = WaterSelectorMode::Salinity;
  CorrelationSelection selection;

  friend bool operator==(const CalculationCase&, const CalculationCase&) = default;
};

}  // namespace tarnvik
