// Reports of many runs per case: the pressure table and the oil-family comparison, in
// the three output formats of the calculator.
#pragma once
#include <cstddef>
#include <memory>
#include <ostream>

#include "batch.h"
#include "calc/pressure_table.h"
#include "export/eclipse_deck.h"

namespace tarnvik::batch {

// What a record's rows said, for the summary line: whether any row's z-factor failed, and
// whether any carries warnings (a blank input of the record's among them).
struct TableRecordSummary {
  bool failed = false;
  bool warned = false;
};

class TableReportWriter {
 public:
  virtual ~TableReportWriter() = default;
  virtual TableRecordSummary WriteTable(std::size_t number, const CaseRecord& record,
                                        const CalculationCase& calculationCase, const PressureTable& table) = 0;
  virtual TableRecordSummary WriteComparison(std::size_t number, const CaseRecord& record,
                                             const CalculationCase& calculationCase,
                                             const std::vector<FamilyRow>& rows) = 0;
};

enum class TableKind { Pressure, Comparison };

// Text: an aligned table per case. CSV: one header, then a row per pressure (or family)
// with the case number and title, values as shown or in full. JSON: one line per row,
// values as numbers.
// Pressures and values in `units`, named as the case reports name them.
// `tuningColumn` (--tune): CSV and JSON carry a last column `tuning`, as the case report
// does; text says the tuning under the case's title whenever it runs tuned.
std::unique_ptr<TableReportWriter> MakeTableWriter(Format format, Values values, TableKind kind, std::ostream& out,
                                                   UnitSystem units = UnitSystem::Field, bool tuningColumn = false);

// What an export wrote: the files and the keywords, in the chosen format.
void WriteExportReport(Format format, std::ostream& out, std::size_t number, const CaseRecord& record,
                       const EclipseExport& request, const BlackOilTables& tables);

}  // namespace tarnvik::batch
