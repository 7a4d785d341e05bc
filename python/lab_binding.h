// Lab data and tuning: tarnvik.LabReport (a laboratory report on an oil), read_lab,
// rank_oil and tune, and what a Case shows of its own lab data and tuning.
#pragma once

#include <pybind11/pybind11.h>

#include "python_case.h"

namespace tarnvik::python {

extern const char* const kTuningDoc;

// The case's lab data as a tarnvik.LabReport, or None.
py::object LabReportOf(const PythonCase& c);

// The case's tuning as a dict (its factors, and its errors against the case's lab data
// untuned and tuned), or None when it has none.
py::object TuningOf(const PythonCase& c);

void BindLab(py::module_& module);

}  // namespace tarnvik::python
