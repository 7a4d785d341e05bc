#include "present/table_messages.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "io/number_text.h"
#include "present/input_texts.h"
#include "present/run_messages.h"

namespace tarnvik {
std::string FailedRowsText(const PressureTable& table, UnitSystem system) {
  struct Failure {
    std::string_view message;
    double lowest, highest;
    std::size_t rows;
  };
  std::vector<Failure> failures;
  std::size_t failed = 0;
  for (const PressureRow& row : table.rows) {
    if (!row.outcome.failed()) continue;
    ++failed;
    const std::string_view message = ZFactorMessage(row.outcome.zFactorStatus);
    auto same = failures.begin();
    while (same != failures.end() && same->message != message) ++same;
    if (same == failures.end()) {
      failures.push_back({message, row.pressure, row.pressure, 1});
    } else {
      same->highest = row.pressure;
      ++same->rows;
    }
  }
  if (failed == 0) return {};
  if (failed == table.rows.size() && failures.size() == 1) {
    return "No row could be computed: " + std::string(failures.front().message);
  }
  std::string text =
      std::to_string(failed) + " of " + std::to_string(table.rows.size()) + " rows could not be computed: ";
  const auto pressure = [system](double psia) { return PressureNumberText(psia, system, 1); };
  const std::string unit(UnitIn(InputTextOf(InputField::Pressure), system));
  for (std::size_t i = 0; i < failures.size(); ++i) {
    const Failure& f = failures[i];
    if (i > 0) text += "; ";
    text += std::string(f.message) +
            (f.rows == 1 ? " at " + pressure(f.lowest) : " from " + pressure(f.lowest) + " to " + pressure(f.highest)) +
            " " + unit;
  }
  return text;
}

int PressureDecimals(const PressureTable& table, UnitSystem system) {
  const double gaps = table.rows.size() > 1 ? double(table.rows.size() - 1) : 1.0;
  const double step = FromField(table.maximum - table.minimum, Dimension::PressureDifference, system) / gaps;
  if (!(step > 0) || !std::isfinite(step)) return 1;
  return std::clamp(int(std::ceil(-std::log10(step))) + 1, 1, 6);
}

}  // namespace tarnvik
