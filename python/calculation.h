// tarnvik.calculate: one case, or arrays of cases broadcast against each other as numpy
// broadcasts them, each element one run of the calculation with the GIL released; and the
// arrays every many-run result (tables, comparisons) is returned in.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <vector>

#include "calc/calculation_run.h"
#include "calc/input_checks.h"
#include "case_arguments.h"
#include "results.h"

namespace tarnvik::python {

namespace py = pybind11;

// Rows of the mask block: the fields out of range, those not computed, then one row per
// diagnostic kind.
inline constexpr std::size_t kMaskRows = 2 + kDiagnosticKindNames.size();

// The results of many runs: values (21, *shape) in display units, NaN where there is
// none; the status per element (the z-factor's, or invalid inputs); the masks
// (kMaskRows, *shape) of the diagnostics about results.
struct ResultBlocks {
  py::array_t<double> values;
  py::array_t<std::int8_t> status;
  py::array_t<std::uint32_t> masks;
  py::array_t<bool> oil;  // per element, whether oil was computed (pbx is then pb or rsb)
};

// The warnings of many runs, compactly: per warning its element, the kind of warning (an
// index into `kinds`, each a warning with its value left out) and its value in display
// units. Memory is 18 bytes a warning however many elements there are.
class WarningLog {
 public:
  void Add(std::size_t element, const Diagnostic& warning, GorSelectorMode gorMode, UnitSystem units);
  void AddImpossible(std::size_t element, const ImpossibleInput& input, GorSelectorMode gorMode,
                     WaterSelectorMode waterMode, UnitSystem units);
  // The warnings of the logs in turn (each of elements after the last's): (elements, kind
  // indices, values, kinds as dicts), what tarnvik.ArrayResult reads.
  static py::tuple ToPython(const std::vector<const WarningLog*>& logs);

 private:
  struct Kind {
    std::uint64_t key;
    Diagnostic warning;
    GorSelectorMode gorMode;
    UnitSystem units;
    std::optional<ImpossibleInput> impossible;
    WaterSelectorMode waterMode = WaterSelectorMode::Salinity;
  };
  // The index of the kind with this key; a kind not seen before is made by make().
  template <typename MakeKind>
  std::uint16_t KindOf(std::uint64_t key, MakeKind&& make);
  std::vector<std::uint64_t> elements_;
  std::vector<std::uint16_t> kinds_;
  std::vector<double> values_;
  std::vector<Kind> table_;
  std::vector<std::uint64_t> keys_;  // table_[i].key, searched without reading the kinds
};

ResultBlocks AllocateBlocks(const std::vector<py::ssize_t>& shape);

// Writes runs into blocks by element index, and their warnings (and `blank`, the inputs
// the case's file left blank) into a log; touches no Python object, so it may run without
// the GIL, on several threads for different elements, each with a log of its own.
class BlockWriter {
 public:
  explicit BlockWriter(ResultBlocks& blocks, UnitSystem units = UnitSystem::Field);
  void Write(std::size_t element, const CalculationOutcome& outcome, GorSelectorMode gorMode, WarningLog& warnings,
             const Diagnostics& blank = {});
  // An element whose inputs no reservoir can have: no run, every value NaN.
  void WriteInvalid(std::size_t element, const std::vector<ImpossibleInput>& inputs, const CalculationCase& c,
                    WarningLog& warnings);

 private:
  double* values_;
  std::int8_t* status_;
  std::uint32_t* masks_;
  bool* oil_;
  std::size_t count_;
  UnitSystem units_;
};

// A tarnvik.ArrayResult over the blocks, with key columns (pressure, note, family, ...)
// before the values and the value columns a frame shows (None: all 21), the values shown
// for that GOR mode in those units (which also say what pbx holds).
py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns,
                           const std::vector<const WarningLog*>& warnings, GorSelectorMode gorMode, UnitSystem units);

// calculate(case, inputs, choices, threads): the 14 input arguments and the 5 choices over
// a case to start from (None: the start-up selection, every input given); arrays of cases
// run on `threads` threads (None: every core).
py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices,
                          const py::object& threads);

// The case with the given inputs, of which at least one is an array, on up to `threads`
// threads (each element's results are the same whatever the number); `keys` become the
// result's key columns, `blank` the warnings of every element about the inputs the case's
// file left blank.
py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys = {},
                           const Diagnostics& blank = {}, int threads = 1);

// Refuses, with a ValueError naming the input and its value in `units`, a case whose inputs
// no reservoir can have (calc/input_checks.h).
void RefuseImpossible(const CalculationCase& calculationCase, UnitSystem units);

// An argument as an array of doubles; refuses what numpy cannot read as numbers.
py::array ArrayOf(const py::handle& value, std::string_view name);

}  // namespace tarnvik::python
