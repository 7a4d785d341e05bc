// Pore-volume (formation) compressibility of the reservoir rock [1/psi]. Porosity φ in
// percent as typed (20 means 20 %), pressure p [psia]. The porosity ranges of the papers'
// data: correlations/validity_ranges.cpp (Yale et al.'s stress range is not known here).
//
//  Hall:          cf = 13.392 / φ^0.438 · 1e-6  (1.782e-6 / φ^0.438 with φ as a fraction)
//                 H.N. Hall, "Compressibility of Reservoir Rocks", Trans. AIME 198 (1953)
//                 309–311, doi:10.2118/953309-G. Consolidated sandstones and limestones.
//                 Example: φ 0.2 → 3.6065e-6 /psi (hand-computed from the paper's
//                 fraction form). Notes: 13.392 is 1.782 · 100^0.438 rounded.
//  Van der Knaap: cf = 100 / φ^1.2 · 1e-6
//                 W. van der Knaap, "Nonlinear Behavior of Elastic Porous Media", Trans.
//                 AIME 216 (1959) 179–187, doi:10.2118/1140-G. Limestones.
//  Newman:        by formation type: consolidated 40 / φ^0.75, friable 10^(1.415 − 0.0073 φ),
//                 unconsolidated 10^(0.3405 + 0.03925 φ), carbonates 40 / φ^0.67, each · 1e-6.
//                 G.H. Newman, "Pore-Volume Compressibility of Consolidated, Friable, and
//                 Unconsolidated Reservoir Rocks Under Hydrostatic Loading", JPT 25(2)
//                 (1973) 129–134, doi:10.2118/3835-PA.
//  Yale et al.:   by formation type, from the effective stress σ = p (K1 − K2 + K3) [psi]:
//                 cf = A (σ − σ0)^B + D when σ > σ0. Does not use porosity.
//                 D.P. Yale, G.W. Nabor, J.A. Russell, H.D. Pham, M. Yousaf, "Application
//                 of Variable Formation Compressibility for Improved Reservoir Analysis",
//                 SPE 26647 (1993), doi:10.2118/26647-MS.
#pragma once

#include "base/quantity.h"
#include "correlations/choices.h"

namespace tarnvik {

double HallCompressibility(double porosity);
double VanDerKnaapCompressibility(double porosity);
// Empty without a formation type.
Quantity NewmanCompressibility(FormationType formation, double porosity);
// Empty without a formation type, or when σ ≤ σ0.
Quantity YaleCompressibility(FormationType formation, double pressure);

// The chosen correlation: φ ≤ 0 gives 0 for every correlation before the Yale step; Yale et
// al. replaces that when σ > σ0. Empty when no correlation applies (none chosen, no
// formation type for Newman or Yale et al., Yale below its threshold with φ > 0).
Quantity FormationCompressibility(RockCorrelation rock, FormationType formation, double porosity, double pressure);

}  // namespace tarnvik
