#include "correlations/gas/gas_compressibility.h"

namespace tarnvik {

Quantity GasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep) {
  if (!(z > 0)) return std::nullopt;
  return 1 / pressure - (1 / z) * ((zUpper - zLower) / pressureStep);
}

}  // namespace tarnvik
