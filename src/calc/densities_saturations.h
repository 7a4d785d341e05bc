// Densities at reservoir conditions, saturations of the pore space and total
// compressibility, derived from the correlation results.
#pragma once

#include "calc/result_set.h"

namespace tarnvik {

// Oil, gas and water densities at reservoir conditions [lb/ft³], from mass balance per
// stock-tank barrel (62.4 lb/ft³ fresh water, 0.0764 lb/ft³ air, 5.615 ft³/bbl):
//   ρo = (8829.6 / (131.5 + API) + 13.56 γg Rs) / Bo   when API > 0   (Rs in MCF/STB)
//   ρw = (62.4 + 0.47 s) / Bw                         when Bw > 0    (s in % NaCl)
//   ρg = 13.56 γg / Bg                                when Bg > 0    (Bg in RB/MCF)
// An output whose condition fails keeps the caller's value (not computed in a run); a
// volume factor that is not finite gives a density that is not either (NaN).
// \param rhoO,rhoG,rhoW out [lb/ft³]  \param apiGravity [°API]  \param gasGravity [air = 1]
// \param rsMcf Rs [MCF/STB]  \param bo [RB/STB]  \param bw [RB/STB]  \param bg [RB/MCF]
// \param salinity [% NaCl]
void CalcDensities(Quantity& rhoO, Quantity& rhoG, Quantity& rhoW, double apiGravity, double gasGravity, double rsMcf,
                   double bo, double bw, double bg, double salinity);

// Saturations [fractions of the pore volume] from the reservoir volume that one stock-tank
// barrel of oil occupies with its free gas and produced water:
//   D = Bo + Bg (Rsb − Rs)/1000 + Bw WOR (D = 1 when exactly 0),
//   So = Bo (1 − Swc/100) / D when API > 0, else 0,
//   Sw = Bw WOR (1 − Swc/100) / D + Swc/100, forced to 1 when neither oil nor gas is present,
//   Sg = 1 − So − Sw.
// A gas reservoir (no oil, a gas gravity given) holds connate water and gas: Sw = Swc/100
// and Sg = 1 − Swc/100. The water-oil ratio describes water produced with oil; without oil
// the formula above would give the whole hydrocarbon pore volume to water (Sw = 1, Sg = 0)
// for any WOR above 0, and a total compressibility without its gas.
// \param rsb,rs [SCF/STB]  \param bo,bw [RB/STB]  \param bg [RB/MCF]  \param wor [STB/STB]
// \param swc [percent]
void CalcSaturations(double bo, double bg, double rsb, double rs, double bw, double wor, double swc, double apiGravity,
                     double gasGravity, double& so, double& sw, double& sg);

// Total compressibility ct = cf + So co + Sw cw + Sg cg [1/psi], saturations as fractions.
void CalcTotalCompressibility(double so, double sw, double sg, double co, double cw, double cg, double cf, double& ct);

}  // namespace tarnvik
