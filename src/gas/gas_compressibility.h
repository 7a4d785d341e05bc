// Isothermal gas compressibility from the real-gas law:
//   cg = 1/p − (1/z) dz/dp,  dz/dp ≈ (z+ − z−) / dp
// (z+ and z− are z at the upper and lower pressures). For z independent of pressure
// this is the ideal-gas value 1/p. See e.g. A.S. Trube, "Compressibility of Natural
// Gases", Trans. AIME 210 (1957) 355–357, doi:10.2118/697-G.
// Domain: p > 0, dp ≠ 0.
#pragma once

#include "calc/result_set.h"

namespace tarnvik {

// \param pressure p [psia]  \param z z at p  \param zLower z at the lower pressure
// \param zUpper z at the upper pressure  \param pressureStep distance between them [psi]
// \param cg out [1/psi], written only when z > 0; otherwise it keeps the caller's value.
void CalcGasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep, Quantity& cg);

}  // namespace tarnvik
