// One field of a comma-separated row (RFC 4180): a field holding a comma, quotation mark
// or line break is quoted, with quotation marks doubled. Shared by every CSV writer.
#pragma once
#include <string>
#include <string_view>

namespace tarnvik {

inline void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace tarnvik
