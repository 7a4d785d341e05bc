#include "present/formatted_outputs.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

DisplayValues ValuesToShow(const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem system) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  DisplayValues shown;
  FieldMask notFinite = 0;
  for (const Diagnostic& d : outcome.diagnostics) {
    if (d.kind == DiagnosticKind::NotFinite) notFinite |= MaskOf(d.field);
    if (d.kind == DiagnosticKind::NotComputed) shown.notComputed |= MaskOf(d.field);
  }
  const DisplayFactors& factors = DisplayFactorsFor(gorMode, system);
  const std::array<Quantity, kOutputFieldCount> results = ResultValues(outcome.results, gorMode);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const FieldMask bit = MaskOf(static_cast<OutputField>(i));
    const double value = results[i].value_or(kNone) * factors[i];
    const bool given = results[i].has_value() && !(shown.notComputed & bit);
    // A finite value can still overflow when scaled to its display unit.
    const bool finite = std::isfinite(value) && !(notFinite & bit);
    if (given && !finite) shown.outOfRange |= bit;
    shown.values[i] = given && finite ? value : kNone;
  }
  return shown;
}

void FormatOutputs(const CalculationOutcome& outcome, GorSelectorMode gorMode, DisplayedOutputs& shown,
                   UnitSystem system) {
  const DisplayValues values = ValuesToShow(outcome, gorMode, system);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    if (values.notComputed & MaskOf(field)) shown.notComputed.push_back(field);
    if (values.outOfRange & MaskOf(field)) shown.outOfRange.push_back(field);
    if (std::isnan(values.values[i])) continue;
    shown.values[i] = values.values[i];
    shown.texts[i] = FormatDecimals(values.values[i], FieldInfo(field, gorMode, system).decimals);
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
  output.pbCaption = PbCaption(outcome, gorMode);
  if (outcome.failed()) {
    output.message = ZFactorMessage(outcome.zFactorStatus);
  } else {
    FormatOutputs(outcome, gorMode, output.outputs.emplace(), system);
  }
  return output;
}

PbxKind PbxKindWithOil(GorSelectorMode gorMode, UnitSystem system) {
  return PbxKind{gorMode == GorSelectorMode::Gor ? "pb" : "rsb", FieldInfo(OutputField::PbOrRsb, gorMode, system).unit};
}

std::optional<PbxKind> PbxKindOf(const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem system) {
  if (!outcome.oilComputed) return std::nullopt;
  return PbxKindWithOil(gorMode, system);
}

}  // namespace tarnvik
