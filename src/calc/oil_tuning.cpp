#include "calc/oil_tuning.h"

#include <algorithm>
#include <cmath>

#include "base/formula.h"
#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"

namespace tarnvik {

double FamilyPressure(const OilTuning& tuning, double p) {
  if (!tuning.pressureMap.empty()) return tuning.pressureMap(p);
  const double scaled = p / tuning.pressureScale;
  if (tuning.pressureExponent == 1) return scaled;
  return scaled * Pow(p / tuning.referencePressure, tuning.pressureExponent - 1);
}

double PressureFromFamily(const OilTuning& tuning, double q) {
  if (!tuning.pressureMap.empty()) return tuning.pressureMap.Inverse(q);
  const double scaled = q * tuning.pressureScale;
  // A family pressure at or below 0 (a bubble point some families give for a tiny GOR)
  // stays as scaled, so that it is still reported as unphysical.
  if (tuning.pressureExponent == 1 || !(scaled > 0)) return scaled;
  const double pr = tuning.referencePressure;
  return pr * Pow(scaled / pr, 1 / tuning.pressureExponent);
}

double TunedSolutionGas(OilCorrelation family, const OilTuning& tuning, double gg, double p, double t, double api) {
  const double rs = OilFamilyOf(family).solutionGas(gg, FamilyPressure(tuning, p), t, api);
  return tuning.lowRsMap.empty() || !(rs < tuning.lowRsMap.nodes().back().x) ? rs : tuning.lowRsMap(rs);
}

double TunedBubblePoint(OilCorrelation family, const OilTuning& tuning, double gg, double rsb, double t, double api) {
  const double familyRs =
      tuning.lowRsMap.empty() || !(rsb < tuning.lowRsMap.nodes().back().y) ? rsb : tuning.lowRsMap.Inverse(rsb);
  return PressureFromFamily(tuning, OilFamilyOf(family).bubblePoint(gg, familyRs, t, api));
}

double TunedOilFvf(OilCorrelation family, const OilTuning& tuning, double gg, double t, double api, double rs) {
  const double rsRead = tuning.boMap.empty() ? rs : tuning.boMap(rs);
  return 1 + tuning.boFactor * (OilFamilyOf(family).oilFvf(gg, t, api, rsRead) - 1) + tuning.boShift;
}

double TunedSaturatedOilViscosity(const OilTuning& tuning, double api, double t, double rs) {
  if (tuning.viscosityCurve.empty() && tuning.deadOilViscosityFactor == 1) {
    return tuning.viscosityFactor * SaturatedOilViscosity(api, t, rs);
  }
  const double deadOil = tuning.deadOilViscosityFactor * DeadOilViscosity(api, t);
  if (tuning.viscosityCurve.empty()) return tuning.viscosityFactor * LiveOilViscosity(deadOil, rs);
  const double lnDeadRatio =
      std::log(deadOil / (tuning.deadOilViscosityFactor * DeadOilViscosity(api, tuning.referenceTemperature)));
  const double highest = tuning.viscosityCurve.points().back().x;
  const double at = std::min(rs, highest);
  double lnMu = tuning.viscosityCurve(at) + LiveOilViscosityExponent(at) * lnDeadRatio;
  if (rs > highest) {
    // Chew and Connally's slope at the highest Rs measured, where it falls; flat where it
    // would rise (beyond about 1700 SCF/STB the fit turns up, which no oil does).
    const double step = 1e-3 * highest;
    const double slope =
        std::log(LiveOilViscosity(deadOil, highest + step) / LiveOilViscosity(deadOil, highest)) / step;
    lnMu += std::min(slope, 0.0) * (rs - highest);
  }
  return tuning.viscosityFactor * std::exp(lnMu);
}

double TunedUndersaturatedOilViscosity(const OilTuning& tuning, double muOb, double p, double pb) {
  if (tuning.undersaturatedViscosityFactor == 1) return UndersaturatedOilViscosity(muOb, p, pb);
  return muOb + tuning.undersaturatedViscosityFactor * UndersaturatedViscositySlope(muOb) * (p - pb);
}

}  // namespace tarnvik
