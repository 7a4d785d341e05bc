// Inputs no reservoir can have, refused as input errors where a face reads inputs from a
// program or a file (the command line, the Python module) and marked where a person types
// them (the window, which still runs what is typed). Units as the inputs'.
//   - a value that is not a finite number (NaN, ±inf);
//   - a negative API gravity, gas gravity, GOR or bubble-point pressure, pressure,
//     porosity, connate-water saturation, salinity or water specific gravity, or WOR;
//   - a porosity or connate-water saturation above 100 %;
//   - a temperature below absolute zero (−459.67 °F).
// A value of 0 is possible (it means none: no oil, no gas, no water).
#pragma once

#include <string_view>
#include <vector>

#include "calc/input_set.h"

namespace tarnvik {

struct ImpossibleInput {
  InputField field = InputField::ApiGravity;
  double value = 0;      // as given, field units
  std::string_view why;  // "below 0", "above 100 %", "below absolute zero", "not a number"
};

std::vector<ImpossibleInput> ImpossibleInputs(const InputSet& inputs);

// Whether any input is impossible, without saying which (for millions of cases).
bool HasImpossibleInput(const InputSet& inputs);
// Whether one input's value is possible.
bool PossibleInput(InputField field, double value);

}  // namespace tarnvik
