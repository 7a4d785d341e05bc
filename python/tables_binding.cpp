// tarnvik.pressure_table and tarnvik.compare_oil: many runs of one case, at a series of
// pressures or with each oil family.
#include <climits>
#include <string>

#include "bindings.h"
#include "calc/pressure_table.h"
#include "calculation.h"
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

std::optional<double> BoundOf(const py::handle& value, std::string_view name) {
  if (value.is_none()) return std::nullopt;
  return NumberOf(value, name);
}

py::object TableAt(const PythonCase& c, const py::object& pressures) {
  if (!IsArrayLike(pressures)) throw py::value_error("pressures: expected a sequence of pressures [psia]");
  CaseArguments arguments;
  for (auto& number : arguments.numbers) number = py::none();
  arguments.numbers[kPressureInput] = ArrayOf(pressures, "pressures");
  py::dict keys;
  keys["pressure"] = arguments.numbers[kPressureInput];
  return CalculateArrays(c.calculation, arguments, keys);
}

py::object PressureTable(const py::object& caseObject, const py::object& pressures, const py::object& pmin,
                         const py::object& pmax, const py::object& points) {
  const PythonCase& c = CaseOf(caseObject, "case");
  if (!pressures.is_none()) {
    if (!pmin.is_none() || !pmax.is_none() || !points.is_none()) {
      throw py::value_error("give pressures, or pmin, pmax and points, not both");
    }
    return TableAt(c, pressures);
  }
  const tarnvik::PressureRange range{BoundOf(pmin, "pmin"), BoundOf(pmax, "pmax"), PointsOf(points)};
  std::string error;
  tarnvik::PressureTable table;
  {
    py::gil_scoped_release release;
    table = BuildPressureTable(c.calculation, range, error);
  }
  if (!error.empty()) throw py::value_error(error);

  const py::ssize_t rows = static_cast<py::ssize_t>(table.rows.size());
  ResultBlocks blocks = AllocateBlocks({rows});
  BlockWriter writer(blocks);
  py::array_t<double> pressure(rows);
  py::list notes;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const PressureRow& row = table.rows[i];
    writer.Write(i, row.outcome, c.calculation.gorMode);
    pressure.mutable_at(static_cast<py::ssize_t>(i)) = row.pressure;
    notes.append(PressureRowNote(row.atBubblePoint, row.atReservoirPressure));
  }
  py::dict keys;
  keys["pressure"] = pressure;
  keys["note"] = notes;
  return MakeArrayResult(std::move(blocks), keys, py::none(), c.calculation.gorMode);
}

py::object CompareOil(const py::object& caseObject) {
  const PythonCase& c = CaseOf(caseObject, "case");
  std::array<FamilyRow, kOilCorrelationCount> rows;
  {
    py::gil_scoped_release release;
    rows = CompareOilFamilies(c.calculation);
  }
  ResultBlocks blocks = AllocateBlocks({kOilCorrelationCount});
  BlockWriter writer(blocks);
  py::list families;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    writer.Write(i, rows[i].outcome, c.calculation.gorMode);
    families.append(OilCorrelationName(rows[i].family));
  }
  py::list columns;
  for (const OutputField field : kComparisonFields) columns.append(InfoOf(field).column);
  py::dict keys;
  keys["family"] = families;
  return MakeArrayResult(std::move(blocks), keys, py::tuple(columns), c.calculation.gorMode);
}

}  // namespace

void BindTables(py::module_& module) {
  module.def("pressure_table", &PressureTable, py::arg("case"), py::arg("pressures") = py::none(), py::kw_only(),
             py::arg("pmin") = py::none(), py::arg("pmax") = py::none(), py::arg("points") = py::none(),
             R"(The case calculated at a series of pressures, every other input unchanged.

case: a tarnvik.Case.
pressures: the pressures [psia] of the rows, in their order; or else
pmin, pmax [psia], points: `points` evenly spaced pressures (2 to 2000, default 50) from
    pmin (default 14.7 psia) to pmax (default: the larger of the reservoir pressure and
    1.25 times the bubble-point pressure), plus rows at the bubble point and at the
    reservoir pressure, which the key column `note` names.

Returns an ArrayResult with one element per row and the key column `pressure` [psia]
(and `note`). A z-factor failure at one pressure marks that row only (its status).
Raises ValueError for a range that makes no table.)");
  module.def("compare_oil", &CompareOil, py::arg("case"),
             R"(The case calculated with each of the nine oil families, Standing first.

Returns an ArrayResult with one element per family and the key column `family`
("Standing", "Vazquez/Beggs", ...); its frame shows the oil results compared: pbx, rs,
bo, oil_viscosity, co and oil_density.)");
  module.attr("DEFAULT_TABLE_POINTS") = kDefaultTablePoints;
}

}  // namespace tarnvik::python
