#include "lab_report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "base/units.h"
#include "io/csv_field.h"
#include "io/number_text.h"
#include "model/lab_residuals.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"
#include "text_table.h"

namespace tarnvik::batch {

// One family's row: ranked (untuned) or tuned.
struct RankingRow {
  std::string rank;
  std::string family;
  const LabComparison* comparison = nullptr;
  double score = 0;
  double rankedScore = 0;
  std::string dataRange;
  std::string outside;
  Diagnostics outsideData;
  const OilTuning* tuning = nullptr;
};

namespace {

using Json = nlohmann::ordered_json;
using Row = RankingRow;

std::string Value(double value) { return FormatSignificant(value, 6); }

std::vector<Row> Rows(const OilRanking& ranking, const std::optional<OilTuningFit>& fit) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    const FamilyRank& f = ranking.families[i];
    Row row;
    row.rank = std::to_string(i + 1);
    row.family = OilCorrelationName(f.family);
    row.comparison = &f.comparison;
    row.score = f.score;
    row.rankedScore = f.rankedScore;
    row.dataRange = DataFitText(LabDataFit(f));
    row.outside = WarningCodes(f.outsideData, GorSelectorMode::Gor);
    row.outsideData = f.outsideData;
    rows.push_back(row);
    if (fit && fit->tuning.family == f.family) {
      Row tuned = row;
      tuned.rank.clear();
      tuned.family += " (tuned)";
      tuned.comparison = &fit->tuned;
      tuned.score = tuned.rankedScore = LabScore(fit->tuned.errors);
      tuned.tuning = &fit->tuning;
      rows.push_back(tuned);
    }
  }
  return rows;
}

Json ResidualsJson(const LabComparison& comparison, UnitSystem units) {
  Json list = Json::array();
  for (const ShownResidual& r : ShownResiduals(comparison, units)) {
    Json item;
    item["property"] = TextOf(r.property).name;
    item["pressure"] = r.pressure;
    item["measured"] = r.measured;
    item["predicted"] = std::isfinite(r.predicted) ? Json(r.predicted) : Json(nullptr);
    item["error"] = std::isfinite(r.errorPercent) ? Json(r.errorPercent) : Json(nullptr);
    item["target"] = r.targetPercent ? Json(*r.targetPercent) : Json(nullptr);
    item["within_target"] = r.withinTarget;
    list.push_back(item);
  }
  return list;
}

// The residuals of one family side by side, untuned and, where given, tuned.
void WriteResidualText(std::ostream& out, const std::string& family, const LabComparison& untuned,
                       const LabComparison* tuned, UnitSystem units) {
  const std::vector<ShownResidual> before = ShownResiduals(untuned, units);
  const std::vector<ShownResidual> after = tuned ? ShownResiduals(*tuned, units) : std::vector<ShownResidual>{};
  out << "  Residuals of " << family << (tuned ? ", untuned and tuned" : "") << " (error in percent; * beyond the "
      << "tuned model's target)\n";
  std::vector<std::string> header = {"pressure", "property", "unit", "measured", "predicted", "error"};
  if (tuned) header = {"pressure", "property", "unit", "measured", "untuned", "error", "tuned", "error"};
  TextTable table(header);
  const auto mark = [](const ShownResidual& r) {
    return (std::isfinite(r.errorPercent) ? FormatFixed(r.errorPercent, 2) : std::string("-")) +
           (r.withinTarget ? " " : "*");
  };
  for (std::size_t i = 0; i < before.size(); ++i) {
    const ShownResidual& r = before[i];
    const LabPropertyText& text = TextOf(r.property);
    std::vector<std::string> line = {
        Value(r.pressure), std::string(text.name), std::string(UnitIn(*text.quantity, units)),
        Value(r.measured), Value(r.predicted),     mark(r)};
    if (tuned) {
      line.push_back(Value(after[i].predicted));
      line.push_back(mark(after[i]));
    }
    table.Add(std::move(line));
  }
  table.Write(out, {1, 2});
  out << "  Targets: " << LabTargetsText() << '\n';
}

}  // namespace

RankingWriter::RankingWriter(Format format, std::ostream& out, UnitSystem units, bool allResiduals)
    : format_(format), out_(out), units_(units), allResiduals_(allResiduals) {
  if (format_ != Format::Csv) return;
  if (allResiduals_) {
    out_ << "case,title,rank,family,pressure,property,unit,measured,predicted,error,target,within_target,"
            "separator_adjusted\n";
    return;
  }
  std::string header = "case,title,rank,family,score,ranked_score";
  for (const LabPropertyText& p : kLabPropertyTexts) {
    const std::string name(p.name);
    header += "," + name + "_error," + name + "_max_error," + name + "_points";
  }
  out_ << header << ",tuning,data_range,outside_data,separator_adjusted\n";
}

void RankingWriter::Write(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
                          const std::optional<OilTuningFit>& fit) {
  const std::vector<Row> rows = Rows(ranking, fit);
  switch (format_) {
    case Format::Csv:
      for (const Row& row : rows) WriteCsv(number, record, row, ranking.separatorAdjusted);
      return;
    case Format::Json:
      for (const Row& row : rows) WriteJson(number, record, row, ranking.separatorAdjusted);
      return;
    case Format::Text:
      break;
  }
  WriteText(number, record, ranking, rows, fit);
}

namespace {

// The CSV row of a family's errors.
std::string ErrorsCsv(const std::string& start, const Row& row) {
  std::string line = start + ',' + FormatPercent(row.score) + ',' + FormatPercent(row.rankedScore);
  for (const PropertyError& e : row.comparison->errors) {
    line += ',' + (e.points ? FormatPercent(e.aare) : "") + ',' + (e.points ? FormatPercent(e.maxError) : "") + ',' +
            std::to_string(e.points);
  }
  line += ',';
  if (row.tuning) AppendCsvField(line, TuningDescription(*row.tuning));
  line += ',' + row.dataRange + ',';
  AppendCsvField(line, row.outside);
  return line;
}

}  // namespace

void RankingWriter::WriteCsv(std::size_t number, const CaseRecord& record, const Row& row, bool separatorAdjusted) {
  const char* adjusted = separatorAdjusted ? "yes" : "no";
  std::string start = std::to_string(number) + ',';
  AppendCsvField(start, record.title);
  start += ',' + row.rank + ',';
  AppendCsvField(start, row.family);
  if (!allResiduals_) {
    out_ << ErrorsCsv(start, row) << ',' << adjusted << '\n';
    return;
  }
  for (const ShownResidual& r : ShownResiduals(*row.comparison, units_)) {
    const LabPropertyText& text = TextOf(r.property);
    out_ << start << ',' << FormatRoundTrip(r.pressure) << ',' << text.name << ',' << UnitIn(*text.quantity, units_)
         << ',' << FormatRoundTrip(r.measured) << ',' << FormatRoundTrip(r.predicted) << ','
         << FormatRoundTrip(r.errorPercent) << ',' << (r.targetPercent ? FormatRoundTrip(*r.targetPercent) : "") << ','
         << (r.withinTarget ? "yes" : "no") << ',' << adjusted << '\n';
  }
}

void RankingWriter::WriteJson(std::size_t number, const CaseRecord& record, const Row& row, bool separatorAdjusted) {
  Json line;
  line["case"] = number;
  line["title"] = record.title;
  line["rank"] = row.rank.empty() ? Json(nullptr) : Json(std::stoi(row.rank));
  line["family"] = row.family;
  line["score"] = 100 * row.score;
  line["ranked_score"] = 100 * row.rankedScore;
  for (std::size_t i = 0; i < kLabPropertyCount; ++i) {
    const PropertyError& e = row.comparison->errors[i];
    Json item;
    item["error"] = e.points == 0 ? Json(nullptr) : Json(100 * e.aare);
    item["max_error"] = e.points == 0 ? Json(nullptr) : Json(100 * e.maxError);
    item["points"] = e.points;
    line[std::string(kLabPropertyTexts[i].name)] = item;
  }
  if (row.tuning) line["tuning"] = TuningJson(*row.tuning);
  line["data_range"] = row.dataRange;
  auto outside = Json::array();
  for (const Diagnostic& d : row.outsideData) outside.push_back(WarningCode(d, GorSelectorMode::Gor));
  line["outside_data"] = std::move(outside);
  line["separator_adjusted"] = separatorAdjusted;
  line["residuals"] = ResidualsJson(*row.comparison, units_);
  out_ << line.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

void RankingWriter::WriteText(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
                              const std::vector<Row>& rows, const std::optional<OilTuningFit>& fit) {
  if (written_) out_ << '\n';
  written_ = true;
  out_ << "Case " << number;
  if (!record.title.empty()) out_ << ": " << record.title;
  out_ << "\n  Oil families against the lab data" << (ranking.compared.source.empty() ? "" : " of ")
       << ranking.compared.source << "\n";
  WriteTextConditions(ranking);
  out_ << "  Errors: average absolute error in percent (points); Rs below a tenth of the GOR at the bubble point in "
          "percent of that GOR. Score: the mean of pb, Rs, Bo and oil viscosity; ranked by the score plus "
       << FormatSignificant(100 * kOutsideDataMargin, 3) << " points for a family outside its published data, "
       << FormatSignificant(100 * kUnknownRangesMargin, 3) << " for one whose data are unknown\n";
  TextTable table({"rank", "family", "score", "pb", "rs", "bo", "oil_viscosity", "oil_compressibility",
                   "relative_volume", "z", "bg", "data_range"});
  for (const Row& row : rows) {
    std::vector<std::string> line = {row.rank, row.family, FormatPercent(row.score)};
    for (const PropertyError& e : row.comparison->errors) {
      line.push_back(e.points == 0 ? "-" : FormatPercent(e.aare) + " (" + std::to_string(e.points) + ")");
    }
    line.push_back(row.outside.empty() ? row.dataRange : row.dataRange + ": " + row.outside);
    table.Add(std::move(line));
  }
  table.Write(out_, {1, 11});
  WriteTextResiduals(ranking, fit);
}

// The report's conditions the families were compared at, in the units asked for.
void RankingWriter::WriteTextConditions(const OilRanking& ranking) {
  const InputSet& in = ranking.labCase.inputs;
  const bool metric = units_ == UnitSystem::Metric;
  out_ << "  At " << Value(FromField(in.temperatureF, Dimension::Temperature, units_)) << (metric ? " C" : " F")
       << ", API " << Value(in.apiGravity) << ", gas gravity " << Value(in.gasGravity) << "; bubble point "
       << Value(FromField(ranking.compared.bubblePoint, Dimension::Pressure, units_)) << (metric ? " bara" : " psia")
       << " at GOR "
       << Value(FromField(ranking.compared.gor / units::kScfPerMcf, Dimension::GasLiquidRatio, units_) *
                (metric ? 1 : units::kScfPerMcf))
       << (metric ? " sm3/sm3" : " SCF/STB")
       << (ranking.separatorAdjusted ? "; Rs and Bo adjusted to separator conditions" : "") << '\n';
}

// The tuning and the tuned family's residuals, or without a tuning the best family's; with
// `allResiduals`, every other family's too.
void RankingWriter::WriteTextResiduals(const OilRanking& ranking, const std::optional<OilTuningFit>& fit) {
  if (fit) {
    out_ << "  Tuning: " << TuningDescription(fit->tuning) << '\n';
    for (const std::string& note : fit->notes) out_ << "    " << note << '\n';
    WriteResidualText(out_, std::string(OilCorrelationName(fit->tuning.family)), fit->untuned, &fit->tuned, units_);
  } else if (!allResiduals_) {
    const FamilyRank& best = ranking.families.front();
    WriteResidualText(out_, std::string(OilCorrelationName(best.family)), best.comparison, nullptr, units_);
  }
  if (!allResiduals_) return;
  for (const FamilyRank& f : ranking.families) {
    if (fit && fit->tuning.family == f.family) continue;
    WriteResidualText(out_, std::string(OilCorrelationName(f.family)), f.comparison, nullptr, units_);
  }
}

}  // namespace tarnvik::batch
