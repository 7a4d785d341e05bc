// The words a run's outcome is told in: the caption of the bubble-point/GOR field, the
// z-factor failure messages and the status line under the results.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/unit_system.h"
#include "calc/calculation_run.h"
#include "calc/input_set.h"
#include "calc/selector_modes.h"
#include "correlations/gas/z_factor.h"

namespace tarnvik {

struct DisplayedOutputs;

// "Bubble Point Pressure, psia" in Gor mode (pb is shown), "     GOR MCF/STB" otherwise
// (the GOR at the bubble point is shown).
std::string_view PbCaption(GorSelectorMode mode);
// The same in `system`'s units: "Bubble Point Pressure, bara", "     GOR sm3/sm3" in Metric.
std::string_view PbCaption(GorSelectorMode mode, UnitSystem system);
// The caption a run sets: none when it had no oil step.
std::optional<std::string_view> PbCaption(const CalculationOutcome& outcome, GorSelectorMode mode);

// "pTr<1: z-factor Routine FAILS", "pPr>20.5: z-factor Routine FAILS",
// "No convergence: z-factor Routine FAILS"; empty for Success.
std::string_view ZFactorMessage(ZFactorStatus status);

// What a z-factor failure means for the case, in plain words to follow the message, in
// `units`: "40 °F is below this gas's pseudo-critical temperature, 101.6 °F (Tpr 0.89):
// Hall and Yarborough's z cannot be computed there; try a temperature above 101.6 °F or
// a lighter gas". Empty for Success.
std::string ZFactorExplanation(ZFactorStatus status, const InputSet& inputs, GasCharacterisation characterisation,
                               UnitSystem units = UnitSystem::Field);

// The status line for what the window shows: the z-factor failure of the last run, if any;
// the results that were out of range or not computed in the run that produced the values
// on screen, and, after a failure, that those values come from the earlier run.
// `shown` is null when no values are on screen.
std::string StatusText(std::optional<std::string_view> failure, const DisplayedOutputs* shown,
                       GorSelectorMode shownMode);

// The note of a row of a table against pressure: "bubble point", "reservoir pressure",
// both joined by "; ", or empty.
std::string PressureRowNote(bool atBubblePoint, bool atReservoirPressure);

}  // namespace tarnvik
