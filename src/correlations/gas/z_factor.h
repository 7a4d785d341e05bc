// Gas deviation factor z, from the gas gravity through pseudo-critical properties and the
// Hall–Yarborough equation of state, and the gas formation volume factor.
//
// Pseudo-critical properties (M.B. Standing, "Volumetric and Phase Behavior of Oil Field
// Hydrocarbon Systems", SPE, Dallas (1977)):
//   dry gas:  Tpc = 168 + 325 γg − 12.5 γg² [°R],  Ppc = 677 + 15 γg − 37.5 γg² [psia]
//   wet gas:  Tpc = 187 + 330 γg − 71.5 γg² [°R],  Ppc = 706 − 51.7 γg − 11.1 γg² [psia]
// Reduced density y by Newton (or Halley) iteration (at most 100 steps, converged when
// |Δy| < 1e-5 and |Δy| < 1e-7 y, keeping the y after that step):
//   F(y) = A Ppr + (y + y² + y³ − y⁴)/(1 − y)³ − B y² + H y^D = 0,  t = 1/Tpr,
//   A = −0.06125 t exp(−1.2 (1 − t)²), B = 14.76 t − 9.76 t² + 4.58 t³,
//   H = 90.7 t − 242.2 t² + 42.4 t³, D = 2.18 + 2.82 t;
//   F′ uses E = 29.52 t − 19.52 t² + 9.16 t³ and G = 1.18 + 2.82 t;
//   z = −A Ppr / y.
// Bg = 5.035 z (T + 460) / p [RB/MCF].
// Reference: K.R. Hall, L. Yarborough, "A New Equation of State for Z-factor Calculations",
// Oil & Gas J. 71(25) (1973) 82–92. Fits the Standing–Katz chart (its range:
// correlations/validity_ranges.cpp; worse near Tpr = 1); e.g. Tpr 1.5, Ppr 2.0 gives
// z = 0.821 (chart 0.82).
// Refused: Tpr < 1 (status 1) and Ppr > 20.5 (status 2); the limits themselves are
// accepted. Notes: the iteration can wander to a negative or NaN density or fail to
// converge close to Tpr = 1; that is status 3 instead of a meaningless z. The stopping
// test bounds the step against y too, as y is itself of order 1e-5 near atmospheric
// pressure: z is within 1e-6 of the root of F at every pressure from 0.1 psia up (an
// absolute test alone gave z = 1.05 at 1 psia for a 0.65 gas at 100 °F).
#pragma once

#include <cstdint>

#include "correlations/choices.h"

namespace tarnvik {

enum class ZFactorStatus : std::int16_t {
  Success = 0,
  ReducedTemperatureBelowOne = 1,
  ReducedPressureAbove20_5 = 2,
  NoConvergence = 3,
};

struct PseudoCritical {
  double temperature;  // °R
  double pressure;     // psia
};

// Tpc [°R] and Ppc [psia] of a gas of gravity γg [air = 1].
PseudoCritical StandingPseudoCritical(double gasGravity, GasCharacterisation characterisation);

// A solution of the equation: the reduced density y at Ppr and its first two derivatives
// with Ppr along the root, from which a solution at a nearby Ppr starts; and the
// equation's A at its Tpr, which a solution at the same Tpr takes instead of forming
// its exponential again.
struct HallYarboroughRoot {
  double ppr = 0;
  double y = 0;
  double dy = 0;   // dy/dPpr
  double d2y = 0;  // d²y/dPpr²
  double tpr = 0;
  double a = 0;  // −0.06125 t exp(−1.2 (1 − t)²), t = 1/Tpr
};

struct ZFactor {
  ZFactorStatus status = ZFactorStatus::Success;
  double z = 0;               // only on Success
  HallYarboroughRoot root{};  // only on Success
};

// z at reduced temperature Tpr and reduced pressure Ppr: Hall and Yarborough's
// Starling–Carnahan equation solved for the reduced density y. Below Tpr 1.2, where the
// equation can have more than one root, by Newton's method from y = 0.001. At and above
// it, where it has one, by Halley's from z = 1 (y = −A Ppr), or, given the root at a
// nearby Ppr (as for a compressibility's neighbours), from that root's second-order
// Taylor step (one step instead of about five); when such a start does not converge, by
// Newton's from 0.001.
// The start changes the result by no more than rounding (1e-13 relative).
ZFactor HallYarboroughZFactor(double reducedTemperature, double reducedPressure,
                              const HallYarboroughRoot* near = nullptr);

// Bg [RB/MCF] of gas with deviation factor z at T [°F] and p [psia].
double GasFvf(double z, double temperatureF, double pressure);

}  // namespace tarnvik
