// tarnvik.properties behind the scenes: one step of the calculation run (the oil, the gas,
// the water or the rock) over numbers or arrays broadcast against each other, each
// element the very step calculate takes, shown in calculate's display units.
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "bindings.h"
#include "calc/calculation_run.h"
#include "calc/input_checks.h"
#include "calc/routines.h"
#include "calculation.h"
#include "case_arguments.h"
#include "element_loop.h"
#include "present/output_fields.h"

namespace tarnvik::python {
namespace {

enum class Step { Oil, Gas, Water, Rock };

// One result of a step: its name in the returned dict, the field it shows as in calculate,
// and the GOR mode whose display it takes (the bubble point and the GOR at it are the two
// faces of pbx).
struct StepOutput {
  const char* name;
  OutputField field;
  GorSelectorMode mode = GorSelectorMode::Gor;
};

constexpr StepOutput kOilOutputs[] = {{"rs", OutputField::Rs},
                                      {"bo", OutputField::Bo},
                                      {"oil_viscosity", OutputField::OilViscosity},
                                      {"bubble_point", OutputField::PbOrRsb, GorSelectorMode::Gor},
                                      {"gor", OutputField::PbOrRsb, GorSelectorMode::BubblePoint}};
constexpr StepOutput kGasOutputs[] = {{"z", OutputField::Z},
                                      {"bg", OutputField::Bg},
                                      {"gas_viscosity", OutputField::GasViscosity},
                                      {"cg", OutputField::Cg}};
constexpr StepOutput kWaterOutputs[] = {{"rsw", OutputField::Rsw},
                                        {"bw", OutputField::Bw},
                                        {"water_viscosity", OutputField::WaterViscosity},
                                        {"cw", OutputField::Cw}};
constexpr StepOutput kRockOutputs[] = {{"cf", OutputField::Cf}};

Step StepOf(const std::string& name) {
  if (name == "oil") return Step::Oil;
  if (name == "gas") return Step::Gas;
  if (name == "water") return Step::Water;
  if (name == "rock") return Step::Rock;
  throw py::value_error("no step \"" + name + "\"");
}

std::span<const StepOutput> OutputsOf(Step step) {
  switch (step) {
    case Step::Oil:
      return kOilOutputs;
    case Step::Gas:
      return kGasOutputs;
    case Step::Water:
      return kWaterOutputs;
    case Step::Rock:
      return kRockOutputs;
  }
  return {};
}

// The step's results at one element, in calculation units, NaN where there is none.
constexpr std::size_t kMostOutputs = 5;
using StepValues = std::array<double, kMostOutputs>;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

StepValues RunStep(Step step, const CalculationCase& c, const InputSet& in, bool waterBubblePointGiven) {
  StepValues values;
  values.fill(kNone);
  switch (step) {
    case Step::Oil: {
      // No oil, no oil properties, as in a run.
      if (!(in.apiGravity > 0)) break;
      const OilState oil = CalculateOilState(in, c.gorMode, c.selection.oilCorrelation, TuningInForce(c.selection));
      values = {oil.rs, oil.bo, oil.muO, oil.pb, oil.rsb};
      break;
    }
    case Step::Gas: {
      if (!(in.gasGravity > 0)) break;
      const GasState gas = CalculateGasState(in, c.selection.gasCharacterisation, GasTuningInForce(c.selection));
      if (gas.status != ZFactorStatus::Success) break;
      values = {gas.z, gas.bg, gas.muG, gas.cg.value_or(kNone), kNone};
      break;
    }
    case Step::Water: {
      // Without a bubble point the water holds the gas it holds at its own pressure.
      const double bubblePoint = waterBubblePointGiven ? in.gorOrPb : in.pressure;
      const WaterState water =
          CalculateWaterState(in.pressure, in.temperatureF, WorkingSalinity(in.salinityOrSg, c.waterMode), bubblePoint);
      values = {water.rsw, water.bw, water.muW, water.cw, kNone};
      break;
    }
    case Step::Rock: {
      Quantity cf;
      CalcFormationCompressibility(in.porosity, in.pressure, cf, c.selection.rockCorrelation,
                                   c.selection.formationType);
      values[0] = cf.value_or(kNone);
      break;
    }
  }
  return values;
}

py::dict RunProperties(const std::string& stepName, const py::tuple& inputs, const py::tuple& choices,
                       const py::object& threadsArgument) {
  const Step step = StepOf(stepName);
  const int threads = ThreadsOf(threadsArgument);
  const CaseArguments arguments = ReadCaseArguments(inputs, choices);
  // Whatever is not given is 0, and the modes are the start-up ones unless given.
  CalculationCase base = WithChoices(CalculationCase{}, arguments);
  base.inputs = InputSet{};
  ElementInputs elements;
  std::array<bool, kOperandCount> convert{};
  std::array<bool, kOperandCount> given{};
  for (std::size_t k = 0; k < kOperandCount; ++k) {
    const std::string_view name = InputName(k, base.gorMode, base.waterMode);
    const py::object& number = arguments.numbers[k];
    given[k] = !number.is_none();
    if (number.is_none()) {
      elements.AddScalar(0);
    } else if (IsArrayLike(number)) {
      elements.AddArray(ArrayOf(number, name), name);
      convert[k] = arguments.units != UnitSystem::Field;
    } else {
      const double value = FieldInput(NumberOf(number, name), k, base.gorMode, arguments.units);
      if (k < kInputCount) {
        // Refused as calculate refuses it; the other inputs stay at 0, which is possible.
        CalculationCase alone = base;
        InputOperand(alone.inputs, k) = value;
        RefuseImpossible(alone, arguments.units);
      }
      elements.AddScalar(value);
    }
  }
  elements.Broadcast();

  const std::span<const StepOutput> outputs = OutputsOf(step);
  std::vector<py::array_t<double>> arrays;
  std::array<double*, kMostOutputs> data{};
  std::array<double, kMostOutputs> factors{};
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    arrays.emplace_back(elements.shape());
    data[i] = arrays.back().mutable_data();
    factors[i] = FieldInfo(outputs[i].field, outputs[i].mode, arguments.units).displayFactor;
  }
  const bool waterBubblePointGiven = arguments.gorMode.has_value();
  elements.ForEach(threads, [&](std::size_t element, const double* values) {
    InputSet in = base.inputs;
    bool possible = true;
    for (std::size_t k = 0; k < kOperandCount; ++k) {
      InputOperand(in, k) = convert[k] ? FieldInput(values[k], k, base.gorMode, arguments.units) : values[k];
      if (k < kInputCount && given[k])
        possible = possible && PossibleInput(static_cast<InputField>(k), InputOperand(in, k));
    }
    // An element with an input no reservoir has is not run: NaN, as calculate leaves it.
    const StepValues results =
        possible ? RunStep(step, base, in, waterBubblePointGiven) : StepValues{kNone, kNone, kNone, kNone, kNone};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
      // As a run shows them: a value that is not finite, or not once scaled, is none.
      const double shown = results[i] * factors[i];
      data[i][element] = std::isfinite(shown) ? shown : kNone;
    }
  });
  py::dict result;
  for (std::size_t i = 0; i < outputs.size(); ++i) result[outputs[i].name] = arrays[i];
  return result;
}

}  // namespace

void BindProperties(py::module_& module) {
  module.def("_properties", &RunProperties, py::arg("step"), py::arg("inputs"), py::arg("choices"),
             py::arg("threads") = py::none(),
             "The functions of tarnvik.properties: one step (\"oil\", \"gas\", \"water\", \"rock\") over the 14 "
             "input arguments of calculate and its 5 choices; a dict of arrays of the broadcast shape.");
}

}  // namespace tarnvik::python
