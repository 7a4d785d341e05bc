// Natural gas with carbon dioxide, hydrogen sulphide and nitrogen: the corrections of the
// pseudo-critical properties and of the gas viscosity for these impurities. Mole percent
// throughout (5 means 5 mol %); Tpc [°R], Ppc [psia], T [°F], μ [cp]; γg the gravity of the
// whole gas (air = 1).
//
// Pseudo-critical properties, in the usual textbook order: Tpc and Ppc from the gas gravity
// (z_factor.h), then Carr, Kobayashi and Burrows' nitrogen term, then Wichert and Aziz'
// correction for the acid gases (T. Ahmed, "Reservoir Engineering Handbook", ch. 2, applies
// each to the gravity's pseudo-critical properties in this way).
//
// Nitrogen, N.L. Carr, R. Kobayashi, D.B. Burrows, "Viscosity of Hydrocarbon Gases Under
// Pressure", Trans. AIME 201 (1954) 264–272, doi:10.2118/297-G, their adjustment of the
// pseudo-critical properties, nitrogen term only:
//   Tpc′ = Tpc − 250 yN2,  Ppc′ = Ppc − 170 yN2   (y mole fractions).
//   For a 0.65 gas with 10 % N2 this lands within 0.2 % of Kay's rule over the hydrocarbon
//   part and nitrogen's critical point (227.2 °R, 493.1 psia).
//
// Carbon dioxide and hydrogen sulphide, E. Wichert, K. Aziz, "Calculate Z's for Sour
// Gases", Hydrocarbon Processing 51(5) (1972) 119–122:
//   ε = 120 (A^0.9 − A^1.6) + 15 (B^0.5 − B^4) [°R],  A = yCO2 + yH2S, B = yH2S,
//   Tpc′ = Tpc − ε,  Ppc′ = Ppc Tpc′ / (Tpc + B (1 − B) ε).
//   Data: CO2 to 54.4 mol %, H2S to 73.8 mol %, 154–7026 psia, 40–300 °F; average absolute
//   error of z 0.97 %. Worked example (Ahmed, Example 2-9): γg 0.7 with 5 % CO2 and 10 % H2S,
//   Tpc 389.38 °R and Ppc 669.1 psia, gives ε = 20.735, Tpc′ 368.64 °R, Ppc′ 630.44 psia, and
//   at 3500 psia and 160 °F z = 0.89 from the Standing–Katz chart.
//
// Gas viscosity: Carr, Kobayashi and Burrows' corrections of the viscosity at atmospheric
// pressure, as fitted by M.B. Standing, "Volumetric and Phase Behavior of Oil Field
// Hydrocarbon Systems", SPE, Dallas (1977):
//   μ1 = (1.709e-5 − 2.062e-6 γg) T + 8.188e-3 − 6.15e-3 log γg,
//   ΔμN2 = yN2 (8.48e-3 log γg + 9.59e-3),  ΔμCO2 = yCO2 (9.08e-3 log γg + 6.24e-3),
//   ΔμH2S = yH2S (8.49e-3 log γg + 3.73e-3).
//   Carr, Kobayashi and Burrows take μg = (μ1 + ΣΔμ) · (μg/μ1) with the ratio from the
//   reduced properties; the program's dense-gas viscosity is Lee, Gonzalez and Eakin's, so
//   the factor (μ1 + ΣΔμ) / μ1 is applied to it. Charts to 15 mol % of each.
// Notes: with no impurity every function returns its input exactly, so such a gas gives the
// numbers it gave before.
#pragma once

#include "correlations/gas/z_factor.h"

namespace tarnvik {

struct GasImpurities {
  double co2 = 0;  // mol %
  double h2s = 0;  // mol %
  double n2 = 0;   // mol %

  constexpr bool any() const { return co2 != 0 || h2s != 0 || n2 != 0; }
  friend bool operator==(const GasImpurities&, const GasImpurities&) = default;
};

// Wichert and Aziz' ε [°R] for CO2 and H2S [mol %].
double WichertAzizEpsilon(double co2Percent, double h2sPercent);

// The pseudo-critical properties corrected by Wichert and Aziz for CO2 and H2S [mol %].
PseudoCritical WichertAzizPseudoCritical(PseudoCritical pc, double co2Percent, double h2sPercent);

// The pseudo-critical properties adjusted by Carr, Kobayashi and Burrows for N2 [mol %].
PseudoCritical CarrKobayashiBurrowsNitrogen(PseudoCritical pc, double n2Percent);

// Both, in that order: the pseudo-critical properties of a gas with these impurities from
// those its gravity gives. `pc` itself when there are none.
PseudoCritical ImpurityCorrectedPseudoCritical(PseudoCritical pc, const GasImpurities& impurities);

// Standing's fit of Carr, Kobayashi and Burrows' viscosity at atmospheric pressure [cp] of a
// hydrocarbon gas of gravity γg at T [°F].
double CarrKobayashiBurrowsDiluteViscosity(double gasGravity, double temperatureF);

// The factor on the gas viscosity for the impurities: (μ1 + ΣΔμ) / μ1; exactly 1 without.
double ImpurityViscosityFactor(double gasGravity, double temperatureF, const GasImpurities& impurities);

}  // namespace tarnvik
