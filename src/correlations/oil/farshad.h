// Farshad, LeBlanc, Garber and Osorio (1996): solution gas–oil ratio, bubble-point
// pressure and oil formation volume factor of Colombian crudes.
//
//   Rs = 0.01936 p^1.1574 γg^0.73495 10^(3.37e-4 T + 0.01771 API)
//   pb = [Rsb / (0.01936 γg^0.73495 10^(3.37e-4 T + 0.01771 API))]^0.864
//   Bo = 1 + 10^(−2.6541 + 0.5516 log10 F + 0.331 log10(F²)),
//        F = Rs^0.5956 γg^0.2369 γo^−0.13282 + 0.0976 T
// Units: p, pb [psia]; T [°F]; Rs, Rsb [SCF/STB]; Bo [RB/STB]; γg [air = 1].
// Data: 98 Colombian crudes, from single-, two- and three-stage separation (ranges:
// correlations/validity_ranges.cpp).
// Reference: F. Farshad, J.L. LeBlanc, J.D. Garber, J.G. Osorio, "Empirical PVT
// Correlations for Colombian Crude Oils", SPE 36105 (1996), doi:10.2118/36105-MS.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
// Notes: the Bo group takes log10 of F squared (2 log10 F), not the square of the logarithm.
#pragma once

namespace tarnvik {

double FarshadSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double FarshadBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double FarshadOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);

}  // namespace tarnvik
