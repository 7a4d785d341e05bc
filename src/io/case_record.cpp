#include "io/case_record.h"

#include "io/csv_line.h"
#include "io/number_text.h"

namespace tarnvik {

namespace {

constexpr std::array<std::string_view, kCaseFieldCount> kFieldNames = {
    "case title",
    "GOR/bubble-point selector",
    "water selector",
    "oil correlation",
    "gas characterisation",
    "rock correlation",
    "API gravity",
    "gas gravity",
    "temperature",
    "pressure",
    "GOR or bubble-point pressure",
    "porosity",
    "Swc",
    "salinity or water specific gravity",
    "WOR",
};

// A record is one line, so a line break inside a text is written as a blank.
void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += (c == '\r' || c == '\n') ? ' ' : c;
  }
  out += '"';
}

std::string Shortened(std::string_view text) {
  constexpr std::size_t kMax = 40;
  return text.size() <= kMax ? std::string(text) : std::string(text.substr(0, kMax)) + "...";
}

std::string FieldPrefix(std::size_t index) {
  return "field " + std::to_string(index + 1) + " (" + std::string(kFieldNames[index]) + "): ";
}

}  // namespace

std::string_view CaseFieldName(std::size_t oneBasedIndex) {
  return oneBasedIndex >= 1 && oneBasedIndex <= kCaseFieldCount ? kFieldNames[oneBasedIndex - 1] : "";
}

std::string WriteCaseRecord(const CaseRecord& record) {
  std::string out;
  for (const std::string* text : {&record.title, &record.gorSelector, &record.waterSelector, &record.oilCaption,
                                  &record.gasCaption, &record.rockCaption}) {
    AppendQuoted(out, *text);
    out += ',';
  }
  for (std::size_t i = 0; i < record.numbers.size(); ++i) {
    if (record.numbers[i]) out += FormatShortest(*record.numbers[i]);
    out += i + 1 < record.numbers.size() ? "," : "\r\n";
  }
  return out;
}

bool ParseCaseRecord(std::string_view text, CaseRecord& record, std::string& error) {
  std::array<std::string*, kCaseTextFieldCount> texts = {&record.title,      &record.gorSelector, &record.waterSelector,
                                                         &record.oilCaption, &record.gasCaption,  &record.rockCaption};
  std::size_t index = 0;
  std::size_t pos = 0;
  std::string field;
  while (true) {
    if (index == kCaseFieldCount) {
      error = "more than " + std::to_string(kCaseFieldCount) + " fields";
      return false;
    }
    std::string why;
    if (!NextCsvField(text, pos, field, why)) {
      error = FieldPrefix(index) + why;
      return false;
    }
    if (index < kCaseTextFieldCount) {
      texts[index]->assign(field);
    } else if (!ParseNumberField(field, record.numbers[index - kCaseTextFieldCount])) {
      error = FieldPrefix(index) + "\"" + Shortened(field) + "\" is not a number";
      return false;
    }
    ++index;
    if (pos >= text.size()) break;
    ++pos;  // the comma
  }
  if (index < kCaseFieldCount) {
    error = "only " + std::to_string(index) + " of " + std::to_string(kCaseFieldCount) + " fields";
    return false;
  }
  return true;
}

bool IsAttachedLine(std::string_view line) {
  if (!line.starts_with('@')) return false;
  CaseRecord unused;
  std::string error;
  return !ParseCaseRecord(line, unused, error);  // a record whose title starts with @ stays a record
}

// The next line that is not blank, into line_; false at the end of the stream.
bool CaseRecordReader::ReadLine() {
  if (pending_) {
    pending_ = false;
    return true;
  }
  while (std::getline(input_, line_)) {
    ++lineNumber_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (lineNumber_ == 1 && line_.starts_with("\xEF\xBB\xBF")) line_.erase(0, 3);  // UTF-8 byte-order mark
    if (line_.find_first_not_of(" \t") != std::string::npos) return true;
  }
  return false;
}

bool CaseRecordReader::Next(CaseRecord& record, Entry& entry) {
  if (!ReadLine()) return false;
  entry = Entry{};
  entry.line = lineNumber_;
  if (IsAttachedLine(line_)) {
    entry.error = "a line starting with @ belongs to the case record before it, and there is none";
    while (ReadLine()) {
      if (!IsAttachedLine(line_)) {
        pending_ = true;
        break;
      }
    }
    return true;
  }
  entry.ok = ParseCaseRecord(line_, record, entry.error);
  while (ReadLine()) {
    if (!IsAttachedLine(line_)) {
      pending_ = true;
      break;
    }
    entry.attached.push_back({lineNumber_, line_.substr(1)});
  }
  return true;
}

}  // namespace tarnvik
