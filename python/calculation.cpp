#include "calculation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "bindings.h"
#include "element_loop.h"
#include "model/case_entry.h"
#include "object_states.h"
#include "present/input_texts.h"
#include "present/output_fields.h"
#include "present/warning_texts.h"
#include "python_case.h"
#include "results.h"

namespace tarnvik::python {

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

template <typename MakeKind>
std::uint16_t WarningLog::KindOf(std::uint64_t key, MakeKind&& make) {
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == key) return static_cast<std::uint16_t>(i);
  }
  keys_.push_back(key);
  table_.push_back(make());
  return static_cast<std::uint16_t>(table_.size() - 1);
}

void WarningLog::Add(std::size_t element, const Diagnostic& d, GorSelectorMode gorMode, UnitSystem units) {
  // What makes two warnings of one kind: everything but the value.
  const auto index = [](auto value) { return static_cast<std::uint64_t>(value); };
  const std::uint64_t key = index(d.kind) | index(d.quantity) << 4 | (d.input ? index(*d.input) + 1 : 0) << 12 |
                            (d.output ? index(*d.output) + 1 : 0) << 16 | index(d.field) << 22 |
                            (d.correlation ? index(*d.correlation) + 1 : 0) << 28 | index(d.side) << 36 |
                            index(d.lowIncluded) << 37 | index(gorMode) << 38 | index(units) << 39;
  const std::uint16_t found = KindOf(key, [&] { return Kind{key, d, gorMode, units, std::nullopt}; });
  elements_.push_back(element);
  kinds_.push_back(found);
  values_.push_back(WarningValue(d, gorMode, units));
}

void WarningLog::AddImpossible(std::size_t element, const ImpossibleInput& input, GorSelectorMode gorMode,
                               WaterSelectorMode waterMode, UnitSystem units) {
  const std::uint64_t key = std::uint64_t{1} << 63 | static_cast<std::uint64_t>(input.field) << 40 |
                            static_cast<std::uint64_t>(std::hash<std::string_view>{}(input.why) & 0xffffffff);
  const std::uint16_t found = KindOf(key, [&] { return Kind{key, {}, gorMode, units, input, waterMode}; });
  elements_.push_back(element);
  kinds_.push_back(found);
  values_.push_back(FromField(input.value, InputTextOf(input.field, gorMode, waterMode).dimension, units));
}

py::tuple WarningLog::ToPython(const std::vector<const WarningLog*>& logs) {
  // One table of kinds for all, and each log's kinds' places in it.
  WarningLog all;
  std::vector<std::vector<std::uint16_t>> places;
  std::size_t count = 0;
  for (const WarningLog* log : logs) {
    std::vector<std::uint16_t>& place = places.emplace_back();
    for (const Kind& kind : log->table_) place.push_back(all.KindOf(kind.key, [&] { return kind; }));
    count += log->elements_.size();
  }
  py::array_t<std::uint64_t> elements(static_cast<py::ssize_t>(count));
  py::array_t<std::uint16_t> kinds(static_cast<py::ssize_t>(count));
  py::array_t<double> values(static_cast<py::ssize_t>(count));
  std::uint64_t* element = elements.mutable_data();
  std::uint16_t* kind = kinds.mutable_data();
  double* value = values.mutable_data();
  for (std::size_t i = 0; i < logs.size(); ++i) {
    const WarningLog& log = *logs[i];
    element = std::copy(log.elements_.begin(), log.elements_.end(), element);
    value = std::copy(log.values_.begin(), log.values_.end(), value);
    for (const std::uint16_t k : log.kinds_) *kind++ = places[i][k];
  }
  py::list prototypes;
  for (const Kind& k : all.table_) {
    prototypes.append(k.impossible ? ImpossibleDict(*k.impossible, k.gorMode, k.waterMode, k.units)
                                   : WarningDict(k.warning, k.gorMode, k.units));
  }
  return py::make_tuple(std::move(elements), std::move(kinds), std::move(values), std::move(prototypes));
}

BlockWriter::BlockWriter(ResultBlocks& blocks, UnitSystem units)
    : values_(blocks.values.mutable_data()),
      status_(blocks.status.mutable_data()),
      masks_(blocks.masks.mutable_data()),
      oil_(blocks.oil.mutable_data()),
      count_(static_cast<std::size_t>(blocks.status.size())),
      units_(units) {}

void BlockWriter::Write(std::size_t element, const CalculationOutcome& outcome, GorSelectorMode gorMode,
                        WarningLog& warnings, const Diagnostics& blank) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  status_[element] = static_cast<std::int8_t>(outcome.zFactorStatus);
  oil_[element] = outcome.oilComputed;
  for (std::size_t row = 0; row < kMaskRows; ++row) masks_[row * count_ + element] = 0;
  for (const Diagnostic& d : blank) warnings.Add(element, d, gorMode, units_);
  if (outcome.failed()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = kNone;
    return;
  }
  const DisplayValues shown = ValuesToShow(outcome, gorMode, units_);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i * count_ + element] = shown.values[i];
  masks_[element] = shown.outOfRange;
  masks_[count_ + element] = shown.notComputed;
  for (const Diagnostic& d : outcome.diagnostics) {
    // A value outside a correlation's data is about an input or a quantity, not a result:
    // the warnings say which.
    if (d.kind != DiagnosticKind::OutsideDataRange) {
      masks_[(2 + static_cast<std::size_t>(d.kind)) * count_ + element] |= MaskOf(d.field);
    }
    if (IsWarning(d.kind)) warnings.Add(element, d, gorMode, units_);
  }
}

void BlockWriter::WriteInvalid(std::size_t element, const std::vector<ImpossibleInput>& inputs,
                               const CalculationCase& c, WarningLog& warnings) {
  status_[element] = kInvalidInputStatus;
  oil_[element] = false;
  for (std::size_t row = 0; row < kMaskRows; ++row) masks_[row * count_ + element] = 0;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    values_[i * count_ + element] = std::numeric_limits<double>::quiet_NaN();
  }
  for (const ImpossibleInput& input : inputs) warnings.AddImpossible(element, input, c.gorMode, c.waterMode, units_);
}

py::object MakeArrayResult(ResultBlocks&& blocks, const py::dict& keys, const py::object& columns,
                           const std::vector<const WarningLog*>& warnings, GorSelectorMode gorMode, UnitSystem units) {
  const auto [kind, unit] = PbxKindWithOil(gorMode, units);
  return py::module_::import("tarnvik._arrays")
      .attr("ArrayResult")(std::move(blocks.values), std::move(blocks.status), std::move(blocks.masks), keys, columns,
                           UnitsOf(gorMode, units), units == UnitSystem::Metric ? "metric" : "field",
                           py::arg("warnings") = WarningLog::ToPython(warnings),
                           py::arg("pbx") = py::make_tuple(kind, unit), py::arg("oil") = std::move(blocks.oil));
}

py::object CalculateArrays(const CalculationCase& base, const CaseArguments& arguments, const py::dict& keys,
                           const Diagnostics& blank, int threads) {
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
  // Each run gathers its own warnings; in run order they are in element order. Each keeps
  // one outcome, whose storage its elements reuse. A run's state fills whole cache lines of
  // its own, so that threads do not write to a line another one holds.
  struct alignas(64) RunState {
    WarningLog warnings;
    CalculationOutcome outcome;
  };
  std::vector<RunState> runs(inputs.Runs(threads));
  inputs.ForEachRun(threads, [&](std::size_t run, std::size_t element, const double* values) {
    InputSet in = base.inputs;
    for (std::size_t k = 0; k < kOperandCount; ++k) {
      InputOperand(in, k) = convert[k] ? FieldInput(values[k], k, base.gorMode, arguments.units) : values[k];
    }
    if (HasImpossibleInput(in)) {
      writer.WriteInvalid(element, ImpossibleInputs(in), base, runs[run].warnings);
    } else {
      CalculationOutcome& outcome = runs[run].outcome;
      Calculate(in, base.gorMode, base.waterMode, base.selection, outcome);
      writer.Write(element, outcome, base.gorMode, runs[run].warnings, blank);
    }
  });
  std::vector<const WarningLog*> warnings;
  for (const RunState& run : runs) warnings.push_back(&run.warnings);
  return MakeArrayResult(std::move(blocks), keys, py::none(), warnings, base.gorMode, arguments.units);
}

py::object CalculateCases(const py::object& base, const py::tuple& inputs, const py::tuple& choices,
                          const py::object& threads) {
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
    if (arguments.Given(k) && IsArrayLike(arguments.numbers[k])) {
      return CalculateArrays(c, arguments, {}, blank, ThreadsOf(threads));
    }
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
             py::arg("threads") = py::none(),
             "calculate() behind tarnvik.calculate: a case or None, the 14 input arguments, the 5 choices and the "
             "threads for arrays (None: every core).");
}

}  // namespace tarnvik::python
