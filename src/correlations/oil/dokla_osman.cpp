#include "correlations/oil/dokla_osman.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double DoklaOsmanSolutionGas(double gg, double p, double t, double api) {
  return Pow(0.000119562 * p * Pow(gg, 1.01049) * Pow(OilSpecificGravity(api), -0.107941) * Pow(Rankine(t), 0.952584),
             1.3811258);
}

double DoklaOsmanBubblePoint(double gg, double rsb, double t, double api) {
  return Pow(rsb, 0.72405) /
         (0.000119562 * Pow(gg, 1.01049) * Pow(OilSpecificGravity(api), -0.107941) * Pow(Rankine(t), 0.952584));
}

double DoklaOsmanOilFvf(double gg, double t, double api, double rs) {
  const double f = Pow(rs, 0.773572) * Pow(gg, 0.40402) * Pow(OilSpecificGravity(api), -0.882605);
  return 0.0431935 + 0.00156667 * Rankine(t) + 0.00139775 * f + 3.80525e-06 * f * f;
}

}  // namespace tarnvik
