// ECLIPSE-format text of the black-oil tables (FIELD or METRIC units), a minimal example
// deck that includes them, and writing both to files.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation_case.h"
#include "export/black_oil_tables.h"

namespace tarnvik {

// The keywords PVTO (or PVDO), PVDG (live oil only), PVTW, ROCK and DENSITY, with a
// comment header naming the case, the correlations, the standard conditions, and every
// value adjusted from the correlations' with its reason. Values are written with the
// tables' significant digits. `tables` hold their values in `system`'s units already
// (InUnits); the header and column units say which.
std::string EclipseTablesText(const BlackOilTables& tables, std::string_view title, std::string_view description,
                              UnitSystem system = UnitSystem::Field);

// The keywords the tables text holds, in order: PVTO PVDG PVTW ROCK DENSITY, or PVDO PVTW
// ROCK DENSITY for a dead oil.
std::vector<std::string_view> EclipseKeywords(const BlackOilTables& tables);

// A complete deck for a small 3-D box with one producer: oil, water and gas with
// dissolved gas (oil and water for a dead oil), initialised at the reservoir pressure, in
// `system`'s units (FIELD or METRIC) from `tables` in field units. It includes the tables
// from `tablesInclude`, a path relative to the deck.
std::string ExampleDeckText(const BlackOilTables& tables, std::string_view tablesInclude, std::string_view title,
                            UnitSystem system = UnitSystem::Field);

// What the example deck needs beyond the tables: a porosity above 0 and below 100 %, a
// connate-water saturation from 0 to 90 %, and Bo at the reservoir pressure. Returns an
// empty text, or the reason in words.
std::string CheckExampleDeck(const BlackOilTables& tables);

struct EclipseExport {
  std::string tablesPath;
  std::string deckPath;  // empty: no deck
  std::string title;
  bool strict = false;  // refuse instead of adjusting an unphysical table value
  UnitSystem units = UnitSystem::Field;
  // The laboratory report a tuning in force was fitted to: its measured pressures get table
  // rows of their own (IncludeLabPressures).
  std::optional<LabData> lab;
};

// One adjustment in words: "PVTO record 1 (Rs ...), row 2 at ... psia: Bo 1.03 -> 1.02 (why)".
std::string AdjustmentText(const TableAdjustment& adjustment, UnitSystem system = UnitSystem::Field);

struct ExportOutcome {
  bool tablesWritten = false;
  bool deckWritten = false;
  std::string error;  // empty when everything asked for was written

  bool ok() const { return error.empty(); }
};

// What an export of the case writes, for a face to show before anything is saved: the
// unit set, the keywords, the tables in a line, the notes and every value adjusted from
// the correlations' (AdjustmentText), all in `units`, and why the example deck cannot be
// written (empty when it can). False with the reason in words where ExportEclipse would
// refuse the tables.
struct ExportPreview {
  std::string units;  // "FIELD" or "METRIC"
  std::vector<std::string> keywords;
  std::string tables;  // "16 PVTO records, 20 PVDG rows; bubble point 2203.284 psia, Rs 0.5 MSCF/STB"
  std::vector<std::string> notes;
  std::vector<std::string> adjustments;
  std::string deckError;
};
// `lab`: the report a tuning in force was fitted to (EclipseExport::lab).
bool PreviewEclipseExport(const CalculationCase& calculationCase, UnitSystem units, ExportPreview& preview,
                          std::string& error, const std::optional<LabData>& lab = std::nullopt);

// Builds and checks the tables, then writes the tables file and, when asked, the deck.
// Nothing is written when the case cannot be described, a check fails, the two paths name
// the same file, or either file cannot be written in full; `error` then says why. Each
// file goes to a temporary file of a unique name beside it, and both are complete before
// either is renamed into place. Only when the deck's rename fails after the tables' has
// succeeded is one file written and not the other; the outcome says which. `tables` are
// left as written: in the request's units.
ExportOutcome ExportEclipse(const CalculationCase& calculationCase, const EclipseExport& request,
                            BlackOilTables& tables);

}  // namespace tarnvik
