#include "model/case_entry.h"

#include <cctype>

#include "io/csv_field.h"
#include "io/csv_line.h"
#include "model/case_model.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

constexpr std::string_view kFormationPrefix = "formation,";
constexpr std::string_view kLinePrefixes[] = {"lab,", "tuning,", "gas,", kFormationPrefix};

std::string At(std::size_t line) { return "line " + std::to_string(line) + ": "; }

}  // namespace

std::string WriteCaseFormation(FormationType formation) {
  if (formation == FormationType::None) return {};
  std::string line = "@" + std::string(kFormationPrefix) + "1,";
  AppendCsvField(line, FormationTypeItem(formation));
  return line + "\r\n";
}

bool ReadCaseFormation(const std::vector<CaseRecordReader::AttachedLine>& lines, FormationType& formation,
                       std::string& error) {
  formation = FormationType::None;
  std::size_t seen = 0;
  for (const CaseRecordReader::AttachedLine& line : lines) {
    if (!line.text.starts_with(kFormationPrefix)) continue;
    if (seen != 0) {
      error = At(line.line) + "a second formation line (the first is on line " + std::to_string(seen) + ")";
      return false;
    }
    seen = line.line;
    std::vector<std::string> fields;
    std::size_t column = 0;
    if (!SplitCsvLine(line.text, fields, column, error)) {
      error = At(line.line) + error;
      return false;
    }
    if (fields.size() != 3 || fields[1] != "1") {
      error = At(line.line) + "a formation line holds @formation, its version 1 and the formation type";
      return false;
    }
    const std::optional<FormationType> type = FormationTypeFromCaption(fields[2]);
    if (!type || *type == FormationType::None) {
      error = At(line.line) + "\"" + fields[2] + "\" names no formation type";
      return false;
    }
    formation = *type;
  }
  return true;
}

bool ReadCaseEntry(const CaseRecord& record, const std::vector<CaseRecordReader::AttachedLine>& attached,
                   CaseEntry& entry, std::string& error) {
  for (const CaseRecordReader::AttachedLine& line : attached) {
    bool known = false;
    for (std::string_view prefix : kLinePrefixes) known = known || line.text.starts_with(prefix);
    if (!known) {
      error = At(line.line) + "a line of a case starting with @ is @lab, @tuning, @gas or @formation";
      return false;
    }
  }
  CaseEntry read;
  read.record = record;
  if (!ReadCaseLab(attached, read.lab, error) || !ReadCaseGas(attached, read.gas, error) ||
      !ReadCaseFormation(attached, read.formation, error)) {
    return false;
  }
  read.line = entry.line;
  entry = std::move(read);
  return true;
}

bool CaseEntryReader::Next(CaseEntry& entry, Outcome& outcome) {
  CaseRecord record;
  CaseRecordReader::Entry read;
  if (!records_.Next(record, read)) return false;
  outcome = {read.ok, read.line, read.error};
  entry.line = read.line;
  if (outcome.ok && !ReadCaseEntry(record, read.attached, entry, outcome.error)) {
    outcome.ok = false;
    // A line saved with the record names itself ("line 7: ...", "line 7, column 2 ..."):
    // the outcome's line is it.
    std::size_t digits = 0;
    if (outcome.error.starts_with("line ")) {
      std::size_t line = 0;
      for (std::size_t i = 5; i < outcome.error.size() && std::isdigit(static_cast<unsigned char>(outcome.error[i]));
           ++i, ++digits) {
        line = line * 10 + static_cast<std::size_t>(outcome.error[i] - '0');
      }
      if (digits > 0 &&
          (outcome.error.compare(5 + digits, 2, ": ") == 0 || outcome.error.compare(5 + digits, 2, ", ") == 0)) {
        outcome.line = line;
        outcome.error.erase(0, 5 + digits + 2);
      }
    }
  }
  return true;
}

std::string WriteCaseEntry(const CaseEntry& entry) {
  return WriteCaseRecord(entry.record) + WriteCaseGas(entry.gas) + WriteCaseFormation(entry.formation) +
         WriteCaseLab(entry.lab);
}

CalculationCase CaseFromEntry(const CaseEntry& entry, const CaseOverrides& overrides) {
  CorrelationSelection start;
  start.formationType = entry.formation;
  CalculationCase c = CaseFromRecord(entry.record, start);
  c.inputs.impurities = entry.gas;
  CorrelationSelection& selection = c.selection;
  selection.oilTuning = entry.lab.tuning;
  // The tuning names its family; a record whose caption names another is made to agree.
  if (selection.oilTuning.active && !TuningInForce(selection)) selection.oilCorrelation = selection.oilTuning.family;
  if (overrides.oil) {
    selection.oilCorrelation = *overrides.oil;
    if (!TunesFamily(selection.oilTuning, *overrides.oil)) selection.oilTuning = OilTuning{};
  }
  if (overrides.gas) selection.gasCharacterisation = *overrides.gas;
  if (overrides.rock) selection.rockCorrelation = *overrides.rock;
  if (overrides.formation) selection.formationType = *overrides.formation;
  GasImpurities& gas = c.inputs.impurities;
  if (overrides.co2) gas.co2 = *overrides.co2;
  if (overrides.h2s) gas.h2s = *overrides.h2s;
  if (overrides.n2) gas.n2 = *overrides.n2;
  return c;
}

Diagnostics BlankInputs(const CaseRecord& record) {
  Diagnostics blank;
  for (std::size_t i = 0; i < record.numbers.size(); ++i) {
    if (record.numbers[i]) continue;
    Diagnostic d{DiagnosticKind::Blank};
    d.input = static_cast<InputField>(i);
    blank.push_back(d);
  }
  return blank;
}

bool TuneEntry(const CaseEntry& entry, const CaseOverrides& overrides, const std::optional<LabData>& lab,
               std::optional<OilCorrelation> family, TunedEntry& tuned, std::string& error) {
  const std::optional<LabData>& data = lab ? lab : entry.lab.data;
  if (!data) {
    error = "no lab data: give a lab file";
    return false;
  }
  CalculationCase c = CaseFromEntry(entry, overrides);
  if (!family && entry.lab.tuning.active && !overrides.oil) family = entry.lab.tuning.family;
  if (!family && overrides.oil) family = overrides.oil;
  if (!family) {
    OilRanking ranking;
    if (!RankOilFamilies(c, *data, ranking, error)) return false;
    family = ranking.families.front().family;
  }
  if (!TuneOilFamily(c, *data, *family, tuned.fit, error)) {
    error = "cannot tune " + std::string(OilCorrelationName(*family)) + ": " + error;
    return false;
  }
  c.selection.oilCorrelation = *family;
  c.selection.oilTuning = tuned.fit.tuning;
  tuned.calculationCase = c;
  tuned.lab = *data;
  return true;
}

}  // namespace tarnvik
