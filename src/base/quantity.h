// A computed quantity that may be missing.
#pragma once

#include <optional>

namespace tarnvik {

// An empty optional means "not computed in this run"; it counts as 0 in every later
// formula and is shown as an empty field.
using Quantity = std::optional<double>;

// A value not computed counts as 0.
constexpr double ValueOrZero(const Quantity& q) { return q.value_or(0.0); }

}  // namespace tarnvik
