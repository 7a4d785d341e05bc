// End-to-end runs of the real tarnvik-calc program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarnvik-cli-test-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  CliRun Run(const std::vector<std::string>& args) {
    std::string command = Quoted(TARNVIK_CALC);
    for (const auto& arg : args) command.append(" ").append(Quoted(arg));
    command.append(" >").append(Quoted((dir_ / "out").string()));
    command.append(" 2>").append(Quoted((dir_ / "err").string()));
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(dir_ / "out");
    run.err = ReadFile(dir_ / "err");
    return run;
  }

  fs::path Write(const std::string& name, const std::string& content) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  fs::path dir_;
};

// Splits one RFC 4180 row (no line breaks inside fields).
std::vector<std::string> SplitCsvRow(const std::string& row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (quoted && c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

const std::string kData = TARNVIK_TEST_DATA;
const std::string kTypical = std::string(TARNVIK_EXAMPLES) + "/typical-oil.csv";

// The cross-check set, with expected rows from the independent reference calculation in
// tests/reference (its README lists every record):
//   1–40  every oil family in both GOR modes, above, below and exactly at the bubble point
//   41–48 API exactly 30 and just above it; 49–51 dry gas; 52–60 every rock correlation
//   61–64 water specific gravity 1.025, 1.0 and 0.98 (negative salinity: out of range)
//   65–72 oil, gas or both absent (fields not computed stay empty; no saturated-oil step
//         without oil); 73–75 the three z-factor failures at the reservoir pressure;
//   76–79 z refused at p + 5 or p − 5 psia (one-sided gas compressibility)
//   80    text in a number field (refused); 81 a title with a comma and quotation marks
//   82    selector texts that are not exactly the mode texts; 83 a negative pb
TEST_F(CliTest, CsvMatchesIndependentReferenceForEveryFormationType) {
  for (const std::string formation :
       {"", "Consolidated Sands", "Friable Sands", "Unconsolidated Sands", "Carbonates"}) {
    SCOPED_TRACE("formation \"" + formation + "\"");
    const std::string suffix = formation.empty() ? "none" : formation;
    std::string expectedName = "oracle-expected-" + suffix + ".csv";
    for (char& c : expectedName) c = c == ' ' ? '_' : c;
    const CliRun run = Run({"--format", "csv", "--formation", formation, kData + "/oracle-cases.csv"});
    const std::string expected = ReadFile(kData + "/" + expectedName);
    ASSERT_FALSE(expected.empty());
    // Compare row by row for a readable failure.
    std::istringstream got(run.out), want(expected);
    std::string gotLine, wantLine;
    int row = 0;
    while (std::getline(want, wantLine)) {
      ASSERT_TRUE(std::getline(got, gotLine)) << "missing row " << row;
      EXPECT_EQ(gotLine, wantLine) << "row " << row;
      ++row;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "extra row: " << gotLine;
    // Record 80 holds text in the porosity field: reported, skipped, the rest computed.
    EXPECT_EQ(run.err, kData + "/oracle-cases.csv:80: field 12 (porosity): \"12abc\" is not a number\n");
    EXPECT_EQ(run.exitCode, 1);
  }
}

TEST_F(CliTest, TypicalExampleRunsCleanInEveryFormat) {
  const CliRun text = Run({kTypical});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_EQ(text.err, "");
  EXPECT_NE(text.out.find("Case 1: North field, well A-1 black oil"), std::string::npos);
  EXPECT_NE(text.out.find("Bubble-point pressure"), std::string::npos);
  EXPECT_NE(text.out.find("2203."), std::string::npos);
  EXPECT_NE(text.out.find("psia"), std::string::npos);

  const CliRun csv = Run({"--format", "csv", kTypical});
  const CliRun json = Run({"--format", "json", kTypical});
  ASSERT_EQ(csv.exitCode, 0);
  ASSERT_EQ(json.exitCode, 0);
  // JSON lines carry the same values as the CSV rows.
  std::istringstream csvLines(csv.out), jsonLines(json.out);
  std::string header, row, line;
  std::getline(csvLines, header);
  std::vector<std::string> columns;
  for (std::istringstream h(header); std::getline(h, line, ',');) columns.push_back(line);
  ASSERT_EQ(columns.size(), 26u);
  int records = 0;
  while (std::getline(jsonLines, line)) {
    const auto object = nlohmann::json::parse(line);
    ASSERT_TRUE(std::getline(csvLines, row));
    ++records;
    EXPECT_EQ(object["case"], records);
    const std::vector<std::string> fields = SplitCsvRow(row);
    ASSERT_EQ(fields.size(), columns.size());
    EXPECT_EQ(fields[1], object["title"].get<std::string>());
    for (std::size_t i = 2; i + 1 < columns.size(); ++i) {
      EXPECT_EQ(fields[i], object[columns[i]].get<std::string>()) << columns[i];
    }
    EXPECT_TRUE(object["out_of_range"].is_array());
  }
  EXPECT_EQ(records, 2);
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

TEST_F(CliTest, RecordsDoNotLeakSelectionsIntoEachOther) {
  // The second record names no known family, gas or rock: it runs with the start-up
  // selection, exactly as when it is alone in its file.
  const std::string second =
      "\"b\",\"GOR MCF/STB\",\"\",\"Unknown\",\"Moist\",\"\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n";
  const auto both =
      Write("both.csv",
            "\"a\",\"GOR MCF/STB\",\"\",\"Glaso\",\"Dry Gas\",\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n" + second);
  const auto alone = Write("alone.csv", second);
  const CliRun runBoth = Run({"--format", "csv", both.string()});
  const CliRun runAlone = Run({"--format", "csv", alone.string()});
  const std::string lastOfBoth = runBoth.out.substr(runBoth.out.rfind("\n2,") + 3);
  const std::string onlyOfAlone = runAlone.out.substr(runAlone.out.find("\n1,") + 3);
  EXPECT_EQ(lastOfBoth, onlyOfAlone);
}

TEST_F(CliTest, UnreadableFileIsNamedAndOtherFilesStillRun) {
  const std::string missing = (dir_ / "no-such-case.csv").string();
  const CliRun run = Run({"--format", "csv", missing, kTypical});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind(missing + ": cannot open", 0), 0u) << run.err;
  EXPECT_NE(run.out.find("\n1,\"North field"), std::string::npos);
}

TEST_F(CliTest, ZFactorFailureIsAResultNotAnError) {
  const auto failing =
      Write("fail.csv", "\"cold heavy gas\",\"\",\"\",\"\",\"Wet Gas\",\"\",0,1.0,-100,2000,0,20,25,3,0\n");
  const CliRun run = Run({"--format", "csv", failing.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("\n1,cold heavy gas,pTr<1: z-factor Routine FAILS,,,,,,,,,,,,,,,,,,,,,,,\n"),
            std::string::npos)
      << run.out;
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
       {"MCF/STB", "psia", "microsips", "lb/ft3", "--formation", "--rock", "--oil", "--gas", "out_of_range"}) {
    EXPECT_NE(help.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
