// What a z-factor failure means for a case, in words after the program's message. The
// pseudo-critical properties are Standing's for a wet gas (gas condensate) of gravity 0.75,
// worked by hand: Tpc = 187 + 330 (0.75) − 71.5 (0.75)² = 394.28 °R (−65.72 °F) and
// Ppc = 706 − 51.7 (0.75) − 11.1 (0.75)² = 660.98 psia, 20.5 Ppc = 13550 psia.
#include <gtest/gtest.h>

#include "present/run_messages.h"

namespace tarnvik {
namespace {

InputSet Gas(double temperatureF, double pressure) {
  InputSet in;
  in.gasGravity = 0.75;
  in.temperatureF = temperatureF;
  in.pressure = pressure;
  return in;
}

TEST(ZFactorExplanationTest, SaysWhatTheFailureMeansForTheCase) {
  const struct {
    const char* name;
    ZFactorStatus status;
    InputSet inputs;
    UnitSystem units;
    const char* says;
  } rows[] = {
      {"Tpr below 1", ZFactorStatus::ReducedTemperatureBelowOne, Gas(-200, 3000), UnitSystem::Field,
       "-200 °F is below this gas's pseudo-critical temperature, -65.72 °F (Tpr 0.66): Hall and Yarborough's z "
       "cannot be computed there; try a temperature above -65.72 °F or a lighter gas"},
      // −65.72 °F is −54.29 °C; −200 °F is −128.9 °C.
      {"Tpr below 1, metric", ZFactorStatus::ReducedTemperatureBelowOne, Gas(-200, 3000), UnitSystem::Metric,
       "-128.9 °C is below this gas's pseudo-critical temperature, -54.29 °C (Tpr 0.66)"},
      // 15000 / 660.98 = 22.69.
      {"Ppr above 20.5", ZFactorStatus::ReducedPressureAbove20_5, Gas(200, 15000), UnitSystem::Field,
       "15000 psia is above 20.5 times this gas's pseudo-critical pressure, 661 psia (Ppr 22.69): Hall and "
       "Yarborough's z is not defined there; try a pressure up to 13550 psia"},
      // −65.72 °F is 394.28 °R: Tpr 1; 2380 / 660.98 = 3.60.
      {"no convergence", ZFactorStatus::NoConvergence, Gas(-65.72, 2380), UnitSystem::Field,
       "Hall and Yarborough's iteration for z did not settle at Tpr 1 and Ppr 3.6, close to this gas's "
       "pseudo-critical point"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string text = ZFactorExplanation(row.status, row.inputs, GasCharacterisation::WetGas, row.units);
    EXPECT_EQ(text.substr(0, std::string(row.says).size()), row.says) << text;
  }
  EXPECT_EQ(ZFactorExplanation(ZFactorStatus::Success, Gas(200, 3000), GasCharacterisation::WetGas), "");
}

}  // namespace
}  // namespace tarnvik
