// Pickling of tarnvik.Result, Case and LabReport, and the units of the values shown.
#pragma once

#include <pybind11/pybind11.h>

#include "base/unit_system.h"
#include "calc/selector_modes.h"

namespace tarnvik::python {

namespace py = pybind11;

// The unit of each of the 21 quantities, by column name, as shown for that GOR mode (pbx
// is the bubble point or the GOR at it) in that unit system.
py::dict UnitsOf(GorSelectorMode gorMode, UnitSystem units);

// The states of Result, Case and LabReport and the functions that restore them (for
// pickle; see tarnvik/_states.py), Result.units and Result.unit_system.
void BindStates(py::module_& module);

}  // namespace tarnvik::python
