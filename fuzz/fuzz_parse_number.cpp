// Text to number on arbitrary bytes: never crashes, never yields NaN, and a number written
// back in shortest plain form reads back to the same double.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "io/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = tarnvik::ParseNumber(text);
  if (std::isnan(value)) std::abort();
  if (tarnvik::ParseNumber(tarnvik::FormatShortest(value)) != value) std::abort();
  std::optional<double> field;
  if (tarnvik::ParseNumberField(text, field) && field && std::isnan(*field)) std::abort();
  for (const int decimals : {0, 1, 2, 3}) {
    if (std::isfinite(value) && tarnvik::FormatDecimals(value, decimals).find('.') == std::string_view::npos) {
      std::abort();
    }
  }
  return 0;
}
