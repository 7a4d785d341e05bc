#include "correlations/oil/farshad.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double FarshadSolutionGas(double gg, double p, double t, double api) {
  return 0.01936 * Pow(p, 1.1574) * Pow(gg, 0.73495) * Pow10(0.000337 * t + 0.01771 * api);
}

double FarshadBubblePoint(double gg, double rsb, double t, double api) {
  return Pow(rsb / (0.01936 * Pow(gg, 0.73495) * Pow10(0.000337 * t + 0.01771 * api)), 0.864);
}

double FarshadOilFvf(double gg, double t, double api, double rs) {
  const double f = Pow(rs, 0.5956) * Pow(gg, 0.2369) * Pow(OilSpecificGravity(api), -0.13282) + 0.0976 * t;
  return 1 + Pow10(-2.6541 + 0.5516 * Log10(f) + 0.331 * Log10(f * f));
}

}  // namespace tarnvik
