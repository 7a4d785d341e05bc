#include "calc/oil_tuning.h"

#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"

namespace tarnvik {

double TunedSolutionGas(OilCorrelation family, const OilTuning& tuning, double gg, double p, double t, double api) {
  return OilFamilyOf(family).solutionGas(gg, p / tuning.pressureScale, t, api);
}

double TunedBubblePoint(OilCorrelation family, const OilTuning& tuning, double gg, double rsb, double t, double api) {
  return tuning.pressureScale * OilFamilyOf(family).bubblePoint(gg, rsb, t, api);
}

double TunedOilFvf(OilCorrelation family, const OilTuning& tuning, double gg, double t, double api, double rs) {
  return 1 + tuning.boFactor * (OilFamilyOf(family).oilFvf(gg, t, api, rs) - 1);
}

double TunedSaturatedOilViscosity(const OilTuning& tuning, double api, double t, double rs) {
  return tuning.viscosityFactor * SaturatedOilViscosity(api, t, rs);
}

}  // namespace tarnvik
