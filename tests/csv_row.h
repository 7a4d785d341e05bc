// Splitting one row of a comma-separated file in tests (RFC 4180, no line breaks
// inside fields).
#pragma once
#include <string>
#include <vector>

namespace tarnvik::testing {

inline std::vector<std::string> SplitCsvRow(const std::string& row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (quoted && c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace tarnvik::testing
