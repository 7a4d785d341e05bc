#include "calculation.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "bindings.h"
#include "model/case_entry.h"
#include "present/input_texts.h"
#include "present/output_fields.h"
#include "present/warning_texts.h"
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

void RefuseImpossible(const CalculationCase& c, UnitSystem units) {
  const std::vector<ImpossibleInput> impossible = ImpossibleInputs(c.inputs);
  if (impossible.empty()) return;
  const ImpossibleInput& first = impossible.front();
  throw py::value_error(std::string(InputTextOf(first.field, c.gorMode, c.waterMode).name) + ": " +
                        ImpossibleInputText(first, c.gorMode, c.waterMode, units));
}

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
  return {py::array_t<double>(valuesShape), py::array_t<std::int8_t>(shape), py::array_t<std::uint32_t>(masksShape),
          py::array_t<bool>(shape)};
}

std::uint16_t WarningLog::KindOf(std::uint64_t key, const Kind& kind) {
  for (std::size_t i = 0; i < table_.size(); ++i) {
    if (table_[i].key == key) return static_cast<std::uint16_t>(i);
  }
  table_.push_back(kind);
  return static_cast<std::uint16_t>(table_.size() - 1);
}

void WarningLog::Add(std::size_t element, const Diagnostic& d, GorSelectorMode gorMode, UnitSystem units) {
  // What makes two warnings of one kind: everything but the value.
  const auto index = [](auto value) { return static_cast<std::uint64_t>(value); };
  const std::uint64_t key = index(d.kind) | index(d.quantity) << 4 | (d.input ? index(*d.input) + 1 : 0) << 12 |
                            (d.output ? index(*d.output) + 1 : 0) << 16 | index(d.field) << 22 |
                            (d.correlation ? index(*d.correlation) + 1 : 0) << 28 | index(d.side) << 36 |
                            index(d.lowIncluded) << 37 | index(gorMode) << 38 | index(units) << 39;
  const std::uint16_t found = KindOf(key, Kind{key, d, gorMode, units, std::nullopt});
  elements_.push_back(element);
  kinds_.push_back(found);
  values_.push_back(WarningValue(d, gorMode, units));
}

void WarningLog::AddImpossible(std::size_t element, const ImpossibleInput& input, GorSelectorMode gorMode,
                               WaterSelectorMode waterMode, UnitSystem units) {
  const std::uint64_t key = std::uint64_t{1} << 63 | static_cast<std::uint64_t>(input.field) << 40 |
                            static_cast<std::uint64_t>(std::hash<std::string_view>{}(input.why) & 0xffffffff);
  const std::uint16_t found = KindOf(key, Kind{key, {}, gorMode, units, input, waterMode});
  elements_.push_back(element);
  kinds_.push_back(found);
  values_.push_back(FromField(input.value, InputTextOf(input.field, gorMode, waterMode).dimension, units));
}

py::tuple WarningLog::ToPython() const {
  py::list kinds;
  for (const Kind& kind : table_) {
    py::dict prototype = kind.impossible ? ImpossibleDict(*kind.impossible, kind.gorMode, kind.waterMode, kind.units)
                                         : WarningDict(kind.warning, kind.gorMode, kind.units);
    kinds.append(prototype);
  }
  return py::make_tuple(py::array_t<std::uint64_t>(py::ssize_t(elements_.size()), elements_.data()),
                        py::array_t<std::uint16_t>(py::ssize_t(kinds_.size()), kinds_.data()),
                        py::array_t<double>(py::ssize_t(values_.size()), values_.data()), kinds);
}

BlockWriter::BlockWriter(ResultBlocks& blocks, UnitSystem units, WarningLog* warnings)
    : warnings_(warnings),
      values_(blocks.values.mutable_data()),
      status_(blocks.status.mutable_data()),
      masks_(blocks.masks.mutable_data()),
      oil_(blocks.oil.mutable_data()),
      count_(static_cast<std::size_t>(blocks.status.size())),
      units_(units) {}

void BlockWriter::Write(std::size_t element, const CalculationOutcome& outcome, GorSelectorMode gorMode,
                        const Diagnostics& blank) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  status_[element] = static_cast<std::int8_t>(outcome.zFactorStatus);
  oil_[element] = outcome.oilComputed;
  for (std::size_t row = 0; row < kMaskRows; ++row) masks_[row * count_ + element] = 0;
  if (warnings_) {
    for (const Diagnostic& d : blank) warnings_->Add(element, d, gorMode, units_);
  }
  if (outcome.failed()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = kNone;
    return;
  }
  const DisplayValues shown = ValuesToShow(outcome, gorMode, units_);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = shown.values[i].value_or(kNone);
  masks_[element] = shown.outOfRange;
  masks_[count_ + element] = shown.notComputed;
  for (const Diagnostic& d : outcome.diagnostics) {
    // A value outside a correlation's data is about an input or a quantity, not a result:
    // the warnings say which.
    if (d.kind != DiagnosticKind::OutsideDataRange) {
      masks_[(2 + static_cast<std::size_t>(d.kind)) * count_ + element] |= MaskOf(d.field);
    }
    if (warnings_ && IsWarning(d.kind)) warnings_->Add(element, d, gorMode, units_);
  }
}

void BlockWriter::WriteInvalid(std::size_t element, const std::vector<ImpossibleInput>& inputs,
                               const CalculationCase& c) {
  status_[element] = kInvalidInputStatus;
  oil_[element] = false;
  for (std::size_t row = 0; row < kMaskRows; ++row) masks_[row * count_ + element] = 0;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    values_[i * count_ + element] = std::numeric_limits<double>::quiet_NaN();
  }
  if (!warnings_) return;
  for (const ImpossibleInput& input : inputs) {
    warnings_->AddImpossible(element, input, c.gorMode, c.waterMode, units_);
  }
}

py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns,
                           const WarningLog* warnings, GorSelectorMode gorMode, UnitSystem units) {
  const std::string_view kind = gorMode == GorSelectorMode::Gor ? "pb" : "rsb";
  const std::string_view unit = FieldInfo(OutputField::PbOrRsb, gorMode, units).unit;
  return py::module_::import("tarnvik._arrays")
      .attr("ArrayResult")(std::move(blocks.values), std::move(blocks.status), std::move(blocks.masks), keys, columns,
                           warnings ? py::object(warnings->ToPython()) : py::object(py::none()),
                           py::make_tuple(kind, unit), std::move(blocks.oil));
}

py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys,
                           const Diagnostics& blank) {
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
  WarningLog warnings;
  BlockWriter writer(blocks, arguments.units, &warnings);
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
      if (HasImpossibleInput(c.inputs)) {
        writer.WriteInvalid(element, ImpossibleInputs(c.inputs), c);
      } else {
        writer.Write(element, Calculate(c), c.gorMode, blank);
      }
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
  return MakeArrayResult(std::move(blocks), keys, py::none(), &warnings, base.gorMode, arguments.units);
}

py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices) {
  const CaseArguments arguments = ReadCaseArguments(inputs, choices);
  CalculationCase start;
  Diagnostics blank;
  if (base.is_none()) {
    RequireEveryInput(arguments);
  } else {
    const PythonCase& from = CaseOf(base, "case");
    start = from.calculation;
    // The inputs its file left blank, unless given here.
    for (const Diagnostic& d : BlankInputs(from.record)) {
      if (!arguments.Given(static_cast<std::size_t>(*d.input))) blank.push_back(d);
    }
  }
  CalculationCase c = WithChoices(start, arguments);
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (arguments.Given(k) && IsArrayLike(arguments.numbers[k])) return CalculateArrays(c, arguments, {}, blank);
  }
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    if (arguments.Given(k)) {
      InputOperand(c.inputs, k) = FieldInput(NumberOf(arguments.numbers[k], InputName(k, c.gorMode, c.waterMode)), k,
                                             c.gorMode, arguments.units);
    }
  }
  RefuseImpossible(c, arguments.units);
  return py::cast(MakeScalarResult(Calculate(c), c.gorMode, arguments.units, blank));
}

void BindCalculation(py::module_& module) {
  module.def("_calculate", &CalculateCases, py::arg("case"), py::arg("inputs"), py::arg("choices"),
             "calculate() behind tarnvik.calculate: a case or None, the 14 input arguments and the 5 choices.");
}

}  // namespace tarnvik::python
