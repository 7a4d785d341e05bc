// Natural-gas viscosity, Lee–Gonzalez–Eakin form:
//   Ma = 28.9 γg,  K = (9.4 + 0.02 Ma) TR^1.5 / (209 + 19 Ma + TR),
//   X = 3.5 + 986 / TR + 0.01 Ma,  Y = 2.4 − 0.2 X,
//   ρ = 0.00752 Ma / Bg [g/cm³] (ρ = 1 when Bg = 0),  μg = 1e-4 K exp(X ρ^Y) [cp],
//   with TR = T + 460 [°R], T [°F], Bg [RB/MCF].
// Reference: A.L. Lee, M.H. Gonzalez, B.E. Eakin, "The Viscosity of Natural Gases", JPT
// 18(8) (1966) 997–1000, doi:10.2118/1340-PA. Four natural gases (ranges:
// correlations/validity_ranges.cpp); standard deviation 2.7 %.
// Notes: Ma uses 28.9 (not 28.97) and the density is formed from Bg:
// ρ = Ma p / (z R T) = 0.00752 Ma / Bg. Domain: T > −460 °F, γg > 0.
#pragma once

namespace tarnvik {

double LeeGonzalezEakinViscosity(double gasGravity, double temperatureF, double bg);

}  // namespace tarnvik
