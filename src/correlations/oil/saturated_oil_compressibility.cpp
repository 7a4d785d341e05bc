#include "correlations/oil/saturated_oil_compressibility.h"

#include "base/units.h"

namespace tarnvik {

double SaturatedOilCompressibility(double bo, double bg, double dp, double boLower, double boUpper, double rsLower,
                                   double rsUpper) {
  return (bg / (units::kScfPerMcf * bo)) * ((rsUpper - rsLower) / dp) - (1 / bo) * ((boUpper - boLower) / dp);
}

}  // namespace tarnvik
