// The extension tarnvik._tarnvik: the case model, the calculation run, its tables and the
// export, bound for the Python face in tarnvik/__init__.py.
#include <pybind11/pybind11.h>

#include "bindings.h"
#include "correlations/gas/z_factor.h"
#include "lab_binding.h"
#include "object_states.h"
#include "present/run_messages.h"
#include "python_case.h"
#include "results.h"

namespace py = pybind11;
using namespace tarnvik;
using namespace tarnvik::python;

PYBIND11_MODULE(_tarnvik, module) {
  module.doc() = "Tarnvik's calculation core; use it through the package tarnvik.";
  module.attr("__version__") = TARNVIK_VERSION;
  BindCase(module);
  BindLab(module);
  BindResult(module);
  BindCalculation(module);
  BindTables(module);
  BindExport(module);
  BindProperties(module);
  BindStates(module);

  module.attr("FIELDS") = FieldDescriptions();
  module.attr("GOR_AT_BUBBLE_POINT_FIELD") = GorAtBubblePointDescription();
  py::list statuses;
  for (std::size_t i = 0; i < kZFactorStatusNames.size(); ++i) {
    const std::string_view message = i == static_cast<std::size_t>(kInvalidInputStatus)
                                         ? std::string_view("Invalid input: no run")
                                         : ZFactorMessage(static_cast<ZFactorStatus>(i));
    statuses.append(py::make_tuple(kZFactorStatusNames[i], i, message));
  }
  module.attr("Z_FACTOR_STATUSES") = py::tuple(statuses);
  py::list kinds;
  for (const auto kind : kDiagnosticKindNames) kinds.append(kind);
  module.attr("DIAGNOSTIC_KINDS") = py::tuple(kinds);
}
