// The main window's vocabulary: the name, caption, unit and tooltip of each input, and the
// label and caption beside each result, as data the window builds its controls from. Each
// caption and unit has its Field form and its Metric form.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/unit_system.h"
#include "calc/input_set.h"
#include "calc/output_field.h"

namespace tarnvik {

// A text as the window shows it in Field and in Metric units.
struct UnitCaption {
  std::string_view field;
  std::string_view metric;

  constexpr std::string_view in(UnitSystem system) const { return system == UnitSystem::Metric ? metric : field; }
};

struct InputBox {
  InputField field;
  std::string_view box;    // object name of the input box
  std::string_view label;  // object name of its label; empty where a selector stands in
  UnitCaption caption;     // the label as the window shows it, blanks included
  UnitCaption unit;        // shown beside the box
  std::string_view toolTip;
};

// In the order the calculation reads them.
inline constexpr std::array<InputBox, 9> kInputBoxes = {{
    {InputField::ApiGravity,
     "apix",
     "Label1",
     {"   API Gravity", "   API Gravity"},
     {"°API", "°API"},
     "Stock-tank oil gravity, °API. A value above 0 means oil is present."},
    {InputField::GasGravity,
     "ggx",
     "Label2",
     {"  Gas Gravity", "  Gas Gravity"},
     {"air = 1", "air = 1"},
     "Gas specific gravity relative to air (air = 1). A value above 0 means gas is present."},
    {InputField::Temperature,
     "tx",
     "Label5",
     {"Temperature            F.", "Temperature            C."},
     {"°F", "°C"},
     "Reservoir temperature, °F."},
    {InputField::Pressure,
     "px",
     "Label3",
     {"Pressure      psia", "Pressure      bara"},
     {"psia", "bara"},
     "Reservoir pressure, psia."},
    {InputField::GorOrPb,
     "bpx",
     "",
     {},
     {},
     "Solution gas-oil ratio at the bubble point in MCF/STB when the selector beside it reads \"GOR MCF/STB\"; "
     "otherwise the bubble-point pressure in psia."},
    {InputField::Porosity,
     "phix",
     "Label6",
     {"Porosity        %", "Porosity        %"},
     {"%", "%"},
     "Porosity, percent of bulk volume."},
    {InputField::Swc,
     "swcx",
     "Label7",
     {"Swc     %", "Swc     %"},
     {"%", "%"},
     "Connate-water saturation, percent of pore volume."},
    {InputField::SalinityOrSg,
     "saltx",
     "",
     {},
     {},
     "Water specific gravity (fresh water = 1) when the selector beside it reads \"Water Specific Gravity\"; "
     "otherwise the water salinity in percent NaCl by weight."},
    {InputField::Wor,
     "worx",
     "Label27",
     {"   WOR STB/STB", "   WOR sm3/sm3"},
     {"STB/STB", "sm3/sm3"},
     "Water-oil ratio, STB of water per STB of oil."},
}};

constexpr bool InputBoxesInFieldOrder() {
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    if (static_cast<std::size_t>(kInputBoxes[i].field) != i) return false;
  }
  return true;
}
static_assert(InputBoxesInFieldOrder(), "kInputBoxes is indexed by InputField");

struct ResultLabel {
  OutputField field;
  std::string_view label;  // object name of the caption beside the result
  UnitCaption caption;     // empty for the bubble-point/GOR result, whose caption a run sets
};

inline constexpr std::array<ResultLabel, 6> kOilResultLabels = {{
    {OutputField::Rs, "Label9", {"Solution Gas   MCF/STB", "Solution Gas   sm3/sm3"}},
    {OutputField::PbOrRsb, "Label11", {}},
    {OutputField::Bo, "Label4", {"  Oil fvf  RVB/STB", "  Oil fvf  rm3/sm3"}},
    {OutputField::OilViscosity, "Label10", {"Oil viscosity        cp.", "Oil viscosity        cp."}},
    {OutputField::Co, "Label14", {"Oil comp. microsips", "Oil comp. 1e-5/bar"}},
    {OutputField::OilDensity, "Label30", {"Oil density     #/CF", "Oil density     kg/m3"}},
}};
inline constexpr std::array<ResultLabel, 5> kGasResultLabels = {{
    {OutputField::Z, "Label13", {"z-factor", "z-factor"}},
    {OutputField::Bg, "Label12", {"  Gas fvf   RVB/MCF", "  Gas fvf   rm3/sm3"}},
    {OutputField::GasViscosity, "Label15", {"Gas viscosity         cp.", "Gas viscosity         cp."}},
    {OutputField::Cg, "Label16", {"Gas comp. microsips", "Gas comp. 1e-5/bar"}},
    {OutputField::GasDensity, "Label31", {"Gas density       #/CF", "Gas density       kg/m3"}},
}};
inline constexpr std::array<ResultLabel, 5> kWaterResultLabels = {{
    {OutputField::Rsw, "Label17", {"Wtr. Sol. Gas     MCF/STB", "Wtr. Sol. Gas     sm3/sm3"}},
    {OutputField::Bw, "Label18", {"Water fvf RVB/STB", "Water fvf rm3/sm3"}},
    {OutputField::WaterViscosity, "Label19", {"Wtr. viscosity         cp.", "Wtr. viscosity         cp."}},
    {OutputField::Cw, "Label20", {"Wtr. comp. microsips", "Wtr. comp. 1e-5/bar"}},
    {OutputField::WaterDensity, "Label32", {"Wtr. density       #/CF", "Wtr. density       kg/m3"}},
}};
inline constexpr std::array<ResultLabel, 2> kRockResultLabels = {{
    {OutputField::Cf, "Label21", {"Form. comp.   microsips", "Form. comp.   1e-5/bar"}},
    {OutputField::Ct, "Label26", {"Total comp. microsips", "Total comp. 1e-5/bar"}},
}};
// One caption over the three saturations.
inline constexpr ResultLabel kSaturationsLabel{
    OutputField::So, "Label22", {"Saturations        %", "Saturations        %"}};
inline constexpr std::array<ResultLabel, 3> kSaturationLabels = {{
    {OutputField::So, "Label23", {"Oil", "Oil"}},
    {OutputField::Sg, "Label24", {"Gas", "Gas"}},
    {OutputField::Sw, "Label25", {"Water", "Water"}},
}};

// Which inputs the Oil, Gas and Water check boxes show (they only show or hide; hidden
// values still count): the oil's (API, the GOR or bubble point and its result) with oil;
// the gas gravity and Swc with oil or gas; the WOR, water produced with the hydrocarbons,
// with water and oil or gas.
struct ShownInputs {
  bool oil = true;
  bool gasGravityAndSwc = true;
  bool wor = true;
};
constexpr ShownInputs InputsShown(bool oil, bool gas, bool water) { return {oil, oil || gas, water && (oil || gas)}; }

}  // namespace tarnvik
