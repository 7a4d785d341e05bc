// The case file: one record of fifteen comma-separated fields per line, ended by CR LF.
// Fields 1–6 are texts in double quotation marks (a quotation mark inside is written
// doubled), fields 7–15 the nine inputs as plain decimal numbers, empty when never filled:
//   "title","gor selector","water selector","oil caption","gas caption","rock caption",
//   API,gas gravity,T °F,p psia,GOR MCF/STB or pb psia,porosity %,Swc %,salinity or SG,WOR
// A record may be followed by lines of its own, each starting with "@" (lab data and the
// tuning fitted to them, model/case_lab.h); a record without them is the fifteen fields
// alone, as case files have always been.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik {

inline constexpr std::size_t kCaseFieldCount = 15;
inline constexpr std::size_t kCaseTextFieldCount = 6;

struct CaseRecord {
  std::string title;          // case title
  std::string gorSelector;    // text of the GOR/bubble-point selector
  std::string waterSelector;  // text of the salinity/specific-gravity selector
  std::string oilCaption;     // oil correlation caption, e.g. "Standing : California Crudes"
  std::string gasCaption;     // "Wet Gas" or "Dry Gas"
  std::string rockCaption;    // rock-compressibility correlation, e.g. "Hall"
  // API, gas gravity, T, p, GOR or pb, porosity, Swc, salinity or SG, WOR; empty = never filled.
  std::array<std::optional<double>, 9> numbers;

  friend bool operator==(const CaseRecord&, const CaseRecord&) = default;
};

// Name of field 1..15 for messages ("temperature", "case title", ...).
std::string_view CaseFieldName(std::size_t oneBasedIndex);

// One record as a line, CR LF included. Numbers are written in the shortest plain decimal
// form that reads back as the same double. A line break inside a text becomes a blank.
std::string WriteCaseRecord(const CaseRecord& record);

// Parses one record (without its line end). Returns false and a message in words
// ("field 9 (temperature): "abc" is not a number") when the record is malformed.
bool ParseCaseRecord(std::string_view text, CaseRecord& record, std::string& error);

// Reads records one at a time from a stream, one per line (CR LF or LF); blank lines are
// skipped. Memory stays flat whatever the number of records.
class CaseRecordReader {
 public:
  explicit CaseRecordReader(std::istream& input) : input_(input) {}

  // A line that belongs to the record before it: one starting with "@" that is not itself
  // a record. `text` is the line without the "@".
  struct AttachedLine {
    std::size_t line = 0;
    std::string text;

    friend bool operator==(const AttachedLine&, const AttachedLine&) = default;
  };

  struct Entry {
    std::size_t line = 0;  // line on which the record starts, 1-based
    bool ok = false;       // false: malformed, see error
    std::string error;
    std::vector<AttachedLine> attached;  // the record's own lines that follow it
  };

  // Reads the next record into `record`, with the lines attached to it; false at the end
  // of the stream. Attached lines before any record are a malformed entry of their own.
  bool Next(CaseRecord& record, Entry& entry);

 private:
  bool ReadLine();

  std::istream& input_;
  std::string line_;
  std::size_t lineNumber_ = 0;
  bool pending_ = false;  // line_ was read ahead and not yet taken
};

// Whether a line is attached to the record before it rather than a record of its own.
bool IsAttachedLine(std::string_view line);

}  // namespace tarnvik
