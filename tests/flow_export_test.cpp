// The exported tables and example deck run in OPM Flow, the open-source reservoir
// simulator: it must parse every keyword and finish the schedule, and its results must
// show the fluid we described (the initial gas-oil ratio is our Rs, the well holds its
// rate, the pressure starts at ours).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "program_run.h"

namespace {

namespace fs = std::filesystem;
using tarnvik::testing::RunProgram;

struct FlowCase {
  const char* name;
  const char* record;  // a case-file record
};

// Light and heavy oil, wet and dry gas, both GOR modes, several families, a reservoir
// below its bubble point, and two dead oils.
const FlowCase kCases[] = {
    {"LightStandingWet",
     R"("light","GOR MCF/STB","Salinity % NaCl","Standing : California Crudes","Wet Gas","Hall",40,0.75,200,3000,0.6,22,25,3,0.5)"},
    {"HeavyVazquezBeggsDry",
     R"("heavy","GOR MCF/STB","Salinity % NaCl","Vazquez/Beggs : Worldwide Crudes","Dry Gas","Van der Knaap",22,0.7,170,2500,0.15,25,20,5,0.2)"},
    {"LightGlasoDryBubblePointMode",
     R"("light","Bubble Point Pressure psia","Salinity % NaCl","Glaso : North Sea Crudes","Dry Gas","Hall",38,0.8,220,4000,2800,18,30,8,1)"},
    {"HeavyPetroskyWet",
     R"("heavy","GOR MCF/STB","Water Specific Gravity","Petrosky/Farshad : Gulf of Mexico Crudes","Wet Gas","Hall",24,0.85,190,3500,0.3,24,22,1.05,0.3)"},
    {"LightKartoatmodjoWet",
     R"("light","GOR MCF/STB","Salinity % NaCl","Kartoatmodjo/Schmidt : Worldwide Crudes","Wet Gas","Hall",45,0.72,240,4500,1.0,20,25,4,0.5)"},
    {"HeavyAlMarhounDry",
     R"("heavy","GOR MCF/STB","Salinity % NaCl","Al-Marhoun : Middle East Crudes","Dry Gas","Hall",25,0.9,180,3000,0.25,20,25,6,0.5)"},
    {"SaturatedReservoirDoklaWet",
     R"("below pb","Bubble Point Pressure psia","Salinity % NaCl","Dokla/Osman : U.A.E. crudes","Wet Gas","Hall",36,0.8,210,2200,2600,20,25,3,0.5)"},
    {"DeadOilGorZero",
     R"("dead","GOR MCF/STB","Salinity % NaCl","Standing : California Crudes","Wet Gas","Hall",30,0.75,180,3000,0,20,25,3,0)"},
    {"DeadOilNoGas",
     R"("dead","GOR MCF/STB","Salinity % NaCl","Farshad : Columbian Crudes","Wet Gas","Hall",20,0,150,2500,0.3,25,20,3,0)"},
};

// The columns of OPM's `summary` tool: one row per time step.
std::vector<std::vector<double>> SummaryRows(const std::string& text) {
  std::vector<std::vector<double>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::vector<double> row;
    for (double value; fields >> value;) row.push_back(value);
    if (!row.empty() && fields.eof()) rows.push_back(row);
  }
  return rows;
}

class FlowExport : public ::testing::TestWithParam<FlowCase> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarnvik-flow-" + std::to_string(::getpid()) + "-" + GetParam().name);
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "model");
  }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_P(FlowExport, FlowRunsTheExportedDeck) {
  if (std::string(OPM_FLOW).empty() || std::string(OPM_SUMMARY).empty()) {
    GTEST_SKIP() << "OPM Flow (flow and summary) is not installed; scripts/install-deps.sh installs it";
  }
  const fs::path input = dir_ / "case.csv";
  std::ofstream(input) << GetParam().record << "\r\n";
  const fs::path deck = dir_ / "model" / "CASE.DATA";
  const auto exported = RunProgram(
      TARNVIK_CALC,
      {"--format", "json", "--export-eclipse", (dir_ / "tables.inc").string(), "--deck", deck.string(), input.string()},
      dir_);
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  const auto report = nlohmann::json::parse(exported.out);

  const auto flow =
      RunProgram(OPM_FLOW,
                 {"--output-dir=" + (dir_ / "results").string(), "--output-mode=none", "--ecl-strict-parsing=true",
                  "--threads-per-process=1", "--print-parameters=0", "--print-properties=0", "--time-step-verbosity=0",
                  "--solver-verbosity=0", deck.string()},
                 dir_);
  ASSERT_EQ(flow.exitCode, 0) << "flow failed on " << deck << ":\n"
                              << flow.out.substr(flow.out.size() > 4000 ? flow.out.size() - 4000 : 0);

  const bool dead = report["dead_oil"];
  std::vector<std::string> keys = {(dir_ / "results" / "CASE.SMSPEC").string(), "FOPR", "FPR"};
  if (!dead) keys.push_back("FGOR");
  const auto summary = RunProgram(OPM_SUMMARY, keys, dir_);
  ASSERT_EQ(summary.exitCode, 0) << summary.err;
  const auto rows = SummaryRows(summary.out);
  ASSERT_GT(rows.size(), 10u) << summary.out;
  const double rate = rows.front()[0];
  EXPECT_LT(rows.front()[1], report["reservoir_pressure"].get<double>() * 1.001) << "starts at our pressure";
  EXPECT_GT(rows.front()[1], report["reservoir_pressure"].get<double>() * 0.95);
  EXPECT_GT(rate, 0);
  for (const auto& row : rows) EXPECT_NEAR(row[0], rate, rate * 1e-3) << "the well keeps its oil rate all year";
  if (!dead && report["title"] != "below pb") {
    const double rs = report["initial_rs"];
    EXPECT_NEAR(rows.front()[2], rs, rs * 1e-3) << "the first produced GOR is the Rs of the oil in place";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, FlowExport, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
