#include "present/warning_texts.h"

#include "present/input_texts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/units.h"
#include "calc/data_range_checks.h"
#include "io/number_text.h"
#include "present/output_fields.h"
#include "present/unit_texts.h"

namespace tarnvik {
namespace {

// In RangedQuantity order.
constexpr std::array<RangedQuantityInfo, kRangedQuantityCount> kQuantities = {{
    {"api", "API", "°API", 1},
    {"gas_gravity", "Gas gravity", "", 1},
    {"temperature", "Temperature", "°F", 1},
    {"pressure", "Pressure", "psia", 1},
    {"pb", "Bubble point", "psia", 1},
    {"gor", "GOR", "MCF/STB", units::kScfPerMcf},
    {"rs", "Rs", "MCF/STB", units::kScfPerMcf},
    {"bo", "Bo", "RB/STB", 1},
    {"tpr", "Reduced temperature", "", 1},
    {"ppr", "Reduced pressure", "", 1},
    {"salinity", "Salinity", "% NaCl", 1},
    {"porosity", "Porosity", "%", 1},
    {"co2", "CO2", "mol %", 1},
    {"h2s", "H2S", "mol %", 1},
    {"n2", "N2", "mol %", 1},
}};

constexpr int kTypedDigits = 7;    // enough for a typed value, few enough for a derived salinity
constexpr int kDerivedDigits = 4;  // a value the run derived
constexpr int kLimitDigits = 6;    // the published limits

std::string Number(double value, int digits) { return FormatPlainDigits(value, digits); }

std::string Possessive(std::string_view authors) {
  return std::string(authors) + (authors.ends_with('s') ? "'" : "'s");
}

// How a ranged quantity converts between unit systems, in its display unit.
Dimension DimensionOf(RangedQuantity quantity) {
  switch (quantity) {
    case RangedQuantity::Temperature:
      return Dimension::Temperature;
    case RangedQuantity::Pressure:
    case RangedQuantity::BubblePoint:
      return Dimension::Pressure;
    case RangedQuantity::GorAtBubblePoint:
    case RangedQuantity::SolutionGor:
      return Dimension::GasLiquidRatio;
    default:
      return Dimension::Plain;
  }
}

// A value and a limit in display units.
double Shown(const Diagnostic& d, double value, GorSelectorMode mode, UnitSystem system = UnitSystem::Field) {
  if (d.kind == DiagnosticKind::Unphysical) return value * FieldInfo(d.field, mode, system).displayFactor;
  return FromField(value / QuantityInfo(d.quantity).perDisplayUnit, DimensionOf(d.quantity), system);
}

std::string UnitOf(const Diagnostic& d, GorSelectorMode mode, UnitSystem system = UnitSystem::Field) {
  if (d.kind == DiagnosticKind::Unphysical) return std::string(FieldInfo(d.field, mode, system).unit);
  return CaptionInUnits(QuantityInfo(d.quantity).unit, system);
}

// The value as the window shows it for an unphysical result; as typed, or to four digits.
std::string ValueText(const Diagnostic& d, GorSelectorMode mode, UnitSystem system = UnitSystem::Field) {
  const double shown = Shown(d, d.value, mode, system);
  if (d.kind == DiagnosticKind::Unphysical) {
    return PlainDigits(FormatDecimals(shown, FieldInfo(d.field, mode, system).decimals));
  }
  return Number(shown, d.input ? kTypedDigits : kDerivedDigits);
}

std::string LimitNumber(const Diagnostic& d, double limit, GorSelectorMode mode,
                        UnitSystem system = UnitSystem::Field) {
  return Number(Shown(d, limit, mode, system), kLimitDigits);
}

std::string RangeText(const Diagnostic& d, GorSelectorMode mode, UnitSystem system = UnitSystem::Field) {
  return LimitNumber(d, d.range.low, mode, system) + "-" + LimitNumber(d, d.range.high, mode, system);
}

// The limit an unphysical value crossed: "below 0", "not above 0", "outside 0.2-2.5".
std::string LimitText(const Diagnostic& d, GorSelectorMode mode, UnitSystem system) {
  if (std::isfinite(d.range.low) && std::isfinite(d.range.high)) return "outside " + RangeText(d, mode, system);
  if (d.side == Side::Above) return "above " + LimitNumber(d, d.range.high, mode, system);
  return (d.lowIncluded ? "below " : "not above ") + LimitNumber(d, d.range.low, mode, system);
}

// The input a blank warning names (its water selector is not known here: the salinity's
// name stands for both).
const InputText& BlankInput(const Diagnostic& d, GorSelectorMode mode) {
  return InputTextOf(d.input.value_or(InputField::ApiGravity), mode);
}
std::string BlankInputName(const Diagnostic& d, GorSelectorMode mode) {
  return std::string(BlankInput(d, mode).caption);
}

// Two warnings of one value outside the same range of several correlations' data, said
// in one sentence.
bool SameValueAndRange(const Diagnostic& a, const Diagnostic& b) {
  return a.kind == DiagnosticKind::OutsideDataRange && b.kind == a.kind && a.quantity == b.quantity &&
         a.value == b.value && a.side == b.side && a.range.low == b.range.low && a.range.high == b.range.high;
}

}  // namespace

const RangedQuantityInfo& QuantityInfo(RangedQuantity quantity) {
  return kQuantities[static_cast<std::size_t>(quantity)];
}

std::string DataOf(Correlation correlation) {
  const CorrelationSource& source = SourceOf(correlation);
  std::string text = Possessive(source.authors);
  if (!source.subject.empty()) text.append(" ").append(source.subject);
  return text + " data";
}

std::string CorrelationTitle(Correlation correlation) {
  const CorrelationSource& source = SourceOf(correlation);
  std::string text = std::string(source.authors) + " (" + std::to_string(source.year) + ")";
  if (!source.subject.empty()) text.append(", ").append(source.subject);
  return text;
}

std::vector<Diagnostic> Warnings(const Diagnostics& diagnostics) {
  std::vector<Diagnostic> warnings;
  for (const Diagnostic& d : diagnostics) {
    if (IsWarning(d.kind)) warnings.push_back(d);
  }
  return warnings;
}

std::string WarningSentence(const Diagnostic& d, GorSelectorMode mode, UnitSystem system) {
  return WarningSentences({d}, mode, system);
}

std::string WarningSentences(const std::vector<Diagnostic>& warnings, GorSelectorMode mode, UnitSystem system) {
  return BoxWarningSentences(warnings, false, mode, system);
}

std::string BoxWarningSentences(const std::vector<Diagnostic>& warnings, bool blank, GorSelectorMode mode,
                                UnitSystem system) {
  std::string text;
  for (std::size_t i = 0; i < warnings.size();) {
    const Diagnostic& d = warnings[i];
    if (!text.empty()) text += "; ";
    if (d.kind == DiagnosticKind::Blank) {
      text.append(BlankInputName(d, mode)).append(" is blank, read as 0");
      ++i;
      continue;
    }
    const std::string unit = UnitOf(d, mode, system);
    if (d.kind == DiagnosticKind::Unphysical) {
      text.append(FieldInfo(d.field, mode).caption).append(" ").append(ValueText(d, mode, system));
      if (!unit.empty()) text.append(" ").append(unit);
      text += " is unphysical (" + LimitText(d, mode, system) + ")";
      ++i;
      continue;
    }
    // The correlations whose same range the value lies outside of, joined.
    std::size_t end = i + 1;
    while (end < warnings.size() && SameValueAndRange(d, warnings[end])) ++end;
    text.append(QuantityInfo(d.quantity).label)
        .append(" ")
        .append(blank && d.input ? "blank (read as 0)" : ValueText(d, mode, system));
    text.append(d.side == Side::Below ? " is below " : " is above ");
    for (std::size_t k = i; k < end; ++k) {
      if (!warnings[k].correlation) continue;
      if (k > i) text += k + 1 == end ? " and " : ", ";
      text += DataOf(*warnings[k].correlation);
    }
    text.append(", ").append(RangeText(d, mode, system));
    if (!unit.empty()) text.append(" ").append(unit);
    i = end;
  }
  return text;
}

std::string WarningCode(const Diagnostic& d, GorSelectorMode mode, UnitSystem system) {
  if (d.kind == DiagnosticKind::Blank) return std::string(BlankInput(d, mode).name) + "=blank";
  const bool below = d.side == Side::Below;
  const std::string limit = LimitNumber(d, below ? d.range.low : d.range.high, mode, system);
  if (d.kind == DiagnosticKind::Unphysical) {
    const std::string_view op = below ? (d.lowIncluded ? "<" : "<=") : ">";
    return std::string(FieldInfo(d.field, mode).column).append(op).append(limit) + "(unphysical)";
  }
  std::string code = std::string(QuantityInfo(d.quantity).code).append(below ? "<" : ">").append(limit);
  if (d.correlation) code.append("(").append(SourceOf(*d.correlation).code).append(")");
  return code;
}

std::string WarningCodes(const std::vector<Diagnostic>& warnings, GorSelectorMode mode, UnitSystem system) {
  std::string codes;
  for (const Diagnostic& d : warnings) {
    if (!codes.empty()) codes += ';';
    codes += WarningCode(d, mode, system);
  }
  return codes;
}

double WarningValue(const Diagnostic& d, GorSelectorMode mode, UnitSystem system) {
  return d.kind == DiagnosticKind::Blank ? 0 : Shown(d, d.value, mode, system);
}

WarningRecord DescribeWarning(const Diagnostic& d, GorSelectorMode mode, UnitSystem system) {
  WarningRecord record;
  if (d.kind == DiagnosticKind::Blank) {
    const InputText& input = BlankInput(d, mode);
    record.input = true;
    record.name = input.name;
    record.unit = std::string(UnitIn(input, system));
    record.kind = "blank";
    return record;
  }
  const bool unphysical = d.kind == DiagnosticKind::Unphysical;
  record.input = !unphysical && d.input.has_value();
  record.name = unphysical ? FieldInfo(d.field, mode).column : QuantityInfo(d.quantity).code;
  record.value = WarningValue(d, mode, system);
  if (std::isfinite(d.range.low)) record.low = Shown(d, d.range.low, mode, system);
  if (std::isfinite(d.range.high)) record.high = Shown(d, d.range.high, mode, system);
  record.unit = UnitOf(d, mode, system);
  if (d.correlation) record.correlation = CorrelationTitle(*d.correlation);
  record.kind = unphysical ? "unphysical" : "outside_data_range";
  return record;
}

std::string InputRangesText(InputField input, const CalculationCase& c) {
  std::string text;
  for (const Correlation correlation : CorrelationsInForce(c)) {
    for (const ValidityRange& row : RangesOf(correlation)) {
      if (InputOf(row.quantity, c.gorMode) != input) continue;
      Diagnostic range{DiagnosticKind::OutsideDataRange};
      range.quantity = row.quantity;
      range.range = row.range;
      if (!text.empty()) text += '\n';
      text += DataOf(correlation) + ": " + RangeText(range, c.gorMode);
      const std::string_view unit = QuantityInfo(row.quantity).unit;
      if (!unit.empty()) text.append(" ").append(unit);
      text.append(" (").append(SourceOf(correlation).reference).append(")");
    }
  }
  return text;
}

FamilyFit OilFamilyFit(const CalculationCase& c, OilCorrelation family) {
  FamilyFit fit;
  if (RangesOf(FamilyCorrelation(family)).empty()) return fit;
  NoteFamilyInputsOutsideData(c, family, fit.outside);
  fit.fit = fit.outside.empty() ? DataFit::Inside : DataFit::Outside;
  return fit;
}

DataFit LabDataFit(const FamilyRank& rank) {
  if (!rank.rangesKnown) return DataFit::Unknown;
  return rank.outsideData.empty() ? DataFit::Inside : DataFit::Outside;
}

std::string_view DataFitText(DataFit fit) {
  switch (fit) {
    case DataFit::Inside:
      return "inside";
    case DataFit::Outside:
      return "outside";
    case DataFit::Unknown:
      break;
  }
  return "unknown";
}

}  // namespace tarnvik
