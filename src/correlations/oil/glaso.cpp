#include "correlations/oil/glaso.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double GlasoSolutionGas(double gg, double p, double t, double api) {
  return gg * Pow(Pow(api, 0.989) / Pow(t, 0.172) * Pow10(2.8869 - Pow(14.1811 - 3.3093 * Log10(p), 0.5)), 1.2255);
}

double GlasoBubblePoint(double gg, double rsb, double t, double api) {
  const double x = Log10(Pow(rsb / gg, 0.816) * Pow(t, 0.172) * Pow(api, -0.989));
  return Pow10(1.7669 + 1.7447 * x - 0.30218 * x * x);
}

double GlasoOilFvf(double gg, double t, double api, double rs) {
  const double a = Log10(rs * Pow(gg / OilSpecificGravity(api), 0.526) + 0.968 * t);
  return 1 + Pow10(-6.58511 + 2.91329 * a - 0.27683 * a * a);
}

}  // namespace tarnvik
