#include "present/formatted_outputs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "io/number_text.h"
#include "present/output_fields.h"
#include "present/run_messages.h"

namespace tarnvik {

std::vector<OutputField> DisplayedOutputs::WithoutValue() const {
  std::vector<OutputField> fields(outOfRange);
  fields.insert(fields.end(), notComputed.begin(), notComputed.end());
  std::sort(fields.begin(), fields.end());
  return fields;
}

bool DisplayedOutputs::IsUnphysical(OutputField field) const {
  return std::any_of(warnings.begin(), warnings.end(),
                     [field](const Diagnostic& d) { return d.kind == DiagnosticKind::Unphysical && d.field == field; });
}

DisplayedOutputs FormatOutputs(const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem system) {
  DisplayedOutputs shown;
  FormatOutputs(outcome, gorMode, shown, system);
  return shown;
}

void FormatOutputs(const CalculationOutcome& outcome, GorSelectorMode gorMode, DisplayedOutputs& shown,
                   UnitSystem system) {
  std::uint32_t notFinite = 0, notComputed = 0;
  for (const Diagnostic& d : outcome.diagnostics) {
    const std::uint32_t bit = 1u << IndexOf(d.field);
    if (d.kind == DiagnosticKind::NotFinite) notFinite |= bit;
    if (d.kind == DiagnosticKind::NotComputed) notComputed |= bit;
  }
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    const std::uint32_t bit = 1u << i;
    if (notComputed & bit) {
      shown.notComputed.push_back(field);
      continue;
    }
    const Quantity result = ResultValue(outcome.results, field, gorMode);
    if (!result) continue;
    const OutputFieldInfo info = FieldInfo(field, gorMode, system);
    const double value = *result * info.displayFactor;
    // A finite value can still overflow when scaled to its display unit.
    if ((notFinite & bit) || !std::isfinite(value)) {
      shown.outOfRange.push_back(field);
      continue;
    }
    shown.values[i] = value;
    shown.texts[i] = FormatDecimals(value, info.decimals);
  }
  // An unphysical value too large for its display unit is named out of range instead.
  for (const Diagnostic& d : outcome.diagnostics) {
    if (IsWarning(d.kind) && (d.kind != DiagnosticKind::Unphysical || shown.values[IndexOf(d.field)])) {
      shown.warnings.push_back(d);
    }
  }
}

RunOutput PresentRun(const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem system) {
  RunOutput output;
  if (outcome.oilComputed) output.pbCaption = PbCaption(gorMode);
  if (outcome.failed()) {
    output.message = ZFactorMessage(outcome.zFactorStatus);
  } else {
    FormatOutputs(outcome, gorMode, output.outputs.emplace(), system);
  }
  return output;
}

}  // namespace tarnvik
