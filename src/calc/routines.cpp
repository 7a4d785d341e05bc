#include "calc/routines.h"

#include <cmath>

#include "base/formula.h"
#include "base/units.h"
#include "correlations/gas/gas_compressibility.h"
#include "correlations/gas/gas_viscosity.h"
#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"
#include "correlations/oil/saturated_oil_compressibility.h"
#include "correlations/rock/formation_compressibility.h"
#include "correlations/water/water_properties.h"

namespace tarnvik {

void CalcSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity, double bubblePoint,
                     double& rs, OilCorrelation family, const OilTuning* tuning) {
  const double pe = pressure > bubblePoint ? bubblePoint : pressure;
  rs = tuning ? TunedSolutionGas(family, *tuning, gasGravity, pe, temperatureF, apiGravity)
              : OilFamilyOf(family).solutionGas(gasGravity, pe, temperatureF, apiGravity);
}

void CalcBubblePoint(double gasGravity, double pressure, double temperatureF, double apiGravity,
                     double& bubblePointOrGor, double& rsb, double& rs, GorSelectorMode mode, OilCorrelation family,
                     const OilTuning* tuning) {
  if (mode == GorSelectorMode::Gor) {
    rsb = units::kScfPerMcf * bubblePointOrGor;
    bubblePointOrGor = tuning ? TunedBubblePoint(family, *tuning, gasGravity, rsb, temperatureF, apiGravity)
                              : OilFamilyOf(family).bubblePoint(gasGravity, rsb, temperatureF, apiGravity);
    CalcSolutionGas(gasGravity, pressure, temperatureF, apiGravity, bubblePointOrGor, rs, family, tuning);
    return;
  }
  const double pb = bubblePointOrGor;
  CalcSolutionGas(gasGravity, pressure, temperatureF, apiGravity, pb, rs, family, tuning);
  CalcSolutionGas(gasGravity, pb, temperatureF, apiGravity, pb, rsb, family, tuning);
}

void CalcUndersaturatedOilCompressibility(double rs, double temperatureF, double gasGravity, double apiGravity,
                                          double pressure, double /*bubblePoint*/, double& co, OilCorrelation family) {
  co = OilFamilyOf(family).undersaturatedCompressibility(rs, temperatureF, gasGravity, apiGravity, pressure);
}

void CalcOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs, double& bo, double pressure,
                double bubblePoint, Quantity& co, OilCorrelation family, const OilTuning* tuning) {
  bo = tuning ? TunedOilFvf(family, *tuning, gasGravity, temperatureF, apiGravity, rs)
              : OilFamilyOf(family).oilFvf(gasGravity, temperatureF, apiGravity, rs);
  if (pressure > bubblePoint) {
    double undersaturated = 0;
    CalcUndersaturatedOilCompressibility(rs, temperatureF, gasGravity, apiGravity, pressure, bubblePoint,
                                         undersaturated, family);
    if (tuning) undersaturated *= tuning->compressibilityFactor;
    co = undersaturated;
    bo = bo * std::exp(-undersaturated * (pressure - bubblePoint));
  }
}

void CalcOilViscosity(double apiGravity, double temperatureF, double rs, double& muO, double pressure,
                      double bubblePoint, const OilTuning* tuning) {
  muO = tuning ? TunedSaturatedOilViscosity(*tuning, apiGravity, temperatureF, rs)
               : SaturatedOilViscosity(apiGravity, temperatureF, rs);
  if (pressure > bubblePoint) {
    muO = tuning ? TunedUndersaturatedOilViscosity(*tuning, muO, pressure, bubblePoint)
                 : UndersaturatedOilViscosity(muO, pressure, bubblePoint);
  }
}

void CalcOilCompressibility(double bo, double bg, double pressureStep, double boLower, double boUpper, double rsLower,
                            double rsUpper, double& co) {
  co = SaturatedOilCompressibility(bo, bg, pressureStep, boLower, boUpper, rsLower, rsUpper);
}

PseudoCritical GasPseudoCritical(double gasGravity, GasCharacterisation characterisation,
                                 const GasImpurities& impurities) {
  return ImpurityCorrectedPseudoCritical(StandingPseudoCritical(gasGravity, characterisation), impurities);
}

void CalcZFactor(double gasGravity, double temperatureF, double pressure, double& z, double& bg, ZFactorStatus& status,
                 GasCharacterisation characterisation, const GasImpurities& impurities, const GasTuning* tuning,
                 const HallYarboroughRoot* near, HallYarboroughRoot* root) {
  PseudoCritical pc = GasPseudoCritical(gasGravity, characterisation, impurities);
  if (tuning) {
    pc.temperature *= tuning->temperatureFactor;
    pc.pressure *= tuning->pressureFactor;
  }
  const ZFactor result = HallYarboroughZFactor(Rankine(temperatureF) / pc.temperature, pressure / pc.pressure, near);
  status = result.status;
  if (status != ZFactorStatus::Success) return;
  if (root) *root = result.root;
  z = result.z;
  if (tuning && !tuning->correction.empty()) z *= std::exp(tuning->correction(pressure));
  bg = GasFvf(z, temperatureF, pressure);
}

void CalcGasViscosity(double gasGravity, double temperatureF, double bg, double& muG, const GasImpurities& impurities) {
  muG = LeeGonzalezEakinViscosity(gasGravity, temperatureF, bg);
  if (impurities.any()) muG *= ImpurityViscosityFactor(gasGravity, temperatureF, impurities);
}

void CalcGasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep,
                            Quantity& cg) {
  if (const Quantity value = GasCompressibility(pressure, z, zLower, zUpper, pressureStep)) cg = value;
}

void CalcWaterSolutionGas(double pressure, double bubblePoint, double temperatureF, double salinity, double& rsw) {
  rsw = WaterSolutionGas(pressure, bubblePoint, temperatureF, salinity);
}

void CalcWaterFvf(double pressure, double temperatureF, double& bw, double salinity) {
  bw = WaterFvf(pressure, temperatureF, salinity);
}

void CalcWaterViscosity(double temperatureF, double& muW, double salinity, double pressure) {
  muW = WaterViscosity(temperatureF, salinity, pressure);
}

void CalcWaterCompressibility(double temperatureF, double pressure, double& cw, double bubblePoint, double salinity,
                              double rsw) {
  cw = WaterCompressibility(temperatureF, pressure, bubblePoint, salinity, rsw);
}

void CalcFormationCompressibility(double porosity, double pressure, Quantity& cf, RockCorrelation rock,
                                  FormationType formation) {
  if (const Quantity value = FormationCompressibility(rock, formation, porosity, pressure)) cf = value;
}

}  // namespace tarnvik
