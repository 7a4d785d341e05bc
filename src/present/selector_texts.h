// The two unit selectors: their prompts, their items, and what a selector's text means.
// The meaning follows from the whole text, compared exactly and case-sensitively.
#pragma once

#include <array>
#include <string_view>

#include "calc/selector_modes.h"

namespace tarnvik {

inline constexpr std::string_view kGorSelectorPrompt = "GOR or Bubble Point ?";
inline constexpr std::string_view kGorModeText = "GOR MCF/STB";
inline constexpr std::array<std::string_view, 2> kGorSelectorItems = {kGorModeText, "Bubble Point Pressure psia"};

inline constexpr std::string_view kWaterSelectorPrompt = "Salinity or Sp. Gravity ?";
inline constexpr std::string_view kSpecificGravityModeText = "Water Specific Gravity";
inline constexpr std::array<std::string_view, 2> kWaterSelectorItems = {"Salinity % NaCl", kSpecificGravityModeText};

// Only "GOR MCF/STB" means the fifth box holds the GOR at the bubble point.
constexpr GorSelectorMode GorModeFromText(std::string_view text) {
  return text == kGorModeText ? GorSelectorMode::Gor : GorSelectorMode::BubblePoint;
}

// Only "Water Specific Gravity" means the eighth box holds a specific gravity.
constexpr WaterSelectorMode WaterModeFromText(std::string_view text) {
  return text == kSpecificGravityModeText ? WaterSelectorMode::SpecificGravity : WaterSelectorMode::Salinity;
}

}  // namespace tarnvik
