// Number ↔ text: the one place where the program reads numbers typed by the user
// or stored in a case file, and writes numbers for display or storage.
// The decimal separator is always the point, whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnvik {

// Reads the leading numeric part of a text typed into an input box.
// Every blank (space or tab) is removed first; then an optional sign, digits with at
// most one point, and an exponent (E or e, optional sign) only when a digit follows it
// are taken, and reading stops at the first other character. "12abc" reads 12,
// "1,5" reads 1, "1 2" reads 12, "1e" reads 1; "abc" and "" read 0.
// A number too large for a double reads as ±inf; one too small reads as ±0.
double ParseNumber(std::string_view text);

// True when ParseNumber reads all of the text but its blanks: "35", " 3.5e2 " and "1 2"
// are read whole; "35,5" (read as 35), "abc" (read as 0) and "" are not.
bool ReadsWhole(std::string_view text);

// Reads a whole field of a case file as a number: surrounding blanks are allowed,
// anything other than one plain decimal number (with optional sign and exponent) is
// refused. An empty field resets `value` (a number never filled); returns false when the
// field is not a number, leaving `value` unchanged.
bool ParseNumberField(std::string_view field, std::optional<double>& value);

// Number of decimals of a digit-place pattern: the "#" after the point ("#.###" → 3,
// "#####." → 0).
constexpr int PatternDecimals(std::string_view pattern) {
  const auto point = pattern.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// Writes a finite value through a digit-place pattern with `decimals` places after the
// point: rounded correctly to that many decimals, a minus sign only when the rounded
// value is not zero, the integer part without leading zeros (0 gives no digit) and never
// cut, always the point, and the decimals without trailing zeros.
// 0.8 → ".8" (3), 12.347 → "12.35" (2), 250.4 → "250." (0), 0 → ".", -0.00001 → "." (3).
std::string FormatDecimals(double value, int decimals);

inline std::string FormatPattern(double value, std::string_view pattern) {
  return FormatDecimals(value, PatternDecimals(pattern));
}

// A number as a digit pattern shows it, written as plain text for a reader: a leading
// zero before the point, no point without decimals. ".861" → "0.861", "2203." → "2203",
// "." → "0", "-.5" → "-0.5"; any other text (empty, words) is returned as it is.
std::string PlainDigits(std::string_view shown);

// The shortest plain decimal text (no exponent) that reads back as the same double:
// 35.5 → "35.5", 0.1 → "0.1", -2 → "-2". ±inf is written "1e999" / "-1e999", which
// reads back as ±inf; NaN gives an empty text.
std::string FormatShortest(double value);

// A value to at most `digits` significant digits as plain text, the rest rounded away but
// never the whole part, no exponent, no trailing zeros: 48.1, 0.02, 8123, 12346 (4),
// -5.3. ±inf and NaN as FormatShortest writes them. For numbers in sentences.
std::string FormatPlainDigits(double value, int digits);

// The shortest text that reads back as the same double, with an exponent where that is
// shorter (1e-05, 2203.284178810125): numbers for programs and spreadsheets. ±inf and NaN
// give an empty text.
std::string FormatRoundTrip(double value);

// `decimals` places after the point, always written, with a leading zero and a minus sign
// only where the rounded value is below 0: 0.0012 → "0.00" (2), 25 → "25.00" (2), -0.004 →
// "0.00" (2), whatever the locale. NaN gives an empty text, ±inf "inf" / "-inf".
std::string FormatFixed(double value, int decimals);

// `digits` significant digits, with an exponent only where the value needs one (as %g
// writes it, whatever the locale): 1.28391 → "1.284" (4), 2634.7 → "2635" (4), 1.5e-05 →
// "1.5e-05" (4). NaN gives an empty text, ±inf "inf" / "-inf".
std::string FormatSignificant(double value, int digits);

// A fraction as a percentage to two decimals, as the lab rankings show errors: 0.03214 →
// "3.21"; empty when the fraction is not finite.
std::string FormatPercent(double fraction);

}  // namespace tarnvik
