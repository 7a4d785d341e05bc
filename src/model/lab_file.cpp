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

// The names a message lists, comma separated: the columns after pressure, or the keys.
template <std::size_t N>
std::string Names(const std::array<LabQuantity, N>& quantities, std::size_t from) {
  std::string names;
  for (std::size_t i = from; i < N; ++i) names.append(i > from ? ", " : "").append(quantities[i].name);
  return names;
}

std::optional<LabKey> KeyNamed(std::string_view name) {
  std::optional<LabKey> found;
  for (std::size_t k = 0; k < kLabKeys.size(); ++k) {
    if (name == kLabKeys[k].name) found = static_cast<LabKey>(k);
  }
  return found;
}

std::optional<LabColumn> ColumnNamed(std::string_view name) {
  std::optional<LabColumn> found;
  for (std::size_t c = 0; c < kLabColumns.size(); ++c) {
    if (name == kLabColumns[c].name) found = static_cast<LabColumn>(c);
  }
  return found;
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

// A text without the blanks (spaces and tabs) about it.
std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The header's values as read, by key, with the line each was given on (0: not given).
struct KeyValues {
  std::array<std::optional<double>, kLabKeys.size()> values;
  std::array<std::size_t, kLabKeys.size()> lines{};

  std::optional<double>& operator[](LabKey key) { return values[static_cast<std::size_t>(key)]; }
  std::size_t& LineOf(LabKey key) { return lines[static_cast<std::size_t>(key)]; }
};

// Reads a lab file line by line: the first line, then the header's key lines and the column
// header row, then one row of measurements per line; then checks the whole.
class Reader {
 public:
  Reader(std::string& error, const std::vector<std::size_t>* lineNumbers) : error_(error), lineNumbers_(lineNumbers) {}

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

  // One line that is neither blank nor a comment, split into its fields without blanks.
  bool Read(std::size_t line, const std::vector<std::string>& fields) {
    line_ = line;
    if (!sawMagic_) return ReadFirstLine(fields);
    if (!columns_.empty()) return ReadPoint(fields);
    if (fields[0] == "source") return ReadSource(fields);
    if (fields[0] == LabQuantityOf(LabColumn::Pressure).name) return ReadColumnHeader(fields);
    return ReadKey(fields);
  }

  // After the last line, `lastLine`: what the file lacks, and the rules that hold between
  // its values.
  bool Finish(std::size_t lastLine, LabData& result, UnitSystem& resultUnits) {
    line_ = lastLine;
    if (!sawMagic_) return Fail(1, 0, "", "the text is empty: a lab file starts with \"tarnvik-lab,1,field\"");
    if (!CheckKeys()) return false;
    TakeKeys();
    if (data_.points.size() >= 2 && data_.points[1].pressure < data_.points[0].pressure) {
      std::reverse(data_.points.begin(), data_.points.end());
      std::reverse(rowLines_.begin(), rowLines_.end());
    }
    if (!CheckPoints()) return false;
    result = std::move(data_);
    resultUnits = units_;
    return true;
  }

 private:
  bool ReadFirstLine(const std::vector<std::string>& fields) {
    if (fields[0] != kMagic) {
      return Fail(line_, 1, "", "a lab file starts with \"tarnvik-lab,1,field\" or \"tarnvik-lab,1,metric\"");
    }
    if (fields.size() != 3) return Fail(line_, 0, "", "the first line holds three fields: tarnvik-lab,1,field");
    if (fields[1] != std::to_string(kLabFileVersion)) {
      return Fail(line_, 2, "version", "version " + Quoted(fields[1]) + " is not known; this program reads version 1");
    }
    if (fields[2] != "field" && fields[2] != "metric") {
      return Fail(line_, 3, "units", Quoted(fields[2]) + " is neither field nor metric");
    }
    units_ = fields[2] == "metric" ? UnitSystem::Metric : UnitSystem::Field;
    sawMagic_ = true;
    return true;
  }

  bool ReadSource(const std::vector<std::string>& fields) {
    if (fields.size() != 2) return Fail(line_, 0, "source", "a key line holds a key and one value");
    // A carriage return inside the text (a line ends at a line feed) is a blank, as the
    // file writes it; and like every field, it is read without blanks about it.
    std::string source = fields[1];
    std::replace(source.begin(), source.end(), '\r', ' ');
    data_.source = Trimmed(source);
    return true;
  }

  bool ReadColumnHeader(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const std::optional<LabColumn> found = ColumnNamed(fields[i]);
      if (!found || (*found == LabColumn::Pressure && i > 0)) {
        return Fail(line_, i + 1, "",
                    Quoted(fields[i]) + " is not a column of a lab file (" + Names(kLabColumns, 1) + ")");
      }
      if (std::find(columns_.begin(), columns_.end(), *found) != columns_.end()) {
        return Fail(line_, i + 1, fields[i], "the column is named twice");
      }
      columns_.push_back(*found);
    }
    if (columns_.size() < 2) return Fail(line_, 0, "", "the header row names no column beside pressure");
    return true;
  }

  bool ReadKey(const std::vector<std::string>& fields) {
    const std::optional<LabKey> key = KeyNamed(fields[0]);
    if (!key) {
      return Fail(line_, 1, "",
                  Quoted(fields[0]) + " is not a key of a lab file (source, " + Names(kLabKeys, 0) +
                      ") nor the column header row, which starts with pressure");
    }
    const std::string_view name = LabQuantityOf(*key).name;
    if (keys_.LineOf(*key) != 0) {
      return Fail(line_, 1, name, "given twice (first on line " + std::to_string(keys_.LineOf(*key)) + ")");
    }
    if (fields.size() != 2) return Fail(line_, 0, name, "a key line holds a key and one value");
    if (!Value(2, LabQuantityOf(*key), fields[1], keys_[*key])) return false;
    if (!keys_[*key]) return Fail(line_, 2, name, "no value");
    keys_.LineOf(*key) = line_;
    return true;
  }

  // A row of measurements: its pressure, the columns it fills, and its place in the order.
  bool ReadPoint(const std::vector<std::string>& fields) {
    if (fields.size() > columns_.size()) {
      return Fail(line_, columns_.size() + 1, "",
                  "more cells than the header row names (" + std::to_string(columns_.size()) + ")");
    }
    LabPoint point;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::optional<double> value;
      if (!Value(i + 1, LabQuantityOf(columns_[i]), fields[i], value)) return false;
      if (columns_[i] == LabColumn::Pressure) {
        if (!value) return Fail(line_, i + 1, "pressure", "every row needs its pressure");
        point.pressure = *value;
      } else {
        *CellOf(point, columns_[i]) = value;
      }
    }
    if (!InOrder(point.pressure)) return false;
    data_.points.push_back(point);
    rowLines_.push_back(line_);
    return true;
  }

  // The rows run by increasing or by decreasing pressure, as the first two set out.
  bool InOrder(double pressure) {
    if (data_.points.empty()) return true;
    const double before = data_.points.back().pressure;
    const bool rising = data_.points.size() < 2 || data_.points[1].pressure > data_.points[0].pressure;
    if (pressure == before) {
      return Fail(line_, 1, "pressure", "the pressure of line " + std::to_string(rowLines_.back()) + " again");
    }
    if (data_.points.size() >= 2 && (pressure > before) != rising) {
      return Fail(line_, 1, "pressure",
                  std::string("out of order: the rows run by ") + (rising ? "increasing" : "decreasing") + " pressure");
    }
    return true;
  }

  // A cell as a value of the correlations; empty for a blank cell.
  bool Value(std::size_t column, const LabQuantity& q, std::string_view text, std::optional<double>& value) {
    if (!ParseNumberField(text, value)) return Fail(line_, column, q.name, Quoted(text) + " is not a number");
    if (!value) return true;
    if (!std::isfinite(*value)) return Fail(line_, column, q.name, Quoted(text) + " is not a finite number");
    if (q.dimension != Dimension::Temperature) {
      if (*value < 0) return Fail(line_, column, q.name, "a negative value, " + FormatShortest(*value));
      if (*value == 0 && !q.zeroAllowed) return Fail(line_, column, q.name, "must be above 0");
    }
    *value = LabValueFrom(*value, q, units_);
    return true;
  }

  // The required keys, a separator test's two values together, and the column header row.
  bool CheckKeys() {
    for (std::size_t k = 0; k < kRequiredLabKeys; ++k) {
      const auto key = static_cast<LabKey>(k);
      if (!keys_[key]) {
        return Fail(line_, 0, "", "the required key " + std::string(LabQuantityOf(key).name) + " is missing");
      }
    }
    if (keys_[LabKey::SeparatorBo].has_value() != keys_[LabKey::SeparatorGor].has_value()) {
      const LabKey given = keys_[LabKey::SeparatorBo] ? LabKey::SeparatorBo : LabKey::SeparatorGor;
      return Fail(keys_.LineOf(given), 1, LabQuantityOf(given).name,
                  "a separator test needs both separator_bo and separator_gor");
    }
    if (columns_.empty()) return Fail(line_, 0, "", "the column header row (pressure,...) is missing");
    return true;
  }

  void TakeKeys() {
    data_.temperatureF = *keys_[LabKey::Temperature];
    data_.bubblePoint = *keys_[LabKey::BubblePoint];
    data_.gor = *keys_[LabKey::Gor];
    if (keys_[LabKey::SeparatorBo]) {
      data_.separator = SeparatorTest{*keys_[LabKey::SeparatorBo], *keys_[LabKey::SeparatorGor]};
    }
    data_.apiGravity = keys_[LabKey::Api];
    data_.gasGravity = keys_[LabKey::GasGravity];
    data_.deadOilViscosity = keys_[LabKey::DeadOilViscosity];
  }

  std::size_t FileColumn(LabColumn column) const {
    const auto at = std::find(columns_.begin(), columns_.end(), column);
    return static_cast<std::size_t>(at - columns_.begin()) + 1;
  }

  // What the points may hold either side of the bubble point.
  bool CheckPoints() {
    for (std::size_t i = 0; i < data_.points.size(); ++i) {
      const LabPoint& point = data_.points[i];
      // Above the bubble point the oil holds all its gas: Rs is the GOR (to a part in a million).
      if (point.pressure > data_.bubblePoint && point.rs && std::abs(*point.rs - data_.gor) > 1e-6 * data_.gor) {
        return Fail(rowLines_[i], FileColumn(LabColumn::Rs), "rs",
                    "above the bubble point Rs must be the GOR at the bubble point (gor on line " +
                        std::to_string(keys_.LineOf(LabKey::Gor)) + ")");
      }
      // Below it a constant-composition expansion measures oil and gas together.
      if (point.pressure < data_.bubblePoint && point.relativeVolume) {
        return Fail(rowLines_[i], FileColumn(LabColumn::RelativeVolume), "relative_volume",
                    "below the bubble point a relative volume holds the gas too, which the oil's properties "
                    "do not: give relative volumes at and above the bubble point only");
      }
    }
    return true;
  }

  std::string& error_;
  const std::vector<std::size_t>* lineNumbers_;
  UnitSystem units_ = UnitSystem::Field;
  bool sawMagic_ = false;
  std::size_t line_ = 0;  // the line being read; at the end, the last line
  LabData data_;
  KeyValues keys_;
  std::vector<LabColumn> columns_;  // by file column
  std::vector<std::size_t> rowLines_;
};

}  // namespace

bool ReadLabFile(std::string_view text, LabData& result, UnitSystem& resultUnits, std::string& error,
                 const std::vector<std::size_t>* lineNumbers) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // UTF-8 byte-order mark
  Reader reader(error, lineNumbers);
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
    for (std::string& field : fields) field = Trimmed(field);
    if (!reader.Read(lineNumber, fields)) return false;
  }
  return reader.Finish(lineNumber, result, resultUnits);
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
  for (std::size_t k = 0; k < kLabKeys.size(); ++k) {
    if (values[k]) key(kLabKeys[k], *values[k]);
  }
  // The columns any point has, in the usual order.
  std::vector<LabColumn> columns = {LabColumn::Pressure};
  for (std::size_t c = 1; c < kLabColumns.size(); ++c) {
    const auto column = static_cast<LabColumn>(c);
    const auto has = [column](const LabPoint& point) { return CellOf(point, column)->has_value(); };
    if (std::any_of(data.points.begin(), data.points.end(), has)) columns.push_back(column);
  }
  if (columns.size() == 1) columns.push_back(LabColumn::Rs);
  for (std::size_t i = 0; i < columns.size(); ++i)
    out += std::string(i ? "," : "") + std::string(LabQuantityOf(columns[i]).name);
  out += "\r\n";
  for (const LabPoint& point : data.points) {
    out += number(point.pressure, LabQuantityOf(LabColumn::Pressure));
    for (std::size_t i = 1; i < columns.size(); ++i) {
      out += ',';
      if (const std::optional<double>& value = *CellOf(point, columns[i])) {
        out += number(*value, LabQuantityOf(columns[i]));
      }
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace tarnvik
