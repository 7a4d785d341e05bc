// The pressure range as typed in the tables window: lowest and highest pressure [psia]
// and the number of points, each box empty for its default.
#pragma once
#include <QString>

#include "calc/pressure_table.h"

namespace tarnvik {

// Reads the three boxes. A pressure must be one plain number; the number of points a
// whole number. False with the reason in words otherwise; whether the values make a
// table is checked when it is built.
bool ReadPressureRange(const QString& lowest, const QString& highest, const QString& points, PressureRange& range,
                       QString& error);

}  // namespace tarnvik
