// The comparison of a model with a laboratory report as a face shows it: each property's
// name in machine outputs, its caption and unit, and every residual in the unit system
// shown. The residuals themselves are calc/lab_fit.h's.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "base/unit_system.h"
#include "calc/lab_fit.h"
#include "model/lab_quantities.h"

namespace tarnvik {

struct LabPropertyText {
  std::string_view name;        // in CSV and JSON: pb, rs, bo, ...
  std::string_view caption;     // in words
  const LabQuantity* quantity;  // its unit and conversion
};

inline constexpr std::array<LabPropertyText, kLabPropertyCount> kLabPropertyTexts = {{
    {"pb", "Bubble point", &LabQuantityOf(LabKey::BubblePoint)},
    {"rs", "Rs", &LabQuantityOf(LabColumn::Rs)},
    {"bo", "Bo", &LabQuantityOf(LabColumn::Bo)},
    {"oil_viscosity", "Oil viscosity", &LabQuantityOf(LabColumn::OilViscosity)},
    {"oil_compressibility", "Oil compressibility", &LabQuantityOf(LabColumn::OilCompressibility)},
    {"relative_volume", "Relative volume", &LabQuantityOf(LabColumn::RelativeVolume)},
    {"z", "z", &LabQuantityOf(LabColumn::Z)},
    {"bg", "Bg", &LabQuantityOf(LabColumn::Bg)},
}};

constexpr const LabPropertyText& TextOf(LabProperty property) {
  return kLabPropertyTexts[static_cast<std::size_t>(property)];
}

struct ShownResidual {
  LabProperty property = LabProperty::Rs;
  double pressure = 0;                  // in the unit system shown
  double measured = 0;                  // in the unit system shown
  double predicted = 0;                 // in the unit system shown
  double errorPercent = 0;              // signed, as calc/lab_fit.h defines it
  std::optional<double> targetPercent;  // the tuned model's target; none for co
  bool withinTarget = true;
};

std::vector<ShownResidual> ShownResiduals(const LabComparison& comparison, UnitSystem units);

// The targets in words: "pb exact, Rs 5 % (of the GOR below a tenth of it), Bo 1.5 %, ...".
std::string_view LabTargetsText();

}  // namespace tarnvik
