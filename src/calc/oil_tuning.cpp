#include "calc/oil_tuning.h"

#include <cmath>

#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"

namespace tarnvik {

double FamilyPressure(const OilTuning& tuning, double p) {
  const double scaled = p / tuning.pressureScale;
  if (tuning.pressureExponent == 1) return scaled;
  return scaled * std::pow(p / tuning.referencePressure, tuning.pressureExponent - 1);
}

double PressureFromFamily(const OilTuning& tuning, double q) {
  const double scaled = q * tuning.pressureScale;
  // A family pressure at or below 0 (a bubble point some families give for a tiny GOR)
  // stays as scaled, so that it is still reported as unphysical.
  if (tuning.pressureExponent == 1 || !(scaled > 0)) return scaled;
  const double pr = tuning.referencePressure;
  return pr * std::pow(scaled / pr, 1 / tuning.pressureExponent);
}

double TunedSolutionGas(OilCorrelation family, const OilTuning& tuning, double gg, double p, double t, double api) {
  return OilFamilyOf(family).solutionGas(gg, FamilyPressure(tuning, p), t, api);
}

double TunedBubblePoint(OilCorrelation family, const OilTuning& tuning, double gg, double rsb, double t, double api) {
  return PressureFromFamily(tuning, OilFamilyOf(family).bubblePoint(gg, rsb, t, api));
}

double TunedOilFvf(OilCorrelation family, const OilTuning& tuning, double gg, double t, double api, double rs) {
  return 1 + tuning.boFactor * (OilFamilyOf(family).oilFvf(gg, t, api, rs) - 1);
}

double TunedSaturatedOilViscosity(const OilTuning& tuning, double api, double t, double rs) {
  return tuning.viscosityFactor * SaturatedOilViscosity(api, t, rs);
}

}  // namespace tarnvik
