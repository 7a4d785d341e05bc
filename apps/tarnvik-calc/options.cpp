#include "options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <tuple>

#include "present/selection_texts.h"

namespace tarnvik::batch {
namespace {

const char* const kDescription =
    R"(tarnvik-calc: PVT properties of oil, gas, water and rock from empirical
correlations.

Reads case files, one case record per line, and for each record does what the
desktop window does on "open case, then calculate". A FILE of - reads standard
input (once only). A record has fifteen comma-separated fields:
  1 title   2 GOR/bubble-point selector   3 water selector   4 oil family
  5 gas characterisation   6 rock correlation   (texts, in double quotes)
  7 API gravity (deg API)   8 gas gravity (air = 1)   9 temperature (deg F)
  10 pressure (psia)   11 GOR at the bubble point (MCF/STB) when field 2 is
  exactly "GOR MCF/STB", otherwise the bubble-point pressure (psia)
  12 porosity (%)   13 connate-water saturation Swc (%)   14 salinity
  (% NaCl), or the water specific gravity when field 3 is exactly
  "Water Specific Gravity"   15 water-oil ratio (STB/STB)
Field 4 selects the oil family by its first three letters (Sta, Vaz, Gla, Al-,
Pet, Dok, Far, Obo, Kar), field 5 wet or dry gas by "Wet"/"Dry", field 6 the
rock correlation by its whole text ("Hall", "Van der Knaap", "Newman",
"Yale et. al."). Each record starts from Standing, wet gas and no rock
correlation. A record may be followed by lines of its own: @gas,1,5,10,0 (CO2,
H2S and N2 in the gas, mol %), @formation,1,Carbonates (the formation type
Newman and Yale et al. need), and @lab and @tuning lines (lab data and the
tuning fitted to them). The options below override fields 4 to 6 and these
lines. A case saved with a tuning is run tuned, with no option, as the window
and the Python module run it; --tune fits it again, and --oil naming another
family turns it off.

A number field left blank is read as 0, and said: a warning temperature=blank
("Temperature is blank, read as 0"). An input no reservoir can have is
refused as an input error: a number that is not finite; a negative API
gravity, gas gravity, pressure, GOR, bubble point, porosity, Swc, salinity,
water specific gravity or WOR; a porosity or Swc above 100 %; a temperature
below absolute zero. FILE:LINE: and the input are written on standard error,
and the record is skipped.

Output columns: rs (MCF/STB), bo (RB/STB), oil_viscosity (cp), pbx (the
bubble-point pressure, psia, when the GOR was given; otherwise the GOR at the
bubble point, MCF/STB; empty without oil), z, bg (RB/MCF), rsw (MCF/STB), co,
cg, cw (microsips, 1e-6/psi), gas_viscosity (cp), bw (RB/STB),
water_viscosity (cp), oil_density, gas_density, water_density (lb/ft3), cf, ct
(microsips), so, sw, sg (% of pore volume), then out_of_range, warnings and
tuning (the tuning in force in words, empty for an untuned case). case is the
record's number, counted over all files, skipped records included. Text and
CSV show the values as the window does (".5" is 0.5, "." is 0); --values full
gives CSV full-precision numbers instead. JSON values are numbers in the same
units (null where there is none); each JSON line also carries pbx_kind ("pb"
or "rsb"; null without oil), pbx_unit, status (the z-factor's: 0 success,
1 Tpr below 1, 2 Ppr above 20.5, 3 no convergence) and tuning_parameters (the
tuning's numbers; null for an untuned case).

--units metric gives every output in metric units instead (case files stay in
field units): rs, rsw and a GOR pbx in sm3/sm3, bo, bw and bg in rm3/sm3,
pressures in bara, compressibilities in 1e-5/bar, densities in kg/m3; CSV
headers then name each column's unit ("rs [sm3/sm3]"), JSON lines carry
"units": "metric", and --pmin and --pmax are in bara. Standard conditions are
the correlations' own, 60 deg F and 14.696 psia, in both.

A value not computed is empty (null in JSON). A value outside a correlation's
domain, or one that could not be computed although its fluid is present, is
empty and named in out_of_range (semicolon-separated in CSV, an array in
JSON). On a z-factor failure the values are empty and message holds it.

warnings names what to be wary of; the values are still given, and a warning
never changes the exit status. It holds, semicolon-separated: every value a
correlation in force was given outside the data its paper fitted it to, as the
quantity, the limit crossed and the correlation (quantities: api, gas_gravity,
temperature, pressure, pb, gor, rs, bo, tpr and ppr for the reduced
temperature and pressure of the gas, salinity, porosity, co2, h2s, n2):
api>48.1(Glaso) is an API gravity above Glaso's 48.1 deg API;
gor<0.02(Standing) a GOR at the bubble point below Standing's 0.02 MCF/STB;
every unphysical result, as its column and the limit: co<0(unphysical) a
negative oil compressibility, pbx<=0(unphysical) a bubble point at or below
0 psia, bo<1(unphysical) Bo below 1 for an oil with gas in solution, z<0.2 or
z>2.5, a negative saturation; and every blank input (temperature=blank).
Values and limits are in the units above. JSON gives an array of objects:
"input" (a box) or "output" (a result or derived value), value, low, high
(null where there is no limit), unit, correlation (author and year; null where
no one correlation applies) and kind (outside_data_range, unphysical or
blank). Text lists them in words under the case and writes (unphysical) after
an unphysical value.

--table writes, for each case, the results at a series of pressures: by
default 50 points from 14.7 psia to the larger of the reservoir pressure and
1.25 times the bubble-point pressure, plus the bubble-point and the reservoir
pressures themselves (named in the note column); --pmin, --pmax and --points
(2 to 2000) change the range. Each row is exactly a run of the case at that
pressure. --compare-oil writes, for each case, one row per oil family with the
oil results; its data_range column says whether the case's API gravity, gas
gravity, temperature and GOR or bubble point lie inside that family's
published data (inside, outside, or unknown where the paper's ranges are not
known). A tuned family's row is followed by its published form. Both carry the
warnings of each row.

--export-eclipse writes the fluid and rock description a black-oil simulator
reads, for the one case in the input, in FIELD units (METRIC with --units
metric), after checking what a simulator requires (Rs and pressures
increasing, Bo rising along the saturated curve by less than the released gas
takes up and falling above each bubble point, Bg falling, every value finite
and positive); when a check fails it writes nothing and says which table, row,
quantity and value. Each row is a run of the case, except values the
correlations make unphysical (Bo flat or rising above a bubble point,
saturated Bo outgrowing the released gas, saturated oil viscosity rising with
Rs): these are adjusted and listed, in the file and the message. With
--strict-tables nothing is adjusted: wherever a value would be, the export is
refused, naming the table, row, quantity and value, and nothing is written. An
oil with a GOR of 0 gets PVDO instead of PVTO and no PVDG.

--lab FILE reads a lab data file (a laboratory report: the reservoir
temperature, the measured bubble point and GOR at it, an optional separator
test and dead-oil viscosity, and rows of pressure with any of rs, bo,
oil_viscosity, oil_compressibility, z, bg, relative_volume; see
docs/lab-data.md) for every case; without it a case file's own saved lab data
(@lab lines after its record) are used. --rank-oil writes, for each case, the
nine oil families ranked against the lab data: the average and largest
absolute error in percent of the bubble point predicted from the measured GOR
and of Rs, Bo, oil viscosity, oil compressibility, relative volume, z and Bg
at the measured pressures (relative to the measured value; Rs below a tenth of
the GOR at the bubble point relative to that GOR), with the number of points,
and a score, the mean error of pb, Rs, Bo and oil viscosity; the families are
ranked by the score plus 2 points for a family whose published data do not
cover the report (1 for unknown data), which data_range names. Text lists the
residual of every measured value for the tuned family, or else the best;
--residuals lists them for every family (CSV and JSON: one row each). With a
separator test, Rs and Bo are first adjusted to separator conditions.
--tune [FAMILY] fits a tuning to the lab data (FAMILY by its first three
letters; by default the family of the case's saved tuning, or else the
best-ranked one; a word that names no family and no file is refused as --oil
refuses one): the measured bubble point at the measured GOR, and every
measured Rs, saturated Bo and oil viscosity, are reproduced, and the
undersaturated compressibility and viscosity slope fitted to the points above
the bubble point. Every output then uses the tuned model and says so (text: a
Tuning line; CSV and JSON: the tuning column, and in JSON tuning_parameters);
with --rank-oil the tuned family gets a row of its own, and with --compare-oil
it is shown tuned and untuned.

At the end, when any record had a z-factor failure, carries warnings or was
refused, standard error gets one line: "tarnvik-calc: N records: F with a
z-factor failure, W with warnings, R refused" (failures and warnings are
counted for the plain calculation).

Exit status: 0 when every record was computed (warnings and z-factor failures
included), 1 when a record was malformed or refused (reported as FILE:LINE: on
standard error and skipped), a file could not be read, an export was refused
or the output could not be written, 2 for bad options (an unknown --oil or
--tune family, - given twice).)";

constexpr std::string_view kFamilies = "Sta, Vaz, Gla, Al-, Pet, Dok, Far, Obo, Kar";
// What a bare --tune becomes: no family named.
constexpr std::string_view kDefaultFamily = "(default)";

// The choice an option names, for the options' own checks; empty when it names none.
std::optional<RockCorrelation> RockOption(const std::string& text) {
  if (text.empty()) return RockCorrelation::None;
  return RockCorrelationFromCaption(text);
}

// --tune takes a family only when one follows: "--tune FILE" leaves FILE a case file, and a
// word that is neither a family nor a file is refused as --oil refuses one. A bare --tune
// becomes --tune=(default). False, having said why, for a word that names nothing.
bool NormaliseTune(std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != "--tune") continue;
    const bool next = i + 1 < arguments.size();
    if (next && OilCorrelationFromCaption(arguments[i + 1])) {
      arguments[i] += "=" + arguments[i + 1];
      arguments.erase(arguments.begin() + std::ptrdiff_t(i) + 1);
      continue;
    }
    const std::string word = next ? arguments[i + 1] : std::string();
    std::error_code ignored;
    if (next && !word.starts_with("-") && !std::filesystem::exists(word, ignored)) {
      std::cerr << "tarnvik-calc: --tune: \"" << word << "\" names no oil family (" << kFamilies << ") and no file\n";
      return false;
    }
    arguments[i] += "=" + std::string(kDefaultFamily);
  }
  return true;
}

struct Texts {
  std::string format = "text", values = "shown", units = "field", formation, gas;
  std::optional<std::string> oil, rock, tune;
};

void AddOptions(CLI::App& app, Options& o, Texts& t) {
  app.add_option("--format", t.format,
                 "Output: text (an aligned table per case, the\n"
                 "default), csv (one row per case) or json (JSON\n"
                 "lines)")
      ->check(CLI::IsMember({"text", "csv", "json"}))
      ->type_name("text|csv|json");
  app.add_option("--values", t.values,
                 "CSV values: shown (as the window shows them, the\n"
                 "default) or full (full-precision numbers)")
      ->check(CLI::IsMember({"shown", "full"}))
      ->type_name("shown|full");
  app.add_option("--units", t.units,
                 "Units of the output: field (psia, °F, MCF/STB,\n"
                 "RB/STB, lb/ft3, the default) or metric (bara,\n"
                 "°C, sm3/sm3, rm3/sm3, kg/m3)")
      ->check(CLI::IsMember({"field", "metric"}))
      ->type_name("field|metric");
  std::vector<std::string> formationItems(kFormationTypeItems.begin(), kFormationTypeItems.end());
  formationItems.emplace_back();  // none
  app.add_option("--formation", t.formation,
                 "Formation type for Newman and Yale et. al.:\n"
                 "\"Consolidated Sands\", \"Friable Sands\",\n"
                 "\"Unconsolidated Sands\", \"Carbonates\" or \"\"\n"
                 "for none (default: the case's @formation line)")
      ->check(CLI::IsMember(formationItems).description(""))
      ->type_name("TEXT");
  app.add_option("--gas", t.gas,
                 "Gas characterisation for the pseudo-critical\n"
                 "properties: wet or dry")
      ->check(CLI::IsMember({"wet", "dry"}));
  std::vector<std::string> rockItems(kRockCorrelationItems.begin(), kRockCorrelationItems.end());
  rockItems.emplace_back();  // none
  app.add_option("--rock", t.rock,
                 "Rock compressibility: \"Hall\", \"Van der Knaap\",\n"
                 "\"Newman\", \"Yale et. al.\" or \"\" for none")
      ->check(CLI::IsMember(rockItems))
      ->type_name("TEXT");
  app.add_option("--oil", t.oil,
                 "Oil family, by its first three letters:\n"
                 "Standing, Vazquez/Beggs, Glaso, Al-Marhoun,\n"
                 "Petrosky/Farshad, Dokla/Osman, Farshad,\n"
                 "Obomanu/Okpobiri, Kartoatmodjo/Schmidt; a name\n"
                 "that is none is refused (exit status 2)")
      ->check(CLI::Validator(
          [](const std::string& text) {
            return OilCorrelationFromCaption(text)
                       ? std::string()
                       : "\"" + text + "\" names no oil family (" + std::string(kFamilies) + ")";
          },
          "FAMILY"));
  for (auto [name, value, gas] :
       {std::tuple{"--co2", &o.overrides.co2, "Carbon dioxide"},
        std::tuple{"--h2s", &o.overrides.h2s, "Hydrogen sulphide"}, std::tuple{"--n2", &o.overrides.n2, "Nitrogen"}}) {
    app.add_option(name, *value,
                   std::string(gas) +
                       " in the gas, mol % (default:\n"
                       "the case's @gas line, or else 0); corrects z,\n"
                       "Bg, cg, the gas density and viscosity")
        ->check(CLI::Range(0.0, 100.0))
        ->type_name("MOL%");
  }
  app.add_option("FILE", o.files,
                 "Case files, one record per line; - reads\n"
                 "standard input (once only)")
      ->required();
  app.add_option("--lab", o.labPath,
                 "Lab data file for every case (a laboratory\n"
                 "report; see docs/lab-data.md)")
      ->type_name("FILE");
  app.add_option("--tune", t.tune,
                 "Fit a tuning to the lab data and use it for\n"
                 "every output (FAMILY by its first three letters;\n"
                 "default: the case's saved tuning's family, or\n"
                 "else the best-ranked; a name that is none is\n"
                 "refused). A saved tuning is used without it")
      ->type_name("[FAMILY]");
}

void AddOutputModes(CLI::App& app, Options& o) {
  auto* tableFlag = app.add_flag("--table", o.table, "Results at a series of pressures for each case");
  app.add_option("--pmin", o.range.minimum,
                 "Lowest pressure of the table, psia (bara with\n"
                 "--units metric; default 14.7 psia)")
      ->needs(tableFlag)
      ->type_name("P");
  app.add_option("--pmax", o.range.maximum,
                 "Highest pressure of the table, psia (bara with\n"
                 "--units metric; default: the larger of the\n"
                 "reservoir pressure and 1.25 pb)")
      ->needs(tableFlag)
      ->type_name("P");
  app.add_option("--points", o.range.points,
                 "Evenly spaced pressures of the table, 2 to 2000\n"
                 "(default 50)")
      ->needs(tableFlag)
      ->check(CLI::Range(kMinTablePoints, kMaxTablePoints))
      ->type_name("N");
  auto* compareFlag = app.add_flag("--compare-oil", o.compareOil,
                                   "The oil results of each case with each of the\n"
                                   "nine oil families")
                          ->excludes(tableFlag);
  auto* rankFlag = app.add_flag("--rank-oil", o.rankOil,
                                "The nine oil families ranked against the lab\n"
                                "data for each case (needs lab data)")
                       ->excludes(tableFlag)
                       ->excludes(compareFlag);
  app.add_flag("--residuals", o.residuals,
               "With --rank-oil: every measured value against\n"
               "every family (and the tuned one), one row each\n"
               "in CSV and JSON, and every family's residual\n"
               "table in text")
      ->needs(rankFlag);
  auto* exportOption = app.add_option("--export-eclipse", o.exportRequest.tablesPath,
                                      "Write the case's black-oil tables (PVTO or PVDO,\n"
                                      "PVDG, PVTW, ROCK, DENSITY; ECLIPSE format, FIELD\n"
                                      "units, METRIC with --units metric) to this file;\n"
                                      "the input must hold exactly one case")
                           ->excludes(tableFlag)
                           ->excludes(compareFlag)
                           ->excludes(rankFlag)
                           ->type_name("FILE");
  app.add_flag("--strict-tables", o.exportRequest.strict,
               "Adjust nothing: wherever the exported tables\n"
               "would be adjusted to describe a physical fluid,\n"
               "refuse, naming the table, row, quantity and\n"
               "value, and write nothing")
      ->needs(exportOption);
  app.add_option("--deck", o.exportRequest.deckPath,
                 "Also write an example simulation deck that\n"
                 "includes the tables (a 5 x 5 x 3 box, one\n"
                 "producer)")
      ->needs(exportOption)
      ->type_name("FILE");
}

// The texts of the options as the choices they name.
int TakeTexts(const Texts& t, Options& o) {
  o.format = t.format == "csv" ? Format::Csv : t.format == "json" ? Format::Json : Format::Text;
  o.values = t.values == "full" ? Values::Full : Values::Shown;
  if (o.values == Values::Full && o.format != Format::Csv) {
    std::cerr << "tarnvik-calc: --values full applies to --format csv (JSON always carries full numbers; text "
                 "shows the values as the window does)\n";
    return 2;
  }
  o.units = t.units == "metric" ? UnitSystem::Metric : UnitSystem::Field;
  o.exportRequest.units = o.units;
  // Table bounds are typed in the output's units; the tables are built in psia.
  for (std::optional<double>* bound : {&o.range.minimum, &o.range.maximum}) {
    if (*bound) **bound = ToField(**bound, Dimension::Pressure, o.units);
  }
  o.tune = t.tune.has_value();
  if (t.tune && *t.tune != kDefaultFamily) {
    o.tuneFamily = OilCorrelationFromCaption(*t.tune);
    if (!o.tuneFamily) {
      std::cerr << "tarnvik-calc: --tune: \"" << *t.tune << "\" names no oil family (" << kFamilies << ")\n";
      return 2;
    }
  }
  if (t.oil) o.overrides.oil = OilCorrelationFromCaption(*t.oil);
  if (!t.gas.empty()) o.overrides.gas = t.gas == "dry" ? GasCharacterisation::DryGas : GasCharacterisation::WetGas;
  if (t.rock) o.overrides.rock = RockOption(*t.rock);
  if (!t.formation.empty()) o.overrides.formation = FormationTypeFromCaption(t.formation);
  if (std::count(o.files.begin(), o.files.end(), "-") > 1) {
    std::cerr << "tarnvik-calc: standard input (-) can be read once only\n";
    return 2;
  }
  return -1;
}

}  // namespace

int ParseOptions(int argc, char** argv, Options& o) {
  CLI::App app{kDescription, "tarnvik-calc"};
  app.get_formatter()->column_width(32);
  Texts texts;
  AddOptions(app, o, texts);
  AddOutputModes(app, o);
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (!NormaliseTune(arguments)) return 2;
  std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them from the back
  try {
    app.parse(arguments);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  return TakeTexts(texts, o);
}

}  // namespace tarnvik::batch
