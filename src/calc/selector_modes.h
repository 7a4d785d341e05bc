// What the fifth and eighth inputs mean, derived from the two selector texts.
#pragma once

#include <array>
#include <string_view>

namespace tarnvik {

enum class GorSelectorMode { Gor, BubblePoint };
enum class WaterSelectorMode { Salinity, SpecificGravity };

inline constexpr std::string_view kGorSelectorPrompt = "GOR or Bubble Point ?";
inline constexpr std::string_view kGorModeText = "GOR MCF/STB";
inline constexpr std::array<std::string_view, 2> kGorSelectorItems = {kGorModeText, "Bubble Point Pressure psia"};

inline constexpr std::string_view kWaterSelectorPrompt = "Salinity or Sp. Gravity ?";
inline constexpr std::string_view kSpecificGravityModeText = "Water Specific Gravity";
inline constexpr std::array<std::string_view, 2> kWaterSelectorItems = {"Salinity % NaCl", kSpecificGravityModeText};

// Exact, case-sensitive comparison of the whole text: only "GOR MCF/STB" means Gor mode.
constexpr GorSelectorMode GorModeFromText(std::string_view text) {
  return text == kGorModeText ? GorSelectorMode::Gor : GorSelectorMode::BubblePoint;
}

// Only "Water Specific Gravity" means the box holds a specific gravity.
constexpr WaterSelectorMode WaterModeFromText(std::string_view text) {
  return text == kSpecificGravityModeText ? WaterSelectorMode::SpecificGravity : WaterSelectorMode::Salinity;
}

}  // namespace tarnvik
