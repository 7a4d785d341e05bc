#include "model/case_sheet.h"

#include <array>

#include "calc/pressure_table.h"
#include "io/number_text.h"
#include "present/formatted_outputs.h"
#include "present/impurity_texts.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"
#include "present/unit_texts.h"

namespace tarnvik {
namespace {

struct InputName {
  const char* caption;
  const char* unit;  // in Field; CaptionInUnits gives the metric words
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

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

CaseSheet SheetOf(const CaseModel& model) {
  CaseSheet sheet;
  sheet.title = model.title();
  sheet.fileName = FileNameOf(model.filePath());
  sheet.units = model.units();
  const CalculationCase c = model.currentCase();
  const auto names = InputNames(c.gorMode, c.waterMode);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    sheet.inputs.push_back({names[i].caption, Trimmed(model.box(i)), CaptionInUnits(names[i].unit, sheet.units)});
  }
  // The gas impurities, where the gas has any: a sweet case's sheet is as it always was.
  if (c.inputs.impurities.any()) {
    const char* gases[] = {"CO2 in the gas", "H2S in the gas", "N2 in the gas"};
    for (std::size_t i = 0; i < CaseModel::kImpurityCount; ++i) {
      sheet.inputs.push_back({gases[i], Trimmed(model.impurityBox(i)), "mol %"});
    }
  }
  const SelectionCaptions& captions = model.captions();
  const OilTuning* tuning = TuningInForce(c.selection);
  sheet.correlations = {{"Oil family", tuning ? captions.oil + " (tuned to lab data)" : captions.oil, ""},
                        {"Gas", captions.gas, ""},
                        {"Rock compressibility", captions.rock, ""}};
  if (UsesFormationType(c.selection.rockCorrelation)) {
    sheet.correlations.push_back({"Formation type", std::string(FormationTypeItem(c.selection.formationType)), ""});
  }
  if (const std::string gas = ImpuritiesDescription(c.inputs.impurities); !gas.empty()) {
    sheet.correlations.push_back({"Gas impurities", gas, ""});
  }
  if (tuning) sheet.correlations.push_back({"Tuning", TuningDescription(*tuning), ""});
  if (const auto& shown = model.shown()) {
    for (const ResultGroup& group : kResultGroups) {
      SheetGroup& rows = sheet.results.emplace_back(SheetGroup{std::string(group.heading), {}});
      for (const OutputField field : group.fields) {
        const OutputFieldInfo info = FieldInfo(field, model.shownMode(), sheet.units);
        rows.rows.push_back(
            {std::string(info.caption), PlainDigits(shown->texts[IndexOf(field)]), std::string(info.unit)});
      }
    }
  }
  sheet.status = model.status();
  sheet.stale = model.resultsStale();
  return sheet;
}

SheetTable PressureSheet(const CalculationCase& c, UnitSystem units, int points) {
  struct Column {
    OutputField field;
    const char* name;
  };
  static constexpr Column kColumns[] = {
      {OutputField::Rs, "Rs"}, {OutputField::Bo, "Bo"},           {OutputField::OilViscosity, "μo"},
      {OutputField::Co, "co"}, {OutputField::OilDensity, "ρo"},   {OutputField::Z, "z"},
      {OutputField::Bg, "Bg"}, {OutputField::GasViscosity, "μg"},
  };
  SheetTable table;
  std::string error;
  const PressureTable built = BuildPressureTable(c, PressureRange{.points = points}, error);
  if (!error.empty() || built.rows.empty()) return table;
  const auto withUnit = [](std::string name, std::string_view unit) {
    return unit.empty() ? name : name + " [" + std::string(unit) + "]";
  };
  table.headers.push_back(withUnit("Pressure", FieldInfo(OutputField::PbOrRsb, GorSelectorMode::Gor, units).unit));
  for (const Column& column : kColumns) {
    table.headers.push_back(withUnit(column.name, FieldInfo(column.field, c.gorMode, units).unit));
  }
  table.headers.push_back("Note");
  for (const PressureRow& row : built.rows) {
    std::vector<std::string>& cells = table.rows.emplace_back();
    cells.push_back(PlainDigits(FormatDecimals(FromField(row.pressure, Dimension::Pressure, units), 1)));
    if (row.outcome.failed()) {
      cells.resize(1 + std::size(kColumns));
    } else {
      const DisplayedOutputs shown = FormatOutputs(row.outcome, c.gorMode, units);
      for (const Column& column : kColumns) cells.push_back(PlainDigits(shown.texts[IndexOf(column.field)]));
    }
    cells.push_back(row.outcome.failed() ? std::string(ZFactorMessage(row.outcome.zFactorStatus))
                                         : PressureRowNote(row.atBubblePoint, row.atReservoirPressure));
    table.marked.push_back(row.atBubblePoint || row.atReservoirPressure);
  }
  return table;
}

std::string TabSeparated(const CaseSheet& sheet) {
  std::string text = "Title\t" + Cell(sheet.title) + "\n";
  const auto part = [&](const std::string& heading, const std::vector<SheetRow>& rows) {
    if (rows.empty()) return;
    text += "\n" + heading + "\tValue\tUnit\n";
    for (const SheetRow& row : rows) text += Cell(row.caption) + '\t' + Cell(row.value) + '\t' + Cell(row.unit) + '\n';
  };
  part("Input", sheet.inputs);
  part("Correlation", sheet.correlations);
  for (const SheetGroup& group : sheet.results) {
    part("Result: " + group.heading + (sheet.stale ? " (of earlier inputs)" : ""), group.rows);
  }
  if (!sheet.status.empty()) text += "\nNote\t" + Cell(sheet.status) + "\n";
  return text;
}

}  // namespace tarnvik
