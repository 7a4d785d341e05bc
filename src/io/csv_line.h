// Reading one comma-separated line (RFC 4180, the reverse of io/csv_field.h): a field in
// double quotation marks may hold commas, and a doubled quotation mark inside it is one.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnvik {

// Splits `line` (without its line end) into fields. False, with the reason in words and
// the 1-based number of the field at fault in `column`, for a quoted field that is not
// closed or is followed by text other than a comma.
bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t& column, std::string& error);

}  // namespace tarnvik
