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
#include "library_fixed_text.h"

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
      if (tarnvik::FormatDecimals(number, decimals) != tarnvik::testing::LibraryFixedText(number, decimals))
        std::abort();
    }
  }
  return 0;
}
