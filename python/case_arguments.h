// How the keyword arguments of calculate() and Case() become a case: the nine inputs
// (numbers, or arrays of numbers), which of the fifth and eighth was given, and the
// correlations named in words. Every refusal is a ValueError that names the argument.
#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <optional>
#include <string_view>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "model/case_model.h"

namespace tarnvik::python {

namespace py = pybind11;

// The input arguments in the order the Python face passes them: the nine inputs, with the
// bubble-point pressure beside the GOR and the water specific gravity beside the salinity,
// then the gas impurities (optional, mol %).
inline constexpr std::array<std::string_view, 14> kInputArguments = {
    "api", "gas_gravity", "temperature",   "pressure", "gor", "bubble_point", "porosity",
    "swc", "salinity",    "water_gravity", "wor",      "co2", "h2s",          "n2"};

// The numbers an argument may give, in input order: the nine inputs, then CO2, H2S and N2.
inline constexpr std::size_t kOperandCount = kInputCount + 3;
// The choice arguments, in the order the Python face passes them. An argument that changes
// how every input is read or what a run reports (a unit system, say) belongs beside them:
// read once here, it applies to one case and to arrays alike.
inline constexpr std::array<std::string_view, 5> kChoiceArguments = {"oil", "gas", "rock", "formation", "units"};

inline constexpr std::size_t kPressureInput = static_cast<std::size_t>(InputField::Pressure);

// The impurities' members, in the order of their arguments.
inline constexpr double GasImpurities::*kImpurityMembers[] = {&GasImpurities::co2, &GasImpurities::h2s,
                                                              &GasImpurities::n2};

// Number `index` (0–11) of an input set: the nine inputs by their InputField, then the
// impurities.
inline double& InputOperand(InputSet& in, std::size_t index) {
  if (index < kInputCount) return InputValue(in, static_cast<InputField>(index));
  return in.impurities.*kImpurityMembers[index - kInputCount];
}
inline double InputOperand(const InputSet& in, std::size_t index) {
  return InputOperand(const_cast<InputSet&>(in), index);
}

// The name of input `index` (0–11) in the given modes: "gor" or "bubble_point" for the
// fifth, "salinity" or "water_gravity" for the eighth.
std::string_view InputName(std::size_t index, GorSelectorMode gorMode, WaterSelectorMode waterMode);

// The arguments as given; an empty member, or None, was not given.
struct CaseArguments {
  std::array<py::object, kOperandCount> numbers;  // scalars or arrays, in input order
  std::optional<GorSelectorMode> gorMode;         // set when gor or bubble_point was given
  std::optional<WaterSelectorMode> waterMode;     // set when salinity or water_gravity was given
  std::optional<OilCorrelation> oil;
  std::optional<GasCharacterisation> gas;
  std::optional<RockCorrelation> rock;  // RockCorrelation::None for ""
  std::optional<FormationType> formation;
  // The units the inputs are given in and the results are reported in.
  UnitSystem units = UnitSystem::Field;

  bool Given(std::size_t index) const { return !numbers[index].is_none(); }
};

// Reads the 14 input arguments (kInputArguments order) and the 5 choices. Refuses both
// members of a pair (gor and bubble_point, salinity and water_gravity) and choices that
// name nothing.
CaseArguments ReadCaseArguments(const py::tuple& inputs, const py::tuple& choices);

// Without a case to start from every input must be given: refuses, naming all that are
// missing.
void RequireEveryInput(const CaseArguments& arguments);

// The base case with the modes and choices given applied (the numbers are not).
CalculationCase WithChoices(CalculationCase base, const CaseArguments& arguments);

// An oil family named in words (the first three letters decide), None when not given;
// refuses anything else, naming the argument.
std::optional<OilCorrelation> OilFamilyOf(const py::handle& value, std::string_view name);

// True when the value is an array or a sequence of numbers rather than one number.
bool IsArrayLike(const py::handle& value);

// One finite number; refuses anything else (NaN and infinities too), naming the argument.
double NumberOf(const py::handle& value, std::string_view name);
// The same, NaN and infinities taken as they are.
double ReadNumber(const py::handle& value, std::string_view name);

// The units= argument: None or "field", or "metric".
UnitSystem UnitsOf(const py::handle& value);

// Input `index` given in `units` in the field units a case holds.
double FieldInput(double value, std::size_t index, GorSelectorMode gorMode, UnitSystem units);

}  // namespace tarnvik::python
