#include "correlations/oil/oil_viscosity.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double SaturatedOilViscosity(double api, double t, double rs) {
  const double a = Pow10(0.43 + 8.33 / api);
  const double deadOil = (0.32 + 18000000 / std::pow(api, 4.53)) * std::pow(360 / (t + 200), a);
  const double factorA = Pow10(2.2e-07 * rs * rs - 0.00074 * rs);
  const double factorB = 0.68 / Pow10(8.62e-05 * rs) + 0.25 / Pow10(0.0011 * rs) + 0.062 / Pow10(0.00374 * rs);
  return factorA * std::pow(deadOil, factorB);
}

double UndersaturatedOilViscosity(double muOb, double p, double pb) {
  const double lnMu = std::log(muOb);
  const double slope = 0.001 * std::exp(0.091 * lnMu * lnMu + 0.98 * lnMu - 2.68);
  return muOb + slope * (p - pb);
}

}  // namespace tarnvik
