// Formation-water properties at reservoir conditions, corrected for salinity.
// Units: temperature t [°F] throughout (no conversion to °R), pressure p [psia], salinity s
// [weight percent NaCl, 3 means 3 %], Rsw [SCF/STB], Bw [RB/STB], μw [cp], cw [1/psi].
//
// Gas solubility in water, a fresh-water fit of Culberson and McKetta's methane data with a
// salinity factor:
//   A0 = 2.12 + 3.45e-3 t − 3.59e-5 t², A1 = 0.0107 − 5.26e-5 t + 1.48e-7 t²,
//   A2 = −8.75e-7 + 3.9e-9 t − 1.02e-11 t²,
//   Rsw = (A0 + A1 p′ + A2 p′²)(1 − s (0.0753 − 1.73e-4 t)), clamped at 0,
//   p′ = pb when p > pb and pb ≠ 0 (the water keeps the gas it held at the bubble point).
//   O.L. Culberson, J.J. McKetta, "Phase Equilibria in Hydrocarbon-Water Systems III — The
//   Solubility of Methane in Water at Pressures to 10,000 psia", Trans. AIME 192 (1951)
//   223–226, doi:10.2118/951223-G.
// Water formation volume factor:
//   Bw = (0.952 − 1.48e-6 p + 10^(1.996e-3 (t − 100) − 1.267606)) · fs,
//   fs = 1 + s (5.1e-8 p + (t − 60)(5.47e-6 − 1.95e-10 p) + (t − 60)² (−3.23e-8 + 8.5e-13 p));
//   salinity factor after C.R. Numbere, W.E. Brigham, M.B. Standing, "Correlations for
//   Physical Properties of Petroleum Reservoir Brines", Stanford Univ. Petroleum Research
//   Institute (1977).
// Water viscosity, McCain's correlation (dead brine at atmospheric pressure, eqs. 16 and 17,
// times the pressure correction, eq. 18):
//   μw1 = A t^B,  A = 109.574 − 8.40564 s + 0.313314 s² + 8.72213e-3 s³,
//   B = −1.12166 + 2.63951e-2 s − 6.79461e-4 s² − 5.47119e-5 s³ + 1.55586e-6 s⁴,
//   μw = μw1 (0.9994 + 4.0295e-5 p + 3.1062e-9 p²).
//   W.D. McCain Jr., "The Properties of Petroleum Fluids", 2nd ed., PennWell (1990), ch. 16;
//   W.D. McCain Jr., "Reservoir-Fluid Property Correlations — State of the Art", SPE
//   Reservoir Engineering 6(2) (1991) 266–272, doi:10.2118/18571-PA.
//   Range: μw1 100–400 °F and 0–26 % NaCl (within 5 %); the pressure correction 86.5–167 °F
//   and up to 10,000 psia (within 4 %; 7 % to 15,000 psia). Worked example (McCain 1990):
//   7.1 % solids at 165 °F and 3176 psia give μw1 = 0.45 cp and μw = 0.52 cp. Fresh water
//   agrees with the steam tables within about 4 % from 60 to 300 °F.
// Water compressibility:
//   cw = (B0 + B1 t + B2 t²) 1e-6, B0 = 3.8546 − 1.34e-4 p, B1 = −0.01052 + 4.77e-7 p,
//   B2 = 3.9267e-5 − 8.8e-10 p; times (1 + 0.0089 Rsw) when p ≤ pb (gas-saturated water);
//   times 1 + (−0.052 + 2.7e-4 t − 1.14e-6 t² + 1.121e-9 t³) s^0.7.
//   D.N. Meehan, "A Correlation for Water Compressibility", Petroleum Engineer (Nov. 1980)
//   125–126; salinity factor after Numbere, Brigham and Standing (1977).
// Data of the fits: one data set for Rsw, Bw and cw; McCain's for the viscosity (ranges:
// correlations/validity_ranges.cpp).
// Notes: for Rsw, Bw and cw the references name the sources of these forms; the stored
// constants are the program's own fits and are kept. Domain: s ≥ 0 (a negative salinity
// gives NaN viscosity and compressibility) and t > 0 for the viscosity.
#pragma once

namespace tarnvik {

// pb [psia], 0 means none.
double WaterSolutionGas(double pressure, double bubblePoint, double temperatureF, double salinity);
double WaterFvf(double pressure, double temperatureF, double salinity);
double WaterViscosity(double temperatureF, double salinity, double pressure);
// rsw: Rsw at the same conditions [SCF/STB].
double WaterCompressibility(double temperatureF, double pressure, double bubblePoint, double salinity, double rsw);

}  // namespace tarnvik
