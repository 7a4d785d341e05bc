#include "batch.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

#include "calc/calculation_run.h"
#include "io/csv_field.h"
#include "io/number_text.h"
#include "model/case_gas.h"
#include "model/case_model.h"
#include "present/impurity_texts.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"
#include "present/unit_texts.h"
#include "present/warning_texts.h"
#include "warnings_json.h"

namespace tarnvik::batch {

namespace {

constexpr std::array<std::string_view, 4> kLeadingColumns = {"case", "title", "message", "pbx_label"};

std::string_view Message(const CaseReport& report) { return report.run.message.value_or(""); }
std::string_view PbLabel(const CaseReport& report) { return report.pbLabel; }

class CsvWriter final : public ReportWriter {
 public:
  CsvWriter(Values values, std::ostream& out, UnitSystem units, bool tuningColumn)
      : values_(values), out_(out), tuningColumn_(tuningColumn) {
    out_ << CsvHeader(units) << (tuningColumn_ ? ",tuning" : "") << '\n';
  }

  void Write(const CaseReport& report) override {
    row_.clear();
    row_ += std::to_string(report.number);
    row_ += ',';
    AppendCsvField(row_, report.record->title);
    row_ += ',';
    AppendCsvField(row_, Message(report));
    row_ += ',';
    AppendCsvField(row_, PbLabel(report));
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
      row_ += ',';
      if (report.run.outputs) AppendCsvValue(row_, *report.run.outputs, i, values_);
    }
    row_ += ',';
    if (report.run.outputs) AppendCsvField(row_, OutOfRangeColumns(*report.run.outputs));
    row_ += ',';
    if (report.run.outputs) {
      AppendCsvField(row_, WarningsColumn(*report.run.outputs, report.calculationCase.gorMode, report.units));
    }
    if (tuningColumn_) {
      row_ += ',';
      AppendCsvField(row_, TuningText(report.calculationCase));
    }
    row_ += '\n';
    out_ << row_;
  }

 private:
  Values values_;
  std::ostream& out_;
  bool tuningColumn_;
  std::string row_;
};

// One JSON line per record; values are numbers in their display units, null when there
// is none.
class JsonWriter final : public ReportWriter {
 public:
  JsonWriter(std::ostream& out, bool tuningColumn) : out_(out), tuningColumn_(tuningColumn) {}

  void Write(const CaseReport& report) override {
    nlohmann::ordered_json line;
    line["case"] = report.number;
    line["title"] = report.record->title;
    line["message"] = Message(report);
    line["pbx_label"] = PbLabel(report);
    line["pbx_kind"] = report.pbxKind ? nlohmann::ordered_json(report.pbxKind->kind) : nullptr;
    line["pbx_unit"] = report.pbxKind ? nlohmann::ordered_json(report.pbxKind->unit) : nullptr;
    line["status"] = static_cast<int>(report.status);
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
      const Quantity value = report.run.outputs ? report.run.outputs->values[i] : std::nullopt;
      line[std::string(kOutputFields[i].column)] = value ? nlohmann::ordered_json(*value) : nullptr;
    }
    auto outOfRange = nlohmann::ordered_json::array();
    if (report.run.outputs) {
      for (const OutputField field : report.run.outputs->WithoutValue()) outOfRange.push_back(InfoOf(field).column);
    }
    line["out_of_range"] = std::move(outOfRange);
    line["warnings"] = report.run.outputs
                           ? WarningsJson(report.run.outputs->warnings, report.calculationCase.gorMode, report.units)
                           : nlohmann::ordered_json::array();
    if (report.units == UnitSystem::Metric) line["units"] = "metric";
    if (tuningColumn_) {
      const std::string tuning = TuningText(report.calculationCase);
      line["tuning"] = tuning.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(tuning);
      const OilTuning* inForce = TuningInForce(report.calculationCase.selection);
      line["tuning_parameters"] = inForce ? TuningJson(*inForce) : nullptr;
    }
    // Replace invalid UTF-8 in titles rather than failing the whole batch.
    out_ << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  }

 private:
  std::ostream& out_;
  bool tuningColumn_;
};

// An aligned, labelled table per case, grouped by fluid like the window.
class TextWriter final : public ReportWriter {
 public:
  explicit TextWriter(std::ostream& out) : out_(out) {}

  void Write(const CaseReport& report) override {
    const CaseRecord& record = *report.record;
    if (report.number > 1) out_ << '\n';
    out_ << "Case " << report.number;
    if (!record.title.empty()) out_ << ": " << record.title;
    out_ << '\n';
    out_ << "  Correlations: " << CorrelationsDescription(report.calculationCase.selection) << '\n';
    if (const std::string gas = ImpuritiesDescription(report.calculationCase.inputs.impurities); !gas.empty()) {
      out_ << "  Gas impurities: " << gas << '\n';
    }
    if (const std::string tuning = TuningText(report.calculationCase); !tuning.empty()) {
      out_ << "  Tuning: " << tuning << '\n';
    }
    if (report.run.message) {
      out_ << "  " << *report.run.message << '\n';
      return;
    }
    const GorSelectorMode gorMode = report.calculationCase.gorMode;
    for (const ResultGroup& group : kResultGroups) Group(report, gorMode, group.heading, group.fields);
    const std::vector<Diagnostic>& warnings = report.run.outputs->warnings;
    if (warnings.empty()) return;
    out_ << "  Warnings\n";
    for (const Diagnostic& warning : warnings) {
      out_ << "    " << WarningSentence(warning, gorMode, report.units) << '\n';
    }
  }

 private:
  void Group(const CaseReport& report, GorSelectorMode gorMode, std::string_view heading,
             std::span<const OutputField> fields) {
    constexpr std::size_t kCaptionWidth = 34;
    constexpr std::size_t kIntegerWidth = 8;  // digits before the point, right-aligned
    const DisplayedOutputs& outputs = *report.run.outputs;
    out_ << "  " << heading << '\n';
    for (const OutputField field : fields) {
      const OutputFieldInfo info = FieldInfo(field, gorMode, report.units);
      const std::string& text = outputs.texts[IndexOf(field)];
      std::string caption(info.caption);
      caption.resize(std::max(kCaptionWidth, caption.size()), ' ');
      out_ << "    " << caption;
      const auto& notComputed = outputs.notComputed;
      if (std::find(outputs.outOfRange.begin(), outputs.outOfRange.end(), field) != outputs.outOfRange.end()) {
        out_ << std::string(kIntegerWidth - 3, ' ') << "out of range";
      } else if (text.empty() || std::find(notComputed.begin(), notComputed.end(), field) != notComputed.end()) {
        out_ << std::string(kIntegerWidth - 3, ' ') << "not computed";
      } else {
        const std::size_t point = text.find('.');
        out_ << std::string(kIntegerWidth > point ? kIntegerWidth - point : 0, ' ') << text;
        const std::size_t decimals = text.size() - point;
        constexpr std::size_t kFractionWidth = 5;  // the point and up to four decimals
        if (!info.unit.empty())
          out_ << std::string(kFractionWidth > decimals ? kFractionWidth - decimals : 1, ' ') << ' ' << info.unit;
        if (outputs.IsUnphysical(field)) out_ << "  (unphysical)";
      }
      out_ << '\n';
    }
  }

  std::ostream& out_;
};

}  // namespace

CaseReport CalculateCase(std::size_t number, const CaseRecord& record, const CalculationCase& calculationCase,
                         UnitSystem units) {
  CaseReport report{number, &record, calculationCase, {}, units, {}, {}, {}};
  const CalculationOutcome outcome = Calculate(report.calculationCase);
  report.run = PresentRun(outcome, report.calculationCase.gorMode, units);
  report.pbxKind = PbxKindOf(outcome, report.calculationCase.gorMode, units);
  report.status = outcome.zFactorStatus;
  // The caption names its unit ("Bubble Point Pressure, bara" in metric units).
  if (report.run.pbCaption) report.pbLabel = CaptionInUnits(*report.run.pbCaption, units);
  return report;
}

void AppendCsvValue(std::string& row, const DisplayedOutputs& outputs, std::size_t field, Values values) {
  if (values == Values::Shown) {
    row += outputs.texts[field];
  } else if (outputs.values[field]) {
    row += FormatRoundTrip(*outputs.values[field]);
  }
}

std::string OutOfRangeColumns(const DisplayedOutputs& outputs) {
  std::string columns;
  for (const OutputField field : outputs.WithoutValue()) {
    if (!columns.empty()) columns += ';';
    columns += InfoOf(field).column;
  }
  return columns;
}

std::string WarningsColumn(const DisplayedOutputs& outputs, GorSelectorMode gorMode, UnitSystem units) {
  return WarningCodes(outputs.warnings, gorMode, units);
}

nlohmann::ordered_json WarningsJson(const std::vector<Diagnostic>& warnings, GorSelectorMode gorMode,
                                    UnitSystem units) {
  auto array = nlohmann::ordered_json::array();
  for (const Diagnostic& warning : warnings) {
    const WarningRecord record = DescribeWarning(warning, gorMode, units);
    nlohmann::ordered_json item;
    item[record.input ? "input" : "output"] = record.name;
    item["value"] = record.value;
    item["low"] = record.low ? nlohmann::ordered_json(*record.low) : nullptr;
    item["high"] = record.high ? nlohmann::ordered_json(*record.high) : nullptr;
    item["unit"] = record.unit;
    item["correlation"] = record.correlation ? nlohmann::ordered_json(*record.correlation) : nullptr;
    item["kind"] = record.kind;
    array.push_back(std::move(item));
  }
  return array;
}

nlohmann::ordered_json TuningJson(const OilTuning& tuning) {
  const TuningFields fields = TuningFieldsOf(tuning);
  nlohmann::ordered_json out;
  out["version"] = fields.version;
  out["family"] = OilCorrelationName(tuning.family);
  for (const TuningNumber& n : fields.numbers) out[std::string(n.name)] = n.value;
  if (fields.version < 2) return out;
  for (const TuningFields::NamedMap& map : fields.maps()) {
    auto& list = out[std::string(map.name)] = nlohmann::ordered_json::array();
    for (const MapNode& node : map.nodes) list.push_back({node.x, node.y});
  }
  return out;
}

std::string TuningText(const CalculationCase& c) {
  const OilTuning* tuning = TuningInForce(c.selection);
  return tuning ? TuningDescription(*tuning) : std::string();
}

std::unique_ptr<ReportWriter> MakeWriter(Format format, Values values, std::ostream& out, UnitSystem units,
                                         bool tuningColumn) {
  switch (format) {
    case Format::Csv:
      return std::make_unique<CsvWriter>(values, out, units, tuningColumn);
    case Format::Json:
      return std::make_unique<JsonWriter>(out, tuningColumn);
    case Format::Text:
      break;
  }
  return std::make_unique<TextWriter>(out);
}

std::string ColumnName(std::string_view column, std::string_view unit, UnitSystem units) {
  std::string name(column);
  if (units == UnitSystem::Metric && !unit.empty()) name.append(" [").append(unit).append("]");
  return name;
}

std::string CsvHeader(UnitSystem units) {
  std::string header;
  for (const std::string_view column : kLeadingColumns) {
    header += column;
    header += ',';
  }
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    // pbx holds a pressure or a GOR by the selector: its unit is in the pbx_label column.
    const auto field = static_cast<OutputField>(i);
    const std::string_view unit =
        field == OutputField::PbOrRsb ? "" : FieldInfo(field, GorSelectorMode::Gor, units).unit;
    AppendCsvField(header, ColumnName(kOutputFields[i].column, unit, units));
    header += ',';
  }
  header += "out_of_range,warnings";
  return header;
}

}  // namespace tarnvik::batch
