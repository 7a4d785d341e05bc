// Batch calculation of case records: what the window does on "open case, then
// calculate", for every record of a case file, and the three report formats.
#pragma once

#include <cstddef>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "io/case_record.h"
#include "present/formatted_outputs.h"

namespace tarnvik::batch {

struct CaseReport {
  std::size_t number = 0;  // 1-based number of the record
  const CaseRecord* record = nullptr;
  CalculationCase calculationCase;
  RunOutput run;
  UnitSystem units = UnitSystem::Field;  // of the values in `run`
  std::string pbLabel;                   // the caption of pbx, in those units; empty without oil
  std::optional<PbxKind> pbxKind;        // what pbx holds, in those units; none without oil
  ZFactorStatus status = ZFactorStatus::Success;
};

// The run of a case made from a record (model/case_entry.h), for the writers below.
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
// and each JSON line says "units": "metric" (the units are those docs/units.md lists).
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

// A tuning's parameters as JSON: version, family, its numbers and the nodes of its maps.
nlohmann::ordered_json TuningJson(const OilTuning& tuning);

// Appends the value of one field as a CSV cell: shown text or full-precision number.
void AppendCsvValue(std::string& row, const DisplayedOutputs& outputs, std::size_t field, Values values);

// Column names of the fields without a value, semicolon-separated.
std::string OutOfRangeColumns(const DisplayedOutputs& outputs);

// The warnings of a run as data-file codes, semicolon-separated ("api>48.1(Glaso);co<0(unphysical)").
std::string WarningsColumn(const DisplayedOutputs& outputs, GorSelectorMode gorMode,
                           UnitSystem units = UnitSystem::Field);

}  // namespace tarnvik::batch
