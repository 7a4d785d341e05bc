// tarnvik.export_eclipse: the case's black-oil tables, and an example deck, as ECLIPSE files.
#include <pybind11/stl.h>

#include "bindings.h"
#include "calculation.h"
#include "case_arguments.h"
#include "export/eclipse_deck.h"
#include "python_case.h"

namespace tarnvik::python {
namespace {

[[noreturn]] void ThrowExportError(const ExportOutcome& outcome) {
  const py::object type = py::module_::import("tarnvik").attr("ExportError");
  const py::object error = type(outcome.error, outcome.tablesWritten, outcome.deckWritten);
  PyErr_SetObject(type.ptr(), error.ptr());
  throw py::error_already_set();
}

py::dict ExportCase(const py::object& caseObject, const py::object& path, const py::object& deck,
                    const py::object& strict, const py::object& units) {
  const PythonCase& c = CaseOf(caseObject, "case");
  RefuseImpossible(c.calculation, UnitsOf(units));
  if (!PyBool_Check(strict.ptr())) throw py::value_error("strict: expected True or False");
  EclipseExport request;
  request.tablesPath = PathOf(path, "path");
  if (!deck.is_none()) request.deckPath = PathOf(deck, "deck");
  request.title = c.record.title;
  request.strict = strict.cast<bool>();
  request.units = UnitsOf(units);
  request.lab = c.lab.data;  // its pressures get rows of their own while the tuning is in force
  BlackOilTables tables;
  ExportOutcome outcome;
  {
    py::gil_scoped_release release;
    outcome = ExportEclipse(c.calculation, request, tables);
  }
  if (!outcome.ok()) ThrowExportError(outcome);

  py::dict report;
  report["tables"] = request.tablesPath;
  report["deck"] = deck.is_none() ? py::object(py::none()) : py::str(request.deckPath);
  report["keywords"] = py::cast(EclipseKeywords(tables));
  report["dead_oil"] = tables.deadOil;
  report["reservoir_pressure"] = tables.reservoirPressure;
  report["bubble_point"] = tables.deadOil ? py::object(py::none()) : py::float_(tables.bubblePoint);
  report["initial_rs"] = tables.deadOil ? py::object(py::none()) : py::float_(tables.initialRs);
  py::list adjustments;
  for (const TableAdjustment& adjustment : tables.adjustments) {
    adjustments.append(AdjustmentText(adjustment, request.units));
  }
  report["adjustments"] = adjustments;
  report["notes"] = py::cast(tables.notes);
  return report;
}

}  // namespace

void BindExport(py::module_& module) {
  module.def("export_eclipse", &ExportCase, py::arg("case"), py::arg("path"), py::arg("deck") = py::none(),
             py::kw_only(), py::arg("strict") = false, py::arg("units") = py::none(),
             R"(Writes the case's black-oil tables for a simulator, as tarnvik-calc --export-eclipse does.

The tables file holds PVTO (or PVDO for an oil with a GOR of 0), PVDG, PVTW, ROCK and
DENSITY in ECLIPSE format, FIELD units; `deck` adds a small runnable model that
includes it. Every row is a run of the case, except values the correlations make
unphysical, which are adjusted and listed (strict=True refuses instead, naming the
first value).

case: a tarnvik.Case; path, deck: file paths (str or path-like).
units: "field" (the default: FIELD units) or "metric" (METRIC units).
Returns a dict: tables, deck, keywords, dead_oil, reservoir_pressure [psia or bara],
bubble_point [psia or bara], initial_rs [MSCF/STB or sm3/sm3], adjustments (each in
words) and notes, in the units of the files.
Raises tarnvik.ExportError, saying why, when nothing (or only the tables) could be
written; earlier files are then as they were.)");
}

}  // namespace tarnvik::python
