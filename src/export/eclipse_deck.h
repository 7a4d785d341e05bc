// ECLIPSE-format text of the black-oil tables (FIELD units), a minimal example deck that
// includes them, and writing both to files.
#pragma once
#include <string>
#include <string_view>

#include "calc/calculation_case.h"
#include "export/black_oil_tables.h"

namespace tarnvik {

// The keywords PVTO (or PVDO), PVDG (live oil only), PVTW, ROCK and DENSITY, with a
// comment header naming the case and the correlations.
std::string EclipseTablesText(const BlackOilTables& tables, std::string_view title, std::string_view description);

// A complete deck for a small 3-D box with one producer: FIELD units, oil, water and gas
// with dissolved gas (oil and water for a dead oil), initialised at the reservoir
// pressure. It includes the tables from `tablesInclude`, a path relative to the deck.
std::string ExampleDeckText(const BlackOilTables& tables, std::string_view tablesInclude, std::string_view title);

// What the example deck needs beyond the tables: a porosity above 0 and below 100 %, a
// connate-water saturation from 0 to 90 %, and Bo at the reservoir pressure. Returns an
// empty text, or the reason in words.
std::string CheckExampleDeck(const BlackOilTables& tables);

// One line naming the case's correlations ("Standing oil, wet gas, rock Hall").
std::string CorrelationsDescription(const CorrelationSelection& selection);

struct EclipseExport {
  std::string tablesPath;
  std::string deckPath;  // empty: no deck
  std::string title;
};

// Builds and checks the tables, then writes the tables file and, when asked, the deck.
// Nothing is written when the case cannot be described or a check fails; `error` then
// says why. Each file is written whole to a temporary file and renamed into place.
bool ExportEclipse(const CalculationCase& calculationCase, const EclipseExport& request, BlackOilTables& tables,
                   std::string& error);

}  // namespace tarnvik
