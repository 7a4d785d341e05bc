// The calculation run: from the nine input texts, the two selector texts and the
// correlation selection to the 21 output texts of the window.
//
// Order: oil (when API > 0) → gas (when γg > 0; a z-factor failure at the reservoir
// pressure ends the run) → saturated-oil compressibility (oil and gas present, p ≤ pb) →
// water and rock (always) → densities, saturations, total compressibility → display.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/input_set.h"
#include "calc/output_fields.h"
#include "calc/result_set.h"
#include "calc/selector_modes.h"
#include "gas/z_factor.h"
#include "selection/correlation_selection.h"

namespace tarnvik {

// Results of one run in calculation units.
struct CalculationOutcome {
  ResultSet results;
  // Success, or the z-factor failure at the reservoir pressure that ended the run
  // (results then hold only what was computed before it).
  ZFactorStatus zFactorStatus = ZFactorStatus::Success;
  // Caption of the bubble-point/GOR label, when the oil step ran.
  std::optional<std::string_view> pbCaption;

  bool failed() const { return zFactorStatus != ZFactorStatus::Success; }
};

// Runs the correlations on numbers that are already read.
CalculationOutcome Calculate(const InputSet& inputs, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                             const CorrelationSelection& selection);

// Working salinity [% NaCl]: a water specific gravity γw becomes 62.4 (γw − 1) / 0.47.
double WorkingSalinity(double salinityOrSg, WaterSelectorMode mode);

// The 21 values in display units (MCF/STB, microsips, percent), in window order;
// empty where the quantity was not computed.
std::array<Quantity, kOutputFieldCount> DisplayValues(const ResultSet& results, GorSelectorMode gorMode);

// What the window shows for one run.
struct DisplayedOutputs {
  std::array<std::string, kOutputFieldCount> texts;  // empty text: not computed or out of range
  std::vector<OutputField> outOfRange;               // fields whose value was not finite
};

DisplayedOutputs FormatOutputs(const ResultSet& results, GorSelectorMode gorMode);

// The texts of the input boxes, in the order apix, ggx, tx, px, bpx, phix, swcx, saltx,
// worx, and of the two selectors.
struct InputTexts {
  std::array<std::string_view, 9> boxes;
  std::string_view gorSelector;
  std::string_view waterSelector;
};

// Reads the nine boxes into numbers (leading numeric part; see ParseNumber).
InputSet ReadInputs(const std::array<std::string_view, 9>& boxes);

struct RunOutput {
  // The 21 output texts in window order; empty on a z-factor failure, when the window
  // keeps what it showed before.
  std::optional<DisplayedOutputs> outputs;
  // The caption of the label beside the bubble-point/GOR field, when this run set it.
  std::optional<std::string_view> pbCaption;
  // The message for the case-title box on a z-factor failure.
  std::optional<std::string_view> message;
};

// Calculates numbers already read and formats the outputs; the selector texts give the
// meaning of the fifth and eighth inputs.
RunOutput RunCalculation(const InputSet& inputs, std::string_view gorSelector, std::string_view waterSelector,
                         const CorrelationSelection& selection);

// Reads the boxes into `inputs` (overwritten whatever happens next), then calculates and
// formats. Never throws on any text; values outside a correlation's domain come back as
// out-of-range fields.
RunOutput RunCalculation(const InputTexts& texts, const CorrelationSelection& selection, InputSet& inputs);

}  // namespace tarnvik
