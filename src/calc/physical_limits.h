// What is physically possible for the results of a run, and the check of a run against it.
// A result outside is still given; the run names it (DiagnosticKind::Unphysical).
#pragma once

#include <array>
#include <limits>

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/result_set.h"

namespace tarnvik {

struct PhysicalLimit {
  OutputField field;
  DataRange range;  // calculation units
  bool lowIncluded = true;
  // How far below the low limit a value may lie and still be that limit, rounded: Sg is
  // 1 − So − Sw, which comes out −1e-17 or so where it is exactly 0.
  double rounding = 0;
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// In field order.
//  - Bo of an oil with gas in solution is at least 1: the gas swells the oil.
//  - A bubble point lies above 0 psia (checked where the run derived it, in GOR mode):
//    Standing's and Petrosky and Farshad's inverse give 0 or less for a very small GOR.
//  - z lies within 0.2 to 2.5, the span of the Standing–Katz chart with a margin:
//    Hall–Yarborough gives 0.21 to 2.36 where it converges for 1 ≤ Tpr ≤ 3 and Ppr ≤ 20.5,
//    and values far from these where it converges to a spurious root near Tpr = 1, or stops
//    too early at very low reduced pressure.
//  - Compressibilities and saturations are not negative (saturations to within 1e-9).
//  - Water viscosity lies above 0: Kestin, Khalifa and Correia's pressure coefficient,
//    carried far above their data, turns negative from 448 °F and takes the viscosity below
//    0 at high pressure (600 °F and 10,000 psia).
inline constexpr std::array<PhysicalLimit, 12> kPhysicalLimits = {{
    {OutputField::Bo, {1, kUnbounded}},
    {OutputField::PbOrRsb, {0, kUnbounded}, false},
    {OutputField::Z, {0.2, 2.5}},
    {OutputField::Co, {0, kUnbounded}},
    {OutputField::Cg, {0, kUnbounded}},
    {OutputField::Cw, {0, kUnbounded}},
    {OutputField::WaterViscosity, {0, kUnbounded}, false},
    {OutputField::Cf, {0, kUnbounded}},
    {OutputField::Ct, {0, kUnbounded}},
    {OutputField::So, {0, kUnbounded}, true, 1e-9},
    {OutputField::Sw, {0, kUnbounded}, true, 1e-9},
    {OutputField::Sg, {0, kUnbounded}, true, 1e-9},
}};

// Appends an Unphysical diagnostic for every finite result outside its limit, in field
// order, naming the correlation that gave it where one did.
void NoteUnphysical(const CalculationCase& calculationCase, const ResultSet& results, Diagnostics& diagnostics);

}  // namespace tarnvik
