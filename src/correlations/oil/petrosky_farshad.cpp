#include "correlations/oil/petrosky_farshad.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double PetroskyFarshadSolutionGas(double gg, double p, double t, double api) {
  return Pow((p / 112.727 + 12.34) * Pow(gg, 0.8439) * Pow10(0.0007916 * Pow(api, 1.541) - 4.561e-05 * Pow(t, 1.3911)),
             1.73184);
}

double PetroskyFarshadBubblePoint(double gg, double rsb, double t, double api) {
  return 112.727 *
         (Pow(rsb, 0.5774) * Pow10(4.561e-05 * Pow(t, 1.3911) - 0.0007916 * Pow(api, 1.541)) / Pow(gg, 0.8439) - 12.34);
}

double PetroskyFarshadOilFvf(double gg, double t, double api, double rs) {
  const double x = Pow(rs, 0.3738) * Pow(gg, 0.2914) / Pow(OilSpecificGravity(api), 0.6265) + 0.24626 * Pow(t, 0.5371);
  return 1.0113 + 7.2046e-05 * Pow(x, 3.0936);
}

double PetroskyFarshadUndersaturatedCompressibility(double rs, double t, double gg, double api, double p) {
  return 1.705e-07 * Pow(rs, 0.69357) * Pow(gg, 0.1885) * Pow(api, 0.3272) * Pow(t, 0.6729) * Pow(p, -0.5906);
}

}  // namespace tarnvik
