// What each part of the extension adds to the module.
#pragma once

#include <pybind11/pybind11.h>

namespace tarnvik::python {

namespace pybind = pybind11;

void BindCalculation(pybind::module_& module);
void BindExport(pybind::module_& module);
void BindProperties(pybind::module_& module);
void BindTables(pybind::module_& module);

}  // namespace tarnvik::python
