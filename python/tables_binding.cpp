// tarnvik.pressure_table and tarnvik.compare_oil: many runs of one case, at a series of
// pressures or with each oil family.
#include <climits>
#include <string>

#include "bindings.h"
#include "calc/pressure_table.h"
#include "calculation.h"
#include "model/case_entry.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"
#include "python_case.h"

namespace tarnvik::python {
namespace {

// The number of points: a whole number; the table says which are allowed.
int PointsOf(const py::handle& value) {
  if (value.is_none()) return kDefaultTablePoints;
  if (PyBool_Check(value.ptr()) || !PyIndex_Check(value.ptr())) {
    throw py::value_error("points: expected a whole number, got " +
                          std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  }
  const py::object whole = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
  if (!whole) {
    const py::error_already_set error;  // an array of more than one number, say
    throw py::value_error("points: expected a whole number (" + std::string(py::str(error.value())) + ")");
  }
  int overflow = 0;
  const long long points = PyLong_AsLongLongAndOverflow(whole.ptr(), &overflow);
  if (overflow != 0 || points < INT_MIN || points > INT_MAX) {
    throw py::value_error("points: the number of points must be from " + std::to_string(kMinTablePoints) + " to " +
                          std::to_string(kMaxTablePoints));
  }
  return static_cast<int>(points);
}

// A pressure bound given in `units`, in psia.
std::optional<double> BoundOf(const py::handle& value, std::string_view name, UnitSystem units) {
  if (value.is_none()) return std::nullopt;
  return ToField(NumberOf(value, name), Dimension::Pressure, units);
}

py::object TableAt(const PythonCase& c, const py::object& pressures, UnitSystem units) {
  if (!IsArrayLike(pressures)) throw py::value_error("pressures: expected a sequence of pressures");
  CaseArguments arguments;
  for (auto& number : arguments.numbers) number = py::none();
  arguments.numbers[kPressureInput] = ArrayOf(pressures, "pressures");
  arguments.units = units;
  py::dict keys;
  keys["pressure"] = arguments.numbers[kPressureInput];
  return CalculateArrays(c.calculation, arguments, keys, BlankInputs(c.record));
}

py::object PressureTable(const py::object& caseObject, const py::object& pressures, const py::object& pmin,
                         const py::object& pmax, const py::object& points, const py::object& unitsObject) {
  const PythonCase& c = CaseOf(caseObject, "case");
  const UnitSystem units = UnitsOf(unitsObject);
  if (!pressures.is_none()) {
    if (!pmin.is_none() || !pmax.is_none() || !points.is_none()) {
      throw py::value_error("give pressures, or pmin, pmax and points, not both");
    }
    return TableAt(c, pressures, units);
  }
  RefuseImpossible(c.calculation, units);
  const tarnvik::PressureRange range{BoundOf(pmin, "pmin", units), BoundOf(pmax, "pmax", units), PointsOf(points)};
  std::string error;
  tarnvik::PressureTable table;
  {
    py::gil_scoped_release release;
    table = BuildPressureTable(c.calculation, range, error);
  }
  if (!error.empty()) throw py::value_error(error);

  const py::ssize_t rows = static_cast<py::ssize_t>(table.rows.size());
  ResultBlocks blocks = AllocateBlocks({rows});
  WarningLog warnings;
  BlockWriter writer(blocks, units);
  const Diagnostics blank = BlankInputs(c.record);
  py::array_t<double> pressure(rows);
  py::list notes;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const PressureRow& row = table.rows[i];
    writer.Write(i, row.outcome, c.calculation.gorMode, warnings, blank);
    pressure.mutable_at(static_cast<py::ssize_t>(i)) = KeyFromField(row.pressure, Dimension::Pressure, units);
    notes.append(PressureRowNote(row.atBubblePoint, row.atReservoirPressure));
  }
  py::dict keys;
  keys["pressure"] = pressure;
  keys["note"] = notes;
  return MakeArrayResult(std::move(blocks), keys, py::none(), {&warnings}, c.calculation.gorMode, units);
}

py::object CompareOil(const py::object& caseObject, const py::object& unitsObject) {
  const PythonCase& c = CaseOf(caseObject, "case");
  const UnitSystem units = UnitsOf(unitsObject);
  RefuseImpossible(c.calculation, units);
  std::vector<FamilyRow> rows;
  {
    py::gil_scoped_release release;
    rows = CompareOilFamilies(c.calculation);
  }
  ResultBlocks blocks = AllocateBlocks({static_cast<py::ssize_t>(rows.size())});
  WarningLog warnings;
  BlockWriter writer(blocks, units);
  const Diagnostics blank = BlankInputs(c.record);
  py::list families;
  py::array_t<bool> tuned(static_cast<py::ssize_t>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    writer.Write(i, rows[i].outcome, c.calculation.gorMode, warnings, blank);
    families.append(OilCorrelationName(rows[i].family));
    tuned.mutable_at(static_cast<py::ssize_t>(i)) = rows[i].tuned;
  }
  py::list columns;
  for (const OutputField field : kComparisonFields) columns.append(InfoOf(field).column);
  py::dict keys;
  keys["family"] = families;
  keys["tuned"] = tuned;
  return MakeArrayResult(std::move(blocks), keys, py::tuple(columns), {&warnings}, c.calculation.gorMode, units);
}

}  // namespace

void BindTables(py::module_& module) {
  module.def("pressure_table", &PressureTable, py::arg("case"), py::arg("pressures") = py::none(), py::kw_only(),
             py::arg("pmin") = py::none(), py::arg("pmax") = py::none(), py::arg("points") = py::none(),
             py::arg("units") = py::none(),
             R"(The case calculated at a series of pressures, every other input unchanged.

case: a tarnvik.Case.
pressures: the pressures [psia, or bara with units="metric"] of the rows, in their
    order; or else
pmin, pmax [psia or bara], points: `points` evenly spaced pressures (2 to 2000, default
    50) from pmin (default 14.7 psia) to pmax (default: the larger of the reservoir
    pressure and 1.25 times the bubble-point pressure), plus rows at the bubble point and
    at the reservoir pressure, which the key column `note` names.
units: "field" (the default) or "metric", for the pressures and the results.

Returns an ArrayResult with one element per row and the key column `pressure` (and
`note`). A z-factor failure at one pressure marks that row only (its status).
Raises ValueError for a range that makes no table, or a case with an impossible input.)");
  module.def("compare_oil", &CompareOil, py::arg("case"), py::kw_only(), py::arg("units") = py::none(),
             R"(The case calculated with each of the nine oil families, Standing first.

units: "field" (the default) or "metric", for the results.

Returns an ArrayResult with one element per row and the key columns `family`
("Standing", "Vazquez/Beggs", ...) and `tuned`: the family the case is tuned for runs
tuned, as the case does, and its published form (tuned False) follows it. Its frame
shows the oil results compared: pbx, rs, bo, oil_viscosity, co and oil_density.
Raises ValueError for a case with an impossible input.)");
  module.attr("DEFAULT_TABLE_POINTS") = kDefaultTablePoints;
}

}  // namespace tarnvik::python
