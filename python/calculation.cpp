#include "calculation.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "bindings.h"
#include "python_case.h"
#include "results.h"

namespace tarnvik::python {
namespace {

// One input of an array call: an array read through its strides in the broadcast shape
// (0 along a dimension it is broadcast over), or one number for every element.
struct Operand {
  std::optional<py::array> array;
  std::vector<py::ssize_t> strides;  // bytes, per dimension of the broadcast shape
  double scalar = 0;

  bool IsArray() const { return array.has_value(); }
};

std::string ShapeText(const py::array& array) {
  std::string text = "(";
  for (py::ssize_t d = 0; d < array.ndim(); ++d) text.append(std::to_string(array.shape(d))).append(",");
  if (array.ndim() > 1) text.pop_back();
  return text + ")";
}

// The broadcast shape of the array operands, and each one's strides in it.
std::vector<py::ssize_t> Broadcast(std::array<Operand, kOperandCount>& operands,
                                   const std::array<std::string_view, kOperandCount>& names) {
  py::ssize_t ndim = 0;
  for (const Operand& o : operands) {
    if (o.IsArray()) ndim = std::max(ndim, o.array->ndim());
  }
  std::vector<py::ssize_t> shape(static_cast<std::size_t>(ndim), 1);
  std::array<std::size_t, kOperandCount> setBy{};
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    Operand& o = operands[k];
    if (!o.IsArray()) continue;
    const py::ssize_t offset = ndim - o.array->ndim();
    o.strides.assign(shape.size(), 0);
    for (py::ssize_t d = 0; d < o.array->ndim(); ++d) {
      const py::ssize_t size = o.array->shape(d);
      auto& target = shape[static_cast<std::size_t>(d + offset)];
      if (size == 1) continue;
      if (target != 1 && target != size) {
        const std::size_t other = setBy[static_cast<std::size_t>(d + offset)];
        throw py::value_error(std::string(names[other]) + " of shape " + ShapeText(*operands[other].array) + " and " +
                              std::string(names[k]) + " of shape " + ShapeText(*o.array) +
                              " do not broadcast together");
      }
      target = size;
      setBy[static_cast<std::size_t>(d + offset)] = k;
      o.strides[static_cast<std::size_t>(d + offset)] = o.array->strides(d);
    }
  }
  return shape;
}

}  // namespace

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

py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns) {
  return py::module_::import("tarnvik._arrays")
      .attr("ArrayResult")(std::move(blocks.values), std::move(blocks.status), std::move(blocks.masks), keys, columns);
}

py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys) {
  std::array<Operand, kOperandCount> operands;
  std::array<std::string_view, kOperandCount> names;
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    names[k] = InputName(k, base.gorMode, base.waterMode);
    const py::object& given = arguments.numbers[k];
    if (given.is_none()) {
      operands[k].scalar = InputOperand(base.inputs, k);
    } else if (IsArrayLike(given)) {
      operands[k].array = ArrayOf(given, names[k]);
    } else {
      operands[k].scalar = FieldInput(NumberOf(given, names[k]), k, base.gorMode, arguments.units);
    }
  }
  const std::vector<py::ssize_t> shape = Broadcast(operands, names);
  ResultBlocks blocks = AllocateBlocks(shape);
  BlockWriter writer(blocks, arguments.units);
  const bool convert = arguments.units != UnitSystem::Field;
  const std::size_t count = static_cast<std::size_t>(blocks.status.size());
  std::array<const char*, kOperandCount> data{};
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (operands[k].IsArray()) data[k] = static_cast<const char*>(operands[k].array->data());
  }
  {
    py::gil_scoped_release release;
    CalculationCase c = base;
    std::vector<py::ssize_t> index(shape.size(), 0);
    std::array<py::ssize_t, kOperandCount> offsets{};
    for (std::size_t element = 0; element < count; ++element) {
      for (std::size_t k = 0; k < kOperandCount; ++k) {
        double value = operands[k].scalar;
        if (data[k] != nullptr) {
          std::memcpy(&value, data[k] + offsets[k], sizeof value);
          if (convert) value = FieldInput(value, k, c.gorMode, arguments.units);
        }
        InputOperand(c.inputs, k) = value;
      }
      writer.Write(element, Calculate(c), c.gorMode);
      // The next element in C order: the last index moves fastest.
      for (std::size_t d = shape.size(); d-- > 0;) {
        for (std::size_t k = 0; k < kOperandCount; ++k) {
          if (data[k] != nullptr) offsets[k] += operands[k].strides[d];
        }
        if (++index[d] < shape[d]) break;
        for (std::size_t k = 0; k < kOperandCount; ++k) {
          if (data[k] != nullptr) offsets[k] -= operands[k].strides[d] * shape[d];
        }
        index[d] = 0;
      }
    }
  }
  return MakeArrayResult(std::move(blocks), keys, py::none());
}

py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices) {
  const CaseArguments arguments = ReadCaseArguments(inputs, choices);
  CalculationCase start;
  if (base.is_none()) {
    RequireEveryInput(arguments);
  } else {
    start = CaseOf(base, "case").calculation;
  }
  CalculationCase c = WithChoices(start, arguments);
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (arguments.Given(k) && IsArrayLike(arguments.numbers[k])) return CalculateArrays(c, arguments);
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
             "calculate() behind tarnvik.calculate: a case or None, the 14 input arguments and the 5 choices.");
}

}  // namespace tarnvik::python
