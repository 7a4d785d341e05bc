// The powers every correlation takes, against the C library's pow: within a few units in
// the last place over the bases and exponents the correlations use, and pow's own answer
// where the base is not a finite positive number or the exponent is not finite.
#include "base/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarnvik {
namespace {

// Relative error allowed for x^y formed through exp: the rounding of y ln x, carried
// through exp, plus that of exp itself.
double Allowed(double x, double y) { return (std::fabs(y * std::log(x)) + 2) * std::numeric_limits<double>::epsilon(); }

TEST(Formula, PowersAgreeWithPowOverTheCorrelationsRanges) {
  // Bases from a pressure ratio to a Kestin pressure in pascals; exponents from Petrosky
  // and Farshad's p^−0.5906 to Beal's API^4.53 and Hall–Yarborough's y^(2.18 + 2.82/Tpr).
  for (const double x : {1e-4, 0.013, 0.5, 0.999, 1.0, 1.7, 48.0, 360.0 / 300, 3000.0, 2.5e7}) {
    for (const double y : {-1.0, -0.5906, 0.0, 0.172, 0.5, 1.205, 3.0936, 4.53, 5.0}) {
      const double expected = std::pow(x, y);
      EXPECT_NEAR(Pow(x, y), expected, Allowed(x, y) * expected) << x << "^" << y;
    }
  }
  for (const double x : {-3.7, -1.0, 0.0, 1e-6, 0.25, 1.0, 3.3, 12.5}) {
    const double expected = std::pow(10.0, x);
    EXPECT_NEAR(Pow10(x), expected, Allowed(10, x) * expected) << "10^" << x;
  }
}

TEST(Formula, PowOfAnyOtherBaseOrExponentIsPows) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double x, y;
  } rows[] = {{0, 1.205}, {0, -0.5}, {0, 0},   {-2, 2},  {-2, 0.5},  {inf, 1.2}, {inf, -1.2},
              {nan, 1.2}, {-inf, 3}, {1, inf}, {1, nan}, {0.5, inf}, {2, -inf}};
  for (const auto& row : rows) {
    const double expected = std::pow(row.x, row.y);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(Pow(row.x, row.y))) << row.x << "^" << row.y;
    } else {
      EXPECT_EQ(Pow(row.x, row.y), expected) << row.x << "^" << row.y;
    }
  }
}

}  // namespace
}  // namespace tarnvik
