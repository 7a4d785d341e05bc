#include "case_arguments.h"

#include "present/unit_texts.h"

#include <pybind11/numpy.h>

#include <cmath>
#include <string>

#include "present/input_texts.h"
#include "present/selection_texts.h"

namespace tarnvik::python {
namespace {

constexpr std::size_t kFifth = static_cast<std::size_t>(InputField::GorOrPb);
constexpr std::size_t kEighth = static_cast<std::size_t>(InputField::SalinityOrSg);

// The operand each argument of kInputArguments gives: the members of a pair give the same.
constexpr std::array<std::size_t, kInputArguments.size()> kOperandOfArgument = {0, 1, 2, 3, 4, 4,  5,
                                                                                6, 7, 7, 8, 9, 10, 11};

// A value's text in a message, cut short.
std::string Shortened(const py::str& text) {
  constexpr std::size_t kLongest = 60;
  std::string shown = text;
  if (shown.size() > kLongest) shown = shown.substr(0, kLongest) + "...";
  return shown;
}

std::string TypeName(const py::handle& value) { return py::str(py::type::handle_of(value).attr("__name__")); }

// "\"Hall\", \"Van der Knaap\", ..." from a list of items.
template <typename Items>
std::string Quoted(const Items& items) {
  std::string text;
  for (const std::string_view item : items) {
    if (!text.empty()) text += ", ";
    text.append("\"").append(item).append("\"");
  }
  return text;
}

// A choice given in words: None (not given) or a text.
std::optional<std::string> TextOf(const py::handle& value, std::string_view name) {
  if (value.is_none()) return std::nullopt;
  if (!py::isinstance<py::str>(value)) {
    throw py::value_error(std::string(name) + ": expected a text, got " + TypeName(value));
  }
  return value.cast<std::string>();
}

}  // namespace

std::optional<OilCorrelation> OilFamilyOf(const py::handle& value, std::string_view name) {
  const auto text = TextOf(value, name);
  if (!text) return std::nullopt;
  if (const auto family = OilCorrelationFromCaption(*text)) return family;
  std::array<std::string_view, kOilCorrelationCount> names;
  for (int i = 0; i < kOilCorrelationCount; ++i) names[i] = OilCorrelationName(static_cast<OilCorrelation>(i));
  throw py::value_error(std::string(name) + ": \"" + *text + "\" names no oil family; give one of " + Quoted(names) +
                        " (the first three letters decide)");
}

namespace {

// "wet" or "dry", as on the command line, or a caption of the gas list ("Wet Gas").
std::optional<GasCharacterisation> GasOf(const py::handle& value) {
  const auto text = TextOf(value, "gas");
  if (!text) return std::nullopt;
  if (*text == "wet") return GasCharacterisation::WetGas;
  if (*text == "dry") return GasCharacterisation::DryGas;
  if (const auto gas = GasCharacterisationFromCaption(*text)) return gas;
  throw py::value_error("gas: \"" + *text + "\" is neither \"wet\" nor \"dry\"");
}

// A rock correlation by its whole text; "" for none.
std::optional<RockCorrelation> RockOf(const py::handle& value) {
  const auto text = TextOf(value, "rock");
  if (!text) return std::nullopt;
  if (text->empty()) return RockCorrelation::None;
  if (const auto rock = RockCorrelationFromCaption(*text)) return rock;
  throw py::value_error("rock: \"" + *text + "\" names no rock correlation; give one of " +
                        Quoted(kRockCorrelationItems) + ", or \"\" for none");
}

// A formation type by its whole text; "" for none.
std::optional<FormationType> FormationOf(const py::handle& value) {
  const auto text = TextOf(value, "formation");
  if (!text) return std::nullopt;
  if (text->empty()) return FormationType::None;
  const auto formation = FormationTypeFromCaption(*text);
  if (formation && FormationTypeItem(*formation) == *text) return formation;
  throw py::value_error("formation: \"" + *text + "\" names no formation type; give one of " +
                        Quoted(kFormationTypeItems) + ", or \"\" for none");
}

// One member of a pair of inputs (gor or bubble_point, say): refuses both.
template <typename Mode>
void ReadPair(const py::tuple& inputs, std::size_t first, Mode firstMode, Mode secondMode, py::object& number,
              std::optional<Mode>& mode) {
  const py::object a = inputs[first], b = inputs[first + 1];
  if (!a.is_none() && !b.is_none()) {
    throw py::value_error("give either " + std::string(kInputArguments[first]) + " or " +
                          std::string(kInputArguments[first + 1]) + ", not both");
  }
  if (!a.is_none()) {
    number = a;
    mode = firstMode;
  } else if (!b.is_none()) {
    number = b;
    mode = secondMode;
  }
}

}  // namespace

std::string_view InputName(std::size_t index, GorSelectorMode gorMode, WaterSelectorMode waterMode) {
  if (index < kInputCount) return InputTextOf(static_cast<InputField>(index), gorMode, waterMode).name;
  return kInputArguments[kInputArguments.size() - (kOperandCount - index)];  // co2, h2s, n2
}

CaseArguments ReadCaseArguments(const py::tuple& inputs, const py::tuple& choices) {
  // A case holds field units: Case() passes the four correlations, calculate() the units too.
  if (inputs.size() != kInputArguments.size() || choices.size() + 1 < kChoiceArguments.size() ||
      choices.size() > kChoiceArguments.size()) {
    throw py::value_error("expected the 14 inputs and 4 or 5 choices");
  }
  CaseArguments arguments;
  for (auto& number : arguments.numbers) number = py::none();
  for (std::size_t i = 0; i < kInputArguments.size(); ++i) {
    const std::size_t operand = kOperandOfArgument[i];
    if (operand == kFifth) {
      ReadPair(inputs, i++, GorSelectorMode::Gor, GorSelectorMode::BubblePoint, arguments.numbers[operand],
               arguments.gorMode);
    } else if (operand == kEighth) {
      ReadPair(inputs, i++, WaterSelectorMode::Salinity, WaterSelectorMode::SpecificGravity, arguments.numbers[operand],
               arguments.waterMode);
    } else {
      arguments.numbers[operand] = inputs[i];
    }
  }
  arguments.oil = OilFamilyOf(choices[0], "oil");
  arguments.gas = GasOf(choices[1]);
  arguments.rock = RockOf(choices[2]);
  arguments.formation = FormationOf(choices[3]);
  if (choices.size() == kChoiceArguments.size()) arguments.units = UnitsOf(choices[4]);
  return arguments;
}

UnitSystem UnitsOf(const py::handle& value) {
  if (value.is_none()) return UnitSystem::Field;
  if (!PyUnicode_Check(value.ptr())) throw py::value_error("units: expected \"field\" or \"metric\"");
  const std::string units = py::str(value);
  if (units == "metric") return UnitSystem::Metric;
  if (units != "field") throw py::value_error("units: \"" + units + "\" is neither \"field\" nor \"metric\"");
  return UnitSystem::Field;
}

double FieldInput(double value, std::size_t index, GorSelectorMode gorMode, UnitSystem units) {
  if (index >= kInputCount) return value;  // mol % in either system
  return ToField(value, InputTextOf(static_cast<InputField>(index), gorMode).dimension, units);
}

void RequireEveryInput(const CaseArguments& arguments) {
  std::string missing;
  const auto add = [&missing](std::string_view name) { missing.append(missing.empty() ? "" : ", ").append(name); };
  for (std::size_t i = 0; i < kInputCount; ++i) {
    if (arguments.Given(i)) continue;
    if (i == kFifth) {
      add("gor or bubble_point");
    } else if (i == kEighth) {
      add("salinity or water_gravity");
    } else {
      add(InputName(i, GorSelectorMode::Gor, WaterSelectorMode::Salinity));
    }
  }
  if (!missing.empty()) {
    throw py::value_error("missing input: " + missing +
                          " (give all nine inputs, 0 where a fluid is absent, or a case to start from)");
  }
}

CalculationCase WithChoices(CalculationCase base, const CaseArguments& arguments) {
  if (arguments.gorMode) base.gorMode = *arguments.gorMode;
  if (arguments.waterMode) base.waterMode = *arguments.waterMode;
  CorrelationSelection& selection = base.selection;
  if (arguments.oil) selection.oilCorrelation = *arguments.oil;
  if (arguments.gas) selection.gasCharacterisation = *arguments.gas;
  if (arguments.rock) selection.rockCorrelation = *arguments.rock;
  if (arguments.formation) selection.formationType = *arguments.formation;
  return base;
}

bool IsArrayLike(const py::handle& value) {
  if (PyFloat_Check(value.ptr()) || PyLong_Check(value.ptr())) return false;
  // A 0-d array is one number.
  if (py::isinstance<py::array>(value)) return py::reinterpret_borrow<py::array>(value).ndim() > 0;
  return PySequence_Check(value.ptr()) && !PyUnicode_Check(value.ptr()) && !PyBytes_Check(value.ptr());
}

double NumberOf(const py::handle& value, std::string_view name) {
  const double number = ReadNumber(value, name);
  if (!std::isfinite(number)) {
    throw py::value_error(std::string(name) + ": " + Shortened(py::repr(py::float_(number))) +
                          " is not a finite number");
  }
  return number;
}

double ReadNumber(const py::handle& value, std::string_view name) {
  if (PyFloat_Check(value.ptr())) return PyFloat_AS_DOUBLE(value.ptr());
  if (PyUnicode_Check(value.ptr()) || PyBytes_Check(value.ptr())) {
    throw py::value_error(std::string(name) + ": expected a number, got the text " + Shortened(py::repr(value)));
  }
  const double number = PyFloat_AsDouble(value.ptr());
  if (number == -1.0 && PyErr_Occurred()) {
    const py::error_already_set error;  // taken from the interpreter, which is left clear
    throw py::value_error(std::string(name) + ": cannot read " + Shortened(py::repr(value)) + " as a number (" +
                          std::string(py::str(error.value())) + ")");
  }
  return number;
}

}  // namespace tarnvik::python
