#include "calc/input_checks.h"

#include <array>
#include <cmath>

namespace tarnvik {
namespace {

// What no reservoir can have, per input: below `low` or above `high`.
struct Limits {
  InputField field;
  double low;
  std::string_view belowWhy;
  double high = HUGE_VAL;
  std::string_view aboveWhy = {};
};

constexpr std::array<Limits, 9> kLimits = {{
    {InputField::ApiGravity, 0, "below 0"},
    {InputField::GasGravity, 0, "below 0"},
    {InputField::Temperature, -459.67, "below absolute zero"},
    {InputField::Pressure, 0, "below 0"},
    {InputField::GorOrPb, 0, "below 0"},
    {InputField::Porosity, 0, "below 0", 100, "above 100 %"},
    {InputField::Swc, 0, "below 0", 100, "above 100 %"},
    {InputField::SalinityOrSg, 0, "below 0"},
    {InputField::Wor, 0, "below 0"},
}};

// Within the limits and finite (false for NaN).
bool Possible(const Limits& limits, double value) {
  return value >= limits.low && value <= limits.high && value < HUGE_VAL;
}

}  // namespace

std::vector<ImpossibleInput> ImpossibleInputs(const InputSet& in) {
  std::vector<ImpossibleInput> found;
  for (const Limits& limits : kLimits) {
    const double value = InputValue(in, limits.field);
    if (Possible(limits, value)) continue;
    std::string_view why = value < limits.low ? limits.belowWhy : limits.aboveWhy;
    if (std::isnan(value)) {
      why = "not a number";
    } else if (!std::isfinite(value)) {
      why = "not a finite number";
    }
    found.push_back({limits.field, value, why});
  }
  return found;
}

bool PossibleInput(InputField field, double value) { return Possible(kLimits[static_cast<std::size_t>(field)], value); }

bool HasImpossibleInput(const InputSet& in) {
  for (const Limits& limits : kLimits) {
    if (!Possible(limits, InputValue(in, limits.field))) return true;
  }
  return false;
}

}  // namespace tarnvik
