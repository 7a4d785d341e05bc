#include "export/eclipse_deck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/units.h"
#include "io/atomic_file.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

// Table numbers: eight significant digits, an exponent where one is shorter.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.8G", value);
  return text;
}

// A text for a comment or the TITLE line: one line of printable ASCII.
std::string OneLine(std::string_view text, std::size_t limit) {
  std::string line;
  for (const char c : text) {
    if (line.size() == limit) break;
    line += (c >= ' ' && c <= '~') ? c : ' ';
  }
  return line;
}

void Row(std::string& out, std::initializer_list<double> values, const char* end = "") {
  out += ' ';
  for (double value : values) {
    std::string number = Number(value);
    out.append(number.size() < 13 ? 13 - number.size() : 1, ' ').append(number);
  }
  out += end;
  out += '\n';
}

// A comment line of column names, each right-aligned over its column of Row.
void Header(std::string& out, std::initializer_list<const char*> names) {
  std::string line = "--";
  for (const char* name : names) {
    const std::size_t edge = line.size() <= 2 ? 14 : line.size() + 13;
    line.append(edge - line.size() - std::string_view(name).size(), ' ').append(name);
  }
  out += line + '\n';
}

void LiveOil(std::string& out, const std::vector<LiveOilRecord>& records) {
  out += "PVTO\n";
  Header(out, {"Rs", "Pbub", "Bo", "Vo"});
  Header(out, {"MSCF/STB", "psia", "RB/STB", "cp"});
  for (const LiveOilRecord& record : records) {
    for (std::size_t i = 0; i < record.points.size(); ++i) {
      const OilPoint& point = record.points[i];
      const char* end = i + 1 == record.points.size() ? " /" : "";
      if (i == 0) {
        Row(out, {record.rs, point.pressure, point.bo, point.viscosity}, end);
      } else {
        out.append(13, ' ');
        Row(out, {point.pressure, point.bo, point.viscosity}, end);
      }
    }
  }
  out += "/\n\n";
}

// A table of pressure, volume factor and viscosity (PVDO, PVDG).
template <class Point>
void PressureTable(std::string& out, const char* keyword, const char* factor, const char* factorUnit,
                   const char* viscosity, const std::vector<Point>& rows, double Point::*volumeFactor) {
  out += keyword;
  out += '\n';
  Header(out, {"P", factor, viscosity});
  Header(out, {"psia", factorUnit, "cp"});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Row(out, {rows[i].pressure, rows[i].*volumeFactor, rows[i].viscosity}, i + 1 == rows.size() ? " /" : "");
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

}  // namespace

std::string EclipseTablesText(const BlackOilTables& t, std::string_view title, std::string_view description) {
  std::string out;
  out += "-- Black-oil tables written by Tarnvik, FIELD units\n";
  out += "-- Case: " + OneLine(title, 100) + "\n";
  out += "-- Correlations: " + OneLine(description, 100) + "\n";
  out += "-- Reservoir pressure " + Number(t.reservoirPressure) + " psia";
  if (!t.deadOil) out += ", bubble point " + Number(t.bubblePoint) + " psia, Rs " + Number(t.initialRs) + " MSCF/STB";
  out += "\n\n";
  if (t.deadOil) {
    PressureTable(out, "PVDO", "Bo", "RB/STB", "Vo", t.deadOilTable, &OilPoint::bo);
  } else {
    LiveOil(out, t.liveOil);
    PressureTable(out, "PVDG", "Bg", "RB/MSCF", "Vg", t.gas, &GasPoint::bg);
  }
  out += "PVTW\n";
  Header(out, {"Pref", "Bw", "Cw", "Vw", "Cv"});
  Header(out, {"psia", "RB/STB", "1/psi", "cp", "1/psi"});
  Row(out, {t.water.referencePressure, t.water.bw, t.water.compressibility, t.water.viscosity, t.water.viscosibility},
      " /");
  out += "\nROCK\n";
  Header(out, {"Pref", "Cf"});
  Header(out, {"psia", "1/psi"});
  Row(out, {t.rock.referencePressure, t.rock.compressibility}, " /");
  out += "\nDENSITY\n";
  Header(out, {"oil", "water", "gas"});
  Header(out, {"lb/ft3", "lb/ft3", "lb/ft3"});
  if (t.densities.gas) {
    Row(out, {t.densities.oil, t.densities.water, *t.densities.gas}, " /");
  } else {
    // Without gas the gas density is not used; it takes the simulator's default.
    Row(out, {t.densities.oil, t.densities.water}, "           1* /");
  }
  return out;
}

std::string ExampleDeckText(const BlackOilTables& t, std::string_view tablesInclude, std::string_view title) {
  const double p = t.reservoirPressure;
  const std::size_t pvtRows = std::max<std::size_t>(
      {t.gas.size(), t.deadOilTable.size(),
       t.liveOil.empty()
           ? 0
           : std::max_element(t.liveOil.begin(), t.liveOil.end(),
                              [](const auto& a, const auto& b) { return a.points.size() < b.points.size(); })
                 ->points.size(),
       20});
  const std::size_t rsRows = std::max<std::size_t>(t.liveOil.size(), 1);
  std::string out;
  out += "-- Example model written by Tarnvik: a 5 x 5 x 3 box of 100 ft x 100 ft x 20 ft cells\n";
  out += "-- with one producer in the middle, initialised at the reservoir pressure of the case.\n";
  out += "-- Run it with a black-oil simulator, for example OPM Flow: flow DECK.DATA\n\n";
  out += "RUNSPEC\n\nTITLE\n" + OneLine(title.empty() ? std::string_view("Tarnvik black-oil model") : title, 72) +
         "\n\nDIMENS\n 5 5 3 /\n\nOIL\nWATER\n";
  if (!t.deadOil) out += "GAS\nDISGAS\n";
  out += "\nFIELD\n\nTABDIMS\n-- NTSFUN NTPVT NSSFUN NPPVT NTFIP NRPVT\n   1      1     20     " +
         std::to_string(pvtRows) + "    1     " + std::to_string(rsRows) + " /\n\n";
  out += "EQLDIMS\n 1 /\n\nWELLDIMS\n-- wells, connections per well, groups, wells per group\n 1 3 1 1 /\n\n";
  out += "START\n 1 JAN 2025 /\n\nUNIFOUT\n\n";

  out += "GRID\n\nDX\n 75*100 /\nDY\n 75*100 /\nDZ\n 75*20 /\nTOPS\n 25*8000 /\n";
  out += "PORO\n 75*" + Number(t.porosity) + " /\nPERMX\n 75*100 /\nPERMY\n 75*100 /\nPERMZ\n 75*10 /\n\n";

  out += "PROPS\n\nINCLUDE\n '" + std::string(tablesInclude) + "' /\n\n";
  // Water-oil relative permeability from the connate-water saturation of the case to 1.
  out += "SWOF\n--       Sw      krw     krow    Pcow\n";
  const struct {
    double fraction, krw, krow;
  } water[] = {{0, 0, 1},
               {1.0 / 15, 0, 0.85},
               {2.0 / 15, 0.01, 0.7},
               {5.0 / 15, 0.06, 0.35},
               {8.0 / 15, 0.15, 0.12},
               {11.0 / 15, 0.3, 0},
               {1, 1, 0}};
  for (const auto& node : water) {
    char line[80];
    std::snprintf(line, sizeof line, " %10.6f  %7.3f  %7.3f     0.0",
                  t.connateWater + (1 - t.connateWater) * node.fraction, node.krw, node.krow);
    out += line;
    out += node.fraction == 1 ? " /\n\n" : "\n";
  }
  if (!t.deadOil) {
    out +=
        "SGOF\n-- Sg      krg     krog    Pcog\n"
        "  0.00    0.000   1.000   0.0\n"
        "  0.05    0.000   0.850   0.0\n"
        "  0.20    0.080   0.450   0.0\n"
        "  0.40    0.250   0.150   0.0\n"
        "  0.60    0.550   0.020   0.0\n"
        "  0.75    0.800   0.000   0.0 /\n\n";
  }

  out += "SOLUTION\n\nEQUIL\n";
  if (t.deadOil) {
    out += "-- datum  pressure  OWC\n   8030 " + Number(p) + " 9000 /\n\n";
  } else {
    out += "-- datum  pressure  OWC   Pcow  GOC   Pcog  RSVD table\n   8030 " + Number(p) +
           " 9000  0     7000  0     1 /\n\n";
    out += "RSVD\n-- depth  Rs MSCF/STB: the oil in place everywhere\n   7000 " + Number(t.initialRs) + "\n   9000 " +
           Number(t.initialRs) + " /\n\n";
  }

  out += "SUMMARY\n\nFOPR\nFOPT\nFPR\nFWCT\n";
  if (!t.deadOil) out += "FGOR\n";
  out += "WBHP\n 'PROD' /\n\n";

  // The producer takes a few percent of the oil in place in a year (a tenth of that from
  // a dead oil, which has only its compressibility to drive it), above a quarter of the
  // initial pressure.
  const double cells = 75, cellFeet3 = 100.0 * 100.0 * 20.0;
  const double oilInPlace =
      cells * cellFeet3 * t.porosity * (1 - t.connateWater) / units::kCubicFeetPerBarrel / t.initialBo;
  const double rate = std::max(1.0, std::round(oilInPlace * (t.deadOil ? 0.004 : 0.04) / 365.25));
  out += "SCHEDULE\n\nWELSPECS\n 'PROD' 'G1' 3 3 8030 'OIL' /\n/\n\n";
  out += "COMPDAT\n 'PROD' 3 3 1 3 'OPEN' 1* 1* 0.5 /\n/\n\n";
  out += "WCONPROD\n-- well  status  control  oil rate STB/d  4 defaults  BHP psia\n 'PROD' 'OPEN' 'ORAT' " +
         Number(rate) + " 4* " + Number(std::max(14.7, std::round(p / 4))) + " /\n/\n\n";
  out += "TSTEP\n 12*30.4 /\n\nEND\n";
  return out;
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

ExportOutcome ExportEclipse(const CalculationCase& c, const EclipseExport& request, BlackOilTables& tables) {
  ExportOutcome outcome;
  const std::filesystem::path tablesPath(request.tablesPath);
  const bool withDeck = !request.deckPath.empty();
  if (withDeck && SameFile(tablesPath, request.deckPath)) {
    outcome.error =
        "the tables and the deck would be the same file (" + request.tablesPath + "): give the deck a name of its own";
    return outcome;
  }
  if (!BuildBlackOilTables(c, {}, tables, outcome.error)) return outcome;
  if (withDeck) outcome.error = CheckExampleDeck(tables);
  if (outcome.error.empty()) outcome.error = CheckBlackOilTables(tables);
  if (!outcome.error.empty()) return outcome;

  const std::string text = EclipseTablesText(tables, request.title, CorrelationsDescription(c.selection));
  std::string deck;
  if (withDeck) {
    const std::filesystem::path deckPath(request.deckPath);
    std::error_code failure;
    const std::filesystem::path base = std::filesystem::absolute(deckPath, failure).parent_path();
    std::filesystem::path include = std::filesystem::absolute(tablesPath, failure).lexically_relative(base);
    if (include.empty()) include = std::filesystem::absolute(tablesPath, failure);
    deck = ExampleDeckText(tables, include.generic_string(), request.title);
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
