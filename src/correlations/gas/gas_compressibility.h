// Isothermal gas compressibility from the real-gas law:
//   cg = 1/p − (1/z) dz/dp,  dz/dp ≈ (z+ − z−) / dp
// with z+ and z− the deviation factors at the upper and lower pressures, dp [psi] apart.
// For z independent of pressure this is the ideal-gas value 1/p. See e.g. A.S. Trube,
// "Compressibility of Natural Gases", Trans. AIME 210 (1957) 355–357, doi:10.2118/697-G.
// Units: p [psia]; cg [1/psi]. Domain: p > 0, dp ≠ 0.
#pragma once

#include "base/quantity.h"

namespace tarnvik {

// Empty when z ≤ 0 (or NaN).
Quantity GasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep);

}  // namespace tarnvik
