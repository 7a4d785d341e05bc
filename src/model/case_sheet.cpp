#include "model/case_sheet.h"

#include <array>

#include "present/impurity_texts.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

struct InputName {
  const char* caption;
  const char* unit;
};

// The nine inputs in box order; the fifth and eighth as the selectors make them.
std::array<InputName, kInputCount> InputNames(GorSelectorMode gorMode, WaterSelectorMode waterMode) {
  return {{{"API gravity", "°API"},
           {"Gas gravity", "air = 1"},
           {"Temperature", "°F"},
           {"Pressure", "psia"},
           gorMode == GorSelectorMode::Gor ? InputName{"GOR at the bubble point", "MCF/STB"}
                                           : InputName{"Bubble-point pressure", "psia"},
           {"Porosity", "%"},
           {"Connate-water saturation", "%"},
           waterMode == WaterSelectorMode::Salinity ? InputName{"Salinity", "% NaCl"}
                                                    : InputName{"Water specific gravity", "fresh water = 1"},
           {"Water-oil ratio", "STB/STB"}}};
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A text for one spreadsheet cell: tabs and line breaks become blanks.
std::string Cell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

CaseSheet SheetOf(const CaseModel& model) {
  CaseSheet sheet;
  sheet.title = model.title();
  const CalculationCase c = model.currentCase();
  const auto names = InputNames(c.gorMode, c.waterMode);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    sheet.inputs.push_back({names[i].caption, Trimmed(model.box(i)), names[i].unit});
  }
  // The gas impurities, where the gas has any: a sweet case's sheet is as it always was.
  if (c.inputs.impurities.any()) {
    const char* gases[] = {"CO2 in the gas", "H2S in the gas", "N2 in the gas"};
    for (std::size_t i = 0; i < CaseModel::kImpurityCount; ++i) {
      sheet.inputs.push_back({gases[i], Trimmed(model.impurityBox(i)), "mol %"});
    }
  }
  const SelectionCaptions& captions = model.captions();
  sheet.correlations = {
      {"Oil family", captions.oil, ""}, {"Gas", captions.gas, ""}, {"Rock compressibility", captions.rock, ""}};
  if (UsesFormationType(c.selection.rockCorrelation)) {
    sheet.correlations.push_back({"Formation type", std::string(FormationTypeItem(c.selection.formationType)), ""});
  }
  if (const std::string gas = ImpuritiesDescription(c.inputs.impurities); !gas.empty()) {
    sheet.correlations.push_back({"Gas impurities", gas, ""});
  }
  if (const auto& shown = model.shown()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
      const OutputFieldInfo& info = FieldInfo(static_cast<OutputField>(i), model.shownMode());
      sheet.results.push_back({std::string(info.caption), shown->texts[i], std::string(info.unit)});
    }
  }
  sheet.status = model.status();
  sheet.stale = model.resultsStale();
  return sheet;
}

std::string TabSeparated(const CaseSheet& sheet) {
  std::string text = "Title\t" + Cell(sheet.title) + "\n";
  const auto part = [&](const char* heading, const std::vector<SheetRow>& rows) {
    if (rows.empty()) return;
    text += std::string("\n") + heading + "\tValue\tUnit\n";
    for (const SheetRow& row : rows) text += Cell(row.caption) + '\t' + Cell(row.value) + '\t' + Cell(row.unit) + '\n';
  };
  part("Input", sheet.inputs);
  part("Correlation", sheet.correlations);
  part(sheet.stale ? "Result (of earlier inputs)" : "Result", sheet.results);
  if (!sheet.status.empty()) text += "\nNote\t" + Cell(sheet.status) + "\n";
  return text;
}

}  // namespace tarnvik
