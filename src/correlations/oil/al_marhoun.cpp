#include "correlations/oil/al_marhoun.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

using std::pow;

double AlMarhounSolutionGas(double gg, double p, double t, double api) {
  return pow(185.843208 * pow(gg, 1.87784) * pow(OilSpecificGravity(api), -3.1437) * pow(Rankine(t), -1.32657) * p,
             1.398441);
}

double AlMarhounBubblePoint(double gg, double rsb, double t, double api) {
  return 0.00538088 * pow(rsb, 0.715082) * pow(gg, -1.87784) * pow(OilSpecificGravity(api), 3.1437) *
         pow(Rankine(t), 1.32657);
}

double AlMarhounOilFvf(double gg, double t, double api, double rs) {
  const double f = pow(rs, 0.74239) * pow(gg, 0.323294) * pow(OilSpecificGravity(api), -1.20204);
  return 0.497069 + 0.000862963 * Rankine(t) + 0.00182594 * f + 3.18099e-06 * f * f;
}

}  // namespace tarnvik
