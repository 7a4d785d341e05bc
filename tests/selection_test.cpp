// Choosing correlations by caption text.
#include "selection/correlation_selection.h"

#include <gtest/gtest.h>

namespace tarnvik {
namespace {

TEST(OilCaptionTest, EveryListItemSelectsItsFamilyByPrefix) {
  for (std::size_t i = 0; i < kOilCorrelationItems.size(); ++i) {
    SCOPED_TRACE(kOilCorrelationItems[i]);
    CorrelationSelection selection;
    selection.oilCorrelation = OilCorrelation::Farshad;
    EXPECT_TRUE(ApplyOilCorrelationCaption(kOilCorrelationItems[i], selection));
    EXPECT_EQ(static_cast<std::size_t>(selection.oilCorrelation), i);
  }
}

TEST(OilCaptionTest, PrefixesAreExactAndCaseSensitive) {
  struct Row {
    const char* caption;
    bool matches;
    OilCorrelation family;
  };
  for (const Row& row :
       {Row{"Petrosky", true, OilCorrelation::PetroskyFarshad},
        Row{"Farshad : anything", true, OilCorrelation::Farshad},
        Row{"Kartoatmodjo", true, OilCorrelation::KartoatmodjoSchmidt}, Row{"Al-M", true, OilCorrelation::AlMarhoun},
        Row{"sta", false, OilCorrelation::Glaso}, Row{"St", false, OilCorrelation::Glaso},
        Row{" Standing", false, OilCorrelation::Glaso}, Row{"", false, OilCorrelation::Glaso}}) {
    SCOPED_TRACE(row.caption);
    CorrelationSelection selection;
    selection.oilCorrelation = OilCorrelation::Glaso;
    EXPECT_EQ(ApplyOilCorrelationCaption(row.caption, selection), row.matches);
    EXPECT_EQ(selection.oilCorrelation, row.family);
  }
}

TEST(GasCaptionTest, WetAndDryByPrefixOtherTextsLeaveIt) {
  CorrelationSelection selection;
  EXPECT_TRUE(ApplyGasCharacterisationCaption("Dry Gas", selection));
  EXPECT_EQ(selection.gasCharacterisation, GasCharacterisation::DryGas);
  EXPECT_FALSE(ApplyGasCharacterisationCaption("wet gas", selection));
  EXPECT_EQ(selection.gasCharacterisation, GasCharacterisation::DryGas);
  EXPECT_TRUE(ApplyGasCharacterisationCaption("Wet", selection));
  EXPECT_EQ(selection.gasCharacterisation, GasCharacterisation::WetGas);
}

TEST(SelectionTest, OutOfRangeFamilyValuesCountAsStanding) {
  EXPECT_EQ(EffectiveOilCorrelation(static_cast<OilCorrelation>(9)), OilCorrelation::Standing);
  EXPECT_EQ(EffectiveOilCorrelation(static_cast<OilCorrelation>(-1)), OilCorrelation::Standing);
  EXPECT_EQ(EffectiveOilCorrelation(OilCorrelation::KartoatmodjoSchmidt), OilCorrelation::KartoatmodjoSchmidt);
}

}  // namespace
}  // namespace tarnvik
