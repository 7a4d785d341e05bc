// What a run says about its own results, beyond the values: results it could not give and
// results to be wary of. A run never stops for a diagnostic.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/output_field.h"

namespace tarnvik {

enum class DiagnosticKind : std::uint8_t {
  // The value came out NaN or infinite: an input lies outside a correlation's domain.
  NotFinite,
  // The quantity could not be computed although its fluid is present (gas compressibility
  // when the z-factor fails on both sides of the reservoir pressure; total
  // compressibility without it).
  NotComputed,
  // An input lies outside the data a correlation was fitted to; the value is still given.
  OutsideDataRange,
  // The value is not physically possible (a negative compressibility, say); it is given,
  // marked.
  Unphysical,
};

struct Diagnostic {
  DiagnosticKind kind;
  OutputField field;

  friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

using Diagnostics = std::vector<Diagnostic>;

// True when the field has a diagnostic of a kind that leaves it without a value.
bool LacksValue(const Diagnostics& diagnostics, OutputField field);

}  // namespace tarnvik
