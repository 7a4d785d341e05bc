#include "io/csv_line.h"

namespace tarnvik {

bool NextCsvField(std::string_view line, std::size_t& pos, std::string& field, std::string& error) {
  field.clear();
  if (pos >= line.size() || line[pos] != '"') {
    const std::size_t comma = line.find(',', pos);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    field.assign(line.substr(pos, end - pos));
    pos = end;
    return true;
  }
  std::size_t i = pos + 1;
  bool closed = false;
  while (i < line.size()) {
    if (line[i] == '"') {
      if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        i += 2;
        continue;
      }
      closed = true;
      ++i;
      break;
    }
    field += line[i++];
  }
  if (!closed) {
    error = "missing closing quotation mark";
    return false;
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  if (i < line.size() && line[i] != ',') {
    error = "unexpected text after the closing quotation mark";
    return false;
  }
  pos = i;
  return true;
}

bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t& column, std::string& error) {
  fields.clear();
  std::size_t pos = 0;
  while (true) {
    column = fields.size() + 1;
    if (!NextCsvField(line, pos, fields.emplace_back(), error)) return false;
    if (pos >= line.size()) return true;
    ++pos;  // the comma
  }
}

}  // namespace tarnvik
