// Reservoir oil viscosity, the same for every oil correlation family.
//
// Dead oil, Beal's chart as fitted by Standing:
//   μod = (0.32 + 1.8e7 / API^4.53) (360 / (T + 200))^a,  a = 10^(0.43 + 8.33 / API)
//   C. Beal, "The Viscosity of Air, Water, Natural Gas, Crude Oil and Its Associated Gases
//   at Oil Field Temperatures and Pressures", Trans. AIME 165 (1946) 94–115,
//   doi:10.2118/946094-G. Average error 24 %.
// Gas in solution, Chew and Connally's chart as fitted by Standing:
//   μo = A μod^B,  A = 10^(2.2e-7 Rs² − 7.4e-4 Rs),
//   B = 0.68 / 10^(8.62e-5 Rs) + 0.25 / 10^(1.1e-3 Rs) + 0.062 / 10^(3.74e-3 Rs)
//   J.N. Chew, C.A. Connally, "A Viscosity Correlation for Gas-Saturated Crude Oils",
//   Trans. AIME 216 (1959) 23–25, doi:10.2118/1092-G. 457 crude oil samples.
// Above the bubble point (p > pb) a linear pressure term, a fit of Beal's (1946)
// undersaturated-viscosity chart:
//   μo = μob + s (p − pb),  s = 0.001 exp(0.091 (ln μob)² + 0.98 ln μob − 2.68) [cp/psi]
// Units: T [°F]; Rs [SCF/STB]; p, pb [psia]; μ [cp].
// The ranges of the three charts' data: correlations/validity_ranges.cpp.
// Domain: API > 0, T > −200 °F, Rs ≥ 0; outside it the result is NaN or ±inf.
// Example (hand-computed): API 35, T 200 °F, Rs 0 → a = 4.6559, μod = 1.3118 cp,
// μo = μod^0.992 = 1.3089 cp.
#pragma once

namespace tarnvik {

// μod [cp], Beal's dead oil.
double DeadOilViscosity(double apiGravity, double temperatureF);

// Chew and Connally's exponent B of the dead oil's viscosity at Rs [SCF/STB]:
// d ln μo / d ln μod.
double LiveOilViscosityExponent(double rs);

// μo [cp] of oil holding Rs [SCF/STB] whose dead oil's viscosity is μod [cp], Chew and
// Connally's.
double LiveOilViscosity(double deadOilViscosity, double rs);

// μo [cp] of oil holding Rs [SCF/STB] at or below its bubble point: Chew and Connally's
// from Beal's dead oil.
double SaturatedOilViscosity(double apiGravity, double temperatureF, double rs);

// Beal's slope s [cp/psi] above the bubble point, from μob [cp].
double UndersaturatedViscositySlope(double bubblePointViscosity);

// μo [cp] at p [psia] above the bubble point pb [psia], from μob [cp] at pb.
double UndersaturatedOilViscosity(double bubblePointViscosity, double pressure, double bubblePoint);

}  // namespace tarnvik
