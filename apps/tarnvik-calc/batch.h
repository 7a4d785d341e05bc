// Batch calculation of case records: what the window does on "open case, then
// calculate", for every record of a case file, and the three report formats.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "io/case_record.h"
#include "present/formatted_outputs.h"

namespace tarnvik::batch {

// Command-line overrides of the record's correlation fields, and of the gas impurities its
// @gas line holds (--co2, --h2s, --n2, mol %).
struct SelectionOverrides {
  std::optional<OilCorrelation> oil;
  std::optional<GasCharacterisation> gas;
  std::optional<RockCorrelation> rock;
  FormationType formationType = FormationType::None;
  std::optional<double> co2, h2s, n2;
};

// The gas impurities of a record: its @gas line (model/case_gas.h), then the overrides.
// False, with the reason, for a @gas line that does not read.
bool ApplyImpurities(const std::vector<CaseRecordReader::AttachedLine>& attached, const SelectionOverrides& overrides,
                     CalculationCase& calculationCase, std::string& error);

// The record as a case to calculate: the start-up selection (Standing, wet gas, no rock
// correlation) with the record's captions applied as opening it in the window applies
// them, then the overrides.
CalculationCase CaseFor(const CaseRecord& record, const SelectionOverrides& overrides);

struct CaseReport {
  std::size_t number = 0;  // 1-based number of the record
  const CaseRecord* record = nullptr;
  CalculationCase calculationCase;
  RunOutput run;
  UnitSystem units = UnitSystem::Field;  // of the values in `run`
  std::string pbLabel;                   // the caption of pbx, in those units; empty without oil
};

CaseReport CalculateCase(std::size_t number, const CaseRecord& record, const SelectionOverrides& overrides,
                         UnitSystem units = UnitSystem::Field);
// The same for a case already made from the record (tuned, say).
CaseReport CalculateCase(std::size_t number, const CaseRecord& record, const CalculationCase& calculationCase,
                         UnitSystem units = UnitSystem::Field);

enum class Format { Text, Csv, Json };

// How CSV writes values: as the window shows them (".5", "2203.", "." for zero), or as
// full-precision numbers in the same display units.
enum class Values { Shown, Full };

class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  virtual void Write(const CaseReport& report) = 0;
};

// Values in `units`; in metric units CSV headers name each column's unit ("rs [sm3/sm3]")
// and each JSON line says "units": "metric" (the units are those the README lists).
// `tuningColumn`: CSV and JSON carry a last column `tuning` (--tune): the tuning in words
// for a case run tuned, empty (null) otherwise. Text says it under the correlations.
std::unique_ptr<ReportWriter> MakeWriter(Format format, Values values, std::ostream& out,
                                         UnitSystem units = UnitSystem::Field, bool tuningColumn = false);

// The CSV columns, in order.
std::string CsvHeader(UnitSystem units = UnitSystem::Field);

// A column name as a CSV header writes it: in metric units with its unit, "rs [sm3/sm3]".
std::string ColumnName(std::string_view column, std::string_view unit, UnitSystem units);

// The tuning of a case in words (present/selection_texts.h), empty when it runs untuned.
std::string TuningText(const CalculationCase& calculationCase);

// Appends the value of one field as a CSV cell: shown text or full-precision number.
void AppendCsvValue(std::string& row, const DisplayedOutputs& outputs, std::size_t field, Values values);

// Column names of the fields without a value, semicolon-separated.
std::string OutOfRangeColumns(const DisplayedOutputs& outputs);

// The warnings of a run as data-file codes, semicolon-separated ("api>48.1(Glaso);co<0(unphysical)").
std::string WarningsColumn(const DisplayedOutputs& outputs, GorSelectorMode gorMode,
                           UnitSystem units = UnitSystem::Field);

}  // namespace tarnvik::batch
