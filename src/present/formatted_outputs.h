// What a run shows: the 21 values in their display units and as the window writes them,
// the fields without a value and why, the warnings, the caption of the bubble-point/GOR field and a
// z-factor failure message.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/unit_system.h"
#include "calc/calculation_run.h"
#include "calc/output_field.h"

namespace tarnvik {

// A set of fields, one bit per field: bit IndexOf(field).
using FieldMask = std::uint32_t;
constexpr FieldMask MaskOf(OutputField field) { return FieldMask{1} << IndexOf(field); }

// 21 values none of which is shown.
inline constexpr std::array<double, kOutputFieldCount> kNoValues = [] {
  std::array<double, kOutputFieldCount> none{};
  none.fill(std::numeric_limits<double>::quiet_NaN());
  return none;
}();

// The 21 values in their display units without their texts, for faces that hand on numbers
// (the Python module): the same values and the same fields without a value as
// FormatOutputs gives.
struct DisplayValues {
  // In display units; NaN where not computed, not finite or not computable (a value shown
  // is always finite), and everywhere until a run's values are given.
  std::array<double, kOutputFieldCount> values = kNoValues;
  // Fields whose value came out NaN or infinite (outside a correlation's domain).
  FieldMask outOfRange = 0;
  // Fields that could not be computed although their fluid is present.
  FieldMask notComputed = 0;
};

DisplayValues ValuesToShow(const CalculationOutcome& outcome, GorSelectorMode gorMode,
                           UnitSystem system = UnitSystem::Field);

// A value of DisplayValues, empty where none is shown.
inline Quantity ShownValue(double value) { return std::isnan(value) ? Quantity{} : Quantity{value}; }

struct DisplayedOutputs {
  // In display units; empty where not computed, not finite or not computable.
  std::array<Quantity, kOutputFieldCount> values;
  // Through the digit-place patterns; empty text where `values` is empty.
  std::array<std::string, kOutputFieldCount> texts;
  // Fields whose value came out NaN or infinite (outside a correlation's domain).
  std::vector<OutputField> outOfRange;
  // Fields that could not be computed although their fluid is present.
  std::vector<OutputField> notComputed;
  // The run's warnings, in run order: values outside the data of a correlation in force,
  // and unphysical results, which keep their value and text (present/warning_texts.h
  // words them).
  std::vector<Diagnostic> warnings;

  // Both lists, in field order: the fields a data file names in its out_of_range column.
  std::vector<OutputField> WithoutValue() const;
  // True when the field's value is shown but unphysical.
  bool IsUnphysical(OutputField field) const;
};

// The values in `system`'s display units (Field: the window's units as they have always
// been; Metric: bara, sm³/sm³, rm³/sm³, kg/m³, 1e-5/bar).
DisplayedOutputs FormatOutputs(const CalculationOutcome& outcome, GorSelectorMode gorMode,
                               UnitSystem system = UnitSystem::Field);
// The same into `shown`, which must be empty.
void FormatOutputs(const CalculationOutcome& outcome, GorSelectorMode gorMode, DisplayedOutputs& shown,
                   UnitSystem system = UnitSystem::Field);

struct RunOutput {
  // Empty on a z-factor failure, when the window keeps what it showed before.
  std::optional<DisplayedOutputs> outputs;
  // The caption of the label beside the bubble-point/GOR field, when this run set it.
  std::optional<std::string_view> pbCaption;
  // The z-factor failure at the reservoir pressure.
  std::optional<std::string_view> message;
};

RunOutput PresentRun(const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);

// What pbx holds, for programs: "pb", the bubble-point pressure (GOR mode), or "rsb", the
// GOR at the bubble point (bubble-point mode), with its unit in `system`; none without oil.
struct PbxKind {
  std::string_view kind;
  std::string_view unit;
};
std::optional<PbxKind> PbxKindOf(const CalculationOutcome& outcome, GorSelectorMode gorMode,
                                 UnitSystem system = UnitSystem::Field);
// What pbx holds where there is oil.
PbxKind PbxKindWithOil(GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);

}  // namespace tarnvik
