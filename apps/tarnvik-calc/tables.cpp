#include "tables.h"

#include "text_table.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "io/csv_field.h"
#include "io/number_text.h"
#include "model/case_entry.h"
#include "present/impurity_texts.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"
#include "present/table_messages.h"
#include "present/warning_texts.h"
#include "warnings_json.h"

namespace tarnvik::batch {
namespace {

constexpr std::array<OutputField, kOutputFieldCount> AllFields() {
  std::array<OutputField, kOutputFieldCount> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = static_cast<OutputField>(i);
  return fields;
}
constexpr auto kAllFields = AllFields();

// One row of a report: its key columns (pressure and note, or the family), then the
// values as the window shows them, and its warnings.
struct Row {
  std::vector<std::string> keys;
  std::optional<double> pressure;  // the pressure key as a number
  std::string message;
  DisplayedOutputs outputs;
  GorSelectorMode gorMode = GorSelectorMode::BubblePoint;
  std::string dataRange;  // comparison: whether the case's boxes lie inside the family's data
  ZFactorStatus status = ZFactorStatus::Success;
  std::optional<PbxKind> pbx;
};

std::string Note(const PressureRow& row) { return PressureRowNote(row.atBubblePoint, row.atReservoirPressure); }

// `blank`: the inputs the record left blank, said first among the row's warnings.
Row MakeRow(std::vector<std::string> keys, const CalculationOutcome& outcome, GorSelectorMode gorMode, UnitSystem units,
            const Diagnostics& blank) {
  Row row{std::move(keys), {}, {}, {}, gorMode, {}, outcome.zFactorStatus, PbxKindOf(outcome, gorMode, units)};
  if (outcome.failed()) {
    row.message = ZFactorMessage(outcome.zFactorStatus);
  } else {
    row.outputs = FormatOutputs(outcome, gorMode, units);
    row.outputs.warnings.insert(row.outputs.warnings.begin(), blank.begin(), blank.end());
  }
  return row;
}

TableRecordSummary SummaryOf(const std::vector<Row>& rows) {
  TableRecordSummary summary;
  for (const Row& row : rows) {
    summary.failed = summary.failed || !row.message.empty();
    summary.warned = summary.warned || !row.outputs.warnings.empty();
  }
  return summary;
}

class RowWriter : public TableReportWriter {
 public:
  RowWriter(Values values, TableKind kind, std::ostream& out, UnitSystem units, bool tuningColumn)
      : values_(values), kind_(kind), out_(out), units_(units), tuningColumn_(tuningColumn) {}

  TableRecordSummary WriteTable(std::size_t number, const CaseRecord& record, const CalculationCase& c,
                                const PressureTable& table) override {
    const Diagnostics blank = BlankInputs(record);
    tuning_ = TuningText(c);
    impurities_ = ImpuritiesDescription(c.inputs.impurities);
    std::vector<Row> rows;
    rows.reserve(table.rows.size());
    pressureDecimals_ = PressureDecimals(table, units_);
    for (const PressureRow& row : table.rows) {
      const double pressure = KeyFromField(row.pressure, Dimension::Pressure, units_);
      rows.push_back(MakeRow({FormatShortest(pressure), Note(row)}, row.outcome, c.gorMode, units_, blank));
      rows.back().pressure = pressure;
    }
    Write(number, record, c, rows);
    return SummaryOf(rows);
  }

  TableRecordSummary WriteComparison(std::size_t number, const CaseRecord& record, const CalculationCase& c,
                                     const std::vector<FamilyRow>& families) override {
    const Diagnostics blank = BlankInputs(record);
    tuning_ = TuningText(c);
    impurities_ = ImpuritiesDescription(c.inputs.impurities);
    std::vector<Row> rows;
    for (const FamilyRow& family : families) {
      // The published form of a tuned family goes by its plain name.
      std::string name(OilCorrelationName(family.family));
      rows.push_back(MakeRow({family.tuned ? name + " (tuned)" : name}, family.outcome, c.gorMode, units_, blank));
      rows.back().dataRange = DataFitText(OilFamilyFit(c, family.family).fit);
    }
    Write(number, record, c, rows);
    return SummaryOf(rows);
  }

 protected:
  virtual void Write(std::size_t number, const CaseRecord& record, const CalculationCase& c,
                     const std::vector<Row>& rows) = 0;

  std::vector<std::string> KeyColumns() const {
    if (kind_ == TableKind::Pressure) return {ColumnName("pressure", PressureUnit(), units_), "note"};
    return {"family"};
  }
  std::string_view PressureUnit() const { return FieldInfo(OutputField::PbOrRsb, GorSelectorMode::Gor, units_).unit; }
  // A field's column header: in metric units with its unit.
  std::string Header(OutputField field) const {
    const std::string_view unit =
        field == OutputField::PbOrRsb ? "" : FieldInfo(field, GorSelectorMode::Gor, units_).unit;
    return ColumnName(InfoOf(field).column, unit, units_);
  }
  std::vector<OutputField> Fields() const {
    if (kind_ == TableKind::Pressure) return {kAllFields.begin(), kAllFields.end()};
    return {kComparisonFields.begin(), kComparisonFields.end()};
  }
  Values values_;
  TableKind kind_;
  std::ostream& out_;
  UnitSystem units_;
  bool tuningColumn_;
  int pressureDecimals_ = 1;
  std::string tuning_;      // the case's tuning in words; empty when it runs untuned
  std::string impurities_;  // the gas impurities and their corrections; empty without
};

class CsvTableWriter final : public RowWriter {
 public:
  CsvTableWriter(Values values, TableKind kind, std::ostream& out, UnitSystem units, bool tuningColumn)
      : RowWriter(values, kind, out, units, tuningColumn) {
    std::string header = "case,title";
    for (const std::string& key : KeyColumns()) {
      header += ',';
      AppendCsvField(header, key);
    }
    header += ",message";
    for (OutputField field : Fields()) {
      header += ',';
      AppendCsvField(header, Header(field));
    }
    header += ",out_of_range";
    if (kind_ == TableKind::Comparison) header += ",data_range";
    out_ << header << ",warnings" << (tuningColumn_ ? ",tuning" : "") << "\n";
  }

 private:
  void Write(std::size_t number, const CaseRecord& record, const CalculationCase& /*calculationCase*/,
             const std::vector<Row>& rows) override {
    std::string line;
    for (const Row& row : rows) {
      line = std::to_string(number);
      line += ',';
      AppendCsvField(line, record.title);
      for (const std::string& key : row.keys) {
        line += ',';
        AppendCsvField(line, key);
      }
      line += ',';
      AppendCsvField(line, row.message);
      for (OutputField field : Fields()) {
        line += ',';
        AppendCsvValue(line, row.outputs, IndexOf(field), values_);
      }
      line += ',';
      line += OutOfRangeColumns(row.outputs);
      if (kind_ == TableKind::Comparison) line.append(",").append(row.dataRange);
      line += ',';
      AppendCsvField(line, WarningsColumn(row.outputs, row.gorMode, units_));
      if (tuningColumn_) {
        line += ',';
        AppendCsvField(line, tuning_);
      }
      out_ << line << '\n';
    }
  }
};

class JsonTableWriter final : public RowWriter {
 public:
  using RowWriter::RowWriter;

 private:
  void Write(std::size_t number, const CaseRecord& record, const CalculationCase& c,
             const std::vector<Row>& rows) override {
    const auto keys = KeyColumns();
    for (const Row& row : rows) {
      nlohmann::ordered_json line;
      line["case"] = number;
      line["title"] = record.title;
      for (std::size_t i = 0; i < keys.size(); ++i)
        line[kind_ == TableKind::Pressure && i == 0 ? "pressure" : keys[i]] = row.keys[i];
      if (row.pressure) line["pressure"] = *row.pressure;
      line["message"] = row.message;
      line["pbx_kind"] = row.pbx ? nlohmann::ordered_json(row.pbx->kind) : nullptr;
      line["pbx_unit"] = row.pbx ? nlohmann::ordered_json(row.pbx->unit) : nullptr;
      line["status"] = static_cast<int>(row.status);
      for (OutputField field : Fields()) {
        const Quantity value = row.outputs.values[IndexOf(field)];
        line[std::string(InfoOf(field).column)] = value ? nlohmann::ordered_json(*value) : nullptr;
      }
      auto outOfRange = nlohmann::ordered_json::array();
      for (OutputField field : row.outputs.WithoutValue()) outOfRange.push_back(InfoOf(field).column);
      line["out_of_range"] = std::move(outOfRange);
      if (kind_ == TableKind::Comparison) line["data_range"] = row.dataRange;
      line["warnings"] = WarningsJson(row.outputs.warnings, row.gorMode, units_);
      if (units_ == UnitSystem::Metric) line["units"] = "metric";
      if (tuningColumn_) {
        line["tuning"] = tuning_.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(tuning_);
        const OilTuning* inForce = TuningInForce(c.selection);
        line["tuning_parameters"] = inForce ? TuningJson(*inForce) : nullptr;
      }
      out_ << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
  }
};

// Columns right-aligned to their widest entry, the key columns left-aligned.
class TextTableWriter final : public RowWriter {
 public:
  using RowWriter::RowWriter;

 private:
  void Write(std::size_t number, const CaseRecord& record, const CalculationCase& /*calculationCase*/,
             const std::vector<Row>& rows) override {
    if (number > 1 || written_) out_ << '\n';
    written_ = true;
    out_ << "Case " << number;
    if (!record.title.empty()) out_ << ": " << record.title;
    out_ << '\n';
    if (!tuning_.empty()) out_ << "  Tuning: " << tuning_ << '\n';
    if (!impurities_.empty()) out_ << "  Gas impurities: " << impurities_ << '\n';

    // The keys (with the data-range mark of a family), the values right-aligned, then the
    // warnings.
    std::vector<std::string> header = KeyColumns();
    if (kind_ == TableKind::Comparison) header.emplace_back("data_range");
    const std::size_t keyCount = header.size();
    for (OutputField field : Fields()) header.emplace_back(Header(field));
    header.emplace_back("warnings");
    std::set<std::size_t> left;
    for (std::size_t i = 0; i < keyCount; ++i) left.insert(i);
    left.insert(header.size() - 1);
    TextTable table(header);
    for (const Row& row : rows) {
      std::vector<std::string> line = row.keys;
      // A reader's pressures: to the decimals that tell the rows apart.
      if (row.pressure) line.front() = FormatFixed(*row.pressure, pressureDecimals_);
      if (kind_ == TableKind::Comparison) line.push_back(row.dataRange);
      if (!row.message.empty()) {
        line.push_back(row.message);
      } else {
        for (OutputField field : Fields()) line.push_back(row.outputs.texts[static_cast<std::size_t>(field)]);
        line.push_back(WarningsColumn(row.outputs, row.gorMode, units_));
      }
      table.Add(std::move(line));
    }
    // A failure message takes the place of the values and does not widen their columns.
    table.Write(out_, left, keyCount);
  }

  bool written_ = false;
};

// The export's keywords, space separated: "PVTO PVDG PVTW ROCK DENSITY".
std::string JoinedKeywords(const std::vector<std::string_view>& keywords) {
  std::string joined;
  for (const std::string_view keyword : keywords) joined.append(joined.empty() ? "" : " ").append(keyword);
  return joined;
}

void WriteExportCsv(std::ostream& out, std::size_t number, const CaseRecord& record, const EclipseExport& request,
                    const BlackOilTables& tables) {
  std::string line =
      "case,title,tables,deck,keywords,bubble_point,initial_rs,adjustments\n" + std::to_string(number) + ',';
  AppendCsvField(line, record.title);
  line += ',';
  AppendCsvField(line, request.tablesPath);
  line += ',';
  AppendCsvField(line, request.deckPath);
  line += ',' + JoinedKeywords(EclipseKeywords(tables)) + ',';
  if (!tables.deadOil)
    line += FormatShortest(tables.bubblePoint) + ',' + FormatShortest(tables.initialRs);
  else
    line += ',';
  out << line << ',' << tables.adjustments.size() << '\n';
}

nlohmann::ordered_json AdjustmentJson(const TableAdjustment& a) {
  nlohmann::ordered_json item;
  item["table"] = a.table;
  if (a.record > 0) {
    item["record"] = a.record;
    item["rs"] = a.rs;
  }
  item["row"] = a.row;
  item["pressure"] = a.pressure;
  item["quantity"] = a.quantity;
  item["before"] = a.before;
  item["after"] = a.after;
  item["reason"] = a.reason;
  return item;
}

void WriteExportJson(std::ostream& out, std::size_t number, const CaseRecord& record, const EclipseExport& request,
                     const BlackOilTables& tables) {
  nlohmann::ordered_json line;
  line["case"] = number;
  line["title"] = record.title;
  line["tables"] = request.tablesPath;
  line["deck"] = request.deckPath;
  line["keywords"] = EclipseKeywords(tables);
  line["dead_oil"] = tables.deadOil;
  line["reservoir_pressure"] = tables.reservoirPressure;
  if (!tables.deadOil) {
    line["bubble_point"] = tables.bubblePoint;
    line["initial_rs"] = tables.initialRs;
  }
  auto adjustments = nlohmann::ordered_json::array();
  for (const TableAdjustment& a : tables.adjustments) adjustments.push_back(AdjustmentJson(a));
  line["adjustments"] = std::move(adjustments);
  line["notes"] = tables.notes;
  out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void WriteExportText(std::ostream& out, std::size_t number, const CaseRecord& record, const EclipseExport& request,
                     const BlackOilTables& tables) {
  out << "Case " << number;
  if (!record.title.empty()) out << ": " << record.title;
  out << "\n  Wrote " << request.tablesPath << ": " << JoinedKeywords(EclipseKeywords(tables));
  if (tables.deadOil) {
    out << " (dead oil, " << tables.deadOilTable.size() << " PVDO rows)\n";
  } else {
    const DeckUnits& u = DeckUnitsOf(request.units);
    out << " (" << tables.liveOil.size() << " PVTO records, " << tables.gas.size() << " PVDG rows; bubble point "
        << FormatSignificant(tables.bubblePoint, 6) << ' ' << u.pressure << ", Rs "
        << FormatSignificant(tables.initialRs, 6) << ' ' << u.gasRatio << ")\n";
  }
  if (!request.deckPath.empty()) out << "  Wrote " << request.deckPath << ": an example model that includes them\n";
  for (const std::string& note : tables.notes) out << "  Note: " << note << '\n';
  if (!tables.adjustments.empty()) {
    out << "  Adjusted from the correlations' values, so that the tables describe a physical fluid "
           "(listed in the file; --strict-tables refuses instead):\n";
    for (const TableAdjustment& adjustment : tables.adjustments) {
      out << "    " << AdjustmentText(adjustment, request.units) << '\n';
    }
  }
}

}  // namespace

void WriteExportReport(Format format, std::ostream& out, std::size_t number, const CaseRecord& record,
                       const EclipseExport& request, const BlackOilTables& tables) {
  switch (format) {
    case Format::Csv:
      return WriteExportCsv(out, number, record, request, tables);
    case Format::Json:
      return WriteExportJson(out, number, record, request, tables);
    case Format::Text:
      break;
  }
  WriteExportText(out, number, record, request, tables);
}

std::unique_ptr<TableReportWriter> MakeTableWriter(Format format, Values values, TableKind kind, std::ostream& out,
                                                   UnitSystem units, bool tuningColumn) {
  switch (format) {
    case Format::Csv:
      return std::make_unique<CsvTableWriter>(values, kind, out, units, tuningColumn);
    case Format::Json:
      return std::make_unique<JsonTableWriter>(values, kind, out, units, tuningColumn);
    case Format::Text:
      break;
  }
  return std::make_unique<TextTableWriter>(values, kind, out, units, tuningColumn);
}

}  // namespace tarnvik::batch
