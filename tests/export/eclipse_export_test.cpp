// The ECLIPSE text of the tables: the keywords a simulator needs, and numbers that keep
// the strict orderings after they are written; and what the example deck refuses.
#include "export/eclipse_deck.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "present/selection_texts.h"

namespace tarnvik {
namespace {

CalculationCase Case(OilCorrelation family, double api, double gasGravity, double gor) {
  CalculationCase c;
  c.inputs = {api, gasGravity, 200, 3000, gor, 20, 25, 3, 0.5};
  c.gorMode = GorSelectorMode::Gor;
  c.selection.oilCorrelation = family;
  c.selection.rockCorrelation = RockCorrelation::Hall;
  return c;
}

// The rows of one keyword's table as written: numbers per line, and whether the line
// ended a record with "/".
struct WrittenRow {
  std::vector<double> numbers;
  bool endsRecord = false;
};

std::vector<WrittenRow> KeywordRows(const std::string& text, const std::string& keyword) {
  std::vector<WrittenRow> rows;
  std::istringstream lines(text.substr(text.find("\n" + keyword + "\n") + keyword.size() + 2));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("--", 0) == 0) continue;
    if (line.empty() || line == "/") break;
    WrittenRow row;
    std::istringstream fields(line);
    for (std::string field; fields >> field;) {
      if (field == "/")
        row.endsRecord = true;
      else
        row.numbers.push_back(std::stod(field));
    }
    rows.push_back(row);
    if (keyword != "PVTO" && row.endsRecord) break;
  }
  return rows;
}

// Eight significant digits keep every strict ordering of the computed tables: read back
// from the text, Rs and bubble points rise, Bo falls along each branch, Bg falls.
TEST(EclipseTables, WrittenNumbersKeepTheOrderingsForEveryFamily) {
  for (int family = 0; family < 9; ++family) {
    SCOPED_TRACE(std::string(OilCorrelationName(static_cast<OilCorrelation>(family))));
    BlackOilTables t;
    std::string error;
    ASSERT_TRUE(BuildBlackOilTables(Case(static_cast<OilCorrelation>(family), 35, 0.75, 0.5), {}, t, error));
    const std::string text = EclipseTablesText(t, "case", "correlations");

    const auto pvto = KeywordRows(text, "PVTO");
    double lastRs = -1, lastPb = -1, lastBo = -1;
    std::size_t records = 0;
    bool first = true;
    for (const WrittenRow& row : pvto) {
      if (first) {
        ASSERT_EQ(row.numbers.size(), 4u);
        EXPECT_GT(row.numbers[0], lastRs);
        EXPECT_GT(row.numbers[1], lastPb);
        lastRs = row.numbers[0];
        lastPb = row.numbers[1];
        lastBo = row.numbers[2];
      } else {
        ASSERT_EQ(row.numbers.size(), 3u);
        EXPECT_LT(row.numbers[1], lastBo);
        lastBo = row.numbers[1];
      }
      first = row.endsRecord;
      records += row.endsRecord;
    }
    EXPECT_EQ(records, t.liveOil.size());

    const auto pvdg = KeywordRows(text, "PVDG");
    ASSERT_EQ(pvdg.size(), t.gas.size());
    for (std::size_t i = 1; i < pvdg.size(); ++i) EXPECT_LT(pvdg[i].numbers[1], pvdg[i - 1].numbers[1]);
    EXPECT_TRUE(pvdg.back().endsRecord);
    for (const char* keyword : {"PVTW", "ROCK", "DENSITY"}) {
      ASSERT_EQ(KeywordRows(text, keyword).size(), 1u) << keyword;
      EXPECT_TRUE(KeywordRows(text, keyword)[0].endsRecord) << keyword;
    }
  }
}

class EclipseExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("tarnvik-eclipse-export-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  ExportOutcome Export(const CalculationCase& c, const char* tables, const char* deck) {
    BlackOilTables t;
    return ExportEclipse(c, {Path(tables), deck ? Path(deck) : "", "t"}, t);
  }
  std::filesystem::path dir_;
};

// The deck needs a rock to put the fluid in; a refused deck writes no tables either.
TEST_F(EclipseExportTest, ExampleDeckRefusesARockItCannotModel) {
  const struct {
    double porosity, swc;
    const char* says;
  } rows[] = {{100, 25, "porosity"}, {20, 95, "connate-water"}, {20, -1, "connate-water"}};
  for (const auto& row : rows) {
    CalculationCase c = Case(OilCorrelation::Standing, 35, 0.75, 0.5);
    c.inputs.porosity = row.porosity;
    c.inputs.swc = row.swc;
    const ExportOutcome refused = Export(c, "pvt.inc", "CASE.DATA");
    EXPECT_NE(refused.error.find(row.says), std::string::npos) << refused.error;
    EXPECT_FALSE(refused.tablesWritten);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "pvt.inc"));
    EXPECT_TRUE(Export(c, "pvt.inc", nullptr).ok()) << "the tables alone are fine";
    std::filesystem::remove(dir_ / "pvt.inc");
  }
}

// The same file for both would be overwritten by the deck, which then includes itself.
TEST_F(EclipseExportTest, RefusesOneFileForTablesAndDeck) {
  const CalculationCase c = Case(OilCorrelation::Standing, 35, 0.75, 0.5);
  for (const char* deck : {"pvt.inc", "./pvt.inc", "sub/../pvt.inc"}) {
    std::filesystem::create_directories(dir_ / "sub");
    const ExportOutcome refused = Export(c, "pvt.inc", deck);
    EXPECT_NE(refused.error.find("the same file"), std::string::npos) << deck << ": " << refused.error;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "pvt.inc"));
  }
}

// Both files are complete before either takes its place; a user's own "pvt.inc.tmp" is
// never a scratch file. When the deck cannot take its place after the tables did, the
// outcome says exactly that.
TEST_F(EclipseExportTest, WritesBothFilesOrSaysExactlyWhichWasWritten) {
  const CalculationCase c = Case(OilCorrelation::Standing, 35, 0.75, 0.5);
  std::ofstream(dir_ / "pvt.inc.tmp") << "mine";
  const ExportOutcome missingFolder = Export(c, "pvt.inc", "no-such-folder/CASE.DATA");
  EXPECT_FALSE(missingFolder.tablesWritten);
  EXPECT_NE(missingFolder.error.find("No such file or directory"), std::string::npos) << missingFolder.error;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "pvt.inc"));

  std::filesystem::create_directories(dir_ / "CASE.DATA");  // a folder where the deck should go
  const ExportOutcome folder = Export(c, "pvt.inc", "CASE.DATA");
  EXPECT_FALSE(folder.tablesWritten);
  EXPECT_NE(folder.error.find("is a folder"), std::string::npos) << folder.error;

  if (std::filesystem::exists("/dev/full")) {  // a deck that cannot be written after the tables were
    BlackOilTables t;
    const ExportOutcome full = ExportEclipse(c, {Path("pvt.inc"), "/dev/full", "t"}, t);
    EXPECT_TRUE(full.tablesWritten);
    EXPECT_FALSE(full.deckWritten);
    EXPECT_EQ(full.error, "cannot write /dev/full: No space left on device");
  }

  EXPECT_TRUE(Export(c, "pvt.inc", "DECK.DATA").ok());
  std::ifstream mine(dir_ / "pvt.inc.tmp");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(mine), {}), "mine");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 4)
      << "pvt.inc, pvt.inc.tmp, DECK.DATA and the CASE.DATA folder: nothing else";
}

}  // namespace
}  // namespace tarnvik
