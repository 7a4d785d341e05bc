// One run of the calculator over its files: each entry read (model/case_entry.h), made a
// case by the rules every face shares, checked, and written in the output mode asked for;
// the export, when asked, finished once every file is read; and what to tell at the end.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "lab_report.h"
#include "options.h"
#include "tables.h"

namespace tarnvik::batch {

class Session {
 public:
  explicit Session(const Options& options);

  // Reads the --lab file, where one is given. False, having said why.
  bool LoadLab();
  // Every entry of a case file ("-": standard input).
  void ProcessFile(const std::string& path);
  // Writes the export, the summary line and flushes: the exit status.
  int Finish();

 private:
  struct Prepared {
    CalculationCase calculationCase;
    std::optional<OilRanking> ranking;
    std::optional<OilTuningFit> fit;
    std::optional<LabData> lab;  // the data a tuning in force was fitted to
  };
  bool Prepare(const CaseEntry& entry, Prepared& prepared, std::string& error) const;
  void ProcessEntry(const std::string& where, std::size_t number, const CaseEntry& entry);
  void Refuse(const std::string& where, const std::string& why);
  // A table's or comparison's record in the summary line's counts.
  void Count(const TableRecordSummary& summary);
  int FinishExport();

  const Options& options_;
  std::optional<LabData> labFile_;
  std::unique_ptr<ReportWriter> writer_;
  std::unique_ptr<TableReportWriter> tableWriter_;
  std::unique_ptr<RankingWriter> rankingWriter_;
  int status_ = 0;
  std::size_t number_ = 0;
  std::size_t failed_ = 0, warned_ = 0, refused_ = 0;
  // The export's one case.
  std::optional<CaseEntry> exportEntry_;
  Prepared exportCase_;
  std::size_t exportNumber_ = 0;
  std::string exportWhere_, refusedWhere_;
  bool tooManyCases_ = false;
};

}  // namespace tarnvik::batch
