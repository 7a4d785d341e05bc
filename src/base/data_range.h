// A closed range of values a correlation was fitted to, in the units of its inputs.
#pragma once

#include <cmath>
#include <limits>

namespace tarnvik {

struct DataRange {
  double low = std::numeric_limits<double>::quiet_NaN();
  double high = std::numeric_limits<double>::quiet_NaN();

  // False when the source gives no range for this quantity.
  constexpr bool known() const { return low == low && high == high; }
  constexpr bool contains(double value) const { return !known() || (value >= low && value <= high); }
};

}  // namespace tarnvik
