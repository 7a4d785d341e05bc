#include "oil/oil_fvf.h"

#include <cmath>

#include "calc/formula.h"

namespace tarnvik {

namespace {

using std::pow;

// Bo [RB/STB] at or below the bubble point.
double SaturatedOilFvf(OilCorrelation family, double gg, double t, double api, double rs) {
  const double go = OilSpecificGravity(api);
  switch (EffectiveOilCorrelation(family)) {
    case OilCorrelation::Standing: {
      const double f = rs * pow(gg / go, 0.5) + 1.25 * t;
      return 0.9759 + 0.00012 * pow(f, 1.2);
    }
    case OilCorrelation::VazquezBeggs: {
      const bool light = api > 30;
      const double c1 = light ? 0.000467 : 0.0004677;
      const double c2 = light ? 1.1e-05 : 1.751e-05;
      const double c3 = light ? 1.337e-09 : -1.811e-08;
      return 1 + c1 * rs + (t - 60) * (api / gg) * (c2 + c3 * rs);
    }
    case OilCorrelation::Glaso: {
      const double a = Log10(rs * pow(gg / go, 0.526) + 0.968 * t);
      return 1 + Pow10(-6.58511 + 2.91329 * a - 0.27683 * a * a);
    }
    case OilCorrelation::AlMarhoun: {
      const double f = pow(rs, 0.74239) * pow(gg, 0.323294) * pow(go, -1.20204);
      return 0.497069 + 0.000862963 * Rankine(t) + 0.00182594 * f + 3.18099e-06 * f * f;
    }
    case OilCorrelation::PetroskyFarshad: {
      const double x = pow(rs, 0.3738) * pow(gg, 0.2914) / pow(go, 0.6265) + 0.24626 * pow(t, 0.5371);
      return 1.0113 + 7.2046e-05 * pow(x, 3.0936);
    }
    case OilCorrelation::DoklaOsman: {
      const double f = pow(rs, 0.773572) * pow(gg, 0.40402) * pow(go, -0.882605);
      return 0.0431935 + 0.00156667 * Rankine(t) + 0.00139775 * f + 3.80525e-06 * f * f;
    }
    case OilCorrelation::Farshad: {
      const double f = pow(rs, 0.5956) * pow(gg, 0.2369) * pow(go, -0.13282) + 0.0976 * t;
      return 1 + Pow10(-2.6541 + 0.5516 * Log10(f) + 0.331 * Log10(f * f));
    }
    case OilCorrelation::ObomanuOkpobiri: {
      const double tk = Rankine(t) * (5.0 / 9.0);
      const double rm = rs / 5.615;  // SCF/STB → m³/m³
      return api > 30 ? 0.3321 + 0.000788374 * rm + 0.002335 * rm * gg / go + 0.0020855 * tk
                      : 1.0232 + 0.0001065 * pow(rm * (gg / go + 1.8 * tk - 459.67), 0.79);
    }
    case OilCorrelation::KartoatmodjoSchmidt: {
      const double f = pow(rs, 0.755) * pow(gg, 0.25) * pow(go, -1.5) + 0.45 * t;
      return 0.98496 + 0.0001 * pow(f, 1.5);
    }
  }
  return 0;  // unreachable: EffectiveOilCorrelation maps every value into 0..8
}

}  // namespace

void CalcUndersaturatedOilCompressibility(double rs, double temperatureF, double gasGravity, double apiGravity,
                                          double pressure, double /*bubblePoint*/, double& co,
                                          const CorrelationSelection& selection) {
  if (EffectiveOilCorrelation(selection.oilCorrelation) == OilCorrelation::PetroskyFarshad) {
    co = 1.705e-07 * pow(rs, 0.69357) * pow(gasGravity, 0.1885) * pow(apiGravity, 0.3272) * pow(temperatureF, 0.6729) *
         pow(pressure, -0.5906);
  } else {
    co = (5 * rs + 17.2 * temperatureF - 1180 * gasGravity + 12.61 * apiGravity - 1433) / (100000 * pressure);
  }
}

void CalcOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs, double& bo, double pressure,
                double bubblePoint, Quantity& co, const CorrelationSelection& selection) {
  bo = SaturatedOilFvf(selection.oilCorrelation, gasGravity, temperatureF, apiGravity, rs);
  if (pressure > bubblePoint) {
    double undersaturated = 0;
    CalcUndersaturatedOilCompressibility(rs, temperatureF, gasGravity, apiGravity, pressure, bubblePoint,
                                         undersaturated, selection);
    co = undersaturated;
    bo = bo * std::exp(-undersaturated * (pressure - bubblePoint));
  }
}

}  // namespace tarnvik
