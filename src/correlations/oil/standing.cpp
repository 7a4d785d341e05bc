#include "correlations/oil/standing.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double StandingSolutionGas(double gg, double p, double t, double api) {
  return gg * Pow((p + 25.48) / (18.2 * Pow10(0.00091 * t - 0.0125 * api)), 1.205);
}

double StandingBubblePoint(double gg, double rsb, double t, double api) {
  return Pow(rsb / gg, 1.0 / 1.205) * 18.2 * Pow10(0.00091 * t - 0.0125 * api) - 25.48;
}

double StandingOilFvf(double gg, double t, double api, double rs) {
  const double f = rs * std::sqrt(gg / OilSpecificGravity(api)) + 1.25 * t;
  return 0.9759 + 0.00012 * Pow(f, 1.2);
}

}  // namespace tarnvik
