// The results of a run as Python sees them: tarnvik.Result for one case, and the names the
// results of many cases are told by (fields, diagnostic kinds, z-factor statuses).
#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <optional>
#include <string_view>

#include "calc/calculation_run.h"
#include "calc/input_checks.h"
#include "present/formatted_outputs.h"

namespace tarnvik::python {

namespace py = pybind11;

// Python names of the diagnostic kinds, in the order of DiagnosticKind.
inline constexpr std::array<std::string_view, 5> kDiagnosticKindNames = {"not_finite", "not_computed",
                                                                         "outside_data_range", "unphysical", "blank"};
// Python names of the statuses of a run, in the order of their values: the z-factor's, then
// an element of an array call whose inputs no reservoir can have (no run, every value NaN).
inline constexpr std::array<std::string_view, 5> kZFactorStatusNames = {"SUCCESS", "TPR_BELOW_1", "PPR_ABOVE_20_5",
                                                                        "NO_CONVERGENCE", "INVALID_INPUT"};
inline constexpr std::int8_t kInvalidInputStatus = 4;

// A warning as a dict: the keys of tarnvik-calc's JSON ("input" or "output", value, low,
// high, unit, correlation, kind).
py::dict WarningDict(const Diagnostic& warning, GorSelectorMode gorMode, UnitSystem units);
// An input no reservoir can have as such a dict: input, value, why, kind "impossible".
py::dict ImpossibleDict(const ImpossibleInput& input, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                        UnitSystem units);

// One run, as tarnvik.Result holds it.
struct ScalarResult {
  DisplayValues shown;  // no values (NaN) on a z-factor failure
  ZFactorStatus status = ZFactorStatus::Success;
  GorSelectorMode gorMode = GorSelectorMode::BubblePoint;
  UnitSystem units = UnitSystem::Field;  // of the values shown
  std::optional<std::string_view> pbCaption;
  std::optional<PbxKind> pbxKind;
  Diagnostics diagnostics;  // with the inputs a case file left blank first
};

// `blank`: the inputs the case's file left blank (model/case_entry.h BlankInputs).
ScalarResult MakeScalarResult(CalculationOutcome&& outcome, GorSelectorMode gorMode,
                              UnitSystem units = UnitSystem::Field, const Diagnostics& blank = {});

// The column names of the fields in a mask, in field order.
py::tuple FieldNames(FieldMask mask);

// The field descriptions: (name, caption, unit) in window order, the bubble-point field
// as it is in GOR mode; and the same for that field in bubble-point mode.
py::tuple FieldDescriptions();
py::tuple GorAtBubblePointDescription();

void BindResult(py::module_& module);

}  // namespace tarnvik::python
