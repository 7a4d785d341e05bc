#include "calc/densities_saturations.h"

#include <cmath>
#include <limits>

#include "base/units.h"

namespace tarnvik {

void CalcDensities(Quantity& rhoO, Quantity& rhoG, Quantity& rhoW, double apiGravity, double gasGravity, double rsMcf,
                   double bo, double bw, double bg, double salinity) {
  // A volume factor outside its correlation's domain (infinite, NaN) gives no density,
  // not the 0 that dividing by infinity would.
  const auto per = [](double mass, double volume) {
    return std::isfinite(volume) ? mass / volume : std::numeric_limits<double>::quiet_NaN();
  };
  if (apiGravity > 0) rhoO = per(8829.6 / (131.5 + apiGravity) + 13.56 * gasGravity * rsMcf, bo);
  if (bw > 0) rhoW = per(units::kFreshWaterDensity + units::kDensityPerPercentNaCl * salinity, bw);
  if (bg > 0) rhoG = per(13.56 * gasGravity, bg);
}

void CalcSaturations(double bo, double bg, double rsb, double rs, double bw, double wor, double swc, double apiGravity,
                     double gasGravity, double& so, double& sw, double& sg) {
  const double freeGas = bg * (rsb - rs) / units::kScfPerMcf;
  double volume = bo + freeGas + bw * wor;
  if (volume == 0) volume = 1;
  const double hydrocarbonFraction = 1 - swc / units::kPercentPerFraction;
  so = apiGravity > 0 ? bo * hydrocarbonFraction / volume : 0.0;
  sw = bw * wor * hydrocarbonFraction / volume + swc / units::kPercentPerFraction;
  if (apiGravity <= 0 && gasGravity <= 0) sw = 1;
  if (apiGravity <= 0 && gasGravity > 0) sw = swc / units::kPercentPerFraction;  // a gas reservoir
  // Above the bubble point the oil holds all its gas: none is free, exactly (1 − So − Sw
  // would leave the rounding of the two, ±1e-16).
  sg = apiGravity > 0 && freeGas == 0 && std::isfinite(so + sw) ? 0.0 : 1 - so - sw;
}

void CalcTotalCompressibility(double so, double sw, double sg, double co, double cw, double cg, double cf, double& ct) {
  ct = cf + so * co + sw * cw + sg * cg;
}

}  // namespace tarnvik
