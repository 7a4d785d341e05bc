#include "oil/oil_compressibility.h"

#include "calc/units.h"

namespace tarnvik {

void CalcOilCompressibility(double bo, double bg, double pressureStep, double boLower, double boUpper, double rsLower,
                            double rsUpper, double& co) {
  co = (bg / (units::kScfPerMcf * bo)) * ((rsUpper - rsLower) / pressureStep) -
       (1 / bo) * ((boUpper - boLower) / pressureStep);
}

}  // namespace tarnvik
