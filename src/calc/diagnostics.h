// What a run says about its own results, beyond the values: results it could not give and
// results to be wary of. A run never stops for a diagnostic.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/data_range.h"
#include "calc/input_set.h"
#include "calc/output_field.h"
#include "correlations/validity_ranges.h"

namespace tarnvik {

enum class DiagnosticKind : std::uint8_t {
  // The value came out NaN or infinite: an input lies outside a correlation's domain.
  NotFinite,
  // The quantity could not be computed although its fluid is present (gas compressibility
  // when the z-factor fails on both sides of the reservoir pressure; total
  // compressibility without it).
  NotComputed,
  // A value a correlation in force was given lies outside the data it was fitted to; the
  // results are still given.
  OutsideDataRange,
  // The value is not physically possible (a negative compressibility, say); it is given,
  // marked.
  Unphysical,
  // An input a case file (or a box) left blank, read as 0: `input` names it.
  Blank,
};

// The side of a range a value lies on.
enum class Side : std::uint8_t { Below, Above };

struct Diagnostic {
  DiagnosticKind kind;
  // The result: NotFinite, NotComputed and Unphysical.
  OutputField field{};

  // OutsideDataRange: the quantity, the box it was typed in (empty for a value the run
  // derived), and the result that shows it, if one does.
  RangedQuantity quantity{};
  std::optional<InputField> input{};
  std::optional<OutputField> output{};

  // OutsideDataRange and Unphysical: the value [calculation units], the range it lies
  // outside of (the paper's data, or what is physically possible) and on which side.
  double value = 0;
  DataRange range{};
  Side side = Side::Below;
  // False when the low limit itself is outside what is possible (a bubble point must lie
  // above 0 psia).
  bool lowIncluded = true;
  // The correlation whose data the value lies outside of, or that gave the unphysical
  // value; empty when no one correlation did (a saturation, the total compressibility).
  std::optional<Correlation> correlation{};

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

using Diagnostics = std::vector<Diagnostic>;

// True when the field has a diagnostic of a kind that leaves it without a value.
bool LacksValue(const Diagnostics& diagnostics, OutputField field);

// True for the kinds that warn while the values are still given: OutsideDataRange,
// Unphysical and Blank.
constexpr bool IsWarning(DiagnosticKind kind) {
  return kind == DiagnosticKind::OutsideDataRange || kind == DiagnosticKind::Unphysical ||
         kind == DiagnosticKind::Blank;
}

}  // namespace tarnvik
