#include "present/input_texts.h"

#include <cmath>

#include "io/number_text.h"

namespace tarnvik {
namespace {

constexpr std::array<InputText, 11> kInputBoxes = {{
    {"api", "API gravity", Dimension::Plain, "°API", "°API"},
    {"gas_gravity", "Gas gravity", Dimension::Plain, "", ""},
    {"temperature", "Temperature", Dimension::Temperature, "°F", "°C"},
    {"pressure", "Pressure", Dimension::Pressure, "psia", "bara"},
    {"gor", "GOR at the bubble point", Dimension::GasLiquidRatio, "MCF/STB", "sm3/sm3"},
    {"porosity", "Porosity", Dimension::Plain, "%", "%"},
    {"swc", "Connate-water saturation", Dimension::Plain, "%", "%"},
    {"salinity", "Salinity", Dimension::Plain, "% NaCl", "% NaCl"},
    {"wor", "Water-oil ratio", Dimension::LiquidRatio, "STB/STB", "sm3/sm3"},
    {"bubble_point", "Bubble-point pressure", Dimension::Pressure, "psia", "bara"},
    {"water_gravity", "Water specific gravity", Dimension::Plain, "", ""},
}};

}  // namespace

const InputText& InputTextOf(InputField field, GorSelectorMode gorMode, WaterSelectorMode waterMode) {
  if (field == InputField::GorOrPb && gorMode == GorSelectorMode::BubblePoint) return kInputBoxes[9];
  if (field == InputField::SalinityOrSg && waterMode == WaterSelectorMode::SpecificGravity) return kInputBoxes[10];
  return kInputBoxes[static_cast<std::size_t>(field)];
}

std::string InputValueText(InputField field, double fieldValue, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                           UnitSystem system) {
  const InputText& text = InputTextOf(field, gorMode, waterMode);
  std::string out =
      std::string(text.caption) + " " + FormatSignificant(FromField(fieldValue, text.dimension, system), 7);
  const std::string_view unit = UnitIn(text, system);
  if (!unit.empty()) out.append(" ").append(unit);
  return out;
}

std::string PressureNumberText(double psia, UnitSystem system, int decimals) {
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const double rounded = std::round(FromField(psia, Dimension::Pressure, system) * scale) / scale;
  return FormatShortest(rounded == 0 ? 0.0 : rounded);  // no sign on zero
}

std::string PressureText(double psia, UnitSystem system) {
  return PressureNumberText(psia, system, 1) + " " + std::string(UnitIn(InputTextOf(InputField::Pressure), system));
}

std::string TemperatureText(double fahrenheit, UnitSystem system) {
  const double shown = FromField(fahrenheit, Dimension::Temperature, system);
  return FormatSignificant(shown == 0 ? 0.0 : shown, 6) + " " +  // no sign on zero
         std::string(UnitIn(InputTextOf(InputField::Temperature), system));
}

std::string ImpossibleInputText(const ImpossibleInput& input, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                                UnitSystem system) {
  return InputValueText(input.field, input.value, gorMode, waterMode, system) + " is impossible (" +
         std::string(input.why) + ")";
}

}  // namespace tarnvik
