#include "correlations/oil/kartoatmodjo_schmidt.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double KartoatmodjoSchmidtSolutionGas(double gg, double p, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? 0.0315 * Pow(gg, 0.7567) * Pow(p, 1.0937) * Pow10(11.2895 * api / tr)
                  : 0.05958 * Pow(gg, 0.7972) * Pow(p, 1.0014) * Pow10(13.1405 * api / tr);
}

double KartoatmodjoSchmidtBubblePoint(double gg, double rsb, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? Pow(rsb / (0.0315 * Pow(gg, 0.7567) * Pow10(11.2895 * api / tr)), 0.91433)
                  : Pow(rsb / (0.05958 * Pow(gg, 0.7972) * Pow10(13.1405 * api / tr)), 0.9986);
}

double KartoatmodjoSchmidtOilFvf(double gg, double t, double api, double rs) {
  const double f = Pow(rs, 0.755) * Pow(gg, 0.25) * Pow(OilSpecificGravity(api), -1.5) + 0.45 * t;
  return 0.98496 + 0.0001 * Pow(f, 1.5);
}

}  // namespace tarnvik
