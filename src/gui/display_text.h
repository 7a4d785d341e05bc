// Texts shared by the windows: UTF-8 views as QString, units as shown beside values,
// and column headers and axis titles built from a field's caption and unit.
#pragma once
#include <QString>
#include <string_view>

#include "present/output_fields.h"

namespace tarnvik {

inline QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A text of the presentation layer, through the translation of `context`.
QString Translated(const char* context, std::string_view text);

// Unit names with their symbols: "ft3" as "ft³", "m3" as "m³", "1e-5/bar" as "10⁻⁵/bar".
QString WithUnitSymbols(QString text);

// The display unit as the window shows it, with its symbols; a dash for no unit.
QString UnitText(std::string_view unit);

// "caption [unit]", or the caption alone when the quantity has no unit.
QString ColumnHeader(const OutputFieldInfo& info);

// "quantity (unit)", or the quantity alone when it has no unit.
QString AxisTitle(const QString& quantity, std::string_view unit);

}  // namespace tarnvik
