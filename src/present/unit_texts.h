// The unit parts of the window's captions and of the GOR selector's items in each unit
// system: in Field every text stays exactly as it is; in Metric its oilfield unit names
// become metric ones ("Oil fvf  RVB/STB" → "Oil fvf  rm3/sm3", "Pressure      psia" →
// "Pressure      bara", "microsips" → "1e-5/bar").
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/unit_system.h"
#include "calc/selector_modes.h"

namespace tarnvik {

// A Field caption with its unit parts in `system`'s units.
std::string CaptionInUnits(std::string_view fieldCaption, UnitSystem system);

// The GOR selector: its text as shown in `system`, from the text the case holds (the
// Field text, which case files keep), and back. Only the two items have metric forms
// ("GOR sm3/sm3", "Bubble Point Pressure bara"); any other text is the same in both.
std::string_view GorSelectorShown(std::string_view caseText, UnitSystem system);
std::string_view GorSelectorFromShown(std::string_view shownText, UnitSystem system);

// The GOR selector's two items as shown in `system`. A switch of units changes only
// these words: the selector's text stays the case's, shown by GorSelectorShown.
std::array<std::string_view, 2> GorSelectorItemsShown(UnitSystem system);

}  // namespace tarnvik
