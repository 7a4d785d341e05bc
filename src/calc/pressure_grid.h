// Evenly spaced pressures between two bounds, both included.
#pragma once

#include <vector>

namespace tarnvik {

// `count` (≥ 2) pressures from `low` to `high`: low + (high − low) i / (count − 1). When
// both bounds are whole numbers of a small decimal unit (0.1 psi, say), a pressure whose
// exact value is a short decimal is that decimal's nearest double, so 14.7 to 5000 in
// four steps gives 1261.025, not 1261.0250000000001; no other pressure changes.
std::vector<double> EvenlySpaced(double low, double high, int count);

}  // namespace tarnvik
