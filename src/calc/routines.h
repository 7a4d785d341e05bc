// The calculation's routines in their out-argument form: inputs first, outputs last, in
// the order the run calls them. Each is a thin adapter over the pure correlation
// functions; what they add is when an output is written:
//   CalcOilFvf writes co only above the bubble point; CalcZFactor leaves z and Bg on a
//   failure; CalcGasCompressibility writes cg only when z > 0; CalcFormationCompressibility
//   writes cf only when a correlation applies. An output that is not written keeps the
//   caller's value (not computed at the start of a run).
// Units are oilfield units: psia, °F, SCF/STB, RB/STB, RB/MCF, cp, 1/psi.
#pragma once

#include "base/quantity.h"
#include "calc/oil_tuning.h"
#include "calc/selector_modes.h"
#include "correlations/choices.h"
#include "correlations/gas/gas_impurities.h"
#include "correlations/gas/z_factor.h"

namespace tarnvik {

// The oil routines take the tuning in force for the run, if any (calc/oil_tuning.h); without
// one they are the family's own.

// Rs at p for a known bubble point: evaluated at pe = pb when p > pb (strictly), else at p.
void CalcSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity, double bubblePoint,
                     double& rs, OilCorrelation family, const OilTuning* tuning = nullptr);

// Completes the pair (GOR, bubble point) from the member the user gave.
// bubblePointOrGor: in, the GOR at the bubble point [MCF/STB] in Gor mode or pb [psia]
// otherwise; out, pb [psia]. rsb: 1000 × GOR in Gor mode, Rs at pb otherwise. rs: Rs at p.
void CalcBubblePoint(double gasGravity, double pressure, double temperatureF, double apiGravity,
                     double& bubblePointOrGor, double& rsb, double& rs, GorSelectorMode mode, OilCorrelation family,
                     const OilTuning* tuning = nullptr);

// Undersaturated co [1/psi]: Petrosky and Farshad's for that family, Vazquez and Beggs'
// for every other. bubblePoint is not used.
void CalcUndersaturatedOilCompressibility(double rs, double temperatureF, double gasGravity, double apiGravity,
                                          double pressure, double bubblePoint, double& co, OilCorrelation family);

// Bo at p with the Rs that holds there (above pb, Rs at pb). Above the bubble point (p > pb
// strictly) Bo shrinks as Bo(pb) exp(−co (p − pb)) and co is written.
void CalcOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs, double& bo, double pressure,
                double bubblePoint, Quantity& co, OilCorrelation family, const OilTuning* tuning = nullptr);

void CalcOilViscosity(double apiGravity, double temperatureF, double rs, double& muO, double pressure,
                      double bubblePoint, const OilTuning* tuning = nullptr);

void CalcOilCompressibility(double bo, double bg, double pressureStep, double boLower, double boUpper, double rsLower,
                            double rsUpper, double& co);

// The pseudo-critical properties the z-factor is evaluated with: Standing's from the gas
// gravity and characterisation, corrected for the impurities (Carr, Kobayashi and Burrows
// for N2, then Wichert and Aziz for CO2 and H2S; correlations/gas/gas_impurities.h).
PseudoCritical GasPseudoCritical(double gasGravity, GasCharacterisation characterisation,
                                 const GasImpurities& impurities = {});

// status: Success, or the reason; on failure z and bg keep the caller's values.
// With `tuning`, the pseudo-critical properties are multiplied by its factors. `near`, the
// equation's root at a nearby pressure of the same gas, starts the solution from there
// (see HallYarboroughZFactor); on success `root` receives this solution's root.
void CalcZFactor(double gasGravity, double temperatureF, double pressure, double& z, double& bg, ZFactorStatus& status,
                 GasCharacterisation characterisation, const GasImpurities& impurities = {},
                 const GasTuning* tuning = nullptr, const HallYarboroughRoot* near = nullptr,
                 HallYarboroughRoot* root = nullptr);

// Lee, Gonzalez and Eakin's, times Carr, Kobayashi and Burrows' factor for the impurities.
void CalcGasViscosity(double gasGravity, double temperatureF, double bg, double& muG,
                      const GasImpurities& impurities = {});

void CalcGasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep, Quantity& cg);

void CalcWaterSolutionGas(double pressure, double bubblePoint, double temperatureF, double salinity, double& rsw);
void CalcWaterFvf(double pressure, double temperatureF, double& bw, double salinity);
void CalcWaterViscosity(double temperatureF, double& muW, double salinity, double pressure);
void CalcWaterCompressibility(double temperatureF, double pressure, double& cw, double bubblePoint, double salinity,
                              double rsw);

void CalcFormationCompressibility(double porosity, double pressure, Quantity& cf, RockCorrelation rock,
                                  FormationType formation);

}  // namespace tarnvik
