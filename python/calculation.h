// tarnvik.calculate: one case, or arrays of cases broadcast against each other as numpy
// broadcasts them, each element one run of the calculation with the GIL released; and the
// arrays every many-run result (tables, comparisons) is returned in.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <vector>

#include "calc/calculation_run.h"
#include "case_arguments.h"

namespace tarnvik::python {

namespace py = pybind11;

// Rows of the mask block: the fields out of range, those not computed, then one row per
// diagnostic kind.
inline constexpr std::size_t kMaskRows = 6;

// The results of many runs: values (21, *shape) in display units, NaN where there is
// none; the z-factor status per element; the masks (kMaskRows, *shape).
struct ResultBlocks {
  py::array_t<double> values;
  py::array_t<std::int8_t> status;
  py::array_t<std::uint32_t> masks;
};

ResultBlocks AllocateBlocks(const std::vector<py::ssize_t>& shape);

// Writes runs into blocks by element index; touches no Python object, so it may run
// without the GIL.
class BlockWriter {
 public:
  explicit BlockWriter(ResultBlocks& blocks, UnitSystem units = UnitSystem::Field);
  void Write(std::size_t element, const CalculationOutcome& outcome, GorSelectorMode gorMode);

 private:
  double* values_;
  std::int8_t* status_;
  std::uint32_t* masks_;
  std::size_t count_;
  UnitSystem units_;
};

// A tarnvik.ArrayResult over the blocks, with key columns (pressure, note, family, ...)
// before the values and the value columns a frame shows (None: all 21), the values shown
// for that GOR mode in those units.
py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns,
                           GorSelectorMode gorMode, UnitSystem units = UnitSystem::Field);

// calculate(case, inputs, choices, threads): the 14 input arguments and the 5 choices over
// a case to start from (None: the start-up selection, every input given); arrays of cases
// run on `threads` threads (None: every core).
py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices,
                          const py::object& threads);

// The case with the given inputs, of which at least one is an array, on up to `threads`
// threads (each element's results are the same whatever the number); `keys` become the
// result's key columns.
py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys = {},
                           int threads = 1);

// An argument as an array of doubles; refuses what numpy cannot read as numbers.
py::array ArrayOf(const py::handle& value, std::string_view name);

}  // namespace tarnvik::python
