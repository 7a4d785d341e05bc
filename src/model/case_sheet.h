// A case on one sheet: its title and file, the nine inputs with their units, the
// correlations in force (with the tuning in words while it is on), the 21 results grouped
// by fluid as the window shows them and what the status line says, all in the units
// shown. The window copies it to the clipboard as a table and prints it as a report.
#pragma once

#include <string>
#include <vector>

#include "model/case_model.h"

namespace tarnvik {

struct SheetRow {
  std::string caption;
  std::string value;  // as typed, or the digits shown written plainly; empty where there is none
  std::string unit;
};

struct SheetGroup {
  std::string heading;  // "Oil", "Gas", "Water", "Rock and totals"
  std::vector<SheetRow> rows;
};

struct CaseSheet {
  std::string title;
  std::string fileName;  // the case file's name, without its folder; empty for a new case
  UnitSystem units = UnitSystem::Field;
  std::vector<SheetRow> inputs;        // the nine inputs, what the selectors make them; CO2,
                                       // H2S and N2 after them where the gas has any
  std::vector<SheetRow> correlations;  // oil (tuned or not), gas, rock, formation type where read,
                                       // the gas impurities' corrections, tuning
  std::vector<SheetGroup> results;     // the results of the values shown by fluid; none before any
  std::string status;                  // the status line's words
  bool stale = false;                  // the results belong to other inputs than these
};

CaseSheet SheetOf(const CaseModel& model);

// A short table of a case against pressure for a report: a header of short names with
// their units, then one row per pressure (the digits shown, written plainly), the bubble
// point and the reservoir pressure among them with a note.
struct SheetTable {
  std::vector<std::string> headers;  // "Pressure [psia]", "Rs [MCF/STB]", ..., "Note"
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> marked;  // a row at the bubble point or the reservoir pressure
};

// The case at `points` evenly spaced pressures (the default range of the tables) in
// `units`; empty when the range cannot make a table.
SheetTable PressureSheet(const CalculationCase& calculationCase, UnitSystem units, int points);

// Tab-separated lines (caption, value, unit), a heading line before each part and each
// fluid's results, for a spreadsheet: plain numbers with the point as decimal separator.
std::string TabSeparated(const CaseSheet& sheet);

}  // namespace tarnvik
