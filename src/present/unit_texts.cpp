#include "present/unit_texts.h"

#include <array>
#include <utility>

#include "present/selector_texts.h"

namespace tarnvik {
namespace {

// Oilfield unit names as the captions write them, and their metric names; longer names
// first, so that "RVB/STB" is not taken for "STB".
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kMetricNames = {{
    {"RVB/STB", "rm3/sm3"},
    {"RVB/MCF", "rm3/sm3"},
    {"RB/STB", "rm3/sm3"},
    {"RB/MCF", "rm3/sm3"},
    {"MCF/STB", "sm3/sm3"},
    {"STB/STB", "sm3/sm3"},
    {"microsips", "1e-5/bar"},
    {"lb/ft3", "kg/m3"},
    {"#/CF", "kg/m3"},
    {"psia", "bara"},
    {"F.", "C."},
    {"°F", "°C"},
}};

constexpr std::string_view kMetricGorModeText = "GOR sm3/sm3";
constexpr std::string_view kMetricBubblePointText = "Bubble Point Pressure bara";

}  // namespace

std::string CaptionInUnits(std::string_view fieldCaption, UnitSystem system) {
  std::string text(fieldCaption);
  if (system == UnitSystem::Field) return text;
  for (const auto& [field, metric] : kMetricNames) {
    for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + metric.size())) {
      text.replace(at, field.size(), metric);
    }
  }
  return text;
}

std::string_view GorSelectorShown(std::string_view caseText, UnitSystem system) {
  if (system == UnitSystem::Field) return caseText;
  if (caseText == kGorSelectorItems[0]) return kMetricGorModeText;
  if (caseText == kGorSelectorItems[1]) return kMetricBubblePointText;
  return caseText;
}

std::string_view GorSelectorFromShown(std::string_view shownText, UnitSystem system) {
  if (system == UnitSystem::Field) return shownText;
  if (shownText == kMetricGorModeText) return kGorSelectorItems[0];
  if (shownText == kMetricBubblePointText) return kGorSelectorItems[1];
  return shownText;
}

std::array<std::string_view, 2> GorSelectorItemsShown(UnitSystem system) {
  return {GorSelectorShown(kGorSelectorItems[0], system), GorSelectorShown(kGorSelectorItems[1], system)};
}

}  // namespace tarnvik
