// The results of a case at a series of pressures, and of the same case with each of the
// nine oil families. Every row is exactly a calculation run: the same inputs with only
// the pressure (or the family) changed.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "calc/calculation_case.h"
#include "calc/calculation_run.h"
#include "calc/output_field.h"

namespace tarnvik {

inline constexpr int kMinTablePoints = 2;
inline constexpr int kMaxTablePoints = 2000;
inline constexpr int kDefaultTablePoints = 50;
// The default table reaches this far above the bubble point.
inline constexpr double kDefaultRangeAboveBubblePoint = 1.25;

// The evenly spaced pressures of a table. Unset bounds take the defaults: from 14.7 psia
// to the larger of the reservoir pressure and 1.25 pb.
struct PressureRange {
  std::optional<double> minimum{};  // psia
  std::optional<double> maximum{};  // psia
  int points = kDefaultTablePoints;
};

struct PressureRow {
  double pressure = 0;  // psia
  CalculationOutcome outcome;
  bool atBubblePoint = false;
  bool atReservoirPressure = false;
};

struct PressureTable {
  std::vector<PressureRow> rows;      // by increasing pressure
  std::optional<double> bubblePoint;  // psia, when the case has oil
  double reservoirPressure = 0;
  double minimum = 0;
  double maximum = 0;
};

// The case calculated at another pressure [psia], every other input unchanged.
CalculationOutcome CalculateAt(const CalculationCase& calculationCase, double pressure);

// The bubble-point pressure of the case [psia], from a run at the reservoir pressure;
// empty when there is no oil or the value is not finite.
std::optional<double> CaseBubblePoint(const CalculationCase& calculationCase);

// Checks the range against the case and fills in the defaults; false with the reason in
// words when the range cannot make a table.
bool ResolvePressureRange(const CalculationCase& calculationCase, const PressureRange& range, double& minimum,
                          double& maximum, std::string& error);

// The table: `points` evenly spaced pressures, plus the bubble-point and the reservoir
// pressure as rows of their own when they fall inside the range and are not already
// there. A z-factor failure at one pressure marks that row only. `error` is set, and
// the table is empty, when the range is refused.
PressureTable BuildPressureTable(const CalculationCase& calculationCase, const PressureRange& range,
                                 std::string& error);

// The oil results compared across families, in the order they are shown.
inline constexpr std::array<OutputField, 6> kComparisonFields = {OutputField::PbOrRsb, OutputField::Rs,
                                                                 OutputField::Bo,      OutputField::OilViscosity,
                                                                 OutputField::Co,      OutputField::OilDensity};

struct FamilyRow {
  OilCorrelation family = OilCorrelation::Standing;
  CalculationOutcome outcome;
  bool tuned = false;    // the family ran tuned to lab data
  bool untuned = false;  // the tuned family as published, beside its tuned row
};

// The case run once with each of the nine oil families, Standing first; the family the
// case's tuning is for runs tuned, as the case's own run does, and its published form
// follows it (ten rows).
std::vector<FamilyRow> CompareOilFamilies(const CalculationCase& calculationCase);

// The case with another oil family.
CalculationCase WithOilFamily(const CalculationCase& calculationCase, OilCorrelation family);

}  // namespace tarnvik
