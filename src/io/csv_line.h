// Reading one comma-separated line (RFC 4180, the reverse of io/csv_field.h): a field in
// double quotation marks may hold commas, and a doubled quotation mark inside it is one.
// A field is quoted when its first character is a quotation mark; blanks after the
// closing mark are skipped.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik {

// Reads the field of `line` that starts at `pos` into `field` and moves `pos` to the comma
// after it, or to the end of the line. False, with the reason in words, for a quoted
// field that is not closed or is followed by text other than a comma.
bool NextCsvField(std::string_view line, std::size_t& pos, std::string& field, std::string& error);

// Splits `line` (without its line end) into fields. False, with the reason and the 1-based
// number of the field at fault in `column`, as NextCsvField.
bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t& column, std::string& error);

}  // namespace tarnvik
