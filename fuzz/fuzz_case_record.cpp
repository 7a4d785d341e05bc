// The case-file record reader on arbitrary bytes: never crashes, and whatever it accepts
// writes back to a record that reads to the same texts and numbers; a @gas line it accepts
// writes back to the same impurities.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "io/case_record.h"
#include "model/case_gas.h"

namespace {

// A record is one line: a carriage return inside a text is written as a blank.
std::string OneLine(std::string text) {
  for (char& c : text) c = (c == '\r' || c == '\n') ? ' ' : c;
  return text;
}

bool SameNumber(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || *a == *b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  tarnvik::CaseRecordReader reader(input);
  tarnvik::CaseRecord record;
  tarnvik::CaseRecordReader::Entry entry;
  while (reader.Next(record, entry)) {
    if (!entry.ok) continue;
    const std::string line = tarnvik::WriteCaseRecord(record);
    tarnvik::CaseRecord back;
    std::string error;
    if (!tarnvik::ParseCaseRecord(std::string_view(line).substr(0, line.size() - 2), back, error)) std::abort();
    if (back.title != OneLine(record.title) || back.oilCaption != OneLine(record.oilCaption) ||
        back.rockCaption != OneLine(record.rockCaption)) {
      std::abort();
    }
    for (std::size_t i = 0; i < record.numbers.size(); ++i) {
      if (!SameNumber(back.numbers[i], record.numbers[i])) std::abort();
    }
    tarnvik::GasImpurities gas, again;
    if (tarnvik::ReadCaseGas(entry.attached, gas, error)) {
      std::string text = tarnvik::WriteCaseGas(gas);
      std::vector<tarnvik::CaseRecordReader::AttachedLine> lines;
      if (!text.empty()) lines.push_back({1, text.substr(1, text.size() - 3)});
      if (!tarnvik::ReadCaseGas(lines, again, error) || !(again == gas)) std::abort();
    }
  }
  return 0;
}
