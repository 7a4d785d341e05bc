// Gas deviation factor z and gas formation volume factor Bg.
//
// Pseudo-critical properties from the gas gravity (M.B. Standing, "Volumetric and Phase
// Behavior of Oil Field Hydrocarbon Systems", SPE, Dallas (1977)):
//   dry gas:  Tpc = 168 + 325 γg − 12.5 γg² [°R],  Ppc = 677 + 15 γg − 37.5 γg² [psia]
//   wet gas:  Tpc = 187 + 330 γg − 71.5 γg² [°R],  Ppc = 706 − 51.7 γg − 11.1 γg² [psia]
// Reduced density y from the Hall–Yarborough equation of state, by Newton iteration from
// y = 0.001 (at most 100 steps, converged when |Δy| < 1e-5, keeping the y before the step):
//   F(y) = A Ppr + (y + y² + y³ − y⁴)/(1 − y)³ − B y² + H y^D = 0, t = 1/Tpr,
//   A = −0.06125 t exp(−1.2 (1 − t)²), B = 14.76 t − 9.76 t² + 4.58 t³,
//   H = 90.7 t − 242.2 t² + 42.4 t³, D = 2.18 + 2.82 t,
//   F′ uses E = 29.52 t − 19.52 t² + 9.16 t³ and G = 1.18 + 2.82 t.
//   z = −A Ppr / y;  Bg = 5.035 z (T + 460) / p [RB/MCF].
// K.R. Hall, L. Yarborough, "A New Equation of State for Z-factor Calculations",
// Oil & Gas J. 71(25) (1973) 82–92. Fits the Standing–Katz chart for 1 ≤ Tpr ≤ 3 and
// Ppr ≤ 20.5 (worse near Tpr = 1); e.g. Tpr 1.5, Ppr 2.0 gives z = 0.821 (chart 0.82).
// Refused: Tpr < 1 (status 1) and Ppr > 20.5 (status 2); the limits themselves are
// accepted. Notes: the iteration can wander to a negative or NaN density or fail to
// converge close to Tpr = 1; that is reported as status 3 instead of showing a
// meaningless z. The stopping test is absolute (|Δy| < 1e-5), so at very low reduced
// pressure (Ppr below about 0.05, y of order 1e-5) z is only good to a few percent.
#pragma once

#include <cstdint>

#include "selection/correlation_selection.h"

namespace tarnvik {

enum class ZFactorStatus : std::int16_t {
  Success = 0,
  ReducedTemperatureBelowOne = 1,  // "pTr<1: z-factor Routine FAILS"
  ReducedPressureAbove20_5 = 2,    // "pPr>20.5: z-factor Routine FAILS"
  NoConvergence = 3,               // "No convergence: z-factor Routine FAILS"
};

// \param gasGravity γg [air = 1]  \param temperatureF T [°F]  \param pressure p [psia]
// \param z out: gas deviation factor [-]  \param bg out: Bg [RB/MCF]
// \param status out: Success, or the reason; on failure z and bg keep the caller's values.
void CalcZFactor(double gasGravity, double temperatureF, double pressure, double& z, double& bg, ZFactorStatus& status,
                 const CorrelationSelection& selection);

// The message a failure status puts into the case-title box; empty for Success.
const char* ZFactorMessage(ZFactorStatus status);

}  // namespace tarnvik
