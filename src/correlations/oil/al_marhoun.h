// Al-Marhoun (1988): solution gas–oil ratio, bubble-point pressure and oil formation volume
// factor of Middle East crudes.
//
//   Rs = (185.843208 γg^1.87784 γo^−3.1437 TR^−1.32657 p)^1.398441
//   pb = 5.38088e-3 Rsb^0.715082 γg^−1.87784 γo^3.1437 TR^1.32657
//   Bo = 0.497069 + 8.62963e-4 TR + 1.82594e-3 F + 3.18099e-6 F²,
//        F = Rs^0.74239 γg^0.323294 γo^−1.20204
// Units: p, pb [psia]; TR = T + 460 [°R]; Rs, Rsb [SCF/STB]; Bo [RB/STB]; γg [air = 1].
// Data: 160 bubble points of 69 Middle East crudes (ranges: correlations/validity_ranges.cpp);
// average error 0.03 % (pb), −0.01 % (Bo).
// Reference: M.A. Al-Marhoun, "PVT Correlations for Middle East Crude Oils", JPT 40(5)
// (1988) 650–666, doi:10.2118/13718-PA.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
#pragma once

namespace tarnvik {

double AlMarhounSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double AlMarhounBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double AlMarhounOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);

}  // namespace tarnvik
