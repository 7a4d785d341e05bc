#include "correlations/oil/al_marhoun.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double AlMarhounSolutionGas(double gg, double p, double t, double api) {
  return Pow(185.843208 * Pow(gg, 1.87784) * Pow(OilSpecificGravity(api), -3.1437) * Pow(Rankine(t), -1.32657) * p,
             1.398441);
}

double AlMarhounBubblePoint(double gg, double rsb, double t, double api) {
  return 0.00538088 * Pow(rsb, 0.715082) * Pow(gg, -1.87784) * Pow(OilSpecificGravity(api), 3.1437) *
         Pow(Rankine(t), 1.32657);
}

double AlMarhounOilFvf(double gg, double t, double api, double rs) {
  const double f = Pow(rs, 0.74239) * Pow(gg, 0.323294) * Pow(OilSpecificGravity(api), -1.20204);
  return 0.497069 + 0.000862963 * Rankine(t) + 0.00182594 * f + 3.18099e-06 * f * f;
}

}  // namespace tarnvik
