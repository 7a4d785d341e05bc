// Obomanu and Okpobiri (1987): solution gas–oil ratio, bubble-point pressure and oil
// formation volume factor of Nigerian crudes, fitted in SI units.
//
//   Rs = [0.0308 (6.894 p)^0.927 γg^2.15 API^1.27 / (10^0.881 TF^0.497)] · 5.615
//   pb = {(Rsb / 5.615) / [0.0308 γg^2.15 API^1.27 / (10^0.881 TF^0.497)]}^1.0787 / 6.894
//   Bo, API > 30: 0.3321 + 7.88374e-4 Rm + 2.335e-3 Rm γg/γo + 2.0855e-3 TK
//   Bo, API ≤ 30: 1.0232 + 1.065e-4 [Rm (γg/γo + 1.8 TK − 459.67)]^0.79
// with TK = (5/9)(T + 460) [K], TF = 1.8 TK − 460 [°F], Rm = Rs / 5.615 [m³/m³].
// Units at the interface: p, pb [psia]; T [°F]; Rs, Rsb [SCF/STB]; Bo [RB/STB].
// Notes: 6.894 converts psia to kPa and 5.615 SCF/STB to m³/m³. Needs T > 0 °F and, with
// API ≤ 30, a non-negative bracket. The API split is strict.
// Reference: D.A. Obomanu, G.A. Okpobiri, "Correlating the PVT Properties of Nigerian
// Crudes", J. Energy Resour. Technol. 109(4) (1987) 214–217, doi:10.1115/1.3231349.
// Example: none found in the paper or a textbook reproduction (the searches are listed in
// tests/correlations/oil_test.cpp).
// The data ranges of the fit are not stated in what we could consult, so none is checked.
#pragma once

namespace tarnvik {

double ObomanuOkpobiriSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity);
double ObomanuOkpobiriBubblePoint(double gasGravity, double rsb, double temperatureF, double apiGravity);
double ObomanuOkpobiriOilFvf(double gasGravity, double temperatureF, double apiGravity, double rs);

}  // namespace tarnvik
