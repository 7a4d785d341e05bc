#include "gui/display_text.h"

#include <QCoreApplication>
#include <string>

namespace tarnvik {

QString Translated(const char* context, std::string_view text) {
  return QCoreApplication::translate(context, std::string(text).c_str());
}

QString WithUnitSymbols(QString text) {
  text.replace(QLatin1String("ft3"), QStringLiteral("ft³"));
  text.replace(QLatin1String("m3"), QStringLiteral("m³"));
  text.replace(QLatin1String("1e-5/bar"), QStringLiteral("10⁻⁵/bar"));
  return text;
}

namespace {

QString UnitWithSuperscripts(std::string_view unit) { return WithUnitSymbols(FromView(unit)); }

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
