#include "calc/diagnostics.h"

#include <algorithm>

namespace tarnvik {

bool LacksValue(const Diagnostics& diagnostics, OutputField field) {
  return std::any_of(diagnostics.begin(), diagnostics.end(), [field](const Diagnostic& d) {
    return d.field == field && (d.kind == DiagnosticKind::NotFinite || d.kind == DiagnosticKind::NotComputed);
  });
}

}  // namespace tarnvik
