// Small helpers shared by the correlation formulas. Each formula states where it uses them.
#pragma once

#include <cmath>

#include "base/units.h"

namespace tarnvik {

// Absolute temperature, °R = °F + 460 (the correlations' own offset, not 459.67).
constexpr double Rankine(double temperatureF) { return temperatureF + units::kRankineOffset; }

// Stock-tank oil specific gravity (water = 1) from API gravity: γo = 141.5 / (131.5 + API).
constexpr double OilSpecificGravity(double apiGravity) { return 141.5 / (131.5 + apiGravity); }

// Decimal logarithm formed as ln x / ln 10, as the correlations were fitted.
inline double Log10(double x) { return std::log(x) / std::log(10.0); }

// 10^x formed as exp(x ln 10): within a few units in the last place of pow(10, x) for the
// exponents the correlations take, at a third of its cost.
inline double Pow10(double x) { return std::exp(x * 2.302585092994045684); }

// x^y formed as exp(y ln x) for finite x > 0 and finite y, as every correlation's power
// takes them: within |y ln x| units in the last place of pow(x, y) (a few for the
// correlations' exponents), at half its cost. Anything else gives pow's answer.
inline double Pow(double x, double y) {
  if (x > 0 && x < HUGE_VAL) [[likely]] {
    // NaN only for a NaN y, or an infinite one with x = 1, where pow has its own answers.
    const double power = std::exp(y * std::log(x));
    if (!std::isnan(power)) [[likely]]
      return power;
  }
  return std::pow(x, y);
}

}  // namespace tarnvik
