// Writing and reading the one-line case record.
#include "io/case_record.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tarnvik {
namespace {

CaseRecord Typical() {
  CaseRecord record;
  record.title = "Well A-1";
  record.gorSelector = "GOR MCF/STB";
  record.waterSelector = "Salinity % NaCl";
  record.oilCaption = "Standing : California Crudes";
  record.gasCaption = "Wet Gas";
  record.rockCaption = "Hall";
  record.numbers = {35.0, 0.75, 200.0, 3000.0, 0.5, 20.0, 25.0, 3.0, 0.5};
  return record;
}

TEST(CaseRecordTest, WritesQuotedTextsPlainNumbersAndCrLf) {
  EXPECT_EQ(WriteCaseRecord(Typical()),
            "\"Well A-1\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Wet Gas\","
            "\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
}

TEST(CaseRecordTest, NeverFilledNumbersAreWrittenEmpty) {
  CaseRecord record;
  EXPECT_EQ(WriteCaseRecord(record), "\"\",\"\",\"\",\"\",\"\",\"\",,,,,,,,,\r\n");
  CaseRecord back;
  std::string error;
  ASSERT_TRUE(ParseCaseRecord("\"\",\"\",\"\",\"\",\"\",\"\",,,,,,,,,", back, error)) << error;
  for (const auto& number : back.numbers) EXPECT_FALSE(number.has_value());
}

TEST(CaseRecordTest, RoundTripKeepsTextsExactlyAndNumbersBitForBit) {
  CaseRecord record = Typical();
  record.title = "Say \"hello\", then, \"\" quote\r\non two lines";
  record.gorSelector = "  GOR MCF/STB ";
  record.numbers = {1.0 / 3.0, 0.1, -40.0, 1e-7, 123456.789, 0.0, -0.0, 1e300, 5e-324};
  const std::string line = WriteCaseRecord(record);
  CaseRecord back;
  std::string error;
  ASSERT_TRUE(ParseCaseRecord(line.substr(0, line.size() - 2), back, error)) << error;
  EXPECT_EQ(back.title, "Say \"hello\", then, \"\" quote  on two lines") << "a record is one line";
  EXPECT_EQ(back.gorSelector, record.gorSelector);
  EXPECT_EQ(back.waterSelector, record.waterSelector);
  EXPECT_EQ(back.oilCaption, record.oilCaption);
  EXPECT_EQ(back.gasCaption, record.gasCaption);
  EXPECT_EQ(back.rockCaption, record.rockCaption);
  for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(back.numbers[i], record.numbers[i]) << "number " << i + 1;
}

TEST(CaseRecordTest, ReadsLenientForms) {
  CaseRecord record;
  std::string error;
  // Unquoted texts, blanks around numbers, numbers with exponent and without a leading digit.
  ASSERT_TRUE(ParseCaseRecord("Plain title,GOR MCF/STB,x,Glaso,Dry Gas,,.5, 1e2 ,-3.,+4,5,6,7,8,9", record, error))
      << error;
  EXPECT_EQ(record.title, "Plain title");
  EXPECT_EQ(record.oilCaption, "Glaso");
  EXPECT_EQ(record.rockCaption, "");
  EXPECT_EQ(record.numbers[0], 0.5);
  EXPECT_EQ(record.numbers[1], 100.0);
  EXPECT_EQ(record.numbers[2], -3.0);
  EXPECT_EQ(record.numbers[3], 4.0);
}

TEST(CaseRecordTest, MalformedRecordsAreRefusedInWords) {
  struct Row {
    const char* text;
    const char* error;
  };
  const std::vector<Row> rows = {
      {R"("a","b","c","d","e","f",1,2,3,4,5,6,7,8)", "only 14 of 15 fields"},
      {R"("a","b","c","d","e","f",1,2,3,4,5,6,7,8,9,10)", "more than 15 fields"},
      {R"("a","b","c","d","e","f",1,2,abc,4,5,6,7,8,9)", "field 9 (temperature): \"abc\" is not a number"},
      {R"("a","b","c","d","e","f",1,2,3,4,5,6,7,8,9x)", "field 15 (WOR): \"9x\" is not a number"},
      {R"("a","b","c","d","e","f",1,"two",3,4,5,6,7,8,9)", "field 8 (gas gravity): \"two\" is not a number"},
      {R"("a,"b","c","d","e","f",1,2,3,4,5,6,7,8,9)",
       "field 1 (case title): unexpected text after the closing quotation mark"},
      {R"("a","b","c","d","e","f,1,2,3,4,5,6,7,8,9)", "field 6 (rock correlation): missing closing quotation mark"},
      {R"("only title")", "only 1 of 15 fields"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    CaseRecord record;
    std::string error;
    EXPECT_FALSE(ParseCaseRecord(row.text, record, error));
    EXPECT_EQ(error, row.error);
  }
}

TEST(CaseRecordReaderTest, StreamsRecordsWithLineNumbersSkippingBlankLines) {
  std::istringstream input(
      "\"a\",\"b\",\"c\",\"Glaso\",\"e\",\"f\",1,2,3,4,5,6,7,8,9\r\n"
      "\r\n"
      "   \n"
      "\"bad\",\"b\",\"c\",\"d\",\"e\",\"f\",1,2\r\n"
      "\"c\",\"b\",\"c\",\"d\",\"e\",\"f\",9,8,7,6,5,4,3,2,1");
  CaseRecordReader reader(input);
  CaseRecord record;
  CaseRecordReader::Entry entry;
  ASSERT_TRUE(reader.Next(record, entry));
  EXPECT_TRUE(entry.ok);
  EXPECT_EQ(entry.line, 1u);
  EXPECT_EQ(record.oilCaption, "Glaso");
  EXPECT_EQ(record.numbers[8], 9.0);
  ASSERT_TRUE(reader.Next(record, entry));
  EXPECT_FALSE(entry.ok);
  EXPECT_EQ(entry.line, 4u);
  EXPECT_EQ(entry.error, "only 8 of 15 fields");
  ASSERT_TRUE(reader.Next(record, entry));
  EXPECT_TRUE(entry.ok);
  EXPECT_EQ(entry.line, 5u);
  EXPECT_EQ(record.numbers[0], 9.0);
  EXPECT_FALSE(reader.Next(record, entry));
}

TEST(CaseRecordReaderTest, IgnoresAByteOrderMarkBeforeTheFirstRecord) {
  std::istringstream input("\xEF\xBB\xBF\"a, b\",\"b\",\"c\",\"d\",\"e\",\"f\",1,2,3,4,5,6,7,8,9\r\n");
  CaseRecordReader reader(input);
  CaseRecord record;
  CaseRecordReader::Entry entry;
  ASSERT_TRUE(reader.Next(record, entry));
  EXPECT_TRUE(entry.ok) << entry.error;
  EXPECT_EQ(record.title, "a, b");
}

}  // namespace
}  // namespace tarnvik
