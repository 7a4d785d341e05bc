// A closed range of values, in the units of a correlation's inputs or of a result: the data
// a correlation was fitted to, or what is physically possible.
#pragma once

#include <cmath>
#include <limits>

namespace tarnvik {

struct DataRange {
  double low = std::numeric_limits<double>::quiet_NaN();
  double high = std::numeric_limits<double>::quiet_NaN();

  // False when the source gives no range for this quantity.
  constexpr bool known() const { return low == low && high == high; }
  // Both limits belong to the range: a value exactly at a published limit is inside. NaN is
  // neither below nor above.
  constexpr bool below(double value) const { return value < low; }
  constexpr bool above(double value) const { return value > high; }
  constexpr bool contains(double value) const { return !known() || (value >= low && value <= high); }

  // Two unknown ranges are equal.
  friend constexpr bool operator==(const DataRange& a, const DataRange& b) {
    return (a.low == b.low || (a.low != a.low && b.low != b.low)) &&
           (a.high == b.high || (a.high != a.high && b.high != b.high));
  }
};

}  // namespace tarnvik
