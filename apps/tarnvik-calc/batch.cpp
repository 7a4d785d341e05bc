#include "batch.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <string_view>

#include "calc/output_fields.h"

namespace tarnvik::batch {

namespace {

constexpr std::array<std::string_view, 4> kLeadingColumns = {"case", "title", "message", "pbx_label"};

std::string_view Message(const CaseReport& report) { return report.run.message.value_or(""); }
std::string_view PbLabel(const CaseReport& report) { return report.run.pbCaption.value_or(""); }

bool IsOutOfRange(const CaseReport& report, OutputField field) {
  if (!report.run.outputs) return false;
  const auto& list = report.run.outputs->outOfRange;
  return std::find(list.begin(), list.end(), field) != list.end();
}

std::string OutOfRangeColumns(const CaseReport& report) {
  std::string columns;
  if (!report.run.outputs) return columns;
  for (const OutputField field : report.run.outputs->outOfRange) {
    if (!columns.empty()) columns += ';';
    columns += InfoOf(field).column;
  }
  return columns;
}

class CsvWriter final : public ReportWriter {
 public:
  explicit CsvWriter(std::ostream& out) : out_(out) { out_ << CsvHeader() << '\n'; }

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
      if (report.run.outputs) row_ += report.run.outputs->texts[i];
    }
    row_ += ',';
    AppendCsvField(row_, OutOfRangeColumns(report));
    row_ += '\n';
    out_ << row_;
  }

 private:
  std::ostream& out_;
  std::string row_;
};

class JsonWriter final : public ReportWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void Write(const CaseReport& report) override {
    nlohmann::ordered_json line;
    line["case"] = report.number;
    line["title"] = report.record->title;
    line["message"] = Message(report);
    line["pbx_label"] = PbLabel(report);
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
      line[std::string(kOutputFields[i].column)] = report.run.outputs ? report.run.outputs->texts[i] : "";
    }
    auto outOfRange = nlohmann::ordered_json::array();
    if (report.run.outputs) {
      for (const OutputField field : report.run.outputs->outOfRange) outOfRange.push_back(InfoOf(field).column);
    }
    line["out_of_range"] = std::move(outOfRange);
    // Replace invalid UTF-8 in titles rather than failing the whole batch.
    out_ << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
  }

 private:
  std::ostream& out_;
};

// An aligned, labelled table per case, grouped by fluid like the window.
class TextWriter final : public ReportWriter {
 public:
  explicit TextWriter(std::ostream& out) : out_(out) {}

  void Write(const CaseReport& report) override {
    const CaseRecord& record = *report.record;
    const CorrelationSelection& selection = report.selection;
    if (report.number > 1) out_ << '\n';
    out_ << "Case " << report.number;
    if (!record.title.empty()) out_ << ": " << record.title;
    out_ << '\n';
    out_ << "  Correlations: " << OilCorrelationName(selection.oilCorrelation) << " oil, "
         << (selection.gasCharacterisation == GasCharacterisation::DryGas ? "dry" : "wet") << " gas, rock "
         << (selection.rockCorrelation.empty() ? std::string("(none)") : selection.rockCorrelation);
    if (!selection.formationType.empty()) out_ << " / " << selection.formationType;
    out_ << '\n';
    if (report.run.message) {
      out_ << "  " << *report.run.message << '\n';
      return;
    }
    const GorSelectorMode gorMode = GorModeFromText(record.gorSelector);
    Group(report, gorMode, "Oil",
          {OutputField::Rs, OutputField::Pbx, OutputField::Bo, OutputField::OilViscosity, OutputField::Co,
           OutputField::OilDensity, OutputField::So});
    Group(report, gorMode, "Gas",
          {OutputField::Z, OutputField::Bg, OutputField::GasViscosity, OutputField::Cg, OutputField::GasDensity,
           OutputField::Sg});
    Group(report, gorMode, "Water",
          {OutputField::Rsw, OutputField::Bw, OutputField::WaterViscosity, OutputField::Cw, OutputField::WaterDensity,
           OutputField::Sw});
    Group(report, gorMode, "Rock and totals", {OutputField::Cf, OutputField::Ct});
  }

 private:
  void Group(const CaseReport& report, GorSelectorMode gorMode, std::string_view heading,
             std::initializer_list<OutputField> fields) {
    constexpr std::size_t kCaptionWidth = 34;
    constexpr std::size_t kIntegerWidth = 8;  // digits before the point, right-aligned
    out_ << "  " << heading << '\n';
    for (const OutputField field : fields) {
      const OutputFieldInfo info = field == OutputField::Pbx ? PbxFieldInfo(gorMode) : InfoOf(field);
      const std::string& text = report.run.outputs->texts[static_cast<std::size_t>(field)];
      std::string caption(info.caption);
      caption.resize(std::max(kCaptionWidth, caption.size()), ' ');
      out_ << "    " << caption;
      if (IsOutOfRange(report, field)) {
        out_ << std::string(kIntegerWidth - 3, ' ') << "out of range";
      } else if (text.empty()) {
        out_ << std::string(kIntegerWidth - 3, ' ') << "not computed";
      } else {
        const std::size_t point = text.find('.');
        out_ << std::string(kIntegerWidth > point ? kIntegerWidth - point : 0, ' ') << text;
        const std::size_t decimals = text.size() - point;
        constexpr std::size_t kFractionWidth = 5;  // the point and up to four decimals
        if (!info.unit.empty())
          out_ << std::string(kFractionWidth > decimals ? kFractionWidth - decimals : 1, ' ') << ' ' << info.unit;
      }
      out_ << '\n';
    }
  }

  std::ostream& out_;
};

}  // namespace

CorrelationSelection SelectionFor(const CaseRecord& record, const SelectionOverrides& overrides) {
  CorrelationSelection selection;
  ApplyOilCorrelationCaption(record.oilCaption, selection);
  ApplyGasCharacterisationCaption(record.gasCaption, selection);
  selection.rockCorrelation = record.rockCaption;
  if (overrides.oil) ApplyOilCorrelationCaption(*overrides.oil, selection);
  if (overrides.gas) {
    selection.gasCharacterisation = *overrides.gas == "dry" ? GasCharacterisation::DryGas : GasCharacterisation::WetGas;
  }
  if (overrides.rock) selection.rockCorrelation = *overrides.rock;
  selection.formationType = overrides.formationType;
  return selection;
}

CaseReport CalculateCase(std::size_t number, const CaseRecord& record, const SelectionOverrides& overrides) {
  CaseReport report;
  report.number = number;
  report.record = &record;
  report.selection = SelectionFor(record, overrides);
  report.run = RunCalculation(ToInputSet(record), record.gorSelector, record.waterSelector, report.selection);
  return report;
}

CalculationCase CaseFor(const CaseRecord& record, const SelectionOverrides& overrides) {
  return {ToInputSet(record), GorModeFromText(record.gorSelector), WaterModeFromText(record.waterSelector),
          SelectionFor(record, overrides)};
}

std::unique_ptr<ReportWriter> MakeWriter(Format format, std::ostream& out) {
  switch (format) {
    case Format::Csv:
      return std::make_unique<CsvWriter>(out);
    case Format::Json:
      return std::make_unique<JsonWriter>(out);
    case Format::Text:
      break;
  }
  return std::make_unique<TextWriter>(out);
}

std::string CsvHeader() {
  std::string header;
  for (const std::string_view column : kLeadingColumns) {
    header += column;
    header += ',';
  }
  for (const auto& field : kOutputFields) {
    header += field.column;
    header += ',';
  }
  header += "out_of_range";
  return header;
}

}  // namespace tarnvik::batch
