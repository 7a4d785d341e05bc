// The main window's vocabulary: the name, caption, unit and tooltip of each input, and the
// label and caption beside each result, as data the window builds its controls from.
#pragma once

#include <array>
#include <string_view>

#include "calc/output_field.h"

namespace tarnvik {

struct InputBox {
  std::string_view box;      // object name of the input box
  std::string_view label;    // object name of its label; empty where a selector stands in
  std::string_view caption;  // the label as the window shows it, blanks included
  std::string_view unit;     // shown beside the box
  std::string_view toolTip;
};

// In the order the calculation reads them.
inline constexpr std::array<InputBox, 9> kInputBoxes = {{
    {"apix", "Label1", "   API Gravity", "°API", "Stock-tank oil gravity, °API. A value above 0 means oil is present."},
    {"ggx", "Label2", "  Gas Gravity", "air = 1",
     "Gas specific gravity relative to air (air = 1). A value above 0 means gas is present."},
    {"tx", "Label5", "Temperature            F.", "°F", "Reservoir temperature, °F."},
    {"px", "Label3", "Pressure      psia", "psia", "Reservoir pressure, psia."},
    {"bpx", "", "", "",
     "Solution gas-oil ratio at the bubble point in MCF/STB when the selector beside it reads \"GOR MCF/STB\"; "
     "otherwise the bubble-point pressure in psia."},
    {"phix", "Label6", "Porosity        %", "%", "Porosity, percent of bulk volume."},
    {"swcx", "Label7", "Swc     %", "%", "Connate-water saturation, percent of pore volume."},
    {"saltx", "", "", "",
     "Water specific gravity (fresh water = 1) when the selector beside it reads \"Water Specific Gravity\"; "
     "otherwise the water salinity in percent NaCl by weight."},
    {"worx", "Label27", "   WOR STB/STB", "STB/STB", "Water-oil ratio, STB of water per STB of oil."},
}};

struct ResultLabel {
  OutputField field;
  std::string_view label;    // object name of the caption beside the result
  std::string_view caption;  // empty for the bubble-point/GOR result, whose caption a run sets
};

inline constexpr std::array<ResultLabel, 6> kOilResultLabels = {{
    {OutputField::Rs, "Label9", "Solution Gas   MCF/STB"},
    {OutputField::PbOrRsb, "Label11", ""},
    {OutputField::Bo, "Label4", "  Oil fvf  RVB/STB"},
    {OutputField::OilViscosity, "Label10", "Oil viscosity        cp."},
    {OutputField::Co, "Label14", "Oil comp. microsips"},
    {OutputField::OilDensity, "Label30", "Oil density     #/CF"},
}};
inline constexpr std::array<ResultLabel, 5> kGasResultLabels = {{
    {OutputField::Z, "Label13", "z-factor"},
    {OutputField::Bg, "Label12", "  Gas fvf   RVB/MCF"},
    {OutputField::GasViscosity, "Label15", "Gas viscosity         cp."},
    {OutputField::Cg, "Label16", "Gas comp. microsips"},
    {OutputField::GasDensity, "Label31", "Gas density       #/CF"},
}};
inline constexpr std::array<ResultLabel, 5> kWaterResultLabels = {{
    {OutputField::Rsw, "Label17", "Wtr. Sol. Gas     MCF/STB"},
    {OutputField::Bw, "Label18", "Water fvf RVB/STB"},
    {OutputField::WaterViscosity, "Label19", "Wtr. viscosity         cp."},
    {OutputField::Cw, "Label20", "Wtr. comp. microsips"},
    {OutputField::WaterDensity, "Label32", "Wtr. density       #/CF"},
}};
inline constexpr std::array<ResultLabel, 2> kRockResultLabels = {{
    {OutputField::Cf, "Label21", "Form. comp.   microsips"},
    {OutputField::Ct, "Label26", "Total comp. microsips"},
}};
// One caption over the three saturations.
inline constexpr ResultLabel kSaturationsLabel{OutputField::So, "Label22", "Saturations        %"};
inline constexpr std::array<ResultLabel, 3> kSaturationLabels = {{
    {OutputField::So, "Label23", "Oil"},
    {OutputField::Sg, "Label24", "Gas"},
    {OutputField::Sw, "Label25", "Water"},
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
