// The ranking of the oil families against lab data, and the tuning fitted to them, in the
// three output formats of the calculator.
#pragma once
#include <cstddef>
#include <optional>
#include <ostream>

#include "batch.h"
#include "calc/lab_fit.h"

namespace tarnvik::batch {

// Text: an aligned table per case. CSV: one header, then a row per family, best first,
// and with a tuning a row for the tuned family. JSON: one line per row.
class RankingWriter {
 public:
  RankingWriter(Format format, std::ostream& out);
  void Write(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
             const std::optional<OilTuningFit>& fit);

 private:
  Format format_;
  std::ostream& out_;
  bool written_ = false;
};

}  // namespace tarnvik::batch
