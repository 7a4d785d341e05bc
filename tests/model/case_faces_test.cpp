// One case file, one case: the window (CaseModel) opens every kind of saved case to the
// same case the command line and the Python module make of it (CaseFromEntry), writes it
// back byte for byte, and says what its numbers were read from.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calc/calculation_run.h"
#include "model/case_entry.h"
#include "model/case_model.h"
#include "model/lab_file.h"
#include "present/formatted_outputs.h"

namespace tarnvik {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every line a case can carry, and the rules that meet in opening one: a blank box, a sour
// gas, a Newman carbonate, lab data with a version-1 tuning of the family the caption
// names, and a version-2 tuning whose family the caption does not name (the window puts
// the tuning's family in force, with its caption, as every face does; a save writes it).
struct Cases {
  std::string file;
  std::string saved;
};
Cases EveryKindOfCase() {
  const std::string labCase = ReadText(TARNVIK_EXAMPLES "/lab/good-oil-case.csv");
  CaseEntry tuned;
  std::istringstream labStream(labCase);
  CaseEntryReader reader(labStream);
  CaseEntryReader::Outcome outcome;
  EXPECT_TRUE(reader.Next(tuned, outcome) && outcome.ok);
  LabData lab;
  std::string error;
  int fileError = 0;
  EXPECT_TRUE(ReadLabFileAt(TARNVIK_EXAMPLES "/lab/good-oil-220F.csv", lab, error, fileError)) << error;
  TunedEntry fitted;
  EXPECT_TRUE(TuneEntry(tuned, {}, lab, OilCorrelation::Glaso, fitted, error)) << error;
  tuned.lab = {lab, fitted.calculationCase.selection.oilTuning};
  CaseEntry tunedAsSaved = tuned;
  tunedAsSaved.record.oilCaption = "Glaso : North Sea Crudes";
  const std::string others =
      "\"North field, well A-1 black oil\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\","
      "\"Wet Gas\",\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n"
      "\"Sour carbonate\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Glaso : North Sea Crudes\",\"Dry Gas\","
      "\"Newman\",38,0.82,230,4200,0.9,18,22,6,\r\n"
      "@gas,1,4.5,12,1.5\r\n"
      "@formation,1,Carbonates\r\n"
      "\"Tuned\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Wet Gas\",\"Hall\","
      "35.1,0.872,220,4000,0.854,20,25,3,0.5\r\n"
      "@lab,tarnvik-lab,1,field\r\n@lab,temperature,220\r\n@lab,bubble_point,2634.7\r\n@lab,gor,854\r\n"
      "@lab,pressure,rs,bo\r\n@lab,1614.7,544,1.445\r\n@lab,2634.7,854,1.6\r\n"
      "@tuning,1,Standing,1.0523,0.981,1.12,1.04,2634.7\r\n";
  return {others + WriteCaseEntry(tuned), others + WriteCaseEntry(tunedAsSaved)};
}

TEST(CaseFacesTest, TheWindowOpensEveryCaseAsTheOtherFacesDoAndSavesItBack) {
  const Cases cases = EveryKindOfCase();
  std::istringstream stream(cases.file);
  CaseEntryReader reader(stream);
  CaseEntry entry;
  CaseEntryReader::Outcome outcome;
  std::string written;
  int count = 0;
  while (reader.Next(entry, outcome)) {
    ASSERT_TRUE(outcome.ok) << outcome.line << ": " << outcome.error;
    ++count;
    SCOPED_TRACE(entry.record.title);
    CaseModel window;
    window.open(entry);
    const CalculationCase c = CaseFromEntry(entry);
    EXPECT_EQ(window.currentCase(), c);
    window.calculate();
    ASSERT_TRUE(window.shown());
    EXPECT_EQ(window.shown()->texts, FormatOutputs(Calculate(c), c.gorMode).texts);
    EXPECT_FALSE(window.modified());
    written += window.fileToSave();
    entry = CaseEntry{};
  }
  EXPECT_EQ(count, 4);
  EXPECT_EQ(written, cases.saved) << "what is opened is saved as it was";
}

TEST(CaseFacesTest, AFormationTypeSurvivesASaveAndAnOpen) {
  std::istringstream newman(
      "\"n\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"\",\"\",\"Newman\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  CaseEntryReader newmanReader(newman);
  CaseEntry newmanCase;
  CaseEntryReader::Outcome read;
  ASSERT_TRUE(newmanReader.Next(newmanCase, read) && read.ok) << read.error;
  CaseModel window;
  window.open(newmanCase);
  window.chooseFormation(FormationType::ConsolidatedSands);
  EXPECT_TRUE(window.modified()) << "a formation type is part of what a save writes";
  const std::string saved = window.fileToSave();
  std::istringstream stream(saved);
  CaseEntryReader reader(stream);
  CaseEntry entry;
  CaseEntryReader::Outcome outcome;
  ASSERT_TRUE(reader.Next(entry, outcome) && outcome.ok) << saved;
  CaseModel reopened;
  reopened.open(entry);
  reopened.calculate();
  EXPECT_FALSE(reopened.shown()->texts[IndexOf(OutputField::Cf)].empty()) << "cf is Newman's, not blank";
  EXPECT_EQ(reopened.shown()->texts, window.calculate().outputs->texts);
}

// The window runs what is typed, but never without a word about a blank box or a value no
// reservoir has.
TEST(CaseFacesTest, TheStatusSaysWhatTheNumbersWereReadFrom) {
  const struct {
    std::size_t box;
    const char* text;
    const char* said;
  } rows[] = {
      {8, "", "Water-oil ratio is blank, read as 0"},
      {5, "120", "Porosity 120 % is impossible (above 100 %): the results are not to be trusted"},
      {4, "-0.5", "GOR at the bubble point -0.5 MCF/STB is impossible (below 0)"},
  };
  for (const auto& row : rows) {
    CaseModel window;
    const std::array<const char*, kInputCount> typical = {"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"};
    for (std::size_t i = 0; i < kInputCount; ++i) window.setBox(i, typical[i]);
    window.setGorSelector("GOR MCF/STB");
    window.setBox(row.box, row.text);
    window.calculate();
    EXPECT_NE(window.status().find(row.said), std::string::npos) << window.status();
    window.setUnits(UnitSystem::Metric);
    EXPECT_EQ(window.status().find("MCF/STB"), std::string::npos) << "said in the units shown: " << window.status();
  }
}

}  // namespace
}  // namespace tarnvik
