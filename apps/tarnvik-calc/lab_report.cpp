#include "lab_report.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "base/units.h"
#include "io/csv_field.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"

namespace tarnvik::batch {
namespace {

constexpr std::array<std::string_view, kLabPropertyCount> kPropertyColumns = {"pb", "rs", "bo", "oil_viscosity",
                                                                              "oil_compressibility"};

// A percentage to two decimals; empty without points.
std::string Percent(double fraction) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", 100 * fraction);
  return text;
}

std::string Factor(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5g", value);
  return text;
}

// One row of the table: a family untuned (ranked) or tuned.
struct Row {
  std::string rank;
  std::string family;
  LabErrors errors{};
  double score = 0;
  std::string dataRange;
  std::string outside;
  std::optional<OilTuning> tuning;
};

std::vector<Row> Rows(const OilRanking& ranking, const std::optional<OilTuningFit>& fit) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    const FamilyRank& f = ranking.families[i];
    Row row;
    row.rank = std::to_string(i + 1);
    row.family = OilCorrelationName(f.family);
    row.errors = f.errors;
    row.score = f.score;
    row.dataRange = DataFitText(LabDataFit(f));
    row.outside = WarningCodes(f.outsideData, GorSelectorMode::Gor);
    rows.push_back(row);
    if (fit && fit->tuning.family == f.family) {
      Row tuned = row;
      tuned.rank.clear();
      tuned.family += " (tuned)";
      tuned.errors = fit->tuned;
      tuned.score = LabScore(fit->tuned);
      tuned.tuning = fit->tuning;
      rows.push_back(tuned);
    }
  }
  return rows;
}

std::string Cell(const PropertyError& e) { return e.points == 0 ? std::string() : Percent(e.aare); }

}  // namespace

RankingWriter::RankingWriter(Format format, std::ostream& out, UnitSystem units)
    : format_(format), out_(out), units_(units) {
  if (format_ != Format::Csv) return;
  std::string header = "case,title,rank,family,score";
  for (std::string_view column : kPropertyColumns) {
    header.append(",").append(column).append("_error,").append(column).append("_points");
  }
  out_ << header
       << ",pressure_scale,pressure_exponent,bo_factor,viscosity_factor,data_range,outside_data,"
          "separator_adjusted\n";
}

void RankingWriter::Write(std::size_t number, const CaseRecord& record, const OilRanking& ranking,
                          const std::optional<OilTuningFit>& fit) {
  const std::vector<Row> rows = Rows(ranking, fit);
  if (format_ == Format::Csv) {
    for (const Row& row : rows) {
      std::string line = std::to_string(number) + ',';
      AppendCsvField(line, record.title);
      line += ',' + row.rank + ',';
      AppendCsvField(line, row.family);
      line += ',' + Percent(row.score);
      for (const PropertyError& e : row.errors) line += ',' + Cell(e) + ',' + std::to_string(e.points);
      const OilTuning none;
      const OilTuning& t = row.tuning ? *row.tuning : none;
      for (double factor : {t.pressureScale, t.pressureExponent, t.boFactor, t.viscosityFactor}) {
        line += ',';
        if (row.tuning) line += Factor(factor);
      }
      line += ',' + row.dataRange + ',';
      AppendCsvField(line, row.outside);
      line += ranking.separatorAdjusted ? ",yes" : ",no";
      out_ << line << '\n';
    }
    return;
  }
  if (format_ == Format::Json) {
    for (const Row& row : rows) {
      nlohmann::ordered_json line;
      line["case"] = number;
      line["title"] = record.title;
      line["rank"] = row.rank.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(std::stoi(row.rank));
      line["family"] = row.family;
      line["score"] = 100 * row.score;
      for (std::size_t i = 0; i < kLabPropertyCount; ++i) {
        const PropertyError& e = row.errors[i];
        nlohmann::ordered_json item;
        item["error"] = e.points == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(100 * e.aare);
        item["points"] = e.points;
        line[std::string(kPropertyColumns[i])] = item;
      }
      if (row.tuning) {
        line["tuning"] = {{"pressure_scale", row.tuning->pressureScale},
                          {"pressure_exponent", row.tuning->pressureExponent},
                          {"bo_factor", row.tuning->boFactor},
                          {"viscosity_factor", row.tuning->viscosityFactor}};
      }
      line["data_range"] = row.dataRange;
      line["outside_data"] = row.outside;
      line["separator_adjusted"] = ranking.separatorAdjusted;
      out_ << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }
    return;
  }
  if (written_) out_ << '\n';
  written_ = true;
  out_ << "Case " << number;
  if (!record.title.empty()) out_ << ": " << record.title;
  out_ << "\n  Oil families against the lab data" << (ranking.compared.source.empty() ? "" : " of ")
       << ranking.compared.source << "\n";
  const InputSet& in = ranking.labCase.inputs;
  const bool metric = units_ == UnitSystem::Metric;
  out_ << "  At " << Factor(FromField(in.temperatureF, Dimension::Temperature, units_)) << (metric ? " C" : " F")
       << ", API " << Factor(in.apiGravity) << ", gas gravity " << Factor(in.gasGravity) << "; bubble point "
       << Factor(FromField(ranking.compared.bubblePoint, Dimension::Pressure, units_)) << (metric ? " bara" : " psia")
       << " at GOR "
       << Factor(FromField(ranking.compared.gor / units::kScfPerMcf, Dimension::GasLiquidRatio, units_) *
                 (metric ? 1 : units::kScfPerMcf))
       << (metric ? " sm3/sm3" : " SCF/STB")
       << (ranking.separatorAdjusted ? "; Rs and Bo adjusted to separator conditions" : "") << '\n';
  out_ << "  Errors: average absolute relative error in percent (points); score: the mean of pb, Rs, Bo and oil "
          "viscosity\n";
  std::vector<std::vector<std::string>> cells = {
      {"rank", "family", "score", "pb", "rs", "bo", "oil_viscosity", "oil_compressibility", "data_range"}};
  for (const Row& row : rows) {
    std::vector<std::string> line = {row.rank, row.family, Percent(row.score)};
    for (const PropertyError& e : row.errors) {
      line.push_back(e.points == 0 ? "-" : Cell(e) + " (" + std::to_string(e.points) + ")");
    }
    line.push_back(row.outside.empty() ? row.dataRange : row.dataRange + ": " + row.outside);
    cells.push_back(std::move(line));
  }
  std::vector<std::size_t> widths(cells.front().size(), 0);
  for (const auto& line : cells) {
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  }
  for (const auto& line : cells) {
    std::string text = " ";
    for (std::size_t i = 0; i < line.size(); ++i) {
      const std::size_t pad = widths[i] - line[i].size();
      text += ' ';
      if (i == 1 || i + 1 == line.size()) {
        text.append(line[i]).append(pad, ' ');
      } else {
        text.append(pad, ' ').append(line[i]);
      }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out_ << text << '\n';
  }
  if (fit) out_ << "  Tuning: " << TuningDescription(fit->tuning) << '\n';
}

}  // namespace tarnvik::batch
