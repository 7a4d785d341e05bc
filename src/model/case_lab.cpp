#include "model/case_lab.h"

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

bool ReadTuning(const CaseRecordReader::AttachedLine& line, OilTuning& tuning, std::string& error) {
  std::vector<std::string> fields;
  std::size_t column = 0;
  if (!SplitCsvLine(line.text, fields, column, error)) {
    error = At(line.line) + error;
    return false;
  }
  // tuning, version, family, pressure scale, Bo factor, viscosity factor, pressure exponent,
  // reference pressure
  if (fields.size() != 8) {
    error = At(line.line) +
            "a tuning line holds @tuning, its version, the family, the pressure scale, Bo factor, viscosity "
            "factor, pressure exponent and reference pressure";
    return false;
  }
  if (fields[1] != std::to_string(kTuningLineVersion)) {
    error = At(line.line) + "tuning version " + fields[1] + " is not known; this program reads version 1";
    return false;
  }
  const std::optional<OilCorrelation> family = OilFamilyFromCode(fields[2]);
  if (!family) {
    error = At(line.line) + "\"" + fields[2] + "\" names no oil family";
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
  tuning.family = *family;
  tuning.active = true;
  return true;
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
    } else if (!IsGasLine(line.text)) {  // the gas line is ReadCaseGas's
      error = At(line.line) + "a line of a case starting with @ is @lab, @tuning or @gas";
      return false;
    }
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
  if (lab.tuning.active) {
    const OilTuning& t = lab.tuning;
    out += "@" + std::string(kTuningPrefix) + std::to_string(kTuningLineVersion) + "," +
           std::string(OilFamilyCode(t.family)) + "," + FormatShortest(t.pressureScale) + "," +
           FormatShortest(t.boFactor) + "," + FormatShortest(t.viscosityFactor) + "," +
           FormatShortest(t.pressureExponent) + "," + FormatShortest(t.referencePressure) + "\r\n";
  }
  return out;
}

}  // namespace tarnvik
