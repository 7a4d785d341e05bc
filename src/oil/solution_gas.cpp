#include "oil/solution_gas.h"

#include <cmath>

#include "calc/formula.h"
#include "calc/units.h"

namespace tarnvik {

namespace {

using std::exp;
using std::pow;

// Obomanu/Okpobiri temperature: (5/9)(T + 460) K taken back to °F as 1.8 TK − 460.
double ObomanuTemperatureF(double temperatureF) {
  const double kelvin = (temperatureF + units::kRankineOffset) * (5.0 / 9.0);
  return 1.8 * kelvin - units::kRankineOffset;
}

// Obomanu/Okpobiri group 0.0308 γg^2.15 API^1.27 / (10^0.881 TF^0.497).
double ObomanuGroup(double gg, double tF, double api) {
  return 0.0308 * pow(gg, 2.15) * pow(api, 1.27) / (pow(10.0, 0.881) * pow(ObomanuTemperatureF(tF), 0.497));
}

// Rs [SCF/STB] at the effective pressure pe [psia]; T [°F].
double SolutionGasOf(OilCorrelation family, double gg, double pe, double t, double api) {
  const double tr = Rankine(t);
  switch (EffectiveOilCorrelation(family)) {
    case OilCorrelation::Standing:
      return gg * pow((pe + 25.48) / (18.2 * Pow10(0.00091 * t - 0.0125 * api)), 1.205);
    case OilCorrelation::VazquezBeggs:
      return api > 30 ? 0.0178 * gg * pow(pe, 1.187) * exp(23.931 * api / tr)
                      : 0.0362 * gg * pow(pe, 1.0937) * exp(25.724 * api / tr);
    case OilCorrelation::Glaso:
      return gg * pow(pow(api, 0.989) / pow(t, 0.172) * Pow10(2.8869 - pow(14.1811 - 3.3093 * Log10(pe), 0.5)), 1.2255);
    case OilCorrelation::AlMarhoun:
      return pow(185.843208 * pow(gg, 1.87784) * pow(OilSpecificGravity(api), -3.1437) * pow(tr, -1.32657) * pe,
                 1.398441);
    case OilCorrelation::PetroskyFarshad:
      return pow(
          (pe / 112.727 + 12.34) * pow(gg, 0.8439) * Pow10(0.0007916 * pow(api, 1.541) - 4.561e-05 * pow(t, 1.3911)),
          1.73184);
    case OilCorrelation::DoklaOsman:
      return pow(0.000119562 * pe * pow(gg, 1.01049) * pow(OilSpecificGravity(api), -0.107941) * pow(tr, 0.952584),
                 1.3811258);
    case OilCorrelation::Farshad:
      return 0.01936 * pow(pe, 1.1574) * pow(gg, 0.73495) * Pow10(0.000337 * t + 0.01771 * api);
    case OilCorrelation::ObomanuOkpobiri:
      return ObomanuGroup(gg, t, api) * pow(6.894 * pe, 0.927) * 5.615;
    case OilCorrelation::KartoatmodjoSchmidt:
      return api > 30 ? 0.0315 * pow(gg, 0.7567) * pow(pe, 1.0937) * Pow10(11.2895 * api / tr)
                      : 0.05958 * pow(gg, 0.7972) * pow(pe, 1.0014) * Pow10(13.1405 * api / tr);
  }
  return 0;  // unreachable: EffectiveOilCorrelation maps every value into 0..8
}

// pb [psia] from Rsb [SCF/STB]; T [°F].
double BubblePointOf(OilCorrelation family, double gg, double rsb, double t, double api) {
  const double tr = Rankine(t);
  switch (EffectiveOilCorrelation(family)) {
    case OilCorrelation::Standing:
      return pow(rsb / gg, 1.0 / 1.205) * 18.2 * Pow10(0.00091 * t - 0.0125 * api) - 25.48;
    case OilCorrelation::VazquezBeggs:
      return api > 30 ? pow(56.18 * rsb / gg * Pow10(-10.393 * api / tr), 0.84246)
                      : pow(27.62 * rsb / gg * Pow10(-11.172 * api / tr), 0.914328);
    case OilCorrelation::Glaso: {
      const double x = Log10(pow(rsb / gg, 0.816) * pow(t, 0.172) * pow(api, -0.989));
      return Pow10(1.7669 + 1.7447 * x - 0.30218 * x * x);
    }
    case OilCorrelation::AlMarhoun:
      return 0.00538088 * pow(rsb, 0.715082) * pow(gg, -1.87784) * pow(OilSpecificGravity(api), 3.1437) *
             pow(tr, 1.32657);
    case OilCorrelation::PetroskyFarshad:
      return 112.727 *
             (pow(rsb, 0.5774) * Pow10(4.561e-05 * pow(t, 1.3911) - 0.0007916 * pow(api, 1.541)) / pow(gg, 0.8439) -
              12.34);
    case OilCorrelation::DoklaOsman:
      return pow(rsb, 0.72405) /
             (0.000119562 * pow(gg, 1.01049) * pow(OilSpecificGravity(api), -0.107941) * pow(tr, 0.952584));
    case OilCorrelation::Farshad:
      return pow(rsb / (0.01936 * pow(gg, 0.73495) * Pow10(0.000337 * t + 0.01771 * api)), 0.864);
    case OilCorrelation::ObomanuOkpobiri:
      return pow((rsb / 5.615) / ObomanuGroup(gg, t, api), 1.0787) / 6.894;
    case OilCorrelation::KartoatmodjoSchmidt:
      return api > 30 ? pow(rsb / (0.0315 * pow(gg, 0.7567) * Pow10(11.2895 * api / tr)), 0.91433)
                      : pow(rsb / (0.05958 * pow(gg, 0.7972) * Pow10(13.1405 * api / tr)), 0.9986);
  }
  return 0;  // unreachable
}

}  // namespace

void CalcSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity, double bubblePoint,
                     double& rs, const CorrelationSelection& selection) {
  const double pe = pressure > bubblePoint ? bubblePoint : pressure;
  rs = SolutionGasOf(selection.oilCorrelation, gasGravity, pe, temperatureF, apiGravity);
}

std::string_view CalcBubblePoint(double gasGravity, double pressure, double temperatureF, double apiGravity,
                                 double& bubblePointOrGor, double& rsb, double& rs, GorSelectorMode mode,
                                 const CorrelationSelection& selection) {
  if (mode == GorSelectorMode::Gor) {
    rsb = units::kScfPerMcf * bubblePointOrGor;
    bubblePointOrGor = BubblePointOf(selection.oilCorrelation, gasGravity, rsb, temperatureF, apiGravity);
    CalcSolutionGas(gasGravity, pressure, temperatureF, apiGravity, bubblePointOrGor, rs, selection);
    return kBubblePointCaption;
  }
  const double pb = bubblePointOrGor;
  CalcSolutionGas(gasGravity, pressure, temperatureF, apiGravity, pb, rs, selection);
  CalcSolutionGas(gasGravity, pb, temperatureF, apiGravity, pb, rsb, selection);
  return kGorCaption;
}

}  // namespace tarnvik
