// tarnvik.Case: one case as a case file holds it (title, selector texts, captions and the
// nine numbers, with the lab data and tuning saved after the record) with the formation
// type, and the case the calculation runs from it. read_cases and write_cases read and
// write case files.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "case_arguments.h"
#include "io/case_record.h"
#include "model/case_gas.h"
#include "model/case_lab.h"

namespace tarnvik::python {

struct PythonCase {
  CaseRecord record;
  FormationType formation = FormationType::None;
  // The lab data and the tuning saved with the record; an active tuning is the oil family's
  // in force.
  CaseLab lab;
  // The gas impurities saved with the record (model/case_gas.h).
  GasImpurities gas;
  // The record as a case to calculate, as opening it in the window makes it: from the
  // start-up selection with the record's captions applied, the formation type, and the
  // tuning in force.
  CalculationCase calculation;
};

// The case of a record with its lab data and tuning. A tuning of another family than the
// record's caption names puts its family in force, caption and all, as the window does
// when it opens such a record.
PythonCase MakeCase(CaseRecord record, FormationType formation, CaseLab lab = {}, GasImpurities gas = {});

// Raises the OSError of errno `error` on `path`.
[[noreturn]] void ThrowFileError(int error, const std::string& path);

// A path argument (str, bytes or path-like) as text; refuses anything else, naming the
// argument.
std::string PathOf(const py::handle& path, std::string_view name);

// The Case an argument holds; refuses anything else, naming the argument.
const PythonCase& CaseOf(const py::handle& value, std::string_view name);

void BindCase(py::module_& module);

}  // namespace tarnvik::python
