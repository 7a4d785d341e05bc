// The ranking of the oil families against lab data, and the tuning fitted to them, in the
// three output formats of the calculator.
#pragma once
#include <cstddef>
#include <optional>
#include <ostream>

#include "base/unit_system.h"
#include "batch.h"
#include "calc/lab_fit.h"

namespace tarnvik::batch {

// Text: an aligned table per case. CSV: one header, then a row per family, best first,
// and with a tuning a row for the tuned family. JSON: one line per row. Each says whether
// the report's Rs and Bo were adjusted to separator conditions (the text in its heading,
// CSV and JSON in a last column separator_adjusted).
class RankingWriter {
 public:
  // Errors are relative and the same in either unit system; the text's heading gives the
  // report's conditions in `units`.
  RankingWriter(Format format, std::ostream& out, UnitSystem units = UnitSystem::Field);
  void Write(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
             const std::optional<OilTuningFit>& fit);

 private:
  Format format_;
  std::ostream& out_;
  UnitSystem units_;
  bool written_ = false;
};

}  // namespace tarnvik::batch
