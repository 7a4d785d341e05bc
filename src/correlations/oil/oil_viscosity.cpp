#include "correlations/oil/oil_viscosity.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double DeadOilViscosity(double api, double t) {
  const double a = Pow10(0.43 + 8.33 / api);
  return (0.32 + 18000000 / Pow(api, 4.53)) * Pow(360 / (t + 200), a);
}

double LiveOilViscosityExponent(double rs) {
  return 0.68 / Pow10(8.62e-05 * rs) + 0.25 / Pow10(0.0011 * rs) + 0.062 / Pow10(0.00374 * rs);
}

double LiveOilViscosity(double deadOil, double rs) {
  const double factorA = Pow10(2.2e-07 * rs * rs - 0.00074 * rs);
  return factorA * Pow(deadOil, LiveOilViscosityExponent(rs));
}

double SaturatedOilViscosity(double api, double t, double rs) { return LiveOilViscosity(DeadOilViscosity(api, t), rs); }

double UndersaturatedViscositySlope(double muOb) {
  const double lnMu = std::log(muOb);
  return 0.001 * std::exp(0.091 * lnMu * lnMu + 0.98 * lnMu - 2.68);
}

double UndersaturatedOilViscosity(double muOb, double p, double pb) {
  return muOb + UndersaturatedViscositySlope(muOb) * (p - pb);
}

}  // namespace tarnvik
