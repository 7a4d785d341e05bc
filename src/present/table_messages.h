// What a table against pressure could not compute, in words for the line above the table.
#pragma once

#include <string>

#include "base/unit_system.h"
#include "calc/pressure_table.h"

namespace tarnvik {

// Empty when every row was computed; "No row could be computed: pTr<1: z-factor Routine
// FAILS" when none was; otherwise how many rows failed and, for each failure message,
// the pressures it happened at ("2 of 52 rows could not be computed: pPr>20.5: z-factor
// Routine FAILS from 13600 to 14000 psia"), the pressures in `system`'s unit.
std::string FailedRowsText(const PressureTable& table, UnitSystem system);

// The decimals of a table's pressures in `system`: enough to tell evenly spaced neighbours
// apart, one for a step of a psi (or bar) or more.
int PressureDecimals(const PressureTable& table, UnitSystem system);

}  // namespace tarnvik
