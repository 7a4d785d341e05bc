#include "calculation.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "bindings.h"
#include "element_loop.h"
#include "object_states.h"
#include "python_case.h"
#include "results.h"

namespace tarnvik::python {
py::array ArrayOf(const py::handle& value, std::string_view name) {
  try {
    return py::array_t<double, py::array::forcecast>(py::reinterpret_borrow<py::object>(value));
  } catch (const py::error_already_set& error) {
    throw py::value_error(std::string(name) + ": cannot read as numbers (" + std::string(py::str(error.value())) + ")");
  }
}

ResultBlocks AllocateBlocks(const std::vector<py::ssize_t>& shape) {
  std::vector<py::ssize_t> valuesShape{static_cast<py::ssize_t>(kOutputFieldCount)};
  valuesShape.insert(valuesShape.end(), shape.begin(), shape.end());
  std::vector<py::ssize_t> masksShape{static_cast<py::ssize_t>(kMaskRows)};
  masksShape.insert(masksShape.end(), shape.begin(), shape.end());
  return {py::array_t<double>(valuesShape), py::array_t<std::int8_t>(shape), py::array_t<std::uint32_t>(masksShape)};
}

BlockWriter::BlockWriter(ResultBlocks& blocks, UnitSystem units)
    : values_(blocks.values.mutable_data()),
      status_(blocks.status.mutable_data()),
      masks_(blocks.masks.mutable_data()),
      count_(static_cast<std::size_t>(blocks.status.size())),
      units_(units) {}

void BlockWriter::Write(std::size_t element, const CalculationOutcome& outcome, GorSelectorMode gorMode) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  status_[element] = static_cast<std::int8_t>(outcome.zFactorStatus);
  for (std::size_t row = 0; row < kMaskRows; ++row) masks_[row * count_ + element] = 0;
  if (outcome.failed()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = kNone;
    return;
  }
  const DisplayValues shown = ValuesToShow(outcome, gorMode, units_);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = shown.values[i].value_or(kNone);
  masks_[element] = shown.outOfRange;
  masks_[count_ + element] = shown.notComputed;
  for (const Diagnostic& d : outcome.diagnostics) {
    masks_[(2 + static_cast<std::size_t>(d.kind)) * count_ + element] |= MaskOf(d.field);
  }
}

py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns,
                           GorSelectorMode gorMode, UnitSystem units) {
  return py::module_::import("tarnvik._arrays")
      .attr("ArrayResult")(std::move(blocks.values), std::move(blocks.status), std::move(blocks.masks), keys, columns,
                           UnitsOf(gorMode, units), units == UnitSystem::Metric ? "metric" : "field");
}

py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys,
                           int threads) {
  ElementInputs inputs;
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    const std::string_view name = InputName(k, base.gorMode, base.waterMode);
    const py::object& given = arguments.numbers[k];
    if (given.is_none()) {
      inputs.AddScalar(InputOperand(base.inputs, k));
    } else if (IsArrayLike(given)) {
      inputs.AddArray(ArrayOf(given, name), name);
    } else {
      inputs.AddScalar(FieldInput(NumberOf(given, name), k, base.gorMode, arguments.units));
    }
  }
  inputs.Broadcast();
  ResultBlocks blocks = AllocateBlocks(inputs.shape());
  BlockWriter writer(blocks, arguments.units);
  std::array<bool, kOperandCount> convert{};
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    convert[k] = inputs.IsArray(k) && arguments.units != UnitSystem::Field;
  }
  inputs.ForEach(threads, [&](std::size_t element, const double* values) {
    InputSet in = base.inputs;
    for (std::size_t k = 0; k < kOperandCount; ++k) {
      InputOperand(in, k) = convert[k] ? FieldInput(values[k], k, base.gorMode, arguments.units) : values[k];
    }
    writer.Write(element, Calculate(in, base.gorMode, base.waterMode, base.selection), base.gorMode);
  });
  return MakeArrayResult(std::move(blocks), keys, py::none(), base.gorMode, arguments.units);
}

py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices,
                          const py::object& threads) {
  const CaseArguments arguments = ReadCaseArguments(inputs, choices);
  CalculationCase start;
  if (base.is_none()) {
    RequireEveryInput(arguments);
  } else {
    start = CaseOf(base, "case").calculation;
  }
  CalculationCase c = WithChoices(start, arguments);
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (arguments.Given(k) && IsArrayLike(arguments.numbers[k])) {
      return CalculateArrays(c, arguments, {}, ThreadsOf(threads));
    }
  }
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (arguments.Given(k)) {
      InputOperand(c.inputs, k) = FieldInput(NumberOf(arguments.numbers[k], InputName(k, c.gorMode, c.waterMode)), k,
                                             c.gorMode, arguments.units);
    }
  }
  return py::cast(MakeScalarResult(Calculate(c), c.gorMode, arguments.units));
}

void BindCalculation(py::module_& module) {
  module.def("_calculate", &CalculateCases, py::arg("case"), py::arg("inputs"), py::arg("choices"),
             py::arg("threads") = py::none(),
             "calculate() behind tarnvik.calculate: a case or None, the 14 input arguments, the 5 choices and the "
             "threads for arrays (None: every core).");
}

}  // namespace tarnvik::python
