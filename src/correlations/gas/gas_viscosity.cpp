#include "correlations/gas/gas_viscosity.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {

double LeeGonzalezEakinViscosity(double gasGravity, double temperatureF, double bg) {
  const double ma = 28.9 * gasGravity;
  const double tr = Rankine(temperatureF);
  const double k = (9.4 + 0.02 * ma) * tr * std::sqrt(tr) / (209 + 19 * ma + tr);
  const double x = 3.5 + 986 / tr + 0.01 * ma;
  const double y = 2.4 - 0.2 * x;
  const double density = bg != 0 ? 0.00752 * ma / bg : 1.0;  // g/cm³
  return 0.0001 * k * std::exp(x * Pow(density, y));
}

}  // namespace tarnvik
