// A case as a case file holds it, read once for every face: the record of fifteen fields
// with the lines attached to it (lab data and tuning, model/case_lab.h; gas impurities,
// model/case_gas.h; the formation type), the case to calculate from it, and the rules that
// apply to it wherever it is opened:
//   - the record's captions apply to the start-up selection (Standing, wet gas, no rock
//     correlation), as opening it in a new window does (ApplyRecordSelection);
//   - the formation type, the impurities and a saved tuning apply as saved; a tuning of
//     another family than the caption names puts its family in force;
//   - overrides (the command line's --oil, --co2, ...; Python's keyword arguments) apply
//     last; naming another oil family than the tuning's turns the tuning off.
// A saved tuning is used wherever the case is opened; TuneEntry re-fits one explicitly.
//
// The formation type line (Newman and Yale et al. read it; the record has no field for
// it), version 1:
//   @formation,1,"Carbonates"     the formation type's item text
// A case without one is written without the line, so files stay as they were.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/oil_tuning_fit.h"
#include "io/case_record.h"
#include "model/case_gas.h"
#include "model/case_lab.h"

namespace tarnvik {

struct CaseEntry {
  CaseRecord record;
  CaseLab lab;
  GasImpurities gas;
  FormationType formation = FormationType::None;
  std::size_t line = 0;  // where the record starts in its file, 1-based; 0 when not read from one

  friend bool operator==(const CaseEntry& a, const CaseEntry& b) {
    return a.record == b.record && a.lab == b.lab && a.gas == b.gas && a.formation == b.formation;
  }
};

// The attached lines of a record read into `entry` (its record given). False, with "line
// N: what is wrong", for a line that does not read or that no reader knows.
bool ReadCaseEntry(const CaseRecord& record, const std::vector<CaseRecordReader::AttachedLine>& attached,
                   CaseEntry& entry, std::string& error);

// Reads entries one at a time, as CaseRecordReader reads records. An entry that does not
// read is reported with its line and message, and the next is read after it.
class CaseEntryReader {
 public:
  explicit CaseEntryReader(std::istream& input) : records_(input) {}
  struct Outcome {
    bool ok = false;
    std::size_t line = 0;  // the record's line, or that of the line after it that does not read
    std::string error;     // when not ok: what is wrong, without the line
  };
  // False at the end of the stream.
  bool Next(CaseEntry& entry, Outcome& outcome);

 private:
  CaseRecordReader records_;
};

// The whole file text of entries, each record with its lines: the gas line, the formation
// line, then the lab lines, CR LF ended; an entry without any is its record alone.
std::string WriteCaseEntry(const CaseEntry& entry);

// What a face changes of the saved case when it opens it.
struct CaseOverrides {
  std::optional<OilCorrelation> oil;
  std::optional<GasCharacterisation> gas;
  std::optional<RockCorrelation> rock;
  std::optional<FormationType> formation;
  std::optional<double> co2, h2s, n2;  // mol %
};

// The case to calculate from an entry, by the rules above.
CalculationCase CaseFromEntry(const CaseEntry& entry, const CaseOverrides& overrides = {});

// Re-fits the tuning of an entry's case: to `lab` where given, else to its own lab data;
// `family` where given, else the family of its saved tuning, else the best-ranked. The
// case comes back with the family in force and tuned. False, with the reason, without lab
// data or when the family cannot be tuned.
struct TunedEntry {
  CalculationCase calculationCase;
  OilTuningFit fit;
  LabData lab;  // the data tuned to
};
bool TuneEntry(const CaseEntry& entry, const CaseOverrides& overrides, const std::optional<LabData>& lab,
               std::optional<OilCorrelation> family, TunedEntry& tuned, std::string& error);

// The inputs the record leaves blank (read as 0), as warnings (DiagnosticKind::Blank).
Diagnostics BlankInputs(const CaseRecord& record);

// The formation type's line and its reader (part of ReadCaseEntry and WriteCaseEntry).
std::string WriteCaseFormation(FormationType formation);
bool ReadCaseFormation(const std::vector<CaseRecordReader::AttachedLine>& lines, FormationType& formation,
                       std::string& error);

}  // namespace tarnvik
