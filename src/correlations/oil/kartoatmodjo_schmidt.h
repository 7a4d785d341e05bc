// Kartoatmodjo and Schmidt (1994): solution gas–oil ratio, bubble-point pressure and oil
// formation volume factor from a large data bank of crudes from around the world.
//
//   Rs = C1 γg^C2 p^C3 10^(C4 API / TR)
//        API > 30: 0.0315, 0.7567, 1.0937, 11.2895;  API ≤ 30: 0.05958, 0.7972, 1.0014, 13.1405
//   pb = [Rsb / (C1 γg^C2 10^(C4 API / TR))]^C5,  C5 = 0.91433 (API > 30), 0.9986 (API ≤ 30)
//   Bo = 0.98496 + 1e-4 F^1.5,  F = Rs^0.755 γg^0.25 γo^−1.5 + 0.45 T
// Units: p, pb [psia]; T [°F], TR = T + 460 [°R]; Rs, Rsb [SCF/STB]; Bo [RB/STB].
// Data: 5392 data sets from 740 crudes (Indonesia, North and South America, Middle East;
// ranges: correlations/validity_ranges.cpp).
// Reference: T. Kartoatmodjo, Z. Schmidt, "Large Data Bank Improves Crude Physical Property
// Correlations", Oil & Gas Journal 92(27) (1994) 51–55.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
// Notes: the API split is strict. γg is used as entered, without the separator correction.
#pragma once

namespace tarnvik {

double KartoatmodjoSchmidtSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double KartoatmodjoSchmidtBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double KartoatmodjoSchmidtOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);

}  // namespace tarnvik
