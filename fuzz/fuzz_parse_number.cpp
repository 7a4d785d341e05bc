// Text to number and number to text on arbitrary bytes: never crashes, never yields NaN; a
// number written back in shortest plain form reads back to the same double; the digit
// patterns give the library's exact conversion, rounded the same way.
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "io/number_text.h"

namespace {

// The library's fixed-point text with the patterns' rules: no leading zero, trailing zeros
// dropped, the point always written, no sign on a value that rounds to zero.
std::string Expected(double value, int decimals) {
  std::array<char, 400> buffer{};
  const auto end =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals).ptr;
  std::string text(buffer.data(), end);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const auto point = text.find('.');
  std::string integer = text.substr(0, point), fraction = point == std::string::npos ? "" : text.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  while (!integer.empty() && integer.front() == '0') integer.erase(0, 1);
  std::string shown = negative && !(integer.empty() && fraction.empty()) ? "-" : "";
  return shown.append(integer).append(1, '.').append(fraction);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = tarnvik::ParseNumber(text);
  if (std::isnan(value)) std::abort();
  if (tarnvik::ParseNumber(tarnvik::FormatShortest(value)) != value) std::abort();
  std::optional<double> field;
  if (tarnvik::ParseNumberField(text, field) && field && std::isnan(*field)) std::abort();
  double raw = 0;  // the bytes themselves as a double: every magnitude and sign
  if (size >= sizeof raw) std::memcpy(&raw, data, sizeof raw);
  for (const double number : {value, raw}) {
    if (!std::isfinite(number)) continue;
    for (int decimals = 0; decimals <= 6; ++decimals) {
      if (tarnvik::FormatDecimals(number, decimals) != Expected(number, decimals)) std::abort();
    }
  }
  return 0;
}
