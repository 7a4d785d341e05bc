#include "io/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarnvik {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the leading numeric part of `text` (no blanks inside): sign, digits with at
// most one point, and an exponent only when a digit follows it. 0 when there is no digit.
std::size_t ScanNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Decimal order of magnitude of a scanned unsigned number whose value does not fit a
// double: positive for an overflow, zero or negative for an underflow (or a zero
// significand with a huge exponent).
long long DecimalOrder(std::string_view number) {
  std::size_t i = 0;
  long long order = 0;
  bool seenNonZero = false;
  bool afterPoint = false;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (!seenNonZero && c == '0') {
      if (afterPoint) --order;
    } else {
      seenNonZero = true;
      if (!afterPoint) ++order;
    }
  }
  if (!seenNonZero) return 0;
  if (i < number.size()) {
    ++i;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-') ++i;
    long long exponent = 0;
    for (; i < number.size(); ++i) {
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    }
    order += negative ? -exponent : exponent;
  }
  return order;
}

// Converts an already scanned number (sign allowed, no blanks).
double ConvertScanned(std::string_view number) {
  const bool negative = number[0] == '-';
  const std::string_view body = (number[0] == '+' || number[0] == '-') ? number.substr(1) : number;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = DecimalOrder(body) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

double ParseNumber(std::string_view text) {
  // Blanks are ignored anywhere; copy the rest into a small buffer, enough for any
  // number a user types. Longer texts fall back to a heap string.
  std::array<char, 128> small{};
  std::string large;
  std::size_t size = 0;
  char* out = small.data();
  if (text.size() > small.size()) {
    large.resize(text.size());
    out = large.data();
  }
  for (const char c : text) {
    if (!IsBlank(c)) out[size++] = c;
  }
  const std::string_view compact(out, size);
  const std::size_t length = ScanNumber(compact);
  return length == 0 ? 0.0 : ConvertScanned(compact.substr(0, length));
}

bool ParseNumberField(std::string_view field, std::optional<double>& value) {
  while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
  if (field.empty()) {
    value.reset();
    return true;
  }
  const std::size_t length = ScanNumber(field);
  if (length == 0 || length != field.size()) return false;
  value = ConvertScanned(field);
  return true;
}

std::string FormatDecimals(double value, int decimals) {
  // Largest double: 309 integer digits, a sign, the point and the decimals.
  std::array<char, 400> buffer{};
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return {};
  std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  const auto point = text.find('.');
  std::string_view integerPart = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  while (!integerPart.empty() && integerPart.front() == '0') integerPart.remove_prefix(1);

  std::string shown;
  shown.reserve(integerPart.size() + fraction.size() + 2);
  // A value that rounds to zero shows no minus sign.
  if (negative && !(integerPart.empty() && fraction.empty())) shown += '-';
  shown += integerPart;
  shown += '.';
  shown += fraction;
  return shown;
}

std::string FormatShortest(double value) {
  if (std::isnan(value)) return {};
  if (std::isinf(value)) return value > 0 ? "1e999" : "-1e999";
  std::array<char, 400> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (ec != std::errc()) return {};
  return std::string(buffer.data(), end);
}

std::string FormatRoundTrip(double value) {
  if (!std::isfinite(value)) return {};
  std::array<char, 32> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return {};
  return std::string(buffer.data(), end);
}

}  // namespace tarnvik
