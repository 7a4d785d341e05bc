#include "present/blank_reasons.h"

#include <algorithm>
#include <vector>

#include "present/formatted_outputs.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

bool Listed(const std::vector<OutputField>& fields, OutputField field) {
  return std::find(fields.begin(), fields.end(), field) != fields.end();
}

}  // namespace

std::string BlankReasons(const CalculationCase& c, const DisplayedOutputs& shown) {
  const auto blank = [&](OutputField field) {
    return !shown.values[IndexOf(field)] && !Listed(shown.outOfRange, field) && !Listed(shown.notComputed, field);
  };
  const bool oil = c.inputs.apiGravity > 0, gas = c.inputs.gasGravity > 0;
  const bool hasTotal = shown.values[IndexOf(OutputField::Ct)].has_value();
  std::vector<std::string> reasons;
  if (oil && blank(OutputField::Co)) {
    reasons.push_back(gas ? "co is not computed at or below the bubble point of an oil without gas in solution"
                          : "co below the bubble point needs the gas gravity (the saturated oil compressibility "
                            "uses Bg)");
    if (hasTotal) reasons.back() += ", so the total compressibility leaves out the oil";
  }
  if (!gas && blank(OutputField::Cg)) reasons.push_back("cg, z, Bg and the gas viscosity need the gas gravity");
  if (blank(OutputField::Cf)) {
    const RockCorrelation rock = c.selection.rockCorrelation;
    std::string reason =
        rock == RockCorrelation::None
            ? "cf needs a rock-compressibility correlation (Select Correlations)"
            : "cf needs a formation type for " + std::string(RockCorrelationItem(rock)) + " (Select Correlations)";
    if (hasTotal) reason += ", so the total compressibility leaves it out";
    reasons.push_back(std::move(reason));
  }
  std::string text;
  for (const std::string& reason : reasons) text += (text.empty() ? "" : "; ") + reason;
  return text;
}

}  // namespace tarnvik
