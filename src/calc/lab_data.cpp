#include "calc/lab_data.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tarnvik {
namespace {

std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace

bool AtSeparatorConditions(const LabData& data, LabData& adjusted, std::string& error) {
  adjusted = data;
  if (!data.separator) return true;
  const auto atBubblePoint = std::find_if(data.points.begin(), data.points.end(),
                                          [&](const LabPoint& p) { return p.pressure == data.bubblePoint; });
  if (atBubblePoint == data.points.end() || !atBubblePoint->bo) {
    error =
        "the separator test needs the differential Bo at the bubble point: give a row at the bubble-point pressure "
        "with its Bo";
    return false;
  }
  const double ratio = data.separator->bo / *atBubblePoint->bo;  // Bofb / Bodb
  for (LabPoint& point : adjusted.points) {
    if (point.bo) *point.bo *= ratio;
    if (point.rs) {
      point.rs = point.pressure > data.bubblePoint ? data.separator->gor
                                                   : data.separator->gor - (data.gor - *point.rs) * ratio;
    }
  }
  // Where the liberation releases more gas per barrel than the separators (a volatile oil,
  // say), the adjustment takes Rs below 0 at low pressure: not an oil, so refused.
  for (const LabPoint& point : adjusted.points) {
    if (point.rs && *point.rs < 0) {
      error = "the separator adjustment gives Rs " + Number(std::round(*point.rs * 10) / 10) + " SCF/STB at " +
              Number(point.pressure) +
              " psia, below 0: the standard adjustment does not fit this report (volatile oils often release more "
              "gas in the liberation than through the separators); give the differential data without the "
              "separator test";
      adjusted = data;
      return false;
    }
  }
  adjusted.gor = data.separator->gor;
  adjusted.separator.reset();
  return true;
}

}  // namespace tarnvik
