// Unit conversions against their definitions and against values printed in conversion
// tables, and the round trip a switch of units relies on.
#include "base/unit_system.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarnvik {
namespace {

// The pound-force per square inch to 16 digits (NIST SP 811: 6.894 757 293 168 E+03, whose
// further digits follow from the exact pound, standard gravity and inch).
TEST(UnitSystem, ConstantsFollowFromTheirDefinitions) {
  using namespace units;
  EXPECT_NEAR(kPascalsPerPsi, 6894.757293168361, 1e-12);
  const double inch = kMetresPerInch;
  EXPECT_DOUBLE_EQ(kCubicMetresPerBarrel, 42 * 231 * inch * inch * inch);
  EXPECT_DOUBLE_EQ(kCubicMetresPerCubicFoot, kMetresPerFoot * kMetresPerFoot * kMetresPerFoot);
}

// Values of the SPE metric standard's tables: 1 psi = 0.06894757 bar, 1 MCF/STB =
// 178.1076 sm³/sm³, 1 lb/ft³ = 16.01846 kg/m³, 1 RB/MCF = 0.005614583 rm³/sm³; water
// freezes at 32 °F and boils at 212 °F; −40 is the same in both scales.
TEST(UnitSystem, MetricValuesOfFieldValues) {
  const struct {
    Dimension dimension;
    double field, metric, tolerance;
  } rows[] = {
      {Dimension::Pressure, 1, 0.06894757, 1e-8},
      {Dimension::Pressure, 14.696, 1.01325, 1e-5},
      {Dimension::GasLiquidRatio, 1, 178.1076, 1e-4},
      {Dimension::Density, 1, 16.01846, 1e-5},
      {Dimension::GasVolumeFactor, 1, 0.005614583, 1e-9},
      {Dimension::Temperature, 32, 0, 1e-12},
      {Dimension::Temperature, 212, 100, 1e-12},
      {Dimension::Temperature, -40, -40, 1e-12},
      {Dimension::Compressibility, 1, 1.450377, 1e-6},
      {Dimension::InverseCompressibility, 1, 14.50377, 1e-5},
      {Dimension::Length, 8000, 2438.4, 1e-9},
      {Dimension::LiquidVolume, 1, 0.1589873, 1e-7},
      {Dimension::Plain, 35, 35, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.field);
    EXPECT_NEAR(FromField(row.field, row.dimension, UnitSystem::Metric), row.metric, row.tolerance);
    EXPECT_EQ(FromField(row.field, row.dimension, UnitSystem::Field), row.field);
    const double back =
        ToField(FromField(row.field, row.dimension, UnitSystem::Metric), row.dimension, UnitSystem::Metric);
    EXPECT_NEAR(back, row.field, 1e-14 * std::max(1.0, std::abs(row.field)));
  }
}

}  // namespace
}  // namespace tarnvik
