// The nine inputs as faces name them: the name programs use (command-line columns, Python
// arguments, JSON), the caption in words, and the unit in either system; the fifth and
// eighth by what their selectors make them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/unit_system.h"
#include "calc/input_checks.h"
#include "calc/input_set.h"
#include "calc/selector_modes.h"

namespace tarnvik {

struct InputText {
  std::string_view name;     // "api", "gas_gravity", ..., "gor" or "bubble_point", ...
  std::string_view caption;  // "API gravity", ...
  Dimension dimension;
  std::string_view fieldUnit, metricUnit;  // empty where there is none
};

const InputText& InputTextOf(InputField field, GorSelectorMode gorMode = GorSelectorMode::Gor,
                             WaterSelectorMode waterMode = WaterSelectorMode::Salinity);

constexpr std::string_view UnitIn(const InputText& text, UnitSystem system) {
  return system == UnitSystem::Metric ? text.metricUnit : text.fieldUnit;
}

// "Temperature 80 °F", "Porosity -5 %", in `system`'s units from a field value.
std::string InputValueText(InputField field, double fieldValue, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                           UnitSystem system);

// A pressure [psia] in `system`'s unit, rounded to `decimals` places and written in the
// shortest form that reads back as that number: 2203.3 (1 place), 1.0135 (4), 14.7 (4).
std::string PressureNumberText(double psia, UnitSystem system, int decimals);
// As captions write them, with the unit: a pressure [psia] to a tenth ("2203.3 psia",
// "151.9 bara") and a temperature [°F] to six significant digits ("200 °F", "93.3333 °C").
std::string PressureText(double psia, UnitSystem system);
std::string TemperatureText(double fahrenheit, UnitSystem system);

// "GOR at the bubble point -0.5 MCF/STB is impossible (below 0)".
std::string ImpossibleInputText(const ImpossibleInput& input, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                                UnitSystem system);

}  // namespace tarnvik
