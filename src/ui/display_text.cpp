#include "display_text.h"

namespace tarnvik {
namespace {

QString UnitWithSuperscripts(std::string_view unit) {
  QString text = FromView(unit);
  text.replace(QLatin1String("ft3"), QStringLiteral("ft³"));
  return text;
}

}  // namespace

QString UnitText(std::string_view unit) {
  if (unit.empty()) return QStringLiteral("–");
  return UnitWithSuperscripts(unit);
}

QString ColumnHeader(const OutputFieldInfo& info) {
  if (info.unit.empty()) return FromView(info.caption);
  return QStringLiteral("%1 [%2]").arg(FromView(info.caption), UnitWithSuperscripts(info.unit));
}

QString AxisTitle(const QString& quantity, std::string_view unit) {
  if (unit.empty()) return quantity;
  return QStringLiteral("%1 (%2)").arg(quantity, UnitWithSuperscripts(unit));
}

}  // namespace tarnvik
