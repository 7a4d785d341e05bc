// Pore-volume (formation) compressibility of the reservoir rock [1/psi], by the chosen
// rock correlation. Porosity φ is in percent as typed (20 means 20 %).
//
//  "Hall":          cf = 13.392 / φ^0.438 · 1e-6  (1.782 / φ^0.438 with φ as a fraction)
//                   H.N. Hall, "Compressibility of Reservoir Rocks", Trans. AIME 198 (1953)
//                   309–311, doi:10.2118/953309-G. Consolidated sandstones and limestones,
//                   φ 2–25 %.
//  "Van der Knaap": cf = 100 / φ^1.2 · 1e-6
//                   W. van der Knaap, "Nonlinear Behavior of Elastic Porous Media", Trans.
//                   AIME 216 (1959) 179–187, doi:10.2118/1140-G. Limestones, φ 2–23 %.
//  "Newman":        by formation type (first three characters):
//                   Con 40 / φ^0.75, Fri 10^(1.415 − 0.0073 φ), Unc 10^(0.3405 + 0.03925 φ),
//                   Car 40 / φ^0.67, each · 1e-6.
//                   G.H. Newman, "Pore-Volume Compressibility of Consolidated, Friable, and
//                   Unconsolidated Reservoir Rocks Under Hydrostatic Loading", JPT 25(2)
//                   (1973) 129–134, doi:10.2118/3835-PA. φ 2–42 %.
//  "Yale et. al.":  by formation type, from the effective stress σ = p (K1 − K2 + K3):
//                   cf = A (σ − σ0)^B + D when σ > σ0, with constants per type below.
//                   D.P. Yale, G.W. Nabor, J.A. Russell, H.D. Pham, M. Yousaf, "Application
//                   of Variable Formation Compressibility for Improved Reservoir Analysis",
//                   SPE 26647 (1993), doi:10.2118/26647-MS. Does not use porosity.
// φ ≤ 0 gives cf = 0 for every correlation before the Yale step. Combinations the tables
// do not cover (no correlation, no formation type, σ ≤ σ0) leave cf as it stood.
#pragma once

#include "calc/result_set.h"
#include "selection/correlation_selection.h"

namespace tarnvik {

// \param porosity φ [percent]  \param pressure p [psia]
// \param cf out [1/psi]: written when a correlation applies; otherwise it keeps the
//           caller's value (not computed at the start of a run).
void CalcFormationCompressibility(double porosity, double pressure, Quantity& cf,
                                  const CorrelationSelection& selection);

}  // namespace tarnvik
