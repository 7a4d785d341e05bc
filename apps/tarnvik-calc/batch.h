// Batch calculation of case records: what the window does on "open case, then
// calculate", for every record of a case file, and the three report formats.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "calc/calculation_run.h"
#include "calc/csv_field.h"
#include "selection/correlation_selection.h"
#include "ui/case_record.h"

namespace tarnvik::batch {

// Command-line overrides of the record's correlation fields.
struct SelectionOverrides {
  std::optional<std::string> oil;   // caption whose first three characters name the family
  std::optional<std::string> gas;   // "wet" or "dry"
  std::optional<std::string> rock;  // rock-compressibility correlation, whole text
  std::string formationType;        // formation type; empty by default
};

// The selection a record runs with: the start-up selection (Standing, wet gas, no rock
// correlation), then the record's oil, gas and rock captions, then the overrides.
CorrelationSelection SelectionFor(const CaseRecord& record, const SelectionOverrides& overrides);

struct CaseReport {
  std::size_t number = 0;  // 1-based number of the record
  const CaseRecord* record = nullptr;
  CorrelationSelection selection;
  RunOutput run;
};

CaseReport CalculateCase(std::size_t number, const CaseRecord& record, const SelectionOverrides& overrides);

// The record as a case to calculate: its nine numbers, its selector modes and the
// selection of SelectionFor.
CalculationCase CaseFor(const CaseRecord& record, const SelectionOverrides& overrides);


enum class Format { Text, Csv, Json };

class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  virtual void Write(const CaseReport& report) = 0;
};

std::unique_ptr<ReportWriter> MakeWriter(Format format, std::ostream& out);

// The CSV columns, in order.
std::string CsvHeader();

}  // namespace tarnvik::batch
