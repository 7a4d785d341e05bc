// End-to-end runs of the real tarnvik-calc program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "csv_row.h"
#include "program_run.h"

namespace {

namespace fs = std::filesystem;

using CliRun = tarnvik::testing::ProgramRun;
using tarnvik::testing::ReadFile;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarnvik-cli-test-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  CliRun Run(const std::vector<std::string>& args, const std::string& standardInput = {}) {
    return tarnvik::testing::RunProgram(TARNVIK_CALC, args, dir_, standardInput);
  }

  fs::path Write(const std::string& name, const std::string& content) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  fs::path dir_;
};

using tarnvik::testing::SplitCsvRow;

const std::string kData = TARNVIK_TEST_DATA;
const std::string kTypical = std::string(TARNVIK_EXAMPLES) + "/typical-oil.csv";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The reference's rows for a formation type: those with none chosen, with the rows that
// differ for this type put in their place.
std::vector<std::string> ExpectedRows(const std::string& formation) {
  std::vector<std::string> rows = Lines(ReadFile(kData + "/oracle-expected.csv"));
  for (const std::string& line : Lines(ReadFile(kData + "/oracle-expected-formations.csv"))) {
    if (line.rfind(formation + ",", 0) != 0 || formation.empty()) continue;
    const std::string row = line.substr(formation.size() + 1);
    const std::string number = row.substr(0, row.find(',') + 1);
    for (std::string& expected : rows) {
      if (expected.rfind(number, 0) == 0) expected = row;
    }
  }
  return rows;
}

// The cross-check set, with expected rows from the independent reference calculation in
// tests/reference (its README lists every record):
//   1–40  every oil family in both GOR modes, above, below and exactly at the bubble point
//   41–48 API exactly 30 and just above it; 49–51 dry gas; 52–60 every rock correlation
//   61–64 water specific gravity 1.025, 1.0 and 0.98 (negative salinity: out of range)
//   65–72 oil, gas or both absent; 73–75 the three z-factor failures at the reservoir
//   pressure; 76–79 z refused at p + 5 or p − 5 psia (one-sided gas compressibility)
//   80    text in a number field (refused); 81 a title with a comma and quotation marks
//   82    selector texts that are not exactly the mode texts; 83 a negative pb
//   84–85 oils without gas in solution; 86–89 gases with CO2, H2S and N2 (@gas lines), the
//         last beyond the data of Wichert and Aziz and of Carr, Kobayashi and Burrows
// The warnings column, last, is this program's own: every other column is compared with
// the reference.
TEST_F(CliTest, CsvMatchesIndependentReferenceForEveryFormationType) {
  for (const std::string formation :
       {"", "Consolidated Sands", "Friable Sands", "Unconsolidated Sands", "Carbonates"}) {
    SCOPED_TRACE("formation \"" + formation + "\"");
    const CliRun run = Run({"--format", "csv", "--formation", formation, kData + "/oracle-cases.csv"});
    const std::vector<std::string> expected = ExpectedRows(formation), got = Lines(run.out);
    ASSERT_EQ(expected.size(), 89u);
    ASSERT_EQ(got.size(), expected.size());
    std::vector<std::string> warnings;
    for (std::size_t row = 0; row < expected.size(); ++row) {
      // The last two columns, warnings and tuning, are this program's own.
      const std::size_t tuning = got[row].rfind(','), last = got[row].rfind(',', tuning - 1);
      EXPECT_EQ(got[row].substr(0, last), expected[row]) << "row " << row;
      warnings.push_back(got[row].substr(last + 1, tuning - last - 1));
    }
    EXPECT_EQ(warnings[0], "warnings");
    EXPECT_EQ(warnings[1], "") << "case 1 lies inside every correlation's data";
    EXPECT_EQ(warnings[82],
              "pb<1574(Petrosky-Farshad);gor<0.217(Petrosky-Farshad);pressure<1700(Petrosky-Farshad-co);"
              "rs<0.051(Chew-Connally);pb<132(Chew-Connally);pressure<1514.7(Beal-undersaturated);"
              "pbx<=0(unphysical)")
        << "case 83, Petrosky/Farshad with a GOR of 0.02 MCF/STB";
    EXPECT_EQ(warnings[85], "") << "case 86, Ahmed's sour gas, lies inside the corrections' data";
    EXPECT_EQ(warnings[88],
              "co2>54.4(Wichert-Aziz);n2>15(Carr-Kobayashi-Burrows-N2);co2>15(Carr-Kobayashi-Burrows-viscosity);"
              "n2>15(Carr-Kobayashi-Burrows-viscosity)")
        << "case 89, 60 % CO2 and 20 % N2";
    // Record 80 holds text in the porosity field: reported, skipped, the rest computed; the
    // last line counts what a script should know.
    EXPECT_EQ(run.err, kData + "/oracle-cases.csv:80: field 12 (porosity): \"12abc\" is not a number\n" +
                           "tarnvik-calc: 89 records: 3 with a z-factor failure, 27 with warnings, 1 refused\n");
    EXPECT_EQ(run.exitCode, 1);
  }
}

// JSON and CSV with --values full carry the same full-precision numbers in the display
// units, where the default CSV carries the window's texts; nothing computed is null.
// Metric output is the field output converted, value by value, with factors taken from
// a conversion table rather than the program: bar per psi 0.0689475729, sm³/sm³ per MCF/STB
// 178.107607, rm³/sm³ per RB/MCF 0.00561458333, kg/m³ per lb/ft³ 16.0184634, 1e-5/bar per
// microsip 1.45037738. The header names each column's unit; the table takes bara.
TEST_F(CliTest, MetricOutputIsTheFieldOutputConverted) {
  const CliRun field = Run({"--format", "csv", "--values", "full", kData + "/oracle-cases.csv"});
  const CliRun metric = Run({"--units", "metric", "--format", "csv", "--values", "full", kData + "/oracle-cases.csv"});
  const auto fieldRows = Lines(field.out), metricRows = Lines(metric.out);
  ASSERT_EQ(fieldRows.size(), metricRows.size());
  const auto header = SplitCsvRow(metricRows[0]);
  EXPECT_EQ(header[4], "rs [sm3/sm3]");
  EXPECT_EQ(header[19], "water_density [kg/m3]");
  const std::map<std::string, double> factors = {
      {"rs", 178.107607},          {"rsw", 178.107607},         {"bg", 0.00561458333},        {"co", 1.45037738},
      {"cg", 1.45037738},          {"cw", 1.45037738},          {"cf", 1.45037738},           {"ct", 1.45037738},
      {"oil_density", 16.0184634}, {"gas_density", 16.0184634}, {"water_density", 16.0184634}};
  for (std::size_t row = 1; row < fieldRows.size(); ++row) {
    const auto f = SplitCsvRow(fieldRows[row]), m = SplitCsvRow(metricRows[row]);
    ASSERT_EQ(f.size(), m.size()) << row;
    for (std::size_t column = 4; column < 25; ++column) {
      if (f[column].empty()) {
        EXPECT_EQ(m[column], "") << row << ' ' << header[column];
        continue;
      }
      const std::string name = header[column].substr(0, header[column].find(' '));
      double factor = factors.count(name) ? factors.at(name) : 1;
      if (name == "pbx") factor = f[3].find("GOR") != std::string::npos ? 178.107607 : 0.0689475729;
      EXPECT_NEAR(std::stod(m[column]), std::stod(f[column]) * factor, 1e-8 * std::abs(std::stod(m[column])) + 1e-12)
          << "record " << f[0] << ", " << header[column];
    }
  }
  const CliRun table = Run({"--units", "metric", "--table", "--pmin", "100", "--pmax", "200", "--points", "2",
                            "--format", "csv", "--values", "full", kTypical});
  EXPECT_NE(table.out.find(",pressure [bara],"), std::string::npos) << table.out;
  EXPECT_NE(table.out.find("\",100,"), std::string::npos) << table.out;
}

// Text for people; JSON and CSV with --values full carry the same full-precision numbers,
// where the default CSV carries the window's texts; and what a program needs besides.
TEST_F(CliTest, MachineReadableOutputCarriesNumbers) {
  const CliRun text = Run({kTypical});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_EQ(text.err, "");
  EXPECT_NE(text.out.find("Bubble-point pressure                 2203.     psia"), std::string::npos) << text.out;

  const CliRun shown = Run({"--format", "csv", kTypical});
  const CliRun full = Run({"--format", "csv", "--values", "full", kTypical});
  const CliRun json = Run({"--format", "json", kTypical});
  ASSERT_EQ(full.exitCode, 0);
  ASSERT_EQ(json.exitCode, 0);
  const auto header = SplitCsvRow(Lines(full.out)[0]);
  ASSERT_EQ(header.size(), 28u);
  const auto jsonLines = Lines(json.out);
  ASSERT_EQ(jsonLines.size(), 2u);
  for (std::size_t record = 0; record < 2; ++record) {
    const auto object = nlohmann::json::parse(jsonLines[record]);
    const auto fields = SplitCsvRow(Lines(full.out)[record + 1]);
    const auto texts = SplitCsvRow(Lines(shown.out)[record + 1]);
    for (std::size_t i = 4; i + 3 < header.size(); ++i) {
      ASSERT_TRUE(object[header[i]].is_number()) << header[i];
      EXPECT_EQ(std::stod(fields[i]), object[header[i]].get<double>()) << header[i];
      EXPECT_EQ(fields[i].empty(), texts[i].empty()) << header[i];
    }
  }
  EXPECT_NE(Lines(shown.out)[1].find(",.5,1.284,"), std::string::npos) << shown.out;
  EXPECT_NE(Lines(full.out)[1].find(",0.5,1.283906585397349"), std::string::npos) << full.out;

  EXPECT_EQ(Run({"--values", "full", kTypical}).exitCode, 2) << "full values are for CSV";

  // What a program needs beside the window's captions: what pbx is, null for what was not
  // computed, and the status of the run; the formation type is kept on a line of its own.
  const std::string start = "\"x\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"\",\"\",";
  const auto file =
      Write("machine.csv",
            start + "\"Newman\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n" + "@formation,1,\"Carbonates\"\r\n" +  //
                start + "\"\",0,0.7,200,3000,0.5,20,25,3,0\r\n" + start + "\"\",35,0.75,-100,3000,0.5,20,25,3,0\r\n");
  const CliRun run = Run({"--format", "json", file.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  const auto withFormation = nlohmann::json::parse(lines[0]), noOil = nlohmann::json::parse(lines[1]),
             failed = nlohmann::json::parse(lines[2]);
  EXPECT_TRUE(withFormation["cf"].is_number()) << "Newman reads the formation type of the @formation line";
  EXPECT_EQ(withFormation["pbx_kind"], "pb");
  EXPECT_EQ(withFormation["pbx_unit"], "psia");
  EXPECT_EQ(withFormation["status"], 0);
  EXPECT_TRUE(noOil["bo"].is_null());
  EXPECT_TRUE(noOil["cf"].is_null()) << "no rock correlation";
  EXPECT_TRUE(noOil["pbx"].is_null()) << "no oil, no bubble point";
  EXPECT_TRUE(noOil["pbx_kind"].is_null());
  EXPECT_EQ(failed["status"], 1) << "pTr<1";
}

// "-" reads the records from standard input, as a pipe gives them: the same output as the
// file, between other files too, and messages that name standard input.
TEST_F(CliTest, DashReadsStandardInput) {
  const CliRun file = Run({"--format", "csv", kTypical});
  const CliRun piped = Run({"--format", "csv", "-"}, kTypical);
  ASSERT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_EQ(piped.out, file.out);

  const std::string record = Lines(ReadFile(kTypical)).front() + "\n";
  const fs::path two = Write("two.csv", record + "\"bad\"\n");
  const CliRun mixed = Run({"--format", "csv", kTypical, "-", kTypical}, two);
  EXPECT_EQ(mixed.exitCode, 1) << "a malformed record on standard input";
  EXPECT_NE(mixed.err.find("(standard input):2: "), std::string::npos) << mixed.err;
  // The example file holds two records: 1 and 2, then 3 and the malformed 4 from standard
  // input, then 5 and 6.
  const std::vector<std::string> rows = Lines(mixed.out);
  ASSERT_EQ(rows.size(), 6u) << mixed.out;
  EXPECT_EQ(rows[3].substr(0, 2), "3,");
  EXPECT_EQ(rows[4].substr(0, 2), "5,");

  EXPECT_EQ(Run({"-", "-"}, kTypical).exitCode, 2) << "standard input is read once";
}

TEST_F(CliTest, OptionsOverrideTheRecordsCorrelations) {
  const auto glasoDry = Write("glaso.csv",
                              "\"t\",\"GOR MCF/STB\",\"\",\"Glaso : North Sea Crudes\",\"Dry Gas\",\"Newman\","
                              "35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  const auto standingWet = Write("standing.csv",
                                 "\"t\",\"GOR MCF/STB\",\"\",\"Standing\",\"Wet Gas\",\"Hall\","
                                 "35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  const CliRun direct = Run({"--format", "csv", "--formation", "Carbonates", glasoDry.string()});
  const CliRun overridden = Run({"--format", "csv", "--formation", "Carbonates", "--oil", "Glaso", "--gas", "dry",
                                 "--rock", "Newman", standingWet.string()});
  ASSERT_EQ(direct.exitCode, 0);
  EXPECT_EQ(overridden.out, direct.out);
  const CliRun plain = Run({"--format", "csv", standingWet.string()});
  EXPECT_NE(plain.out, direct.out);
}

// Ahmed's sour gas (γg 0.7, 5 % CO2, 10 % H2S, 3500 psia, 160 °F, Reservoir Engineering
// Handbook, Example 2-9: z 0.89 from the chart, 11.98 lb/ft³) through the @gas line of its
// case file and through the options, which override the line; a @gas line that does not read
// fails its record only, naming the line.
TEST_F(CliTest, GasImpuritiesComeFromTheFileOrTheOptions) {
  const std::string record =
      "\"Sour gas\",\"GOR MCF/STB\",\"\",\"Standing\",\"Dry Gas\",\"\",0,0.7,160,3500,0,20,25,3,0.5\r\n";
  const auto sour = Write("sour.csv", record + "@gas,1,5,10,0\r\n");
  const auto sweet = Write("sweet.csv", record);
  const CliRun text = Run({sour.string()});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_NE(text.out.find("Gas impurities: CO2 5 mol %, H2S 10 mol %: pseudo-critical properties corrected by "
                          "Wichert and Aziz (CO2, H2S)"),
            std::string::npos)
      << text.out;
  const auto z = [](const CliRun& run) {
    const auto row = SplitCsvRow(run.out.substr(run.out.find('\n') + 1));
    return std::stod(row[8]) * 1000;  // the z column, as shown
  };
  const CliRun fromFile = Run({"--format", "csv", sour.string()});
  EXPECT_NEAR(z(fromFile), 890, 10) << fromFile.out;
  const CliRun fromOptions = Run({"--format", "csv", "--co2", "5", "--h2s", "10", sweet.string()});
  EXPECT_EQ(fromOptions.out, fromFile.out);
  const CliRun overridden = Run({"--format", "csv", "--co2", "0", "--h2s", "0", sour.string()});
  EXPECT_EQ(overridden.out, Run({"--format", "csv", sweet.string()}).out);

  const auto bad = Write("bad.csv", record + "@gas,1,5,ten,0\r\n" + record);
  const CliRun refused = Run({"--format", "csv", bad.string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("bad.csv:2: the H2S content \"ten\" is not a number from 0 to 100"), std::string::npos)
      << refused.err;
  EXPECT_NE(refused.out.find("\n2,Sour gas"), std::string::npos) << "the next record still runs";
  EXPECT_EQ(Run({"--co2", "-1", sweet.string()}).exitCode, 2);

  // The export and the tables use them and say so.
  const auto oil = Write("oil.csv",
                         "\"Sour oil\",\"GOR MCF/STB\",\"\",\"Standing\",\"Wet Gas\",\"Hall\","
                         "35,0.75,200,3000,0.5,20,25,3,0.5\r\n@gas,1,2,0,3\r\n");
  const fs::path tables = dir_ / "pvt.inc";
  ASSERT_EQ(Run({"--export-eclipse", tables.string(), oil.string()}).exitCode, 0);
  EXPECT_NE(ReadFile(tables).find("-- Note: Gas impurities CO2 2 mol %, N2 3 mol %: pseudo-critical properties "
                                  "corrected by Wichert and Aziz (CO2, H2S) and Carr, Kobayashi and Burrows (N2)"),
            std::string::npos);
  EXPECT_NE(Run({"--table", oil.string()}).out.find("  Gas impurities: CO2 2 mol %, N2 3 mol %"), std::string::npos);
  EXPECT_NE(Run({"--compare-oil", oil.string()}).out.find("  Gas impurities: CO2 2 mol %"), std::string::npos);
}

TEST_F(CliTest, UnreadableFileIsNamedAndOtherFilesStillRun) {
  const std::string missing = (dir_ / "no-such-case.csv").string();
  const CliRun run = Run({"--format", "csv", missing, kTypical});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind(missing + ": cannot open", 0), 0u) << run.err;
  EXPECT_NE(run.out.find("\n1,\"North field"), std::string::npos);
}

long PeakChildMemoryKib() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss;
}

// The calculator streams: 50 times more records need no more memory.
TEST_F(CliTest, MemoryStaysFlatHoweverManyRecords) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine; measured in the plain build";
#endif
  const std::string record =
      "\"case\",\"GOR MCF/STB\",\"\",\"Glaso\",\"Dry Gas\",\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n";
  std::string few, many;
  for (int i = 0; i < 1000; ++i) few += record;
  for (int i = 0; i < 50; ++i) many += few;
  const auto small = Write("few.csv", few);
  const auto large = Write("many.csv", many);
  ASSERT_EQ(Run({"--format", "csv", small.string()}).exitCode, 0);
  const long afterSmall = PeakChildMemoryKib();
  const CliRun run = Run({"--format", "json", large.string()});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_GT(run.out.size(), 50000u * 300);
  const long afterLarge = PeakChildMemoryKib();
  constexpr long kSlackKib = 4096;  // allocator noise; the input alone is 5 MB
  EXPECT_LE(afterLarge, afterSmall + kSlackKib) << "peak " << afterSmall << " KiB, then " << afterLarge << " KiB";
}

TEST_F(CliTest, BadOptionsExitWithTwoAndHelpDocumentsUnits) {
  EXPECT_EQ(Run({"--gas", "moist", kTypical}).exitCode, 2);
  EXPECT_EQ(Run({"--oil", "Brent", kTypical}).exitCode, 2);
  EXPECT_EQ(Run({"--format", "xml", kTypical}).exitCode, 2);
  EXPECT_EQ(Run({}).exitCode, 2);
  const CliRun help = Run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* text :
       {"MCF/STB", "microsips", "--formation", "--values", "out_of_range", "warnings", "data_range"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

// The table of the example's two cases: 50 points, plus the bubble point, plus the
// reservoir pressure where it is not the end of the range.
TEST_F(CliTest, TableHasTheDefaultRowsAndRefusesBadRanges) {
  const CliRun run = Run({"--format", "csv", "--table", kTypical});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  int rows[3] = {0, 0, 0};
  for (const std::string& line : Lines(run.out)) {
    if (line[0] != 'c') ++rows[std::stoi(line)];
  }
  EXPECT_EQ(rows[1], 51) << "p = 3000 psia ends the range";
  EXPECT_EQ(rows[2], 52) << "p = 2000 psia inside a range to 1.25 x 2500";

  const CliRun small =
      Run({"--format", "json", "--table", "--pmin", "1000", "--pmax", "2000", "--points", "3", kTypical});
  EXPECT_EQ(small.exitCode, 0);
  EXPECT_NE(small.out.find("\"pressure\":1500.0,"), std::string::npos) << small.out;
  EXPECT_EQ(Run({"--table", "--points", "1", kTypical}).exitCode, 2);
  EXPECT_EQ(Run({"--points", "5", kTypical}).exitCode, 2) << "--points needs --table";
  const CliRun inverted = Run({"--table", "--pmin", "3000", "--pmax", "100", kTypical});
  EXPECT_EQ(inverted.exitCode, 1);
  EXPECT_NE(inverted.err.find("must be above the lowest"), std::string::npos) << inverted.err;
}

TEST_F(CliTest, CompareOilGivesNineFamiliesPerCase) {
  const CliRun run = Run({"--format", "csv", "--compare-oil", kTypical});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "case,title,family,message,pbx,rs,bo,oil_viscosity,co,oil_density,out_of_range,data_range,warnings,"
            "tuning");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + 18);
  // Standing is the example's own family: its row shows what the plain run shows.
  EXPECT_NE(run.out.find("North field, well A-1 black oil\",Standing,,2203.,.5,1.284,.62,13.5,45.26,"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(Run({"--compare-oil", "--table", kTypical}).exitCode, 2);
}

// The example laboratory report: the nine families ranked against it, best first, and the
// tuned model used by every output, each saying so; a tuning saved with a case; what cannot
// be done is said.
TEST_F(CliTest, LabDataRankAndTune) {
  const std::string lab = std::string(TARNVIK_EXAMPLES) + "/lab/good-oil-220F.csv";
  const std::string labCase = std::string(TARNVIK_EXAMPLES) + "/lab/good-oil-case.csv";
  const CliRun rank = Run({"--format", "csv", "--lab", lab, "--rank-oil", "--tune", labCase});
  ASSERT_EQ(rank.exitCode, 0) << rank.err;
  const auto lines = Lines(rank.out);
  ASSERT_EQ(lines.size(), 1u + 9 + 1) << rank.out;
  double previous = 0;
  std::string best, tuned;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto row = SplitCsvRow(lines[i]);
    if (row[2].empty()) {  // the tuned family's own row, unranked
      tuned = row[3];
      EXPECT_EQ(row[6], "0.00") << "the measured bubble point, exactly";
      continue;
    }
    if (best.empty()) best = row[3];
    EXPECT_GE(std::stod(row[5]), previous) << "sorted by the ranked score: " << lines[i];
    previous = std::stod(row[5]);
  }
  EXPECT_EQ(tuned, best + " (tuned)") << "--tune without a family tunes the best-ranked";

  const auto json = nlohmann::json::parse(Run({"--format", "json", "--lab", lab, "--tune", labCase}).out);
  EXPECT_NEAR(json["pbx"].get<double>(), 2634.7, 1e-6) << "the case is at the report's temperature and GOR";
  EXPECT_NE(json["tuning"].get<std::string>().find("tuned to lab data: Rs through"), std::string::npos);
  const CliRun table = Run({"--lab", lab, "--tune", "Standing", "--table", "--points", "3", labCase});
  EXPECT_NE(table.out.find("  Tuning: Standing tuned to lab data"), std::string::npos) << table.out;
  const CliRun exported = Run({"--lab", lab, "--tune", "Glaso", "--export-eclipse", (dir_ / "t.inc").string(), "--deck",
                               (dir_ / "T.DATA").string(), labCase});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_NE(ReadFile(dir_ / "t.inc").find("-- Note: the oil is Glaso tuned to lab data"), std::string::npos);

  // A tuning saved after the record is in force without --tune (the bubble point the window
  // and the Python module show for this line); --tune fits it again, and without lab data
  // says so; an unknown family is refused rather than taken for a file name.
  const auto saved = Write("tuned.csv",
                           "\"tuned\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Wet "
                           "Gas\",\"Hall\",35.1,0.872,220,2000,0.854,20,25,3,0.5\r\n"
                           "@tuning,1,Standing,0.83298,1.0193,1.1184,1.2436,2634.7\r\n");
  const CliRun inForce = Run({"--format", "json", saved.string()});
  ASSERT_EQ(inForce.exitCode, 0) << inForce.err;
  const auto line = nlohmann::json::parse(inForce.out);
  EXPECT_EQ(line["pbx"].get<double>(), 2634.942439479419);
  EXPECT_EQ(line["tuning_parameters"]["version"], 1);
  EXPECT_EQ(line["tuning_parameters"]["pressure_scale"], 0.83298);
  EXPECT_NE(line["tuning"].get<std::string>().find("Standing tuned to lab data"), std::string::npos);
  const CliRun noLab = Run({"--tune", saved.string()});
  EXPECT_EQ(noLab.exitCode, 1);
  EXPECT_NE(noLab.err.find("no lab data: give --lab FILE"), std::string::npos) << noLab.err;
  const CliRun brent = Run({"--lab", lab, "--tune", "Brent", labCase});
  EXPECT_EQ(brent.exitCode, 2);
  EXPECT_NE(brent.err.find("\"Brent\" names no oil family"), std::string::npos) << brent.err;
  const CliRun badLab =
      Run({"--lab", Write("bad.csv", "tarnvik-lab,1,field\ntemperature,x\n").string(), "--rank-oil", labCase});
  EXPECT_EQ(badLab.exitCode, 1);
  EXPECT_NE(badLab.err.find("line 2, column 2 (temperature)"), std::string::npos) << badLab.err;
}

// Warnings never stop a run or change the exit status; every format carries them, and
// --compare-oil marks the families whose data cover the case.
TEST_F(CliTest, WarningsAreReportedInEveryFormat) {
  const auto cases = Write("warned.csv",
                           "\"light\",\"GOR MCF/STB\",\"\",\"Glaso\",\"\",\"\",58,0.75,200,3000,0.5,20,25,3,0.5\r\n"
                           "\"cold\",\"GOR MCF/STB\",\"\",\"\",\"\",\"\",15,1.2,60,3000,0.01,20,25,3,0.5\r\n");
  const CliRun csv = Run({"--format", "csv", cases.string()});
  EXPECT_EQ(csv.exitCode, 0);
  const auto light = SplitCsvRow(Lines(csv.out)[1]);
  EXPECT_EQ(light[light.size() - 2], "api>48.1(Glaso);api>52(Beal-dead-oil)");
  EXPECT_EQ(light[4], ".5") << "the values are still given";

  const CliRun json = Run({"--format", "json", cases.string()});
  const auto warning = nlohmann::ordered_json::parse(Lines(json.out)[0])["warnings"][0];
  EXPECT_EQ(warning.dump(), R"json({"input":"api","value":58.0,"low":22.3,"high":48.1,"unit":"°API",)json"
                            R"json("correlation":"Glaso (1980)","kind":"outside_data_range"})json");
  const auto co = nlohmann::json::parse(Lines(json.out)[1])["warnings"].at(16);
  EXPECT_EQ(co["output"], "co");
  EXPECT_EQ(co["kind"], "unphysical");
  EXPECT_TRUE(co["high"].is_null());

  const CliRun text = Run({cases.string()});
  EXPECT_NE(text.out.find("  Warnings\n    API 58 is above Glaso's data, 22.3-48.1 °API\n"), std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("Oil compressibility                     -5.3    microsips  (unphysical)\n"),
            std::string::npos)
      << text.out;

  const CliRun compare = Run({"--format", "csv", "--compare-oil", cases.string()});
  EXPECT_EQ(compare.exitCode, 0);
  std::vector<std::string> marks;
  for (const std::string& line : Lines(compare.out)) {
    const auto fields = SplitCsvRow(line);
    if (fields[0] == "1") marks.push_back(fields[2] + " " + fields[fields.size() - 3]);
  }
  EXPECT_EQ(marks,
            (std::vector<std::string>{"Standing inside", "Vazquez/Beggs inside", "Glaso outside", "Al-Marhoun outside",
                                      "Petrosky/Farshad outside", "Dokla/Osman outside", "Farshad outside",
                                      "Obomanu/Okpobiri unknown", "Kartoatmodjo/Schmidt inside"}));
}

// An export either writes what was asked or says why not, and what was written.
TEST_F(CliTest, ExportSaysWhyNothingWasWritten) {
  const fs::path tables = dir_ / "pvt.inc", deck = dir_ / "CASE.DATA";
  // Heavy oil at 60 °F with a heavy gas has a negative undersaturated compressibility on
  // its lowest record: the export raises it and says so, in the message and in the file;
  // --strict-tables refuses instead.
  const auto heavy = Write("heavy.csv",
                           "\"cold heavy\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing\",\"Wet Gas\",\"Hall\","
                           "15,1.2,60,3000,0.01,20,25,3,0.5\r\n");
  const CliRun adjusted = Run({"--export-eclipse", tables.string(), heavy.string()});
  EXPECT_EQ(adjusted.exitCode, 0) << adjusted.err;
  const std::string row =
      "PVTO record 1 (Rs 0.0045057977 MSCF/STB), row 2 at 1136.025 psia: Bo 1.0149245 -> 0.99784976";
  EXPECT_NE(adjusted.out.find(row), std::string::npos) << adjusted.out;
  EXPECT_NE(ReadFile(tables).find("--   " + row), std::string::npos);
  const CliRun refused =
      Run({"--export-eclipse", tables.string(), "--strict-tables", "--deck", deck.string(), heavy.string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("nothing written: PVTO record 1 (Rs 0.0045057977 MSCF/STB), row 2 at 1136.025 psia: Bo"),
            std::string::npos)
      << refused.err;
  EXPECT_FALSE(fs::exists(deck));
  fs::remove(tables);
  const CliRun two = Run({"--export-eclipse", tables.string(), kTypical});
  EXPECT_NE(two.err.find("exactly one case"), std::string::npos) << two.err;
  EXPECT_EQ(Run({"--deck", deck.string(), kTypical}).exitCode, 2) << "--deck needs --export-eclipse";

  const std::string good =
      "\"one\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing\",\"Wet "
      "Gas\",\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n";
  const auto malformed = Write("malformed.csv", good + "\"two\",\"\",1,2\r\n");
  const CliRun withBadRecord = Run({"--export-eclipse", tables.string(), malformed.string()});
  EXPECT_EQ(withBadRecord.exitCode, 1);
  EXPECT_NE(withBadRecord.err.find("nothing written: the input holds a record that could not be read (" +
                                   malformed.string() + ":2)"),
            std::string::npos)
      << withBadRecord.err;
  EXPECT_FALSE(fs::exists(tables));

  const auto one = Write("one.csv", good);
  if (fs::exists("/dev/full")) {
    const CliRun partly = Run({"--export-eclipse", tables.string(), "--deck", "/dev/full", one.string()});
    EXPECT_EQ(partly.exitCode, 1);
    EXPECT_NE(partly.err.find("wrote " + tables.string() + ", but not the deck: cannot write /dev/full"),
              std::string::npos)
        << partly.err;
    EXPECT_TRUE(fs::exists(tables));
  }
}

TEST_F(CliTest, AnOutputThatCannotBeWrittenIsAnError) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "this system has no /dev/full to fill";
  const auto command = tarnvik::testing::Quoted(TARNVIK_CALC) + " " + tarnvik::testing::Quoted(kTypical) +
                       " >/dev/full 2>" + tarnvik::testing::Quoted((dir_ / "err").string());
  const int status = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadFile(dir_ / "err"), "tarnvik-calc: cannot write the output: No space left on device\n");
}

// A blank number is read as 0 and said; an input no reservoir can have is refused with its
// file and line, the others computed; the last line of standard error counts them.
TEST_F(CliTest, BlankAndImpossibleInputsAreSaid) {
  const std::string start = "\"x\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"\",\"\",\"\",";
  const auto file = Write("inputs.csv", start + "35,0.75,,3000,0.5,20,25,3,0.5\r\n" +          // blank temperature
                                            start + "35,0.75,200,3000,-0.5,20,25,3,0.5\r\n" +  // negative GOR
                                            start + "35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  const CliRun run = Run({"--format", "csv", file.string()});
  EXPECT_EQ(run.exitCode, 1);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  const auto blank = SplitCsvRow(lines[1]);
  EXPECT_EQ(blank[blank.size() - 2].substr(0, 17), "temperature=blank");
  EXPECT_NE(run.err.find("inputs.csv:2: GOR at the bubble point -0.5 MCF/STB is impossible (below 0)"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("tarnvik-calc: 3 records: 0 with a z-factor failure, 1 with warnings, 1 refused\n"),
            std::string::npos)
      << run.err;
  const auto json = nlohmann::ordered_json::parse(Lines(Run({"--format", "json", file.string()}).out)[0]);
  EXPECT_EQ(json["warnings"][0].dump(), R"({"input":"temperature","value":0.0,"low":null,"high":null,"unit":"°F",)"
                                        R"("correlation":null,"kind":"blank"})");
}

// Tables and comparisons carry what a case's line carries, and count in the summary.
TEST_F(CliTest, TableRowsCarryTheFieldsAndWarningsOfACase) {
  const auto file =
      Write("blank.csv", "\"b\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"\",\"\",\"\",35,0.75,200,3000,0.5,20,25,3,\r\n");
  for (const char* mode : {"--table", "--compare-oil"}) {
    SCOPED_TRACE(mode);
    const CliRun run = Run({mode, "--format", "json", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto line = nlohmann::json::parse(Lines(run.out).front());
    EXPECT_EQ(line["pbx_kind"], "pb");
    EXPECT_EQ(line["status"], 0);
    EXPECT_EQ(line["warnings"][0]["kind"], "blank");
    EXPECT_EQ(line["warnings"][0]["input"], "wor");
    EXPECT_NE(run.err.find("1 record: 0 with a z-factor failure, 1 with warnings"), std::string::npos) << run.err;
  }
}

// What scripts read back: pressures as a reader types them, and every unit the metric
// export names.
TEST_F(CliTest, MetricAndTextNumbersReadAsTyped) {
  const CliRun text = Run({"--table", "--pmin", "14.7", "--pmax", "5000", "--points", "4", kTypical});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out.find("1676.4666"), std::string::npos) << "evenly spaced pressures to a tenth of a psi";
  EXPECT_NE(text.out.find("1676.5 "), std::string::npos) << text.out;

  const CliRun metric =
      Run({"--units", "metric", "--format", "csv", "--table", "--pmin", "1", "--points", "2", kTypical});
  ASSERT_EQ(metric.exitCode, 0) << metric.err;
  EXPECT_NE(metric.out.find("black oil\",1,,"), std::string::npos) << "1 bara, not 0.9999999999999999: " << metric.out;

  const fs::path one = Write("one.csv", Lines(ReadFile(kTypical)).front() + "\n");
  const CliRun exported = Run({"--units", "metric", "--export-eclipse", (dir_ / "pvt.inc").string(), one.string()});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_NE(exported.out.find(" bara, Rs "), std::string::npos) << exported.out;
  EXPECT_EQ(exported.out.find("psi"), std::string::npos) << "adjustments and notes in bar: " << exported.out;
}

}  // namespace
