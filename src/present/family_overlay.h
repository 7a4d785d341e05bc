// The nine oil families of one case against pressure, for plotting together (the Plots
// page's family charts and the Lab data page's charts): each family's pressure table over
// one range, and the tuned family's where a tuning is given, so that the curves line up.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/output_field.h"
#include "calc/pressure_table.h"

namespace tarnvik {

// An unset upper bound lies this far above the highest pressure a plot must show.
inline constexpr double kOverlayAboveHighest = 1.2;

// The range of every family plot, one rule: the bounds asked for; an unset lower bound is
// atmospheric pressure, and an unset upper bound 1.2 times the highest of the case's
// reservoir pressure and `shown` (the pressures the plot must show, such as measured
// ones), and at least twice the lower bound. A plot beside a pressure table asks for that
// table's bounds, so that it follows the table's range.
PressureRange FamilyOverlayRange(const CalculationCase& calculationCase, const PressureRange& asked,
                                 const std::vector<double>& shown = {});

struct FamilyOverlay {
  PressureRange range;                                       // both bounds set, psia
  std::array<PressureTable, kOilCorrelationCount> families;  // Standing first
  std::optional<PressureTable> tuned;                        // the tuned family, with `tuning`
  std::string error;                                         // why the tables are empty, if they are
};

// Each family's table of the case over FamilyOverlayRange(asked, shown), every family run
// as the case would run it (so tuned where the case's own tuning is for it); with `tuning`,
// also its family's table tuned by it. Tables are empty, with `error` set, when the range
// is refused.
FamilyOverlay BuildFamilyOverlay(const CalculationCase& calculationCase, const PressureRange& asked,
                                 const OilTuning* tuning = nullptr, const std::vector<double>& shown = {});

// One point of a curve: a pressure [psia] and a value in calculation units.
struct CurvePoint {
  double pressure = 0;
  double value = 0;
};

// The curve of `field` along a table, by increasing pressure: every row whose run
// succeeded and whose value was computed and is finite.
std::vector<CurvePoint> CurveOf(const PressureTable& table, OutputField field, GorSelectorMode gorMode);

}  // namespace tarnvik
