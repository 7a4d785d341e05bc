#include "io/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most typed numbers have at most 15 significant digits and a small decimal exponent:
// then the digits and the power of ten are both exact doubles, and one division or
// multiplication rounds correctly (Clinger's fast path). False for anything else.
bool ConvertSimple(std::string_view body, double& value) {
  std::uint64_t digits = 0;
  int significant = 0, exponent = 0;
  bool point = false;
  std::size_t i = 0;
  for (; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '.') {
      point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    if (digits != 0 || c != '0') {
      if (++significant > 15) return false;
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (point) --exponent;
  }
  if (i < body.size()) {  // the exponent, whose digits the scan has checked
    ++i;
    const bool negative = body[i] == '-';
    if (body[i] == '+' || body[i] == '-') ++i;
    if (body.size() - i > 3) return false;
    int written = 0;
    for (; i < body.size(); ++i) written = written * 10 + (body[i] - '0');
    exponent += negative ? -written : written;
  }
  if (digits == 0) {
    value = 0.0;
    return true;
  }
  if (exponent < -22 || exponent > 22) return false;
  const double significand = static_cast<double>(digits);
  value = exponent < 0 ? significand / kExactPowersOfTen[std::size_t(-exponent)]
                       : significand * kExactPowersOfTen[std::size_t(exponent)];
  return true;
}

// Converts an already scanned number (sign allowed, no blanks).
double ConvertScanned(std::string_view number) {
  const bool negative = number[0] == '-';
  const std::string_view body = (number[0] == '+' || number[0] == '-') ? number.substr(1) : number;
  double value = 0;
  if (ConvertSimple(body, value)) return negative ? -value : value;
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

bool ReadsWhole(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (!IsBlank(c)) compact += c;
  }
  return !compact.empty() && ScanNumber(compact) == compact.size();
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

namespace {

constexpr std::array<std::uint64_t, 7> kPowersOfTen = {1, 10, 100, 1000, 10000, 100000, 1000000};

// 128 bits hold a 53-bit significand times 10^6 exactly (a GCC and Clang extension).
__extension__ using Wide = unsigned __int128;

// The value rounded to `decimals` places, as a whole number of 10^-decimals, for values
// below 1e12 and up to six decimals: exact, from the value's binary significand and
// exponent, with an exact tie rounded to even as the library's conversion does. False
// outside that range.
bool ScaledRounded(double magnitude, int decimals, std::uint64_t& scaled) {
  if (!(magnitude < 1e12) || decimals < 0 || decimals >= int(kPowersOfTen.size())) return false;
  // magnitude = significand / 2^shift, from its bits; shift > 0 below 1e12.
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biased = static_cast<int>(bits >> 52);
  const std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t significand = biased == 0 ? mantissa : mantissa | (std::uint64_t{1} << 52);
  const int shift = biased == 0 ? 1074 : 1075 - biased;
  const Wide product = static_cast<Wide>(significand) * kPowersOfTen[std::size_t(decimals)];
  if (shift >= 127) {  // below 2^-54 of a unit: rounds to zero
    scaled = 0;
    return true;
  }
  Wide quotient = product >> shift;
  const Wide remainder = product - (quotient << shift);
  const Wide half = static_cast<Wide>(1) << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
  scaled = static_cast<std::uint64_t>(quotient);
  return true;
}

}  // namespace

std::string FormatDecimals(double value, int decimals) {
  std::uint64_t scaled = 0;
  if (std::isfinite(value) && ScaledRounded(std::fabs(value), decimals, scaled)) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), scaled).ptr;
    std::string_view all(digits.data(), std::size_t(end - digits.data()));
    const std::size_t places = std::size_t(decimals);
    const std::string_view integerPart = all.size() > places ? all.substr(0, all.size() - places) : std::string_view{};
    std::array<char, 8> fraction{};
    std::size_t length = places;
    for (std::size_t i = 0; i < places; ++i) {
      const std::size_t from = all.size() + i;  // right-aligned: leading zeros where `all` is short
      fraction[i] = from >= places ? all[from - places] : '0';
    }
    while (length > 0 && fraction[length - 1] == '0') --length;
    std::string shown;
    shown.reserve(integerPart.size() + length + 2);
    if (std::signbit(value) && scaled != 0) shown += '-';
    if (integerPart != "0") shown += integerPart;
    shown += '.';
    shown.append(fraction.data(), length);
    return shown;
  }
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

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return {};
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::array<char, 400> buffer{};
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return {};
  std::string text(buffer.data(), end);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string FormatPlainDigits(double value, int digits) {
  if (!std::isfinite(value)) return FormatShortest(value);
  int decimals = 0;
  if (value != 0) decimals = digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return PlainDigits(FormatDecimals(value, std::clamp(decimals, 0, 15)));
}

std::string FormatSignificant(double value, int digits) {
  if (std::isnan(value)) return {};
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  std::array<char, 64> buffer{};
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, digits);
  if (ec != std::errc()) return {};
  return std::string(buffer.data(), end);
}

std::string FormatPercent(double fraction) {
  return std::isfinite(fraction) ? FormatFixed(100 * fraction, 2) : std::string();
}

std::string PlainDigits(std::string_view shown) {
  const bool negative = !shown.empty() && shown.front() == '-';
  const std::string_view digits = shown.substr(negative ? 1 : 0);
  const auto point = digits.find('.');
  if (digits.empty() || digits.find_first_not_of("0123456789.") != std::string_view::npos ||
      point == std::string_view::npos || digits.find('.', point + 1) != std::string_view::npos) {
    return std::string(shown);
  }
  std::string whole(digits.substr(0, point));
  const std::string_view decimals = digits.substr(point + 1);
  if (whole.empty()) whole = "0";
  std::string text = decimals.empty() ? whole : whole + '.' + std::string(decimals);
  if (negative && text.find_first_not_of("0.") != std::string::npos) text.insert(0, 1, '-');
  return text;
}

}  // namespace tarnvik
