#include "export/eclipse_deck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/units.h"
#include "io/atomic_file.h"
#include "present/impurity_texts.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

// Numbers of the deck and the header: eight significant digits, an exponent where shorter.
std::string Number(double value) { return TableNumber(value, 8); }

// The keyword and unit names of the deck's unit set.

// A text for a comment or the TITLE line: one line of printable ASCII.
std::string OneLine(std::string_view text, std::size_t limit) {
  std::string line;
  for (const char c : text) {
    if (line.size() == limit) break;
    line += (c >= ' ' && c <= '~') ? c : ' ';
  }
  return line;
}

// Rows of table values, each number right-aligned in a column wide enough for the digits
// the tables are written with.
class Columns {
 public:
  explicit Columns(int digits) : digits_(digits), width_(std::size_t(digits) + 5) {}

  void Row(std::string& out, std::initializer_list<double> values, const char* end = "") const {
    out += ' ';
    for (double value : values) {
      std::string number = TableNumber(value, digits_);
      out.append(number.size() < width_ ? width_ - number.size() : 1, ' ').append(number);
    }
    out += end;
    out += '\n';
  }
  // Leaves the first column empty (the Rs of a PVTO record's branch rows).
  void Indent(std::string& out) const { out.append(width_, ' '); }

  // A comment line of column names, each right-aligned over its column of Row.
  void Header(std::string& out, std::initializer_list<const char*> names) const {
    std::string line = "--";
    for (const char* name : names) {
      const std::size_t edge = line.size() <= 2 ? width_ + 1 : line.size() + width_;
      line.append(edge - line.size() - std::string_view(name).size(), ' ').append(name);
    }
    out += line + '\n';
  }

 private:
  int digits_;
  std::size_t width_;
};

void LiveOil(std::string& out, const Columns& columns, const DeckUnits& u, const std::vector<LiveOilRecord>& records) {
  out += "PVTO\n";
  columns.Header(out, {"Rs", "Pbub", "Bo", "Vo"});
  columns.Header(out, {u.gasRatio, u.pressure, u.liquidFactor, "cp"});
  for (const LiveOilRecord& record : records) {
    for (std::size_t i = 0; i < record.points.size(); ++i) {
      const OilPoint& point = record.points[i];
      const char* end = i + 1 == record.points.size() ? " /" : "";
      if (i == 0) {
        columns.Row(out, {record.rs, point.pressure, point.bo, point.viscosity}, end);
      } else {
        columns.Indent(out);
        columns.Row(out, {point.pressure, point.bo, point.viscosity}, end);
      }
    }
  }
  out += "/\n\n";
}

// A table of pressure, volume factor and viscosity (PVDO, PVDG).
template <class Point>
void PressureTable(std::string& out, const Columns& columns, const char* pressureUnit, const char* keyword,
                   const char* factor, const char* factorUnit, const char* viscosity, const std::vector<Point>& rows,
                   double Point::*volumeFactor) {
  out += keyword;
  out += '\n';
  columns.Header(out, {"P", factor, viscosity});
  columns.Header(out, {pressureUnit, factorUnit, "cp"});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    columns.Row(out, {rows[i].pressure, rows[i].*volumeFactor, rows[i].viscosity}, i + 1 == rows.size() ? " /" : "");
  }
  out += "\n";
}

// Whether two paths name the same file, existing or not.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code failure;
  if (std::filesystem::equivalent(a, b, failure)) return true;
  const auto canonicalA = std::filesystem::weakly_canonical(std::filesystem::absolute(a, failure), failure);
  const auto canonicalB = std::filesystem::weakly_canonical(std::filesystem::absolute(b, failure), failure);
  return canonicalA == canonicalB;
}

// Bo [RB/STB] of the oil in place at p [psia] at or above its bubble point, as a simulator
// reads it: linear between the rows of its PVTO record or of PVDO.
double InitialOilFactorAt(const BlackOilTables& t, double p) {
  std::vector<OilPoint> rows = t.deadOilTable;
  for (const LiveOilRecord& record : t.liveOil) {
    if (record.rs == t.initialRs) rows = record.points;
  }
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (p <= rows[i].pressure || i + 1 == rows.size()) {
      const OilPoint &a = rows[i - 1], &b = rows[i];
      return a.bo + (b.bo - a.bo) * (p - a.pressure) / (b.pressure - a.pressure);
    }
  }
  return t.initialBo;
}

}  // namespace

std::string EclipseTablesText(const BlackOilTables& t, std::string_view title, std::string_view description,
                              UnitSystem system) {
  const DeckUnits& u = DeckUnitsOf(system);
  const Columns columns(t.significantDigits);
  std::string out;
  out += std::string("-- Black-oil tables written by Tarnvik, ") + u.keyword + " units\n";
  out += "-- Case: " + OneLine(title, 100) + "\n";
  out += "-- Correlations: " + OneLine(description, 100) + "\n";
  out += "-- Reservoir pressure " + Number(t.reservoirPressure) + " " + u.pressure;
  if (!t.deadOil) {
    out +=
        ", bubble point " + Number(t.bubblePoint) + " " + u.pressure + ", Rs " + Number(t.initialRs) + " " + u.gasRatio;
  }
  out += "\n";
  out += "-- Standard conditions: 60 F and 14.696 psia (15.56 C and 1.01325 bara), those of the correlations\n";
  for (const std::string& note : t.notes) out += "-- Note: " + OneLine(note, 200) + "\n";
  if (!t.adjustments.empty()) {
    out += "-- Adjusted from the correlations' values, so that the tables describe a physical fluid:\n";
    for (const TableAdjustment& adjustment : t.adjustments) {
      out += "--   " + OneLine(AdjustmentText(adjustment, system), 300) + "\n";
    }
  }
  out += "\n";
  if (t.deadOil) {
    PressureTable(out, columns, u.pressure, "PVDO", "Bo", u.liquidFactor, "Vo", t.deadOilTable, &OilPoint::bo);
  } else {
    LiveOil(out, columns, u, t.liveOil);
    PressureTable(out, columns, u.pressure, "PVDG", "Bg", u.gasFactor, "Vg", t.gas, &GasPoint::bg);
  }
  out += "PVTW\n";
  columns.Header(out, {"Pref", "Bw", "Cw", "Vw", "Cv"});
  columns.Header(out, {u.pressure, u.liquidFactor, u.compressibility, "cp", u.compressibility});
  columns.Row(
      out, {t.water.referencePressure, t.water.bw, t.water.compressibility, t.water.viscosity, t.water.viscosibility},
      " /");
  out += "\nROCK\n";
  columns.Header(out, {"Pref", "Cf"});
  columns.Header(out, {u.pressure, u.compressibility});
  columns.Row(out, {t.rock.referencePressure, t.rock.compressibility}, " /");
  out += "\nDENSITY\n";
  columns.Header(out, {"oil", "water", "gas"});
  columns.Header(out, {u.density, u.density, u.density});
  columns.Row(out, {t.densities.oil, t.densities.water, t.densities.gas}, " /");
  return out;
}

std::string AdjustmentText(const TableAdjustment& adjustment, UnitSystem system) {
  const DeckUnits& u = DeckUnitsOf(system);
  std::string where = adjustment.table;
  if (adjustment.record > 0) {
    where += " record " + std::to_string(adjustment.record) + " (Rs " + Number(adjustment.rs) + " " + u.gasRatio + ")";
  }
  where += ", row " + std::to_string(adjustment.row) + " at " + Number(adjustment.pressure) + " " + u.pressure;
  return where + ": " + adjustment.quantity + " " + Number(adjustment.before) + " -> " + Number(adjustment.after) +
         " (" + adjustment.reason + ")";
}

std::vector<std::string_view> EclipseKeywords(const BlackOilTables& tables) {
  if (tables.deadOil) return {"PVDO", "PVTW", "ROCK", "DENSITY"};
  return {"PVTO", "PVDG", "PVTW", "ROCK", "DENSITY"};
}

namespace {

// The example model is laid out in field units and each number written in the deck's own.
struct DeckNumbers {
  UnitSystem system;
  std::string In(double fieldValue, Dimension dimension) const {
    return Number(FromField(fieldValue, dimension, system));
  }
  std::string Depth(double feet) const { return In(feet, Dimension::Length); }
};

// The most rows of any PVT table (at least 20), for TABDIMS.
std::size_t PvtRows(const BlackOilTables& t) {
  std::size_t longestRecord = 0;
  for (const LiveOilRecord& record : t.liveOil) longestRecord = std::max(longestRecord, record.points.size());
  return std::max<std::size_t>({t.gas.size(), t.deadOilTable.size(), longestRecord, 20});
}

std::string RunspecSection(const BlackOilTables& t, std::string_view title, UnitSystem system) {
  const std::size_t rsRows = std::max<std::size_t>(t.liveOil.size(), 1);
  std::string out;
  out += "-- Example model written by Tarnvik: a 5 x 5 x 3 box of 100 ft x 100 ft x 20 ft cells\n";
  if (system == UnitSystem::Metric) out += "-- (30.48 m x 30.48 m x 6.096 m), in METRIC units\n";
  out += "-- with one producer in the middle, initialised at the reservoir pressure of the case.\n";
  out += "-- Run it with a black-oil simulator, for example OPM Flow: flow DECK.DATA\n\n";
  out += "RUNSPEC\n\nTITLE\n" + OneLine(title.empty() ? std::string_view("Tarnvik black-oil model") : title, 72) +
         "\n\nDIMENS\n 5 5 3 /\n\nOIL\nWATER\n";
  if (!t.deadOil) out += "GAS\nDISGAS\n";
  out += std::string("\n") + DeckUnitsOf(system).keyword +
         "\n\nTABDIMS\n-- NTSFUN NTPVT NSSFUN NPPVT NTFIP NRPVT\n   1      1     20     " + std::to_string(PvtRows(t)) +
         "    1     " + std::to_string(rsRows) + " /\n\n";
  out += "EQLDIMS\n 1 /\n\nWELLDIMS\n-- wells, connections per well, groups, wells per group\n 1 3 1 1 /\n\n";
  out += "START\n 1 JAN 2025 /\n\nUNIFOUT\n\n";
  return out;
}

std::string GridSection(const BlackOilTables& t, const DeckNumbers& n) {
  std::string out = "GRID\n\nDX\n 75*" + n.Depth(100) + " /\nDY\n 75*" + n.Depth(100) + " /\nDZ\n 75*" + n.Depth(20) +
                    " /\nTOPS\n 25*" + n.Depth(8000) + " /\n";
  out += "PORO\n 75*" + Number(t.porosity) + " /\nPERMX\n 75*100 /\nPERMY\n 75*100 /\nPERMZ\n 75*10 /\n\n";
  return out;
}

// One relative-permeability node: its place from the first saturation to the last, and the
// two relative permeabilities there.
struct KrNode {
  double fraction, kr, krOil;
};

// A relative-permeability table (SWOF, SGOF) from `first` to `last` saturation, no capillary pressure.
void RelativePermeability(std::string& out, const char* keyword, const char* columns, double first, double last,
                          std::initializer_list<KrNode> nodes) {
  out += std::string(keyword) + "\n" + columns;
  for (const KrNode& node : nodes) {
    char line[80];
    std::snprintf(line, sizeof line, " %10.6f  %7.3f  %7.3f     0.0", first + (last - first) * node.fraction, node.kr,
                  node.krOil);
    out += line;
    out += node.fraction == 1 ? " /\n\n" : "\n";
  }
}

std::string PropsSection(const BlackOilTables& t, std::string_view tablesInclude) {
  std::string out = "PROPS\n\nINCLUDE\n '" + std::string(tablesInclude) + "' /\n\n";
  // Water-oil relative permeability from the connate-water saturation of the case to 1.
  RelativePermeability(out, "SWOF", "--       Sw      krw     krow    Pcow\n", t.connateWater, 1,
                       {{0, 0, 1},
                        {1.0 / 15, 0, 0.85},
                        {2.0 / 15, 0.01, 0.7},
                        {5.0 / 15, 0.06, 0.35},
                        {8.0 / 15, 0.15, 0.12},
                        {11.0 / 15, 0.3, 0},
                        {1, 1, 0}});
  if (!t.deadOil) {
    // Gas-oil relative permeability from no gas to all the hydrocarbon pore space, 1 − Swc
    // (less a millionth, so that the written value never exceeds 1 − Swc as written).
    RelativePermeability(out, "SGOF", "--       Sg      krg     krog    Pcog\n", 0, 1 - t.connateWater - 1e-6,
                         {{0, 0, 1},
                          {1.0 / 15, 0, 0.85},
                          {4.0 / 15, 0.08, 0.45},
                          {8.0 / 15, 0.25, 0.15},
                          {12.0 / 15, 0.55, 0.02},
                          {1, 0.8, 0}});
  }
  return out;
}

std::string SolutionSection(const BlackOilTables& t, const DeckNumbers& n) {
  std::string out = "SOLUTION\n\nEQUIL\n";
  const std::string pressure = n.In(t.reservoirPressure, Dimension::Pressure);
  if (t.deadOil) {
    out += "-- datum  pressure  OWC\n   " + n.Depth(8030) + " " + pressure + " " + n.Depth(9000) + " /\n\n";
    return out;
  }
  out += "-- datum  pressure  OWC   Pcow  GOC   Pcog  RSVD table\n   " + n.Depth(8030) + " " + pressure + " " +
         n.Depth(9000) + "  0     " + n.Depth(7000) + "  0     1 /\n\n";
  const std::string rs = n.In(t.initialRs, Dimension::GasLiquidRatio);
  out += std::string("RSVD\n-- depth  Rs ") + DeckUnitsOf(n.system).gasRatio + ": the oil in place everywhere\n   " +
         n.Depth(7000) + " " + rs + "\n   " + n.Depth(9000) + " " + rs + " /\n\n";
  return out;
}

std::string SummarySection(const BlackOilTables& t) {
  std::string out = "SUMMARY\n\nFOPR\nFOPT\nFWPT\nFPR\nFWCT\nFOIP\nFWIP\n";
  if (!t.deadOil) out += "FGOR\nFGPT\nFGIP\nFGIPL\nFGIPG\n";
  out += "WBHP\n 'PROD' /\n\n";
  return out;
}

// The producer's bottom-hole pressure limit [psia]: a quarter of the initial pressure.
double BottomHolePressure(const BlackOilTables& t) { return std::max(14.7, std::round(t.reservoirPressure / 4)); }

// The producer's oil rate [STB/d]: a few percent of the oil in place in a year. Above the
// bubble point only the expansion of oil, water and rock drives it, so there it takes no
// more than that expansion gives over half the drop to the bubble point or the pressure
// limit, whichever is higher: it holds its rate all year.
double ProducerRate(const BlackOilTables& t) {
  const double p = t.reservoirPressure;
  const double cells = 75, cellFeet3 = 100.0 * 100.0 * 20.0;
  const double poreVolume = cells * cellFeet3 * t.porosity / units::kCubicFeetPerBarrel;
  const double oilInPlace = poreVolume * (1 - t.connateWater) / t.initialBo;
  double yearly = 0.04 * oilInPlace;
  const double driveFloor = std::max(BottomHolePressure(t), t.deadOil ? 0.0 : t.bubblePoint);
  if (p > driveFloor) {
    const double floor = p - (p - driveFloor) / 2;
    const double boThere = InitialOilFactorAt(t, floor);
    const double expansion =
        oilInPlace * (boThere - t.initialBo) +
        poreVolume * (t.connateWater * t.water.compressibility + t.rock.compressibility) * (p - floor);
    yearly = std::min(yearly, expansion / boThere);
  }
  return std::max(1.0, std::round(yearly / 365.25));
}

std::string ScheduleSection(const BlackOilTables& t, const DeckNumbers& n) {
  const DeckUnits& u = DeckUnitsOf(n.system);
  std::string out = "SCHEDULE\n\nWELSPECS\n 'PROD' 'G1' 3 3 " + n.Depth(8030) + " 'OIL' /\n/\n\n";
  out += "COMPDAT\n 'PROD' 3 3 1 3 'OPEN' 1* 1* " + n.Depth(0.5) + " /\n/\n\n";
  out += std::string("WCONPROD\n-- well  status  control  oil rate ") + u.rate + "  4 defaults  BHP " + u.pressure +
         "\n 'PROD' 'OPEN' 'ORAT' " + n.In(ProducerRate(t), Dimension::LiquidVolume) + " 4* " +
         n.In(BottomHolePressure(t), Dimension::Pressure) + " /\n/\n\n";
  out += "TSTEP\n 12*30.4 /\n\nEND\n";
  return out;
}

}  // namespace

std::string ExampleDeckText(const BlackOilTables& t, std::string_view tablesInclude, std::string_view title,
                            UnitSystem system) {
  const DeckNumbers numbers{system};
  return RunspecSection(t, title, system) + GridSection(t, numbers) + PropsSection(t, tablesInclude) +
         SolutionSection(t, numbers) + SummarySection(t) + ScheduleSection(t, numbers);
}

std::string CheckExampleDeck(const BlackOilTables& t) {
  if (!(t.porosity > 0 && t.porosity < 1)) {
    return "the example deck needs a porosity above 0 and below 100 %, not " + Number(100 * t.porosity);
  }
  if (!(t.connateWater >= 0 && t.connateWater <= 0.9)) {
    return "the example deck needs a connate-water saturation from 0 to 90 %, not " + Number(100 * t.connateWater);
  }
  if (!(t.initialBo > 0) || !std::isfinite(t.initialBo)) {
    return "the example deck needs Bo at the reservoir pressure, not " + Number(t.initialBo);
  }
  return {};
}

namespace {

// The tables of an export, built and checked, in field units and as written in `units`;
// false with the reason when they cannot be written.
bool BuildExportTables(const CalculationCase& c, bool strict, const std::optional<LabData>& lab, UnitSystem units,
                       BlackOilTables& tables, BlackOilTables& written, std::string& error) {
  BlackOilOptions options;
  options.strict = strict;
  options.units = units;
  if (lab && TuningInForce(c.selection)) IncludeLabPressures(*lab, options);
  if (!BuildBlackOilTables(c, options, tables, error)) return false;
  if (const std::string gas = ImpuritiesDescription(c.inputs.impurities); !gas.empty()) {
    tables.notes.push_back("Gas impurities " + gas);
  }
  error = CheckBlackOilTables(AsWritten(tables, tables.significantDigits));
  if (!error.empty()) return false;
  written = InUnits(tables, units);
  if (written.significantDigits == 0) {
    error = "the tables in " + std::string(DeckUnitsOf(units).keyword) +
            " units cannot be written in order: " + CheckBlackOilTables(AsWritten(written, 17));
    return false;
  }
  return true;
}

}  // namespace

bool PreviewEclipseExport(const CalculationCase& c, UnitSystem units, ExportPreview& preview, std::string& error,
                          const std::optional<LabData>& lab) {
  BlackOilTables tables, written;
  if (!BuildExportTables(c, false, lab, units, tables, written, error)) return false;
  const DeckUnits& u = DeckUnitsOf(units);
  preview = ExportPreview{};
  preview.units = u.keyword;
  for (const std::string_view keyword : EclipseKeywords(written)) preview.keywords.emplace_back(keyword);
  if (written.deadOil) {
    preview.tables = "dead oil: " + std::to_string(written.deadOilTable.size()) + " PVDO rows";
  } else {
    preview.tables = std::to_string(written.liveOil.size()) + " PVTO records, " + std::to_string(written.gas.size()) +
                     " PVDG rows; bubble point " + Number(written.bubblePoint) + " " + u.pressure + ", Rs " +
                     Number(written.initialRs) + " " + u.gasRatio;
  }
  preview.notes = written.notes;
  for (const TableAdjustment& adjustment : written.adjustments) {
    preview.adjustments.push_back(AdjustmentText(adjustment, units));
  }
  preview.deckError = CheckExampleDeck(tables);
  return true;
}

ExportOutcome ExportEclipse(const CalculationCase& c, const EclipseExport& request, BlackOilTables& tables) {
  ExportOutcome outcome;
  const std::filesystem::path tablesPath(request.tablesPath);
  const bool withDeck = !request.deckPath.empty();
  if (withDeck && SameFile(tablesPath, request.deckPath)) {
    outcome.error =
        "the tables and the deck would be the same file (" + request.tablesPath + "): give the deck a name of its own";
    return outcome;
  }
  BlackOilTables fieldTables;
  if (!BuildExportTables(c, request.strict, request.lab, request.units, fieldTables, tables, outcome.error)) {
    return outcome;
  }
  if (withDeck) outcome.error = CheckExampleDeck(fieldTables);
  if (!outcome.error.empty()) return outcome;
  const std::string text =
      EclipseTablesText(tables, request.title, CorrelationsDescription(c.selection), request.units);
  std::string deck;
  if (withDeck) {
    const std::filesystem::path deckPath(request.deckPath);
    std::error_code failure;
    const std::filesystem::path base = std::filesystem::absolute(deckPath, failure).parent_path();
    std::filesystem::path include = std::filesystem::absolute(tablesPath, failure).lexically_relative(base);
    if (include.empty()) include = std::filesystem::absolute(tablesPath, failure);
    deck = ExampleDeckText(fieldTables, include.generic_string(), request.title, request.units);
  }
  // Both files are written in full before either takes its place.
  PendingFile tablesFile, deckFile;
  std::string reason;
  const auto cannotWrite = [&](const std::string& path) {
    outcome.error = "cannot write " + path + ": " + reason;
    return outcome;
  };
  if (!tablesFile.Write(tablesPath, text, reason)) return cannotWrite(request.tablesPath);
  if (withDeck && !deckFile.Write(request.deckPath, deck, reason)) return cannotWrite(request.deckPath);
  if (!tablesFile.Commit(reason)) return cannotWrite(request.tablesPath);
  outcome.tablesWritten = true;
  if (withDeck) {
    if (!deckFile.Commit(reason)) return cannotWrite(request.deckPath);
    outcome.deckWritten = true;
  }
  return outcome;
}

}  // namespace tarnvik
