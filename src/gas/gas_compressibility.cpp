#include "gas/gas_compressibility.h"

namespace tarnvik {

void CalcGasCompressibility(double pressure, double z, double zLower, double zUpper, double pressureStep,
                            Quantity& cg) {
  if (!(z > 0)) return;
  cg = 1 / pressure - (1 / z) * ((zUpper - zLower) / pressureStep);
}

}  // namespace tarnvik
