// The case most tests start from: 35 °API, γg 0.75, 200 °F, 3000 psia, GOR 0.5 MCF/STB
// (bubble point 2203 psia with Standing), φ 20 %, Swc 25 %, 3 % NaCl, WOR 0.5, Hall.
#pragma once
#include "calc/calculation_case.h"

namespace tarnvik::testing {

inline CalculationCase TypicalOil(OilCorrelation family = OilCorrelation::Standing) {
  CalculationCase c;
  c.inputs = {35, 0.75, 200, 3000, 0.5, 20, 25, 3, 0.5};
  c.gorMode = GorSelectorMode::Gor;
  c.selection.oilCorrelation = family;
  c.selection.rockCorrelation = RockCorrelation::Hall;
  return c;
}

}  // namespace tarnvik::testing
