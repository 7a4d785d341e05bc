#include "correlations/oil/vazquez_beggs.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double VazquezBeggsSolutionGas(double gg, double p, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? 0.0178 * gg * Pow(p, 1.187) * std::exp(23.931 * api / tr)
                  : 0.0362 * gg * Pow(p, 1.0937) * std::exp(25.724 * api / tr);
}

double VazquezBeggsBubblePoint(double gg, double rsb, double t, double api) {
  const double tr = Rankine(t);
  return api > 30 ? Pow(56.18 * rsb / gg * Pow10(-10.393 * api / tr), 0.84246)
                  : Pow(27.62 * rsb / gg * Pow10(-11.172 * api / tr), 0.914328);
}

double VazquezBeggsOilFvf(double gg, double t, double api, double rs) {
  const bool light = api > 30;
  const double c1 = light ? 0.000467 : 0.0004677;
  const double c2 = light ? 1.1e-05 : 1.751e-05;
  const double c3 = light ? 1.337e-09 : -1.811e-08;
  return 1 + c1 * rs + (t - 60) * (api / gg) * (c2 + c3 * rs);
}

double VazquezBeggsUndersaturatedCompressibility(double rs, double t, double gg, double api, double p) {
  return (5 * rs + 17.2 * t - 1180 * gg + 12.61 * api - 1433) / (100000 * p);
}

}  // namespace tarnvik
