// The gas impurities saved with a case: the @gas line, and the case model that types,
// saves and opens them.
#include "model/case_gas.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/case_lab.h"
#include "model/case_model.h"
#include "model/case_sheet.h"

namespace tarnvik {
namespace {

constexpr const char* kRecord =
    "\"Sour gas\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Dry Gas\",\"\","
    "35,0.7,160,3500,0.5,20,25,3,0.5\r\n";

// Reads the attached lines of the file's only record.
std::vector<CaseRecordReader::AttachedLine> Attached(const std::string& text) {
  std::istringstream stream(text);
  CaseRecordReader reader(stream);
  CaseRecord record;
  CaseRecordReader::Entry entry;
  EXPECT_TRUE(reader.Next(record, entry));
  EXPECT_TRUE(entry.ok) << entry.error;
  return entry.attached;
}

TEST(CaseGasTest, TheLineReadsBackExactlyBesideTheLabLines) {
  const GasImpurities gas{5, 10, 0.25};
  const std::string line = WriteCaseGas(gas);
  EXPECT_EQ(line, "@gas,1,5,10,0.25\r\n");
  const auto attached = Attached(std::string(kRecord) + line + "@tuning,1,Standing,1.1,1,1,1,2000\r\n");
  GasImpurities read;
  std::string error;
  ASSERT_TRUE(ReadCaseGas(attached, read, error)) << error;
  EXPECT_EQ(read, gas);
  CaseLab lab;
  ASSERT_TRUE(ReadCaseLab(attached, lab, error)) << error;  // the lab reader leaves the gas line alone
  EXPECT_TRUE(lab.tuning.active);

  EXPECT_EQ(WriteCaseGas({}), "") << "no impurities: the record alone, as before";
  ASSERT_TRUE(ReadCaseGas(Attached(kRecord), read, error));
  EXPECT_EQ(read, GasImpurities{});
}

TEST(CaseGasTest, ABadLineIsRefusedNamingItsLine) {
  const struct {
    const char* line;
    const char* says;
  } rows[] = {
      {"@gas,2,5,10,0", "line 2: gas line version 2 is not known; this program reads version 1"},
      {"@gas,1,5,10", "line 2: a gas line holds @gas, its version, and CO2, H2S and N2 in mol %"},
      {"@gas,1,5,x,0", "line 2: the H2S content \"x\" is not a number from 0 to 100"},
      {"@gas,1,-1,0,0", "line 2: the CO2 content \"-1\" is not a number from 0 to 100"},
      {"@gas,1,0,0,101", "line 2: the N2 content \"101\" is not a number from 0 to 100"},
  };
  for (const auto& row : rows) {
    GasImpurities read{1, 2, 3};
    std::string error;
    EXPECT_FALSE(ReadCaseGas(Attached(std::string(kRecord) + row.line + "\r\n"), read, error)) << row.line;
    EXPECT_EQ(error, row.says);
    EXPECT_EQ(read, (GasImpurities{1, 2, 3})) << "nothing changes";
  }
  std::string error;
  GasImpurities read;
  EXPECT_FALSE(ReadCaseGas(Attached(std::string(kRecord) + "@gas,1,1,0,0\r\n@gas,1,2,0,0\r\n"), read, error));
  EXPECT_EQ(error, "line 3: a second gas line (the first is on line 2)");
}

// Typed into the row, the impurities go into the case, make the results stale, mark the case
// modified and are saved after the record; opened again, they fill the row.
TEST(CaseGasTest, TheModelTypesSavesAndOpensThem) {
  CaseModel model;
  std::istringstream stream(kRecord);
  CaseRecordReader reader(stream);
  CaseRecord record;
  CaseRecordReader::Entry entry;
  ASSERT_TRUE(reader.Next(record, entry));
  model.open(record, "sour.csv");
  EXPECT_EQ(model.fileToSave(), kRecord) << "a case without impurities saves byte for byte as before";
  model.calculate();

  model.setImpurityBox(0, "5");
  model.setImpurityBox(1, "10abc");  // read as 10, as every box reads
  EXPECT_TRUE(model.resultsStale());
  EXPECT_TRUE(model.modified());
  EXPECT_EQ(model.currentCase().inputs.impurities, (GasImpurities{5, 10, 0}));
  EXPECT_EQ(model.fileToSave(), std::string(kRecord) + "@gas,1,5,10,0\r\n");
  // The copied sheet and the report name them and the corrections used.
  const std::string sheet = TabSeparated(SheetOf(model));
  EXPECT_NE(sheet.find("H2S in the gas\t10abc\tmol %"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("Gas impurities\tCO2 5 mol %, H2S 10 mol %: pseudo-critical properties corrected by "
                       "Wichert and Aziz"),
            std::string::npos)
      << sheet;

  CaseModel reopened;
  reopened.open(CaseEntry{record, CaseLab{}, GasImpurities{5, 10, 0}}, "sour.csv");
  EXPECT_EQ(reopened.impurityBox(0), " 5");
  EXPECT_EQ(reopened.impurityBox(1), " 10");
  EXPECT_EQ(reopened.impurityBox(2), "") << "0 shows blank, as in a new case";
  EXPECT_FALSE(reopened.modified());
  reopened.open(record, "other.csv");
  EXPECT_EQ(reopened.impurityBox(0), "") << "an older file clears the row";
}

}  // namespace
}  // namespace tarnvik
