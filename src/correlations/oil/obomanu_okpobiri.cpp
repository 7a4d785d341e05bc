#include "correlations/oil/obomanu_okpobiri.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {
namespace {

constexpr double kKilopascalPerPsi = 6.894;
constexpr double kScfPerStbPerCubicMetrePerCubicMetre = 5.615;

// TK = (5/9)(T + 460) K, taken back to °F as 1.8 TK − 460.
double FittedTemperatureF(double temperatureF) {
  const double kelvin = Rankine(temperatureF) * (5.0 / 9.0);
  return 1.8 * kelvin - units::kRankineOffset;
}

// 0.0308 γg^2.15 API^1.27 / (10^0.881 TF^0.497)
double Group(double gg, double t, double api) {
  return 0.0308 * Pow(gg, 2.15) * Pow(api, 1.27) / (Pow(10.0, 0.881) * Pow(FittedTemperatureF(t), 0.497));
}

}  // namespace

double ObomanuOkpobiriSolutionGas(double gg, double p, double t, double api) {
  return Group(gg, t, api) * Pow(kKilopascalPerPsi * p, 0.927) * kScfPerStbPerCubicMetrePerCubicMetre;
}

double ObomanuOkpobiriBubblePoint(double gg, double rsb, double t, double api) {
  return Pow((rsb / kScfPerStbPerCubicMetrePerCubicMetre) / Group(gg, t, api), 1.0787) / kKilopascalPerPsi;
}

double ObomanuOkpobiriOilFvf(double gg, double t, double api, double rs) {
  const double go = OilSpecificGravity(api);
  const double tk = Rankine(t) * (5.0 / 9.0);
  const double rm = rs / kScfPerStbPerCubicMetrePerCubicMetre;
  return api > 30 ? 0.3321 + 0.000788374 * rm + 0.002335 * rm * gg / go + 0.0020855 * tk
                  : 1.0232 + 0.0001065 * Pow(rm * (gg / go + 1.8 * tk - 459.67), 0.79);
}

}  // namespace tarnvik
