// tarnvik-calc: the PVT calculator for batches and scripts.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "batch.h"
#include "io/case_record.h"
#include "lab_report.h"
#include "model/case_lab.h"
#include "model/lab_file.h"
#include "present/selection_texts.h"
#include "tables.h"

namespace {

constexpr const char* kDescription =
    R"(tarnvik-calc: PVT properties of oil, gas, water and rock from empirical correlations.

Reads case files, one case record per line, and for each record does what the desktop
window does on "open case, then calculate"; a FILE of "-" is standard input. A record has fifteen comma-separated fields:
  1 title  2 GOR/bubble-point selector  3 water selector  4 oil correlation
  5 gas characterisation  6 rock correlation   (texts, in double quotation marks)
  7 API gravity (deg API)   8 gas gravity (air = 1)   9 temperature (deg F)
  10 pressure (psia)   11 GOR at the bubble point (MCF/STB) when field 2 is exactly
  "GOR MCF/STB", otherwise the bubble-point pressure (psia)   12 porosity (%)
  13 connate-water saturation Swc (%)   14 salinity (% NaCl), or the water specific
  gravity when field 3 is exactly "Water Specific Gravity"   15 water-oil ratio (STB/STB)
Field 4 selects the oil family by its first three letters (Sta, Vaz, Gla, Al-, Pet, Dok,
Far, Obo, Kar), field 5 wet or dry gas by "Wet"/"Dry", field 6 the rock correlation by its
whole text ("Hall", "Van der Knaap", "Newman", "Yale et. al."). Each record starts from
Standing, wet gas and no rock correlation; the options below override fields 4 to 6.

Output columns: rs (MCF/STB), bo (RB/STB), oil_viscosity (cp), pbx (bubble-point
pressure, psia, in GOR mode; otherwise GOR at the bubble point, MCF/STB), z, bg (RB/MCF),
rsw (MCF/STB), co, cg, cw (microsips, 1e-6/psi), gas_viscosity (cp), bw (RB/STB),
water_viscosity (cp), oil_density, gas_density, water_density (lb/ft3), cf, ct
(microsips), so, sw, sg (% of pore volume). Text and CSV show the values as the window
does (".5" is 0.5, "." is 0); --values full gives CSV full-precision numbers instead.
JSON values are numbers in the same units. --units metric gives every output in metric
units instead (case files stay in field units): rs, rsw and a GOR pbx in sm3/sm3, bo, bw
and bg in rm3/sm3, pressures in bara, compressibilities in 1e-5/bar, densities in kg/m3;
CSV headers then name each column's unit ("rs [sm3/sm3]"), JSON lines carry
"units": "metric", and --pmin and --pmax are in bara. Standard conditions are the
correlations' own, 60 deg F and 14.696 psia, in both. A value not computed is empty (null in JSON);
a value outside a correlation's domain, or one that could not be computed although its
fluid is present, is empty and named in out_of_range (semicolon-separated in CSV, an
array in JSON). On a z-factor failure the values are empty and message holds it. case is
the record's number, counted over all files, including skipped records.

warnings, the last column, names what to be wary of; the values are still given, and a
warning never changes the exit status. It holds, semicolon-separated, every value a
correlation in force was given outside the data its paper fitted it to, as the quantity,
the limit crossed and the correlation (quantities: api, gas_gravity, temperature,
pressure, pb, gor, rs, bo, tpr and ppr for the reduced temperature and pressure of the
gas, salinity, porosity): api>48.1(Glaso) is an API gravity above Glaso's
48.1 deg API; gor<0.02(Standing) a GOR at the bubble point below Standing's 0.02 MCF/STB;
and every unphysical result, as its column and the limit: co<0(unphysical) a negative oil
compressibility, pbx<=0(unphysical) a bubble point at or below 0 psia, bo<1(unphysical)
Bo below 1 for an oil with gas in solution, z<0.2 or z>2.5, a negative saturation. Values
and limits are in the units above. JSON gives an array of objects: "input" (a box) or
"output" (a result or derived value), value, low, high (null where there is no limit),
unit, correlation (author and year; null where no one correlation applies) and kind
(outside_data_range or unphysical). Text lists them in words under the case and writes
(unphysical) after an unphysical value.

--table writes, for each case, the results at a series of pressures: by default 50
points from 14.7 psia to the larger of the reservoir pressure and 1.25 times the
bubble-point pressure, plus the bubble-point and the reservoir pressures themselves
(named in the note column); --pmin, --pmax and --points (2 to 2000) change the range.
Each row is exactly a run of the case at that pressure. --compare-oil writes, for each
case, one row per oil family with the oil results; its data_range column says whether the
case's API gravity, gas gravity, temperature and GOR or bubble point lie inside that
family's published data (inside, outside, or unknown where the paper's ranges are not
known). Both carry the warnings of each row.

--export-eclipse writes the fluid and rock description a black-oil simulator reads, for
the one case in the input, after checking what a simulator requires (Rs and pressures
increasing, Bo rising along the saturated curve by less than the released gas takes up
and falling above each bubble point, Bg falling, every value finite and positive); when
a check fails it writes nothing and says which table, row, quantity and value. Each row
is a run of the case, except values the correlations make unphysical (Bo flat or rising
above a bubble point, saturated Bo outgrowing the released gas, saturated oil viscosity
rising with Rs): these are adjusted and listed, in the file and the message, or with
--strict-tables refused. An oil with a GOR of 0 gets PVDO instead of PVTO and no PVDG.

--lab FILE reads a lab data file (a laboratory report: the reservoir temperature, the
measured bubble point and GOR at it, an optional separator test and dead-oil viscosity,
and rows of pressure with any of rs, bo, oil_viscosity, oil_compressibility, z, bg,
relative_volume; see the README) for every case;
without it a case file's own saved lab data (@lab lines after its record) are used.
--rank-oil writes, for each case, the nine oil families ranked against the lab data: the
average and largest absolute error in percent of the bubble point predicted from the
measured GOR and of Rs, Bo, oil viscosity, oil compressibility, relative volume, z and Bg
at the measured pressures (relative to the measured value; Rs below a tenth of the GOR at
the bubble point relative to that GOR), with the number of points, and a score, the mean
error of pb, Rs, Bo and oil viscosity; the families are ranked by the score plus 2 points
for a family whose published data do not cover the report (1 for unknown data), which
data_range names. Text lists the residual of every measured value for the tuned family,
or else the best; --residuals lists them for every family (CSV and JSON: one row each).
With a separator test, Rs and Bo are first adjusted to separator conditions. --tune
[FAMILY] tunes a family to the lab data (FAMILY by its first three letters; by default
the family of the case's saved tuning, or else the best-ranked one): the measured bubble
point at the measured GOR, and every measured Rs, saturated Bo and oil viscosity, are
reproduced, and the undersaturated compressibility and viscosity slope fitted to the
points above the bubble point. Every output then uses the tuned model and says so (text:
a Tuning line; CSV and JSON: a tuning column); with --rank-oil the tuned family gets a
row of its own, and with --compare-oil it is shown tuned and untuned. A case file's saved
tuning is used only with --tune.

Exit status: 0 when every record was computed, 1 when a record was malformed (reported
as FILE:LINE: on standard error and skipped), a file could not be read, an export was
refused or the output could not be written, 2 for bad options.)";

// How messages name standard input, read for a FILE of "-".
constexpr std::string_view kStandardInputName = "(standard input)";

// What --tune holds when no family follows it.
constexpr std::string_view kBestRanked =
    "\x01"
    "best";

// The choice an option names, for the options' own checks; empty when it names none.
std::optional<tarnvik::RockCorrelation> RockOption(const std::string& text) {
  if (text.empty()) return tarnvik::RockCorrelation::None;
  return tarnvik::RockCorrelationFromCaption(text);
}

int Run(int argc, char** argv) {
  using tarnvik::batch::Format;
  CLI::App app{kDescription, "tarnvik-calc"};
  app.get_formatter()->column_width(32);

  std::string formatName = "text";
  app.add_option("--format", formatName,
                 "Output: text (aligned table per case, the default), csv (one row per case) or json (JSON lines)")
      ->check(CLI::IsMember({"text", "csv", "json"}))
      ->type_name("text|csv|json");
  std::string valuesName = "shown";
  app.add_option("--values", valuesName,
                 "CSV values: shown (as the window shows them, the default) or full (full-precision numbers)")
      ->check(CLI::IsMember({"shown", "full"}))
      ->type_name("shown|full");

  std::string unitsName = "field";
  app.add_option("--units", unitsName,
                 "Units of the output: field (psia, °F, MCF/STB, RB/STB, lb/ft3, the default) or metric (bara, °C, "
                 "sm3/sm3, rm3/sm3, kg/m3)")
      ->check(CLI::IsMember({"field", "metric"}))
      ->type_name("field|metric");

  std::string formationText, gasText;
  std::optional<std::string> oilText, rockText;
  std::vector<std::string> formationItems(tarnvik::kFormationTypeItems.begin(), tarnvik::kFormationTypeItems.end());
  formationItems.emplace_back();  // none
  app.add_option("--formation", formationText,
                 "Formation type for Newman and Yale et. al.: \"Consolidated Sands\", \"Friable Sands\", "
                 "\"Unconsolidated Sands\" or \"Carbonates\" (default: none)")
      ->check(CLI::IsMember(formationItems))
      ->type_name("TEXT");
  app.add_option("--gas", gasText, "Gas characterisation for the pseudo-critical properties: wet or dry")
      ->check(CLI::IsMember({"wet", "dry"}));
  std::vector<std::string> rockItems(tarnvik::kRockCorrelationItems.begin(), tarnvik::kRockCorrelationItems.end());
  rockItems.emplace_back();  // none
  app.add_option("--rock", rockText,
                 "Rock compressibility: \"Hall\", \"Van der Knaap\", \"Newman\", \"Yale et. al.\" or \"\" for none")
      ->check(CLI::IsMember(rockItems))
      ->type_name("TEXT");
  app.add_option("--oil", oilText,
                 "Oil family, by its first three letters: Standing, Vazquez/Beggs, Glaso, Al-Marhoun, "
                 "Petrosky/Farshad, Dokla/Osman, Farshad, Obomanu/Okpobiri, Kartoatmodjo/Schmidt")
      ->check(CLI::Validator(
          [](const std::string& text) {
            return tarnvik::OilCorrelationFromCaption(text)
                       ? std::string()
                       : "\"" + text + "\" names no oil family (Sta, Vaz, Gla, Al-, Pet, Dok, Far, Obo, Kar)";
          },
          "FAMILY"));
  tarnvik::batch::SelectionOverrides overrides;
  for (auto [name, value, gas] :
       {std::tuple{"--co2", &overrides.co2, "Carbon dioxide"}, std::tuple{"--h2s", &overrides.h2s, "Hydrogen sulphide"},
        std::tuple{"--n2", &overrides.n2, "Nitrogen"}}) {
    app.add_option(name, *value,
                   std::string(gas) +
                       " in the gas, mol % (default: the case's @gas line, or else 0); corrects z, "
                       "Bg, cg, the gas density and viscosity")
        ->check(CLI::Range(0.0, 100.0))
        ->type_name("MOL%");
  }
  std::vector<std::string> files;
  app.add_option("FILE", files, "Case files, one record per line; - reads standard input")->required();

  std::string labPath;
  app.add_option("--lab", labPath, "Lab data file for every case (a laboratory report; see the README)")
      ->type_name("FILE");
  std::optional<std::string> tuneText;
  app.add_option("--tune", tuneText,
                 "Tune an oil family to the lab data and use the tuned model for every output (FAMILY by its first "
                 "three letters; default: the case's saved tuning's family, or else the best-ranked)")
      ->type_name("[FAMILY]");

  bool table = false, compareOil = false;
  tarnvik::PressureRange range;
  auto* tableFlag = app.add_flag("--table", table, "Results at a series of pressures for each case");
  app.add_option("--pmin", range.minimum,
                 "Lowest pressure of the table, psia (bara with --units metric; default 14.7 psia)")
      ->needs(tableFlag)
      ->type_name("P");
  app.add_option("--pmax", range.maximum,
                 "Highest pressure of the table, psia (bara with --units metric; default: the larger of the reservoir "
                 "pressure and 1.25 pb)")
      ->needs(tableFlag)
      ->type_name("P");
  app.add_option("--points", range.points, "Evenly spaced pressures of the table, 2 to 2000 (default 50)")
      ->needs(tableFlag)
      ->check(CLI::Range(tarnvik::kMinTablePoints, tarnvik::kMaxTablePoints))
      ->type_name("N");
  auto* compareFlag =
      app.add_flag("--compare-oil", compareOil, "The oil results of each case with each of the nine oil families")
          ->excludes(tableFlag);
  bool rankOil = false;
  auto* rankFlag = app.add_flag("--rank-oil", rankOil,
                                "The nine oil families ranked against the lab data for each case (needs lab data)")
                       ->excludes(tableFlag)
                       ->excludes(compareFlag);
  bool residuals = false;
  app.add_flag("--residuals", residuals,
               "With --rank-oil: every measured value against every family (and the tuned one), one row each in CSV "
               "and JSON, and every family's residual table in text")
      ->needs(rankFlag);
  tarnvik::EclipseExport exportRequest;
  auto* exportOption =
      app.add_option("--export-eclipse", exportRequest.tablesPath,
                     "Write the case's black-oil tables (PVTO or PVDO, PVDG, PVTW, ROCK, DENSITY; ECLIPSE format, "
                     "FIELD units) to this file; the input must hold exactly one case")
          ->excludes(tableFlag)
          ->excludes(compareFlag)
          ->excludes(rankFlag)
          ->type_name("FILE");
  app.add_flag("--strict-tables", exportRequest.strict,
               "Refuse, naming the row, where the exported tables would otherwise be adjusted to describe a "
               "physical fluid")
      ->needs(exportOption);
  app.add_option("--deck", exportRequest.deckPath,
                 "Also write an example simulation deck that includes the tables (a 5 x 5 x 3 box, one producer)")
      ->needs(exportOption)
      ->type_name("FILE");

  // --tune takes a family only when one follows: "--tune FILE" leaves FILE a case file.
  std::vector<std::string> arguments(argv + 1, argv + argc);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != "--tune") continue;
    if (i + 1 < arguments.size() && tarnvik::OilCorrelationFromCaption(arguments[i + 1])) {
      arguments[i] += "=" + arguments[i + 1];
      arguments.erase(arguments.begin() + std::ptrdiff_t(i) + 1);
    } else {
      arguments[i] += "=" + std::string(kBestRanked);
    }
  }
  std::reverse(arguments.begin(), arguments.end());

  try {
    app.parse(arguments);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }

  if (std::count(files.begin(), files.end(), "-") > 1) {
    std::cerr << "tarnvik-calc: standard input (-) can be read only once\n";
    return 2;
  }
  const Format format = formatName == "csv" ? Format::Csv : formatName == "json" ? Format::Json : Format::Text;
  std::optional<tarnvik::OilCorrelation> tuneFamily;
  if (tuneText && *tuneText != kBestRanked) {
    tuneFamily = tarnvik::OilCorrelationFromCaption(*tuneText);
    if (!tuneFamily) {
      std::cerr << "tarnvik-calc: --tune: \"" << *tuneText
                << "\" names no oil family (Sta, Vaz, Gla, Al-, Pet, Dok, Far, Obo, Kar)\n";
      return 2;
    }
  }
  std::optional<tarnvik::LabData> labFile;
  if (!labPath.empty()) {
    tarnvik::LabData data;
    std::string error;
    int fileError = 0;
    if (!tarnvik::ReadLabFileAt(labPath, data, error, fileError)) {
      std::cerr << labPath << ": " << (fileError != 0 ? "cannot open: " + std::string(std::strerror(fileError)) : error)
                << '\n';
      return 1;
    }
    labFile = std::move(data);
  }
  const bool tuning = tuneText.has_value();
  const tarnvik::UnitSystem units = unitsName == "metric" ? tarnvik::UnitSystem::Metric : tarnvik::UnitSystem::Field;
  exportRequest.units = units;
  // Table bounds are typed in the output's units; the tables are built in psia.
  for (std::optional<double>* bound : {&range.minimum, &range.maximum}) {
    if (*bound) **bound = tarnvik::ToField(**bound, tarnvik::Dimension::Pressure, units);
  }
  const auto values = valuesName == "full" ? tarnvik::batch::Values::Full : tarnvik::batch::Values::Shown;
  if (values == tarnvik::batch::Values::Full && format != Format::Csv) {
    std::cerr << "tarnvik-calc: --values full applies to --format csv (JSON always carries full numbers; text "
                 "shows the values as the window does)\n";
    return 2;
  }
  if (oilText) overrides.oil = tarnvik::OilCorrelationFromCaption(*oilText);
  if (!gasText.empty()) {
    overrides.gas = gasText == "dry" ? tarnvik::GasCharacterisation::DryGas : tarnvik::GasCharacterisation::WetGas;
  }
  if (rockText) overrides.rock = RockOption(*rockText);
  overrides.formationType = tarnvik::FormationTypeFromCaption(formationText).value_or(tarnvik::FormationType::None);

  std::ios::sync_with_stdio(false);
  std::unique_ptr<tarnvik::batch::ReportWriter> writer;
  std::unique_ptr<tarnvik::batch::TableReportWriter> tableWriter;
  std::unique_ptr<tarnvik::batch::RankingWriter> rankingWriter;
  if (rankOil) {
    rankingWriter = std::make_unique<tarnvik::batch::RankingWriter>(format, std::cout, units, residuals);
  } else if (!table && !compareOil) {
    writer = tarnvik::batch::MakeWriter(format, values, std::cout, units, tuning);
  } else {
    tableWriter = tarnvik::batch::MakeTableWriter(
        format, values, table ? tarnvik::batch::TableKind::Pressure : tarnvik::batch::TableKind::Comparison, std::cout,
        units, tuning);
  }
  // The lab data of a record and the case tuned to them, as --lab, --rank-oil and --tune
  // ask; false, with the reason, when that cannot be done.
  const auto prepare = [&](const tarnvik::CaseRecordReader::Entry& entry, const tarnvik::CaseRecord& record,
                           tarnvik::CalculationCase& c, std::optional<tarnvik::OilRanking>& ranking,
                           std::optional<tarnvik::OilTuningFit>& fit, std::optional<tarnvik::LabData>& usedLab,
                           std::string& error) {
    c = tarnvik::batch::CaseFor(record, overrides);
    if (!tarnvik::batch::ApplyImpurities(entry.attached, overrides, c, error)) return false;
    if (!rankOil && !tuning) return true;
    tarnvik::CaseLab saved;
    if (!tarnvik::ReadCaseLab(entry.attached, saved, error)) return false;
    const std::optional<tarnvik::LabData>& lab = labFile ? labFile : saved.data;
    if (!lab) {
      error = "no lab data: give --lab FILE";
      return false;
    }
    if (rankOil || (tuning && !tuneFamily && !saved.tuning.active)) {
      ranking.emplace();
      if (!tarnvik::RankOilFamilies(c, *lab, *ranking, error)) return false;
    }
    if (!tuning) return true;
    const tarnvik::OilCorrelation family = tuneFamily            ? *tuneFamily
                                           : saved.tuning.active ? saved.tuning.family
                                                                 : ranking->families.front().family;
    fit.emplace();
    if (!tarnvik::TuneOilFamily(c, *lab, family, *fit, error)) {
      error = "cannot tune " + std::string(tarnvik::OilCorrelationName(family)) + ": " + error;
      return false;
    }
    c.selection.oilCorrelation = family;
    c.selection.oilTuning = fit->tuning;
    usedLab = lab;
    return true;
  };
  int status = 0;
  std::size_t number = 0;
  tarnvik::CaseRecord record;
  const bool exporting = !exportRequest.tablesPath.empty();
  std::optional<tarnvik::CaseRecord> exportRecord;
  tarnvik::CalculationCase exportCase;
  std::string exportWhere, malformedWhere;
  std::size_t exportNumber = 0;
  for (const std::string& name : files) {
    // "-" is standard input, named in messages as grep and diff name it.
    const bool standardInput = name == "-";
    const std::string file = standardInput ? std::string(kStandardInputName) : name;
    std::ifstream opened;
    if (!standardInput) {
      opened.open(name, std::ios::binary);
      if (!opened) {
        std::cerr << file << ": cannot open: " << std::strerror(errno) << '\n';
        status = 1;
        continue;
      }
    }
    std::istream& input = standardInput ? std::cin : opened;
    tarnvik::CaseRecordReader reader(input);
    tarnvik::CaseRecordReader::Entry entry;
    while (reader.Next(record, entry)) {
      ++number;
      if (!entry.ok) {
        std::cerr << file << ':' << entry.line << ": " << entry.error << '\n';
        if (malformedWhere.empty()) malformedWhere = file + ':' + std::to_string(entry.line);
        status = 1;
        continue;
      }
      tarnvik::CalculationCase calculationCase;
      std::optional<tarnvik::OilRanking> ranking;
      std::optional<tarnvik::OilTuningFit> fit;
      std::optional<tarnvik::LabData> usedLab;
      std::string labError;
      if (!prepare(entry, record, calculationCase, ranking, fit, usedLab, labError)) {
        std::cerr << file << ':' << entry.line << ": " << labError << '\n';
        if (malformedWhere.empty()) malformedWhere = file + ':' + std::to_string(entry.line);
        status = 1;
        continue;
      }
      if (rankOil) {
        rankingWriter->Write(number, record, *ranking, fit);
      } else if (exporting) {
        if (exportRecord) {
          std::cerr << file << ':' << entry.line << ": --export-eclipse takes exactly one case; this is another\n";
          return 1;
        }
        exportRecord = record;
        exportCase = calculationCase;
        exportRequest.lab = usedLab;
        exportNumber = number;
        exportWhere = file + ':' + std::to_string(entry.line);
      } else if (table) {
        std::string error;
        const tarnvik::PressureTable pressures = tarnvik::BuildPressureTable(calculationCase, range, error);
        if (!error.empty()) {
          std::cerr << file << ':' << entry.line << ": no table: " << error << '\n';
          status = 1;
          continue;
        }
        tableWriter->WriteTable(number, record, calculationCase, pressures);
      } else if (compareOil) {
        tableWriter->WriteComparison(number, record, calculationCase, tarnvik::CompareOilFamilies(calculationCase));
      } else {
        writer->Write(tarnvik::batch::CalculateCase(number, record, calculationCase, units));
      }
    }
    if (input.bad()) {
      std::cerr << file << ": read error\n";
      status = 1;
    }
  }
  if (exporting) {
    if (!malformedWhere.empty()) {
      std::cerr << "--export-eclipse: nothing written: the input holds a record that could not be read ("
                << malformedWhere << "), so it is not one case\n";
      return 1;
    }
    if (status != 0) {
      std::cerr << "--export-eclipse: nothing written: an input file could not be read\n";
      return 1;
    }
    if (!exportRecord) {
      std::cerr << "--export-eclipse: nothing written: the input holds no case\n";
      return 1;
    }
    exportRequest.title = exportRecord->title;
    tarnvik::BlackOilTables tables;
    const tarnvik::ExportOutcome outcome = tarnvik::ExportEclipse(exportCase, exportRequest, tables);
    if (!outcome.ok()) {
      std::cerr << exportWhere << ": ";
      if (outcome.tablesWritten) {
        std::cerr << "wrote " << exportRequest.tablesPath << ", but not the deck: " << outcome.error << '\n';
      } else {
        std::cerr << "nothing written: " << outcome.error << '\n';
      }
      return 1;
    }
    tarnvik::batch::WriteExportReport(format, std::cout, exportNumber, *exportRecord, exportRequest, tables);
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "tarnvik-calc: cannot write the output: " << std::strerror(errno) << '\n';
    return 1;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tarnvik-calc: " << e.what() << '\n';
    return 1;
  }
}
