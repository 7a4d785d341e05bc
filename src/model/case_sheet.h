// A case on one sheet: its title, the nine inputs with their units, the correlations in
// force, the 21 results as the window shows them and what the status line says. The
// window copies it to the clipboard as a table and prints it as a report.
#pragma once

#include <string>
#include <vector>

#include "model/case_model.h"

namespace tarnvik {

struct SheetRow {
  std::string caption;
  std::string value;  // as typed or as shown; empty where there is none
  std::string unit;
};

struct CaseSheet {
  std::string title;
  std::vector<SheetRow> inputs;        // the nine inputs, what the selectors make them; CO2,
                                       // H2S and N2 after them where the gas has any
  std::vector<SheetRow> correlations;  // oil, gas, rock and, where read, formation type and
                                       // the gas impurities' corrections
  std::vector<SheetRow> results;       // the 21 results of the values shown; none before any
  std::string status;                  // the status line's words
  bool stale = false;                  // the results belong to other inputs than these
};

CaseSheet SheetOf(const CaseModel& model);

// Tab-separated lines (caption, value, unit), a heading line before each part, for a
// spreadsheet: numbers as shown, with the point as decimal separator.
std::string TabSeparated(const CaseSheet& sheet);

}  // namespace tarnvik
