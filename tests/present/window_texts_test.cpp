// The window's captions carry their Metric form as data; the command line, the Python
// module and the case model derive theirs from the Field text (CaptionInUnits). Each
// Metric caption of the window is the one they derive, so the faces name a quantity alike,
// and the window's room for the bubble-point/GOR caption fits the text the model sets.
#include <gtest/gtest.h>

#include <span>

#include "present/run_messages.h"
#include "present/unit_texts.h"
#include "present/window_texts.h"

namespace tarnvik {
namespace {

void ExpectDerived(const UnitCaption& caption) {
  EXPECT_EQ(caption.in(UnitSystem::Field), caption.field);
  EXPECT_EQ(caption.in(UnitSystem::Metric), CaptionInUnits(caption.field, UnitSystem::Metric)) << caption.field;
}

TEST(WindowTextsTest, EveryMetricCaptionIsTheOneTheOtherFacesDerive) {
  for (const InputBox& row : kInputBoxes) {
    SCOPED_TRACE(row.box);
    ExpectDerived(row.caption);
    ExpectDerived(row.unit);
  }
  for (const std::span<const ResultLabel> rows :
       {std::span<const ResultLabel>(kOilResultLabels), std::span<const ResultLabel>(kGasResultLabels),
        std::span<const ResultLabel>(kWaterResultLabels), std::span<const ResultLabel>(kRockResultLabels),
        std::span<const ResultLabel>(kSaturationLabels)}) {
    for (const ResultLabel& row : rows) {
      SCOPED_TRACE(row.label);
      ExpectDerived(row.caption);
    }
  }
  ExpectDerived(kSaturationsLabel.caption);
  for (const GorSelectorMode mode : {GorSelectorMode::Gor, GorSelectorMode::BubblePoint}) {
    EXPECT_EQ(PbCaption(mode, UnitSystem::Field), PbCaption(mode));
    EXPECT_EQ(PbCaption(mode, UnitSystem::Metric), CaptionInUnits(PbCaption(mode), UnitSystem::Metric));
  }
}

}  // namespace
}  // namespace tarnvik
