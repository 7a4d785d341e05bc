// Dokla and Osman (1992): solution gas–oil ratio, bubble-point pressure and oil formation
// volume factor of U.A.E. crudes.
//
//   Rs = (1.19562e-4 p γg^1.01049 γo^−0.107941 TR^0.952584)^1.3811258
//   pb = Rsb^0.72405 / (1.19562e-4 γg^1.01049 γo^−0.107941 TR^0.952584)
//   Bo = 0.0431935 + 1.56667e-3 TR + 1.39775e-3 F + 3.80525e-6 F²,
//        F = Rs^0.773572 γg^0.40402 γo^−0.882605
// Units: p, pb [psia]; TR = T + 460 [°R]; Rs, Rsb [SCF/STB]; Bo [RB/STB]; γg [air = 1].
// Data: 51 bottom-hole samples of U.A.E. reservoirs (ranges: correlations/validity_ranges.cpp).
// Reference: M.E. Dokla, M.E. Osman, "Correlation of PVT Properties for UAE Crudes", SPE
// Formation Evaluation 7(1) (1992) 41–46, doi:10.2118/20989-PA.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
#pragma once

namespace tarnvik {

double DoklaOsmanSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double DoklaOsmanBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double DoklaOsmanOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);

}  // namespace tarnvik
