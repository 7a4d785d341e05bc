// The case model: how texts and case records become a case, and what the window is told
// after each calculation.
#include "model/case_model.h"

#include <gtest/gtest.h>

#include "present/selection_texts.h"

namespace tarnvik {
namespace {

TEST(CaptionTest, OilFamiliesByTheirFirstThreeCharacters) {
  for (std::size_t i = 0; i < kOilCorrelationItems.size(); ++i) {
    EXPECT_EQ(OilCorrelationFromCaption(kOilCorrelationItems[i]), static_cast<OilCorrelation>(i));
  }
  const struct {
    const char* caption;
    std::optional<OilCorrelation> family;
  } rows[] = {{"Petrosky", OilCorrelation::PetroskyFarshad},
              {"Farshad : anything", OilCorrelation::Farshad},
              {"Al-M", OilCorrelation::AlMarhoun},
              {"sta", std::nullopt},
              {"St", std::nullopt},
              {" Standing", std::nullopt}};
  for (const auto& row : rows) EXPECT_EQ(OilCorrelationFromCaption(row.caption), row.family) << row.caption;
  EXPECT_EQ(GasCharacterisationFromCaption("Dry Gas"), GasCharacterisation::DryGas);
  EXPECT_EQ(GasCharacterisationFromCaption("wet gas"), std::nullopt);
  EXPECT_EQ(RockCorrelationFromCaption("Yale et. al."), RockCorrelation::YaleEtAl);
  EXPECT_EQ(RockCorrelationFromCaption("Hall "), std::nullopt);
  EXPECT_EQ(FormationTypeFromCaption("Carbonate rocks"), FormationType::Carbonates);
}

// Opening a record sets each choice its caption names, with that caption, and keeps any
// choice whose caption names none, so the captions always name what is in force.
TEST(RecordSelectionTest, KnownCaptionsApplyAndUnknownOnesKeepWhatIsInForce) {
  CorrelationSelection selection{
      OilCorrelation::Glaso, GasCharacterisation::DryGas, RockCorrelation::Newman, FormationType::FriableSands, {}};
  SelectionCaptions captions{"Glaso : North Sea Crudes", "Dry Gas", "Newman"};
  CaseRecord record;
  record.oilCaption = "Farshad";
  record.gasCaption = "Wet Gas";
  record.rockCaption = "Hall";
  ApplyRecordSelection(record, selection, captions);
  EXPECT_EQ(selection, (CorrelationSelection{OilCorrelation::Farshad,
                                             GasCharacterisation::WetGas,
                                             RockCorrelation::Hall,
                                             FormationType::FriableSands,
                                             {}}));
  EXPECT_EQ(captions.oil, "Farshad");
  EXPECT_EQ(captions.rock, "Hall");

  record.oilCaption = "sta lower case";
  record.gasCaption = "";
  record.rockCaption = "hall";
  ApplyRecordSelection(record, selection, captions);
  EXPECT_EQ(selection.oilCorrelation, OilCorrelation::Farshad);
  EXPECT_EQ(selection.gasCharacterisation, GasCharacterisation::WetGas);
  EXPECT_EQ(selection.rockCorrelation, RockCorrelation::Hall);
  EXPECT_EQ(captions.oil, "Farshad");
  EXPECT_EQ(captions.gas, "Wet Gas");
  EXPECT_EQ(captions.rock, "Hall");
}

TEST(ReadInputsTest, ReadsEachBoxByTheTextToNumberRule) {
  const InputSet in = ReadInputs({" 35", "0.75x", "2 00", "3e3", "", "1,5", "abc", "1.025", "-0.5"});
  EXPECT_EQ(in.apiGravity, 35);
  EXPECT_EQ(in.gasGravity, 0.75);
  EXPECT_EQ(in.temperatureF, 200);
  EXPECT_EQ(in.pressure, 3000);
  EXPECT_EQ(in.gorOrPb, 0);
  EXPECT_EQ(in.porosity, 1);
  EXPECT_EQ(in.swc, 0);
  EXPECT_EQ(in.salinityOrSg, 1.025);  // kept as typed, not converted
  EXPECT_EQ(in.wor, -0.5);
}

class CaseModelTest : public ::testing::Test {
 protected:
  void Type(std::array<const char*, kInputCount> boxes) {
    for (std::size_t i = 0; i < kInputCount; ++i) model.setBox(i, boxes[i]);
  }
  CaseModel model;
};

TEST_F(CaseModelTest, SelectorTextsMatchWholeAndCaseSensitive) {
  Type({"35", "0.75", "200", "3000", "2500", "20", "25", "3", "0.5"});
  for (const char* text : {"gor mcf/stb", "GOR MCF/STB ", "GOR or Bubble Point ?"}) {
    model.setGorSelector(text);
    EXPECT_EQ(model.calculate().pbCaption, "     GOR MCF/STB") << text;
  }
  model.setGorSelector("GOR MCF/STB");
  EXPECT_EQ(model.calculate().pbCaption, "Bubble Point Pressure, psia");
  model.setWaterSelector("water specific gravity");  // 3 is taken as 3 % NaCl
  const auto salinity = model.calculate().outputs->texts;
  model.setWaterSelector("Salinity % NaCl");
  EXPECT_EQ(model.calculate().outputs->texts, salinity);
}

// A z-factor failure keeps the title and the results shown, and the status says both what
// failed and that the results are from the run before, with that run's own problems.
TEST_F(CaseModelTest, AFailedRunKeepsTheTitleAndSaysWhatIsShown) {
  model.setTitle("Well A-1");
  model.chooseRock(RockCorrelation::Hall);
  Type({"35", "0.75", "200", "3000", "2500", "20", "25", "0.98", "0.5"});
  model.setWaterSelector("Water Specific Gravity");  // below 1: negative salinity
  model.calculate();
  const auto shown = model.shown()->texts;
  const std::string salinity =
      ". Salinity -2.655319 is below Culberson and McKetta's data and Numbere, Brigham and Standing's data, 0-25 % "
      "NaCl; Salinity -2.655319 is below Kestin, Khalifa and Correia's water viscosity data, 0-25.9619 % NaCl; "
      "Salinity -2.655319 is below Meehan's water compressibility data, 0-25 % NaCl";
  EXPECT_EQ(model.status(),
            "Out of range in the last run: Water compressibility, Water viscosity, "
            "Total compressibility" +
                salinity);

  model.setBox(2, "-200");  // 260 °R is below any pseudo-critical temperature of a 0.75 gas
  const RunOutput& failed = model.calculate();
  EXPECT_EQ(failed.message, "pTr<1: z-factor Routine FAILS");
  EXPECT_EQ(model.title(), "Well A-1");
  EXPECT_EQ(model.shown()->texts, shown);
  // A 0.75 wet gas: Tpc = 187 + 330 γg − 71.5 γg² = 394.28 °R, −65.72 °F; Tpr = 260 / 394.28.
  EXPECT_EQ(model.status(),
            "pTr<1: z-factor Routine FAILS. -200 °F is below this gas's pseudo-critical temperature, -65.72 °F "
            "(Tpr 0.66): Hall and Yarborough's z cannot be computed there; try a temperature above -65.72 °F or a "
            "lighter gas; the results shown are from the calculation before. "
            "Out of range in that run: Water compressibility, Water viscosity, Total compressibility" +
                salinity);
  EXPECT_EQ(model.recordToSave().title, "Well A-1");

  model.setBox(2, "200");
  model.setBox(7, "1.02");
  model.calculate();
  EXPECT_EQ(model.status(), "");
}

TEST_F(CaseModelTest, OpeningTakesTheRecordAndLeavesTheResults) {
  Type({"35", "0.75", "200", "3000", "2500", "20", "25", "3", "0.5"});
  model.calculate();
  const auto shown = model.shown()->texts;
  CaseRecord record;
  record.title = "opened";
  record.gorSelector = "GOR MCF/STB";
  record.oilCaption = "Kartoatmodjo";
  record.numbers = {30.0, 0.8, 180.0, 2000.0, std::nullopt, 18.0, -1.0, 1.05, 1.0};
  model.open(record);
  EXPECT_EQ(model.box(0), " 30");
  EXPECT_EQ(model.box(4), "") << "a number never filled opens blank";
  EXPECT_EQ(model.inputs().gorOrPb, 0.0) << "and counts as 0";
  EXPECT_EQ(model.box(6), "-1");
  EXPECT_EQ(model.selection().oilCorrelation, OilCorrelation::KartoatmodjoSchmidt);
  EXPECT_EQ(model.shown()->texts, shown);
  const CaseRecord saved = model.recordToSave();
  EXPECT_EQ(saved.numbers[3], 2000.0);
  EXPECT_EQ(saved.numbers[4], std::nullopt) << "and is saved blank again";
  EXPECT_EQ(saved.oilCaption, "Kartoatmodjo");
  EXPECT_FALSE(model.modified()) << "what was opened counts as saved";
  model.setBox(3, "2000.0");
  EXPECT_FALSE(model.modified()) << "the same number";
  model.setBox(3, "");
  EXPECT_TRUE(model.modified());
  EXPECT_EQ(model.recordToSave().numbers[3], std::nullopt) << "a blank box is a number never filled";
}

}  // namespace
}  // namespace tarnvik
