#include "oil/oil_viscosity.h"

#include <cmath>

#include "calc/formula.h"

namespace tarnvik {

void CalcOilViscosity(double apiGravity, double temperatureF, double rs, double& muO, double pressure,
                      double bubblePoint) {
  const double a = Pow10(0.43 + 8.33 / apiGravity);
  const double deadOil = (0.32 + 18000000 / std::pow(apiGravity, 4.53)) * std::pow(360 / (temperatureF + 200), a);
  const double factorA = Pow10(2.2e-07 * rs * rs - 0.00074 * rs);
  const double factorB = 0.68 / Pow10(8.62e-05 * rs) + 0.25 / Pow10(0.0011 * rs) + 0.062 / Pow10(0.00374 * rs);
  muO = factorA * std::pow(deadOil, factorB);
  if (pressure > bubblePoint) {
    const double lnMu = std::log(muO);
    const double slope = 0.001 * std::exp(0.091 * lnMu * lnMu + 0.98 * lnMu - 2.68);
    muO = muO + slope * (pressure - bubblePoint);
  }
}

}  // namespace tarnvik
