// Petrosky and Farshad (1993): solution gas–oil ratio, bubble-point pressure, oil formation
// volume factor and undersaturated oil compressibility of Gulf of Mexico crudes.
//
//   Rs = [(p / 112.727 + 12.34) γg^0.8439 10^(7.916e-4 API^1.541 − 4.561e-5 T^1.3911)]^1.73184
//   pb = 112.727 [Rsb^0.5774 10^(4.561e-5 T^1.3911 − 7.916e-4 API^1.541) / γg^0.8439 − 12.34]
//   Bo = 1.0113 + 7.2046e-5 X^3.0936,  X = Rs^0.3738 γg^0.2914 / γo^0.6265 + 0.24626 T^0.5371
//   co = 1.705e-7 Rsb^0.69357 γg^0.1885 API^0.3272 T^0.6729 p^−0.5906   above the bubble point
// Units: p, pb [psia]; T [°F]; Rs, Rsb [SCF/STB]; Bo [RB/STB]; co [1/psi]; γg [air = 1].
// Data: 81 laboratory analyses of Gulf of Mexico crudes (ranges:
// correlations/validity_ranges.cpp); average error −0.17 % (pb).
// Reference: G.E. Petrosky, F.F. Farshad, "Pressure-Volume-Temperature Correlations for
// Gulf of Mexico Crude Oils", SPE 26644 (1993), doi:10.2118/26644-MS.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
// Notes: needs T > 0 °F. The exponents 0.5774 and 1.73184 of the two directions are not
// exact reciprocals; each direction keeps its own. A small Rsb gives a negative pb.
#pragma once

namespace tarnvik {

double PetroskyFarshadSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double PetroskyFarshadBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double PetroskyFarshadOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);
double PetroskyFarshadUndersaturatedCompressibility(double rs, double temperatureF, double gasGravity,
                                                    double apiGravity, double pressure);

}  // namespace tarnvik
