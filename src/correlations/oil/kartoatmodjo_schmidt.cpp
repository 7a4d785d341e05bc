#include "correlations/oil/kartoatmodjo_schmidt.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

using std::pow;

double KartoatmodjoSchmidtSolutionGas(double gg, double p, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? 0.0315 * pow(gg, 0.7567) * pow(p, 1.0937) * Pow10(11.2895 * api / tr)
                  : 0.05958 * pow(gg, 0.7972) * pow(p, 1.0014) * Pow10(13.1405 * api / tr);
}

double KartoatmodjoSchmidtBubblePoint(double gg, double rsb, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? pow(rsb / (0.0315 * pow(gg, 0.7567) * Pow10(11.2895 * api / tr)), 0.91433)
                  : pow(rsb / (0.05958 * pow(gg, 0.7972) * Pow10(13.1405 * api / tr)), 0.9986);
}

double KartoatmodjoSchmidtOilFvf(double gg, double t, double api, double rs) {
  const double f = pow(rs, 0.755) * pow(gg, 0.25) * pow(OilSpecificGravity(api), -1.5) + 0.45 * t;
  return 0.98496 + 0.0001 * pow(f, 1.5);
}

}  // namespace tarnvik
