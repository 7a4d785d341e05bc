#include "present/run_messages.h"

#include <vector>

#include "present/formatted_outputs.h"
#include "present/output_fields.h"

namespace tarnvik {
namespace {

std::string Captions(const std::vector<OutputField>& fields, GorSelectorMode mode) {
  std::string text;
  for (const OutputField field : fields) {
    if (!text.empty()) text += ", ";
    text += FieldInfo(field, mode).caption;
  }
  return text;
}

// "Out of range ...: A, B; not computed ...: C (why)"; empty when every value was given.
std::string Problems(const DisplayedOutputs& shown, GorSelectorMode mode, std::string_view run) {
  std::string text;
  if (!shown.outOfRange.empty()) {
    text += "Out of range in ";
    text += run;
    text += ": " + Captions(shown.outOfRange, mode);
  }
  if (!shown.notComputed.empty()) {
    text += text.empty() ? "Not computed in " : "; not computed in ";
    text += run;
    text += ": " + Captions(shown.notComputed, mode) + " (the z-factor could not be computed at p - 5 and p + 5 psia)";
  }
  return text;
}

}  // namespace

std::string_view PbCaption(GorSelectorMode mode) {
  return mode == GorSelectorMode::Gor ? "Bubble Point Pressure, psia" : "     GOR MCF/STB";
}

std::optional<std::string_view> PbCaption(const CalculationOutcome& outcome, GorSelectorMode mode) {
  if (!outcome.oilComputed) return std::nullopt;
  return PbCaption(mode);
}

std::string_view ZFactorMessage(ZFactorStatus status) {
  switch (status) {
    case ZFactorStatus::Success:
      return "";
    case ZFactorStatus::ReducedTemperatureBelowOne:
      return "pTr<1: z-factor Routine FAILS";
    case ZFactorStatus::ReducedPressureAbove20_5:
      return "pPr>20.5: z-factor Routine FAILS";
    case ZFactorStatus::NoConvergence:
      return "No convergence: z-factor Routine FAILS";
  }
  return "";
}

std::string StatusText(std::optional<std::string_view> failure, const DisplayedOutputs* shown,
                       GorSelectorMode shownMode) {
  if (!failure) return shown == nullptr ? std::string() : Problems(*shown, shownMode, "the last run");
  std::string text(*failure);
  if (shown != nullptr) {
    text += "; the results shown are from the calculation before";
    const std::string problems = Problems(*shown, shownMode, "that run");
    if (!problems.empty()) text += ". " + problems;
  }
  return text;
}

std::string PressureRowNote(bool atBubblePoint, bool atReservoirPressure) {
  std::string note;
  if (atBubblePoint) note = "bubble point";
  if (atReservoirPressure) note += note.empty() ? "reservoir pressure" : "; reservoir pressure";
  return note;
}

}  // namespace tarnvik
