#include "session.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "calc/input_checks.h"
#include "model/lab_file.h"
#include "present/input_texts.h"

namespace tarnvik::batch {

Session::Session(const Options& options) : options_(options) {
  const Options& o = options_;
  if (o.rankOil) {
    rankingWriter_ = std::make_unique<RankingWriter>(o.format, std::cout, o.units, o.residuals);
  } else if (o.table || o.compareOil) {
    tableWriter_ = MakeTableWriter(o.format, o.values, o.table ? TableKind::Pressure : TableKind::Comparison, std::cout,
                                   o.units, true);
  } else if (!o.exporting()) {
    writer_ = MakeWriter(o.format, o.values, std::cout, o.units, true);
  }
}

bool Session::LoadLab() {
  if (options_.labPath.empty()) return true;
  LabData data;
  std::string error;
  int fileError = 0;
  if (!ReadLabFileAt(options_.labPath, data, error, fileError)) {
    std::cerr << options_.labPath << ": "
              << (fileError != 0 ? "cannot open: " + std::string(std::strerror(fileError)) : error) << '\n';
    return false;
  }
  labFile_ = std::move(data);
  return true;
}

// The one rule for a case and its tuning: a saved tuning is in force wherever the case is
// run; --tune fits one again, to --lab's data or else the case's own.
bool Session::Prepare(const CaseEntry& entry, Prepared& p, std::string& error) const {
  const Options& o = options_;
  p.calculationCase = CaseFromEntry(entry, o.overrides);
  const std::optional<LabData>& lab = labFile_ ? labFile_ : entry.lab.data;
  if ((o.tune || o.rankOil) && !lab) {
    error = "no lab data: give --lab FILE";
    return false;
  }
  if (o.tune) {
    TunedEntry tuned;
    if (!TuneEntry(entry, o.overrides, labFile_, o.tuneFamily, tuned, error)) return false;
    p.calculationCase = tuned.calculationCase;
    p.fit = tuned.fit;
    p.lab = tuned.lab;
  } else if (const OilTuning* saved = TuningInForce(p.calculationCase.selection)) {
    p.lab = entry.lab.data;  // what the saved tuning was fitted to
    if (o.rankOil) {
      p.fit.emplace();
      if (!EvaluateTuning(p.calculationCase, *lab, *saved, *p.fit, error)) return false;
    }
  }
  if (o.rankOil) {
    p.ranking.emplace();
    if (!RankOilFamilies(p.calculationCase, *lab, *p.ranking, error)) return false;
  }
  return true;
}

void Session::Refuse(const std::string& where, const std::string& why) {
  std::cerr << where << ": " << why << '\n';
  if (refusedWhere_.empty()) refusedWhere_ = where;
  status_ = 1;
  ++refused_;
}

void Session::ProcessFile(const std::string& path) {
  std::ifstream file;
  const bool standardInput = path == "-";
  if (!standardInput) {
    file.open(path, std::ios::binary);
    if (!file) {
      std::cerr << path << ": cannot open: " << std::strerror(errno) << '\n';
      status_ = 1;
      return;
    }
  }
  std::istream& input = standardInput ? std::cin : file;
  const std::string name = standardInput ? "(standard input)" : path;
  CaseEntryReader reader(input);
  CaseEntry entry;
  CaseEntryReader::Outcome outcome;
  while (reader.Next(entry, outcome)) {
    ++number_;
    const std::string where = name + ':' + std::to_string(outcome.line);
    if (!outcome.ok) {
      Refuse(where, outcome.error);
      continue;
    }
    ProcessEntry(where, number_, entry);
  }
  if (input.bad()) {
    std::cerr << name << ": read error\n";
    status_ = 1;
  }
}

void Session::ProcessEntry(const std::string& where, std::size_t number, const CaseEntry& entry) {
  const Options& o = options_;
  Prepared p;
  std::string error;
  if (!Prepare(entry, p, error)) return Refuse(where, error);
  const CalculationCase& c = p.calculationCase;
  if (const auto impossible = ImpossibleInputs(c.inputs); !impossible.empty()) {
    return Refuse(where, ImpossibleInputText(impossible.front(), c.gorMode, c.waterMode, UnitSystem::Field) +
                             "; the record is skipped");
  }
  if (o.rankOil) {
    rankingWriter_->Write(number, entry.record, *p.ranking, p.fit);
  } else if (o.exporting()) {
    if (exportEntry_) {
      std::cerr << where << ": --export-eclipse takes exactly one case; this is another\n";
      status_ = 1;
      tooManyCases_ = true;
      return;
    }
    exportEntry_ = entry;
    exportCase_ = std::move(p);
    exportNumber_ = number;
    exportWhere_ = where;
  } else if (o.table) {
    const PressureTable table = BuildPressureTable(c, o.range, error);
    if (!error.empty()) {
      std::cerr << where << ": no table: " << error << '\n';
      status_ = 1;
      return;
    }
    Count(tableWriter_->WriteTable(number, entry.record, c, table));
  } else if (o.compareOil) {
    Count(tableWriter_->WriteComparison(number, entry.record, c, CompareOilFamilies(c)));
  } else {
    CaseReport report = CalculateCase(number, entry.record, c, o.units);
    if (report.run.outputs) {
      const Diagnostics blank = BlankInputs(entry.record);
      auto& warnings = report.run.outputs->warnings;
      warnings.insert(warnings.begin(), blank.begin(), blank.end());
      warned_ += !warnings.empty();
    }
    failed_ += report.run.message.has_value();
    writer_->Write(report);
  }
}

void Session::Count(const TableRecordSummary& summary) {
  failed_ += summary.failed;
  warned_ += summary.warned;
}

int Session::FinishExport() {
  if (tooManyCases_) return 1;
  if (!refusedWhere_.empty()) {
    std::cerr << "--export-eclipse: nothing written: the input holds a record that could not be read (" << refusedWhere_
              << "), so it is not one case\n";
    return 1;
  }
  if (status_ != 0) {
    std::cerr << "--export-eclipse: nothing written: an input file could not be read\n";
    return 1;
  }
  if (!exportEntry_) {
    std::cerr << "--export-eclipse: nothing written: the input holds no case\n";
    return 1;
  }
  EclipseExport request = options_.exportRequest;
  request.title = exportEntry_->record.title;
  request.lab = exportCase_.lab;
  BlackOilTables tables;
  const ExportOutcome outcome = ExportEclipse(exportCase_.calculationCase, request, tables);
  if (!outcome.ok()) {
    std::cerr << exportWhere_ << ": ";
    if (outcome.tablesWritten) {
      std::cerr << "wrote " << request.tablesPath << ", but not the deck: " << outcome.error << '\n';
    } else {
      std::cerr << "nothing written: " << outcome.error << '\n';
    }
    return 1;
  }
  WriteExportReport(options_.format, std::cout, exportNumber_, exportEntry_->record, request, tables);
  return 0;
}

int Session::Finish() {
  if (options_.exporting()) status_ = FinishExport();
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "tarnvik-calc: cannot write the output: " << std::strerror(errno) << '\n';
    return 1;
  }
  if (failed_ + warned_ + refused_ > 0) {
    std::cerr << "tarnvik-calc: " << number_ << (number_ == 1 ? " record: " : " records: ") << failed_
              << " with a z-factor failure, " << warned_ << " with warnings, " << refused_ << " refused\n";
  }
  return status_;
}

}  // namespace tarnvik::batch
