#include "calc/pressure_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/pressure_grid.h"

namespace tarnvik {
namespace {

// Pressures in messages: the shortest text that reads back as the same number.
std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string Psia(double value) { return Number(value) + " psia"; }

}  // namespace

CalculationOutcome CalculateAt(const CalculationCase& c, double pressure) {
  InputSet inputs = c.inputs;
  inputs.pressure = pressure;
  return Calculate(inputs, c.gorMode, c.waterMode, c.selection);
}

std::optional<double> CaseBubblePoint(const CalculationCase& c) {
  if (!(c.inputs.apiGravity > 0)) return std::nullopt;
  const double pb = Calculate(c).results.pb;
  return std::isfinite(pb) ? std::optional<double>(pb) : std::nullopt;
}

bool ResolvePressureRange(const CalculationCase& c, const PressureRange& range, double& minimum, double& maximum,
                          std::string& error) {
  if (range.points < kMinTablePoints || range.points > kMaxTablePoints) {
    error = "the number of points must be from " + std::to_string(kMinTablePoints) + " to " +
            std::to_string(kMaxTablePoints) + ", not " + std::to_string(range.points);
    return false;
  }
  minimum = range.minimum.value_or(units::kAtmosphericPressure);
  if (range.maximum) {
    maximum = *range.maximum;
  } else {
    maximum = c.inputs.pressure;
    if (const auto pb = CaseBubblePoint(c)) maximum = std::max(maximum, kDefaultRangeAboveBubblePoint * *pb);
  }
  if (!std::isfinite(minimum) || minimum <= 0) {
    error = "the lowest pressure must be above 0 psia, not " + Number(minimum);
    return false;
  }
  if (!std::isfinite(maximum) || maximum <= minimum) {
    error = "the highest pressure (" + Psia(maximum) + ") must be above the lowest (" + Psia(minimum) + ")";
    return false;
  }
  return true;
}

PressureTable BuildPressureTable(const CalculationCase& c, const PressureRange& range, std::string& error) {
  PressureTable table;
  table.reservoirPressure = c.inputs.pressure;
  table.bubblePoint = CaseBubblePoint(c);
  if (!ResolvePressureRange(c, range, table.minimum, table.maximum, error)) return table;

  std::vector<double> pressures = EvenlySpaced(table.minimum, table.maximum, range.points);
  for (const std::optional<double> marked : {table.bubblePoint, std::optional<double>(table.reservoirPressure)}) {
    if (!marked || *marked < table.minimum || *marked > table.maximum) continue;
    const auto at = std::lower_bound(pressures.begin(), pressures.end(), *marked);
    if (at == pressures.end() || *at != *marked) pressures.insert(at, *marked);
  }

  table.rows.reserve(pressures.size());
  for (double p : pressures) {
    PressureRow& row = table.rows.emplace_back();
    row.pressure = p;
    row.outcome = CalculateAt(c, p);
    row.atBubblePoint = table.bubblePoint && p == *table.bubblePoint;
    row.atReservoirPressure = p == table.reservoirPressure;
  }
  return table;
}

CalculationCase WithOilFamily(const CalculationCase& c, OilCorrelation family) {
  CalculationCase other = c;
  other.selection.oilCorrelation = family;
  return other;
}

std::vector<FamilyRow> CompareOilFamilies(const CalculationCase& c) {
  std::vector<FamilyRow> rows;
  for (std::size_t i = 0; i < kOilCorrelationCount; ++i) {
    const auto family = static_cast<OilCorrelation>(i);
    const CalculationCase withFamily = WithOilFamily(c, family);
    const bool tuned = TunesFamily(c.selection.oilTuning, family);
    rows.push_back({family, Calculate(withFamily), tuned, false});
    if (tuned) {
      CalculationCase published = withFamily;
      published.selection.oilTuning = OilTuning{};
      rows.push_back({family, Calculate(published), false, true});
    }
  }
  return rows;
}

}  // namespace tarnvik
