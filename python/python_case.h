// tarnvik.Case: one case as a case file holds it (title, selector texts, captions and the
// nine numbers) with the formation type, and the case the calculation runs from it.
// read_cases and write_cases read and write case files.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "case_arguments.h"
#include "io/case_record.h"

namespace tarnvik::python {

struct PythonCase {
  CaseRecord record;
  FormationType formation = FormationType::None;
  // The record as a case to calculate, as opening it in the window makes it: from the
  // start-up selection with the record's captions applied, and the formation type.
  CalculationCase calculation;
};

PythonCase MakeCase(CaseRecord record, FormationType formation);

// A path argument (str, bytes or path-like) as text; refuses anything else, naming the
// argument.
std::string PathOf(const py::handle& path, std::string_view name);

// The Case an argument holds; refuses anything else, naming the argument.
const PythonCase& CaseOf(const py::handle& value, std::string_view name);

void BindCase(py::module_& module);

}  // namespace tarnvik::python
