#include "calc/input_checks.h"

#include <cmath>

namespace tarnvik {

std::vector<ImpossibleInput> ImpossibleInputs(const InputSet& in) {
  std::vector<ImpossibleInput> found;
  const auto check = [&](InputField field, double value, double low, std::string_view belowWhy, double high,
                         std::string_view aboveWhy) {
    if (std::isnan(value)) {
      found.push_back({field, value, "not a number"});
    } else if (!std::isfinite(value)) {
      found.push_back({field, value, "not a finite number"});
    } else if (value < low) {
      found.push_back({field, value, belowWhy});
    } else if (value > high) {
      found.push_back({field, value, aboveWhy});
    }
  };
  constexpr double kNone = HUGE_VAL;
  check(InputField::ApiGravity, in.apiGravity, 0, "below 0", kNone, "");
  check(InputField::GasGravity, in.gasGravity, 0, "below 0", kNone, "");
  check(InputField::Temperature, in.temperatureF, -459.67, "below absolute zero", kNone, "");
  check(InputField::Pressure, in.pressure, 0, "below 0", kNone, "");
  check(InputField::GorOrPb, in.gorOrPb, 0, "below 0", kNone, "");
  check(InputField::Porosity, in.porosity, 0, "below 0", 100, "above 100 %");
  check(InputField::Swc, in.swc, 0, "below 0", 100, "above 100 %");
  check(InputField::SalinityOrSg, in.salinityOrSg, 0, "below 0", kNone, "");
  check(InputField::Wor, in.wor, 0, "below 0", kNone, "");
  return found;
}

}  // namespace tarnvik
