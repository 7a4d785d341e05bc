// Oil formation volume factor Bo for the nine oil correlation families, and the
// compressibility of undersaturated oil.
//
// Bo at or below the bubble point comes from the family's correlating group
// (γo = 141.5 / (API + 131.5), T in °F unless the formula adds 460, log10 = ln / ln 10):
//  0 Standing (1947):            F = Rs (γg/γo)^0.5 + 1.25 T;  Bo = 0.9759 + 0.00012 F^1.2
//  1 Vazquez/Beggs (1980):       Bo = 1 + C1 Rs + (T − 60)(API/γg)(C2 + C3 Rs),
//                                API > 30: C1 4.67e-4, C2 1.1e-5, C3 1.337e-9;
//                                API ≤ 30: C1 4.677e-4, C2 1.751e-5, C3 −1.811e-8
//  2 Glaso (1980):               F = Rs (γg/γo)^0.526 + 0.968 T, A = log10 F;
//                                Bo = 1 + 10^(−6.58511 + 2.91329 A − 0.27683 A²)
//  3 Al-Marhoun (1988):          F = Rs^0.74239 γg^0.323294 γo^−1.20204;
//                                Bo = 0.497069 + 8.62963e-4 TR + 1.82594e-3 F + 3.18099e-6 F²
//  4 Petrosky/Farshad (1993):    X = Rs^0.3738 γg^0.2914 / γo^0.6265 + 0.24626 T^0.5371;
//                                Bo = 1.0113 + 7.2046e-5 X^3.0936
//  5 Dokla/Osman (1992):         F = Rs^0.773572 γg^0.40402 γo^−0.882605;
//                                Bo = 0.0431935 + 1.56667e-3 TR + 1.39775e-3 F + 3.80525e-6 F²
//  6 Farshad et al. (1996):      F = Rs^0.5956 γg^0.2369 γo^−0.13282 + 0.0976 T;
//                                Bo = 1 + 10^(−2.6541 + 0.5516 log10 F + 0.331 log10(F²))
//  7 Obomanu/Okpobiri (1987):    Tk = (T + 460)(5/9) K, Rm = Rs / 5.615 m³/m³;
//                                API > 30: Bo = 0.3321 + 7.88374e-4 Rm + 2.335e-3 Rm γg/γo + 2.0855e-3 Tk
//                                API ≤ 30: Bo = 1.0232 + 1.065e-4 (Rm (γg/γo + 1.8 Tk − 459.67))^0.79
//  8 Kartoatmodjo/Schmidt (1994): F = Rs^0.755 γg^0.25 γo^−1.5 + 0.45 T; Bo = 0.98496 + 1e-4 F^1.5
// References as in oil/solution_gas.h. Farshad takes log10 of F squared (2 log10 F), not
// the square of the logarithm; Glaso squares the logarithm. Both API splits are strict.
//
// Above the bubble point (p > pb strictly) Bo shrinks exponentially with the
// undersaturated compressibility: Bo(p) = Bo(pb) exp(−co (p − pb)).
//
// Domain: API > 0, γg > 0, Rs ≥ 0, T ≥ 0 °F for the fractional powers of T (Petrosky/Farshad),
// p > 0, F > 0 for the logarithms (Glaso, Farshad), and a non-negative bracket in the
// Obomanu/Okpobiri API ≤ 30 form. Outside it the result is NaN or ±inf.
#pragma once

#include "calc/result_set.h"
#include "selection/correlation_selection.h"

namespace tarnvik {

// Compressibility of undersaturated oil [1/psi].
//  Petrosky/Farshad (1993): co = 1.705e-7 Rs^0.69357 γg^0.1885 API^0.3272 T^0.6729 p^−0.5906.
//  Every other family, Vazquez & Beggs (1980):
//                           co = (5 Rs + 17.2 T − 1180 γg + 12.61 API − 1433) / (1e5 p).
// Vazquez & Beggs range: p 126–9500 psia, Rs 9.3–2199 SCF/STB, T 74–320 °F,
// API 15.3–59.5, γg 0.511–1.351.
// \param rs [SCF/STB]  \param temperatureF [°F]  \param gasGravity [air = 1]
// \param apiGravity [°API]  \param pressure [psia]  \param bubblePoint [psia], not used
// \param co out [1/psi]
void CalcUndersaturatedOilCompressibility(double rs, double temperatureF, double gasGravity, double apiGravity,
                                          double pressure, double bubblePoint, double& co,
                                          const CorrelationSelection& selection);

// Oil formation volume factor at pressure p with the solution GOR that holds there.
// \param gasGravity γg [air = 1]  \param temperatureF [°F]  \param apiGravity [°API]
// \param rs Rs at p [SCF/STB] (above pb the value at the bubble point)
// \param bo out: Bo [RB/STB], always written
// \param pressure p [psia]  \param bubblePoint pb [psia]
// \param co out: undersaturated co [1/psi], written only when p > pb; otherwise it keeps
//           the caller's value.
void CalcOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs, double& bo, double pressure,
                double bubblePoint, Quantity& co, const CorrelationSelection& selection);

}  // namespace tarnvik
