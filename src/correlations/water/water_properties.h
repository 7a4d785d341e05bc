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
// Water viscosity, Kestin, Khalifa and Correia's correlation of NaCl brine (their tables'
// correlating equations), with the pure-water viscosity of Kestin, Sokolov and Wakeham:
//   T [°C] = (t − 32) / 1.8, P [GPa] = p · 6894.757e-9, m [mol NaCl / kg water]
//   = 1000 (s/100) / (58.4428 (1 − s/100));
//   pure water at 0.1 MPa, d = 20 − T:
//   log10(μw0 / 1.002 cp) = d / (T + 96) · (1.2378 − 1.303e-3 d + 3.06e-6 d² + 2.55e-8 d³);
//   brine at 0.1 MPa: log10(μ0 / μw0) = A + B log10(μw0 / 1.002 cp),
//   A = 3.324e-2 m + 3.624e-3 m² − 1.879e-4 m³, B = −3.96e-2 m + 1.02e-2 m² − 7.02e-4 m³;
//   pressure: μw = μ0 (1 + βw (P − 0.0001)),
//   βw [1/GPa] = −1.297 + 5.74e-2 T − 6.97e-4 T² + 4.47e-6 T³ − 1.05e-8 T⁴.
//   J. Kestin, H.E. Khalifa, R.J. Correia, "Tables of the Dynamic and Kinematic Viscosity
//   of Aqueous NaCl Solutions in the Temperature Range 20-150 °C and the Pressure Range
//   0.1-35 MPa", J. Phys. Chem. Ref. Data 10(1) (1981) 71–87, doi:10.1063/1.555641;
//   J. Kestin, M. Sokolov, W.A. Wakeham, "Viscosity of Liquid Water in the Range −8 °C to
//   150 °C", J. Phys. Chem. Ref. Data 7(3) (1978) 941–948, doi:10.1063/1.555581.
//   Range: 68–302 °F (20–150 °C), 14.5–5076 psia (0.1–35 MPa), 0–6 mol/kg (0–26 % NaCl),
//   within ±0.5 % as published. Against the IAPWS-95 / IAPWS 2008 viscosity of fresh
//   liquid water: within 0.55 % over that range; beyond it within 0.5 % over 80–350 °F to
//   5000 psia and 150–350 °F to 10,000 psia, 1.3 % at 80 °F and 1.9 % at 60 °F and 10,000
//   psia, 2.1 % at 400 °F to 10,000 psia, 3.8 % at 60 °F and 15,000 psia. From 448 °F βw
//   is negative and the result falls with pressure (below 0 at 600 °F and 10,000 psia: the
//   run names that unphysical). Worked example (computed from the equations): 3 % NaCl at
//   200 °F and 3000 psia: T = 93.33 °C, m = 0.5292, μw0 = 0.30335 cp, A = 0.018578,
//   B = −0.018204, μ0 = 0.32357 cp, βw = 0.82619 /GPa, P = 0.020684 GPa, μw = 0.32908 cp.
//   The dead brine of the worked example in W.D. McCain Jr., "The Properties of Petroleum
//   Fluids", 2nd ed., PennWell (1990), ch. 16 (7.1 % solids at 165 °F and atmospheric
//   pressure, 0.45 cp) gives 0.445 cp.
// Water compressibility:
//   cw = (B0 + B1 t + B2 t²) 1e-6, B0 = 3.8546 − 1.34e-4 p, B1 = −0.01052 + 4.77e-7 p,
//   B2 = 3.9267e-5 − 8.8e-10 p; times (1 + 0.0089 Rsw) when p ≤ pb (gas-saturated water);
//   times 1 + (−0.052 + 2.7e-4 t − 1.14e-6 t² + 1.121e-9 t³) s^0.7.
//   D.N. Meehan, "A Correlation for Water Compressibility", Petroleum Engineer (Nov. 1980)
//   125–126; salinity factor after Numbere, Brigham and Standing (1977).
// Data of the fits: one data set for Rsw, Bw and cw; Kestin, Khalifa and Correia's for the
// viscosity (ranges: correlations/validity_ranges.cpp).
// Notes: for Rsw, Bw and cw the references name the sources of these forms; the stored
// constants are the program's own fits and are kept. For the viscosity, the pure-water
// pressure coefficient βw is used for brines too (the paper's coefficient of the brine was
// not at hand), and "solids" are taken as NaCl. Domain: s ≥ 0 (a negative salinity gives
// NaN viscosity and compressibility); for the viscosity also s < 100 (the molality is
// infinite at 100 %) and t > −140.8 °F (T > −96 °C, the pole of the temperature function;
// within about 1 °F of it the value overflows), NaN otherwise.
#pragma once

namespace tarnvik {

// pb [psia], 0 means none.
double WaterSolutionGas(double pressure, double bubblePoint, double temperatureF, double salinity);
double WaterFvf(double pressure, double temperatureF, double salinity);
double WaterViscosity(double temperatureF, double salinity, double pressure);
// rsw: Rsw at the same conditions [SCF/STB].
double WaterCompressibility(double temperatureF, double pressure, double bubblePoint, double salinity, double rsw);

}  // namespace tarnvik
