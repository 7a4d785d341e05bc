// Unit conversions and physical constants shared by the whole program: every
// conversion factor used by the correlations, the run and the presentation lives here.
#pragma once

namespace tarnvik::units {

// Absolute temperature: the correlations use T[°R] = T[°F] + 460 (not 459.67).
inline constexpr double kRankineOffset = 460.0;

// Gas–oil and gas–water ratios: 1 MCF/STB = 1000 SCF/STB.
inline constexpr double kScfPerMcf = 1000.0;

// Compressibilities are shown in microsips: 1 /psi = 1e6 microsips.
inline constexpr double kMicrosipsPerInvPsi = 1.0e6;

// Saturations are shown in percent of the pore volume.
inline constexpr double kPercentPerFraction = 100.0;

// Density of fresh water at standard conditions, lb/ft³, and the density
// increase per percent NaCl; used by the salinity conversion and the water density.
inline constexpr double kFreshWaterDensity = 62.4;
inline constexpr double kDensityPerPercentNaCl = 0.47;

// Molar mass of NaCl, g/mol: salinity in weight percent to molality (mol per kg of water).
inline constexpr double kNaClMolarMass = 58.4428;

// Volume of one barrel, ft³. At standard conditions one MCF of gas fills
// 1000 / 5.615 = 178.1 RB, its formation volume factor there.
inline constexpr double kCubicFeetPerBarrel = 5.615;
inline constexpr double kStandardBg = kScfPerMcf / kCubicFeetPerBarrel;  // RB/MCF

// Atmospheric pressure at standard conditions, psia: the lowest pressure of the
// tables against pressure and of the simulator tables.
inline constexpr double kAtmosphericPressure = 14.7;

// Pressure step of the numerical derivatives, psi (evaluated at p ∓ 5 psia).
inline constexpr double kPressureStep = 10.0;

}  // namespace tarnvik::units
