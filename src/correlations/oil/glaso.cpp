#include "correlations/oil/glaso.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

using std::pow;

double GlasoSolutionGas(double gg, double p, double t, double api) {
  return gg * pow(pow(api, 0.989) / pow(t, 0.172) * Pow10(2.8869 - pow(14.1811 - 3.3093 * Log10(p), 0.5)), 1.2255);
}

double GlasoBubblePoint(double gg, double rsb, double t, double api) {
  const double x = Log10(pow(rsb / gg, 0.816) * pow(t, 0.172) * pow(api, -0.989));
  return Pow10(1.7669 + 1.7447 * x - 0.30218 * x * x);
}

double GlasoOilFvf(double gg, double t, double api, double rs) {
  const double a = Log10(rs * pow(gg / OilSpecificGravity(api), 0.526) + 0.968 * t);
  return 1 + Pow10(-6.58511 + 2.91329 * a - 0.27683 * a * a);
}

}  // namespace tarnvik
