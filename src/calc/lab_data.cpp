#include "calc/lab_data.h"

#include <algorithm>

namespace tarnvik {

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
  adjusted.gor = data.separator->gor;
  adjusted.separator.reset();
  return true;
}

}  // namespace tarnvik
