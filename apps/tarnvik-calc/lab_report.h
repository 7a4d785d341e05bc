// The ranking of the oil families against lab data, the tuning fitted to them and the
// residuals point by point, in the three output formats of the calculator.
#pragma once
#include <cstddef>
#include <optional>
#include <ostream>
#include <vector>

#include "base/unit_system.h"
#include "batch.h"
#include "calc/oil_tuning_fit.h"

namespace tarnvik::batch {

struct RankingRow;

// Text: per case an aligned table of the families, best first (the tuned family in a row
// of its own after its untuned one), then the residuals of the tuned family, untuned and
// tuned, or without a tuning those of the best-ranked family (with `allResiduals`, those of
// every family). CSV: one header, then a row per family and the tuned family; with
// `allResiduals`, a row per residual of every family and the tuned one instead. JSON: one
// line per family and the tuned family, each with its residuals. Each says whether the
// report's Rs and Bo were adjusted to separator conditions (the text in its heading, CSV
// and JSON in a column separator_adjusted).
class RankingWriter {
 public:
  // Errors are relative and the same in either unit system; values, pressures and the
  // text's heading are in `units`.
  RankingWriter(Format format, std::ostream& out, UnitSystem units = UnitSystem::Field, bool allResiduals = false);
  void Write(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
             const std::optional<OilTuningFit>& fit);

 private:
  void WriteCsv(std::size_t number, const CaseRecord& record, const RankingRow& row, bool separatorAdjusted);
  void WriteJson(std::size_t number, const CaseRecord& record, const RankingRow& row, bool separatorAdjusted);
  void WriteText(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
                 const std::vector<RankingRow>& rows, const std::optional<OilTuningFit>& fit);
  void WriteTextConditions(const OilRanking& ranking);
  void WriteTextResiduals(const OilRanking& ranking, const std::optional<OilTuningFit>& fit);

  Format format_;
  std::ostream& out_;
  UnitSystem units_;
  bool allResiduals_;
  bool written_ = false;
};

}  // namespace tarnvik::batch
