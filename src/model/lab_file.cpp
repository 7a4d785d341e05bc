#include "model/lab_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <optional>
#include <vector>

#include "base/units.h"
#include "io/csv_field.h"
#include "io/csv_line.h"
#include "io/number_text.h"
#include "model/lab_quantities.h"

namespace tarnvik {
namespace {

constexpr std::string_view kMagic = "tarnvik-lab";

constexpr std::size_t Index(LabKey key) { return static_cast<std::size_t>(key); }
constexpr std::size_t Index(LabColumn column) { return static_cast<std::size_t>(column); }

// The names a message lists, comma separated: the columns after pressure, or the keys.
template <std::size_t N>
std::string Names(const std::array<LabQuantity, N>& quantities, std::size_t from) {
  std::string names;
  for (std::size_t i = from; i < N; ++i) names.append(i > from ? ", " : "").append(quantities[i].name);
  return names;
}
constexpr const auto& kKeys = kLabKeys;
constexpr const auto& kColumns = kLabColumns;

std::optional<double>* Cell(LabPoint& point, std::size_t column) {
  return CellOf(point, static_cast<LabColumn>(column));
}

std::string Shortened(std::string_view text) {
  constexpr std::size_t kMax = 40;
  return text.size() <= kMax ? std::string(text) : std::string(text.substr(0, kMax)) + "...";
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(Shortened(text)).push_back('"');
  return quoted;
}

class Reader {
 public:
  Reader(UnitSystem& units, std::string& error, const std::vector<std::size_t>* lineNumbers)
      : units_(units), error_(error), lineNumbers_(lineNumbers) {}

  bool Fail(std::size_t line, std::size_t column, std::string_view name, const std::string& what) {
    if (lineNumbers_ != nullptr && line >= 1 && line <= lineNumbers_->size()) line = (*lineNumbers_)[line - 1];
    error_ = "line " + std::to_string(line);
    if (column > 0) {
      error_ += ", column " + std::to_string(column);
      if (!name.empty()) error_ += " (" + std::string(name) + ")";
    }
    error_ += ": " + what;
    return false;
  }

  // A cell as a value of the correlations; empty for a blank cell.
  bool Value(std::size_t line, std::size_t column, const LabQuantity& q, std::string_view text,
             std::optional<double>& value) {
    if (!ParseNumberField(text, value)) return Fail(line, column, q.name, Quoted(text) + " is not a number");
    if (!value) return true;
    if (!std::isfinite(*value)) return Fail(line, column, q.name, Quoted(text) + " is not a finite number");
    if (q.dimension != Dimension::Temperature) {
      if (*value < 0) return Fail(line, column, q.name, "a negative value, " + FormatShortest(*value));
      if (*value == 0 && !q.zeroAllowed) return Fail(line, column, q.name, "must be above 0");
    }
    *value = LabValueFrom(*value, q, units_);
    return true;
  }

  UnitSystem& units_;
  std::string& error_;
  const std::vector<std::size_t>* lineNumbers_;
};

}  // namespace

bool ReadLabFile(std::string_view text, LabData& result, UnitSystem& resultUnits, std::string& error,
                 const std::vector<std::size_t>* lineNumbers) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 byte-order mark
  UnitSystem units = UnitSystem::Field;
  Reader reader(units, error, lineNumbers);
  LabData data;
  std::array<std::optional<double>, kKeys.size()> keys;
  std::array<std::size_t, kKeys.size()> keyLines{};
  std::vector<std::size_t> columns;  // index into kColumns, by file column
  std::vector<std::size_t> rowLines;
  bool sawMagic = false;
  std::size_t lineNumber = 0;
  std::vector<std::string> fields;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    std::size_t column = 0;
    std::string why;
    if (!SplitCsvLine(line, fields, column, why)) return reader.Fail(lineNumber, column, "", why);
    for (std::string& field : fields) {
      const auto a = field.find_first_not_of(" \t");
      field = a == std::string::npos ? std::string() : field.substr(a, field.find_last_not_of(" \t") - a + 1);
    }
    if (!sawMagic) {
      if (fields[0] != kMagic) {
        return reader.Fail(lineNumber, 1, "",
                           "a lab file starts with \"tarnvik-lab,1,field\" or \"tarnvik-lab,1,metric\"");
      }
      if (fields.size() != 3)
        return reader.Fail(lineNumber, 0, "", "the first line holds three fields: tarnvik-lab,1,field");
      if (fields[1] != std::to_string(kLabFileVersion)) {
        return reader.Fail(lineNumber, 2, "version",
                           "version " + Quoted(fields[1]) + " is not known; this program reads version 1");
      }
      if (fields[2] != "field" && fields[2] != "metric") {
        return reader.Fail(lineNumber, 3, "units", Quoted(fields[2]) + " is neither field nor metric");
      }
      units = fields[2] == "metric" ? UnitSystem::Metric : UnitSystem::Field;
      sawMagic = true;
      continue;
    }
    if (columns.empty()) {
      if (fields[0] == "source") {
        if (fields.size() != 2) return reader.Fail(lineNumber, 0, "source", "a key line holds a key and one value");
        data.source = fields[1];
        // A carriage return inside the text (a line ends at a line feed) is a blank, as the
        // file writes it; and like every field, it is read without blanks about it.
        std::replace(data.source.begin(), data.source.end(), '\r', ' ');
        const std::size_t first = data.source.find_first_not_of(" \t");
        data.source = first == std::string::npos
                          ? std::string()
                          : data.source.substr(first, data.source.find_last_not_of(" \t") - first + 1);
        continue;
      }
      if (fields[0] == kColumns[0].name) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
          std::size_t found = kColumns.size();
          for (std::size_t k = 0; k < kColumns.size(); ++k) {
            if (fields[i] == kColumns[k].name) found = k;
          }
          if (found == kColumns.size() || (found == 0 && i > 0)) {
            return reader.Fail(lineNumber, i + 1, "",
                               Quoted(fields[i]) + " is not a column of a lab file (" + Names(kColumns, 1) + ")");
          }
          for (std::size_t before : columns) {
            if (before == found) return reader.Fail(lineNumber, i + 1, fields[i], "the column is named twice");
          }
          columns.push_back(found);
        }
        if (columns.size() < 2) return reader.Fail(lineNumber, 0, "", "the header row names no column beside pressure");
        continue;
      }
      std::size_t key = kKeys.size();
      for (std::size_t k = 0; k < kKeys.size(); ++k) {
        if (fields[0] == kKeys[k].name) key = k;
      }
      if (key == kKeys.size()) {
        return reader.Fail(lineNumber, 1, "",
                           Quoted(fields[0]) + " is not a key of a lab file (source, " + Names(kKeys, 0) +
                               ") nor the column header row, which starts with pressure");
      }
      if (keyLines[key] != 0) {
        return reader.Fail(lineNumber, 1, kKeys[key].name,
                           "given twice (first on line " + std::to_string(keyLines[key]) + ")");
      }
      if (fields.size() != 2)
        return reader.Fail(lineNumber, 0, kKeys[key].name, "a key line holds a key and one value");
      if (!reader.Value(lineNumber, 2, kKeys[key], fields[1], keys[key])) return false;
      if (!keys[key]) return reader.Fail(lineNumber, 2, kKeys[key].name, "no value");
      keyLines[key] = lineNumber;
      continue;
    }
    // A row of measurements.
    if (fields.size() > columns.size()) {
      return reader.Fail(lineNumber, columns.size() + 1, "",
                         "more cells than the header row names (" + std::to_string(columns.size()) + ")");
    }
    LabPoint point;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::optional<double> value;
      if (!reader.Value(lineNumber, i + 1, kColumns[columns[i]], fields[i], value)) return false;
      if (columns[i] == 0) {
        if (!value) return reader.Fail(lineNumber, i + 1, "pressure", "every row needs its pressure");
        point.pressure = *value;
      } else {
        *Cell(point, columns[i]) = value;
      }
    }
    if (!data.points.empty()) {
      const double before = data.points.back().pressure;
      const bool rising = data.points.size() < 2 || data.points[1].pressure > data.points[0].pressure;
      if (point.pressure == before) {
        return reader.Fail(lineNumber, 1, "pressure",
                           "the pressure of line " + std::to_string(rowLines.back()) + " again");
      }
      if (data.points.size() >= 2 && (point.pressure > before) != rising) {
        return reader.Fail(
            lineNumber, 1, "pressure",
            std::string("out of order: the rows run by ") + (rising ? "increasing" : "decreasing") + " pressure");
      }
    }
    data.points.push_back(point);
    rowLines.push_back(lineNumber);
  }
  if (!sawMagic) return reader.Fail(1, 0, "", "the text is empty: a lab file starts with \"tarnvik-lab,1,field\"");
  for (std::size_t k = 0; k < kRequiredLabKeys; ++k) {
    if (!keys[k])
      return reader.Fail(lineNumber, 0, "", "the required key " + std::string(kKeys[k].name) + " is missing");
  }
  const std::optional<double>& separatorBo = keys[Index(LabKey::SeparatorBo)];
  const std::optional<double>& separatorGor = keys[Index(LabKey::SeparatorGor)];
  if (separatorBo.has_value() != separatorGor.has_value()) {
    const std::size_t given = Index(separatorBo ? LabKey::SeparatorBo : LabKey::SeparatorGor);
    return reader.Fail(keyLines[given], 1, kKeys[given].name,
                       "a separator test needs both separator_bo and separator_gor");
  }
  if (columns.empty()) return reader.Fail(lineNumber, 0, "", "the column header row (pressure,...) is missing");
  data.temperatureF = *keys[Index(LabKey::Temperature)];
  data.bubblePoint = *keys[Index(LabKey::BubblePoint)];
  data.gor = *keys[Index(LabKey::Gor)];
  if (separatorBo) data.separator = SeparatorTest{*separatorBo, *separatorGor};
  data.apiGravity = keys[Index(LabKey::Api)];
  data.gasGravity = keys[Index(LabKey::GasGravity)];
  data.deadOilViscosity = keys[Index(LabKey::DeadOilViscosity)];
  if (data.points.size() >= 2 && data.points[1].pressure < data.points[0].pressure) {
    std::reverse(data.points.begin(), data.points.end());
    std::reverse(rowLines.begin(), rowLines.end());
  }
  const auto fileColumn = [&](LabColumn column) {
    const auto at = std::find(columns.begin(), columns.end(), Index(column));
    return static_cast<std::size_t>(at - columns.begin()) + 1;
  };
  for (std::size_t i = 0; i < data.points.size(); ++i) {
    const LabPoint& point = data.points[i];
    // Above the bubble point the oil holds all its gas: Rs is the GOR (to a part in a million).
    if (point.pressure > data.bubblePoint && point.rs && std::abs(*point.rs - data.gor) > 1e-6 * data.gor) {
      return reader.Fail(rowLines[i], fileColumn(LabColumn::Rs), "rs",
                         "above the bubble point Rs must be the GOR at the bubble point (gor on line " +
                             std::to_string(keyLines[Index(LabKey::Gor)]) + ")");
    }
    // Below it a constant-composition expansion measures oil and gas together.
    if (point.pressure < data.bubblePoint && point.relativeVolume) {
      return reader.Fail(rowLines[i], fileColumn(LabColumn::RelativeVolume), "relative_volume",
                         "below the bubble point a relative volume holds the gas too, which the oil's properties "
                         "do not: give relative volumes at and above the bubble point only");
    }
  }
  result = std::move(data);
  resultUnits = units;
  return true;
}

bool ReadLabFileAt(const std::string& path, LabData& data, std::string& error, int& fileError) {
  fileError = 0;
  std::ifstream input(path, std::ios::binary);
  if (!input) {
    fileError = errno;
    return false;
  }
  // One byte more than a lab file may hold tells a file that is too large.
  std::string text(kMaxLabFileBytes + 1, '\0');
  input.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (input.bad()) {
    fileError = errno;
    return false;
  }
  text.resize(static_cast<std::size_t>(input.gcount()));
  if (text.size() > kMaxLabFileBytes) {
    error = "larger than a lab file can be (over " + std::to_string(kMaxLabFileBytes) + " bytes)";
    return false;
  }
  UnitSystem units = UnitSystem::Field;
  return ReadLabFile(text, data, units, error);
}

std::string WriteLabFile(const LabData& data, UnitSystem units) {
  const auto number = [units](double value, const LabQuantity& q) {
    return FormatShortest(LabValueIn(value, q, units));
  };
  std::string out = std::string(kMagic) + "," + std::to_string(kLabFileVersion) + "," +
                    (units == UnitSystem::Metric ? "metric" : "field") + "\r\n";
  if (!data.source.empty()) {
    out += "source,";
    std::string source = data.source;
    for (char& c : source) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    AppendCsvField(out, source);
    out += "\r\n";
  }
  const auto key = [&](const LabQuantity& q, double value) {
    out += std::string(q.name) + "," + number(value, q) + "\r\n";
  };
  const auto values = KeyValuesOf(data);
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    if (values[k]) key(kKeys[k], *values[k]);
  }
  // The columns any point has, in the usual order.
  std::vector<std::size_t> columns = {0};
  for (std::size_t c = 1; c < kColumns.size(); ++c) {
    for (LabPoint point : data.points) {
      if (Cell(point, c)->has_value()) {
        columns.push_back(c);
        break;
      }
    }
  }
  if (columns.size() == 1) columns.push_back(1);
  for (std::size_t i = 0; i < columns.size(); ++i)
    out += std::string(i ? "," : "") + std::string(kColumns[columns[i]].name);
  out += "\r\n";
  for (LabPoint point : data.points) {
    out += number(point.pressure, kColumns[0]);
    for (std::size_t i = 1; i < columns.size(); ++i) {
      out += ',';
      if (const std::optional<double>& value = *Cell(point, columns[i])) out += number(*value, kColumns[columns[i]]);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace tarnvik
