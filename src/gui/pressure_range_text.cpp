#include "gui/pressure_range_text.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

#include "io/number_text.h"

namespace tarnvik {
namespace {

bool ReadBound(const QString& text, const char* what, std::optional<double>& bound, QString& error) {
  bound.reset();
  if (text.trimmed().isEmpty()) return true;
  if (!ParseNumberField(text.toStdString(), bound)) {
    error = QCoreApplication::translate("PressureRange", "the %1 \"%2\" is not a number")
                .arg(QCoreApplication::translate("PressureRange", what), text.trimmed());
    return false;
  }
  return true;
}

}  // namespace

bool ReadPressureRange(const QString& lowest, const QString& highest, const QString& points, PressureRange& range,
                       QString& error) {
  PressureRange read;
  if (!ReadBound(lowest, "lowest pressure", read.minimum, error)) return false;
  if (!ReadBound(highest, "highest pressure", read.maximum, error)) return false;
  if (!points.trimmed().isEmpty()) {
    std::optional<double> count;
    if (!ParseNumberField(points.toStdString(), count) || !count || *count != std::floor(*count) ||
        std::abs(*count) > 1e9) {
      error = QCoreApplication::translate("PressureRange", "the number of points must be a whole number, not \"%1\"")
                  .arg(points.trimmed());
      return false;
    }
    read.points = int(*count);
  }
  range = read;
  return true;
}

}  // namespace tarnvik
