#include "io/csv_line.h"

namespace tarnvik {

bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t& column, std::string& error) {
  fields.clear();
  std::size_t pos = 0;
  while (true) {
    column = fields.size() + 1;
    std::string& field = fields.emplace_back();
    std::size_t start = pos;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    if (start < line.size() && line[start] == '"') {
      std::size_t i = start + 1;
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
    } else {
      const std::size_t comma = line.find(',', pos);
      const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      field.assign(line.substr(pos, end - pos));
      pos = end;
    }
    if (pos >= line.size()) return true;
    ++pos;  // the comma
  }
}

}  // namespace tarnvik
