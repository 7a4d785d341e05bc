#include "model/case_lab.h"

#include <algorithm>
#include <cmath>

#include "correlations/validity_ranges.h"
#include "io/csv_line.h"
#include "io/number_text.h"
#include "model/case_gas.h"
#include "model/lab_file.h"

namespace tarnvik {
namespace {

constexpr std::string_view kLabPrefix = "lab,";
constexpr std::string_view kTuningPrefix = "tuning,";

std::string At(std::size_t line) { return "line " + std::to_string(line) + ": "; }

// The fields after the family of a version 1 line: pressure scale, Bo factor, viscosity
// factor, pressure exponent and reference pressure.
bool ReadTuningVersion1(const CaseRecordReader::AttachedLine& line, const std::vector<std::string>& fields,
                        OilTuning& tuning, std::string& error) {
  if (fields.size() != 8) {
    error = At(line.line) +
            "a tuning line of version 1 holds @tuning, 1, the family, the pressure scale, Bo factor, viscosity "
            "factor, pressure exponent and reference pressure";
    return false;
  }
  double* factors[] = {&tuning.pressureScale, &tuning.boFactor, &tuning.viscosityFactor, &tuning.pressureExponent,
                       &tuning.referencePressure};
  constexpr const char* kNames[] = {"pressure scale", "Bo factor", "viscosity factor", "pressure exponent",
                                    "reference pressure"};
  for (std::size_t i = 0; i < 5; ++i) {
    std::optional<double> value;
    if (!ParseNumberField(fields[3 + i], value) || !value || !(*value > 0) || !std::isfinite(*value)) {
      error = At(line.line) + "the " + kNames[i] + " \"" + fields[3 + i] + "\" is not a number above 0";
      return false;
    }
    *factors[i] = *value;
  }
  return true;
}

// A group of a version 2 line: its key, how many numbers it holds (0: pairs, at least
// one), whether a line must have it, and what its numbers must be.
struct TuningGroup {
  std::string_view key;
  std::size_t count;
  bool required;
  std::string_view rule;
};
constexpr std::string_view kMapRule = "is not pairs of numbers above 0 that rise together";
constexpr std::string_view kCurveRule = "is not pairs of numbers, the first of each rising";
constexpr std::string_view kFactorRule = "is not one number above 0";
constexpr TuningGroup kTuningGroups[] = {
    {"pressure_map", 0, true, kMapRule},
    {"low_rs_map", 0, false, kMapRule},
    {"bo", 2, false, "is not a factor above 0 and a shift"},
    {"bo_map", 0, false, kMapRule},
    {"compressibility", 1, false, kFactorRule},
    {"dead_oil_viscosity", 1, false, kFactorRule},
    {"viscosity_curve", 0, false, kCurveRule},
    {"reference_temperature", 1, false, "is not a number"},
    {"undersaturated_viscosity", 1, false, kFactorRule},
    {"gas", 2, false, "is not two factors above 0"},
    {"gas_correction", 0, false, kCurveRule},
};

bool StoreTuningGroup(std::string_view key, const std::vector<double>& values, OilTuning& tuning) {
  const auto nodes = [&values] {
    std::vector<MapNode> list;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) list.push_back({values[i], values[i + 1]});
    return list;
  };
  const auto positive = [](double v) { return v > 0 && std::isfinite(v); };
  if (key == "viscosity_curve" || key == "gas_correction") {
    if (values.size() % 2 != 0 || !ValidCurvePoints(nodes())) return false;
    (key == "gas_correction" ? tuning.gas.correction : tuning.viscosityCurve) = SmoothCurve(nodes());
    return true;
  }
  if (key == "gas") {
    tuning.gas.temperatureFactor = values[0], tuning.gas.pressureFactor = values[1];
    return positive(values[0]) && positive(values[1]);
  }
  if (key == "reference_temperature") {
    tuning.referenceTemperature = values[0];
    return std::isfinite(values[0]);
  }
  if (key.ends_with("_map")) {
    if (values.size() % 2 != 0 || !ValidMapNodes(nodes())) return false;
    MonotoneMap& map = key == "pressure_map" ? tuning.pressureMap
                       : key == "low_rs_map" ? tuning.lowRsMap
                                             : tuning.boMap;
    map = MonotoneMap(nodes());
    if (key == "pressure_map") tuning.referencePressure = values[values.size() - 2];
    return true;
  }
  if (key == "bo") {
    tuning.boFactor = values[0], tuning.boShift = values[1];
    return positive(values[0]) && std::isfinite(values[1]);
  }
  double& factor = key == "compressibility"      ? tuning.compressibilityFactor
                   : key == "dead_oil_viscosity" ? tuning.deadOilViscosityFactor
                                                 : tuning.undersaturatedViscosityFactor;
  factor = values[0];
  return positive(values[0]);
}

// The fields after the family of a version 2 line: groups, each a key and its numbers.
bool ReadTuningVersion2(const CaseRecordReader::AttachedLine& line, const std::vector<std::string>& fields,
                        OilTuning& tuning, std::string& error) {
  std::vector<std::string_view> seen;
  std::size_t i = 3;
  while (i < fields.size()) {
    const auto group = std::find_if(std::begin(kTuningGroups), std::end(kTuningGroups),
                                    [&](const TuningGroup& g) { return g.key == fields[i]; });
    if (group == std::end(kTuningGroups)) {
      error = At(line.line) + "\"" + fields[i] + "\" is not a part of a tuning line";
      return false;
    }
    if (std::find(seen.begin(), seen.end(), group->key) != seen.end()) {
      error = At(line.line) + "the tuning line gives " + fields[i] + " twice";
      return false;
    }
    seen.push_back(group->key);
    std::vector<double> values;
    for (++i; i < fields.size(); ++i) {
      std::optional<double> value;
      if (!ParseNumberField(fields[i], value) || !value) break;
      values.push_back(*value);
    }
    const bool countRight = group->count == 0 ? values.size() >= 2 : values.size() == group->count;
    if (!countRight || !StoreTuningGroup(group->key, values, tuning)) {
      error = At(line.line) + "the tuning line's " + std::string(group->key) + " " + std::string(group->rule);
      return false;
    }
  }
  for (const TuningGroup& group : kTuningGroups) {
    if (group.required && std::find(seen.begin(), seen.end(), group.key) == seen.end()) {
      error = At(line.line) + "the tuning line has no " + std::string(group.key);
      return false;
    }
  }
  return true;
}

bool ReadTuning(const CaseRecordReader::AttachedLine& line, OilTuning& tuning, std::string& error) {
  std::vector<std::string> fields;
  std::size_t column = 0;
  if (!SplitCsvLine(line.text, fields, column, error)) {
    error = At(line.line) + error;
    return false;
  }
  if (fields.size() < 3) {
    error = At(line.line) + "a tuning line holds @tuning, its version, the family and the tuning";
    return false;
  }
  if (fields[1] != "1" && fields[1] != "2") {
    error = At(line.line) + "tuning version " + fields[1] + " is not known; this program reads versions 1 and 2";
    return false;
  }
  const std::optional<OilCorrelation> family = OilFamilyFromCode(fields[2]);
  if (!family) {
    error = At(line.line) + "\"" + fields[2] + "\" names no oil family";
    return false;
  }
  OilTuning read;
  const bool ok =
      fields[1] == "1" ? ReadTuningVersion1(line, fields, read, error) : ReadTuningVersion2(line, fields, read, error);
  if (!ok) return false;
  read.family = *family;
  read.active = true;
  tuning = std::move(read);
  return true;
}

std::string TuningLine(const OilTuning& t) {
  std::string line = "@" + std::string(kTuningPrefix);
  const auto number = [&line](double value) { line.append(",").append(FormatShortest(value)); };
  if (t.pressureMap.empty()) {
    line += "1," + std::string(OilFamilyCode(t.family));
    for (double value : {t.pressureScale, t.boFactor, t.viscosityFactor, t.pressureExponent, t.referencePressure}) {
      number(value);
    }
    return line + "\r\n";
  }
  line += std::to_string(kTuningLineVersion) + "," + std::string(OilFamilyCode(t.family));
  const auto map = [&](std::string_view key, const MonotoneMap& m) {
    line.append(",").append(key);
    for (const MapNode& node : m.nodes()) number(node.x), number(node.y);
  };
  map("pressure_map", t.pressureMap);
  if (!t.lowRsMap.empty()) map("low_rs_map", t.lowRsMap);
  line += ",bo", number(t.boFactor), number(t.boShift);
  if (!t.boMap.empty()) map("bo_map", t.boMap);
  line += ",compressibility", number(t.compressibilityFactor);
  line += ",dead_oil_viscosity", number(t.deadOilViscosityFactor);
  if (!t.viscosityCurve.empty()) {
    line += ",viscosity_curve";
    for (const MapNode& point : t.viscosityCurve.points()) number(point.x), number(point.y);
    line += ",reference_temperature", number(t.referenceTemperature);
  }
  if (!t.gas.identity()) line += ",gas", number(t.gas.temperatureFactor), number(t.gas.pressureFactor);
  if (!t.gas.correction.empty()) {
    line += ",gas_correction";
    for (const MapNode& point : t.gas.correction.points()) number(point.x), number(point.y);
  }
  line += ",undersaturated_viscosity", number(t.undersaturatedViscosityFactor);
  return line + "\r\n";
}

}  // namespace

std::string_view OilFamilyCode(OilCorrelation family) { return SourceOf(FamilyCorrelation(family)).code; }

std::optional<OilCorrelation> OilFamilyFromCode(std::string_view code) {
  for (int i = 0; i < kOilCorrelationCount; ++i) {
    const auto family = static_cast<OilCorrelation>(i);
    if (OilFamilyCode(family) == code) return family;
  }
  return std::nullopt;
}

bool ReadCaseLab(const std::vector<CaseRecordReader::AttachedLine>& lines, CaseLab& lab, std::string& error) {
  CaseLab read;
  std::string labText;
  std::vector<std::size_t> labLines;
  std::size_t tuningLine = 0;
  for (const CaseRecordReader::AttachedLine& line : lines) {
    if (line.text.starts_with(kLabPrefix)) {
      labText.append(line.text, kLabPrefix.size()).append("\n");
      labLines.push_back(line.line);
    } else if (line.text.starts_with(kTuningPrefix)) {
      if (tuningLine != 0) {
        error = At(line.line) + "a second tuning line (the first is on line " + std::to_string(tuningLine) + ")";
        return false;
      }
      tuningLine = line.line;
      if (!ReadTuning(line, read.tuning, error)) return false;
    }  // other lines are other readers' (model/case_entry.h)
  }
  if (!labLines.empty()) {
    LabData data;
    UnitSystem units = UnitSystem::Field;
    if (!ReadLabFile(labText, data, units, error, &labLines)) return false;
    read.data = std::move(data);
  }
  lab = std::move(read);
  return true;
}

std::string WriteCaseLab(const CaseLab& lab) {
  std::string out;
  if (lab.data) {
    const std::string text = WriteLabFile(*lab.data, UnitSystem::Field);
    std::size_t pos = 0;
    while (pos < text.size()) {
      const std::size_t end = text.find("\r\n", pos);
      out.append("@").append(kLabPrefix).append(text, pos, end - pos).append("\r\n");
      pos = end + 2;
    }
  }
  if (lab.tuning.active) out += TuningLine(lab.tuning);
  return out;
}

}  // namespace tarnvik
