// The digit-place patterns' rules applied to the standard library's exact fixed-point
// conversion: the independent oracle for number formatting in the tests and the fuzzer.
#pragma once
#include <array>
#include <charconv>
#include <string>

namespace tarnvik::testing {

// No leading zero, trailing zeros dropped, the point always written, no sign on a value
// that rounds to zero.
inline std::string LibraryFixedText(double value, int decimals) {
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

}  // namespace tarnvik::testing
