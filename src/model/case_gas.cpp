#include "model/case_gas.h"

#include <cmath>
#include <optional>

#include "io/csv_line.h"
#include "io/number_text.h"

namespace tarnvik {
namespace {

constexpr std::string_view kGasPrefix = "gas,";

std::string At(std::size_t line) { return "line " + std::to_string(line) + ": "; }

bool ReadGasLine(const CaseRecordReader::AttachedLine& line, GasImpurities& impurities, std::string& error) {
  std::vector<std::string> fields;
  std::size_t column = 0;
  if (!SplitCsvLine(line.text, fields, column, error)) {
    error = At(line.line) + error;
    return false;
  }
  if (fields.size() >= 2 && fields[1] != std::to_string(kGasLineVersion)) {
    error = At(line.line) + "gas line version " + fields[1] + " is not known; this program reads version 1";
    return false;
  }
  if (fields.size() != 5) {
    error = At(line.line) + "a gas line holds @gas, its version, and CO2, H2S and N2 in mol %";
    return false;
  }
  double* values[] = {&impurities.co2, &impurities.h2s, &impurities.n2};
  constexpr const char* kNames[] = {"CO2", "H2S", "N2"};
  for (std::size_t i = 0; i < 3; ++i) {
    std::optional<double> value;
    if (!ParseNumberField(fields[2 + i], value) || !value || !(*value >= 0 && *value <= 100)) {
      error = At(line.line) + "the " + kNames[i] + " content \"" + fields[2 + i] + "\" is not a number from 0 to 100";
      return false;
    }
    *values[i] = *value;
  }
  return true;
}

}  // namespace

bool IsGasLine(const std::string& text) { return text.starts_with(kGasPrefix); }

bool ReadCaseGas(const std::vector<CaseRecordReader::AttachedLine>& lines, GasImpurities& impurities,
                 std::string& error) {
  GasImpurities read;
  std::size_t gasLine = 0;
  for (const CaseRecordReader::AttachedLine& line : lines) {
    if (!IsGasLine(line.text)) continue;
    if (gasLine != 0) {
      error = At(line.line) + "a second gas line (the first is on line " + std::to_string(gasLine) + ")";
      return false;
    }
    gasLine = line.line;
    if (!ReadGasLine(line, read, error)) return false;
  }
  impurities = read;
  return true;
}

std::string WriteCaseGas(const GasImpurities& g) {
  if (!g.any()) return {};
  return "@" + std::string(kGasPrefix) + std::to_string(kGasLineVersion) + "," + FormatShortest(g.co2) + "," +
         FormatShortest(g.h2s) + "," + FormatShortest(g.n2) + "\r\n";
}

}  // namespace tarnvik
