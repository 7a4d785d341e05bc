// The results of a run as Python sees them: tarnvik.Result for one case, and the names the
// results of many cases are told by (fields, diagnostic kinds, z-factor statuses).
#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <optional>
#include <string_view>

#include "calc/calculation_run.h"
#include "present/formatted_outputs.h"

namespace tarnvik::python {

namespace py = pybind11;

// Python names of the diagnostic kinds, in the order of DiagnosticKind.
inline constexpr std::array<std::string_view, 4> kDiagnosticKindNames = {"not_finite", "not_computed",
                                                                         "outside_data_range", "unphysical"};
// Python names of the z-factor statuses, in the order of their values.
inline constexpr std::array<std::string_view, 4> kZFactorStatusNames = {"SUCCESS", "TPR_BELOW_1", "PPR_ABOVE_20_5",
                                                                        "NO_CONVERGENCE"};

// One run, as tarnvik.Result holds it.
struct ScalarResult {
  DisplayValues shown;  // empty on a z-factor failure
  ZFactorStatus status = ZFactorStatus::Success;
  GorSelectorMode gorMode = GorSelectorMode::BubblePoint;
  UnitSystem units = UnitSystem::Field;  // of the values shown
  std::optional<std::string_view> pbCaption;
  Diagnostics diagnostics;
};

ScalarResult MakeScalarResult(CalculationOutcome&& outcome, GorSelectorMode gorMode,
                              UnitSystem units = UnitSystem::Field);

// The column names of the fields in a mask, in field order.
py::tuple FieldNames(FieldMask mask);

// The field descriptions: (name, caption, unit) in window order, the bubble-point field
// as it is in GOR mode; and the same for that field in bubble-point mode.
py::tuple FieldDescriptions();
py::tuple GorAtBubblePointDescription();

void BindResult(py::module_& module);

}  // namespace tarnvik::python
