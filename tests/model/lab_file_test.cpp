// Lab data files: what reads, what is refused and where, and that writing and reading back
// loses nothing; the separator adjustment of what they hold.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/lab_fit.h"
#include "model/lab_file.h"

namespace tarnvik {
namespace {

constexpr std::string_view kHeader =
    "tarnvik-lab,1,field\n"
    "temperature,220\n"
    "bubble_point,2634.7\n"
    "gor,854\n";

std::string Refusal(std::string_view text) {
  LabData data;
  data.source = "untouched";
  UnitSystem units = UnitSystem::Field;
  std::string error;
  EXPECT_FALSE(ReadLabFile(text, data, units, error)) << text;
  EXPECT_EQ(data.source, "untouched") << "a refused file changes nothing";
  return error;
}

TEST(LabFile, RefusesNamingTheLineAndColumn) {
  const std::string h(kHeader);
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"pvt,1,field\n", "line 1, column 1"},
      {"tarnvik-lab,2,field\n", "line 1, column 2 (version)"},
      {"tarnvik-lab,1,imperial\n", "line 1, column 3 (units)"},
      {"tarnvik-lab,1,field\ntemperature,220\ngor,854\npressure,rs\n100,50\n", "bubble_point is missing"},
      {h + "pressure,rs,density\n100,50,1\n", "line 5, column 3"},
      {h + "pressure,rs\n2000,700\n1500,abc\n", "line 7, column 2 (rs): \"abc\" is not a number"},
      {h + "pressure,rs\n2000,700\n1500,-3\n", "line 7, column 2 (rs): a negative value"},
      {h + "pressure,bo\n2000,0\n", "line 6, column 2 (bo): must be above 0"},
      {h + "pressure,rs\n2000,700\n2000,650\n", "line 7, column 1 (pressure)"},
      {h + "pressure,rs\n2000,700\n1000,400\n1500,500\n", "line 8, column 1 (pressure)"},
      {h + "pressure,rs\n3000,800\n", "line 6, column 2 (rs)"},
      {h + "separator_bo,1.47\npressure,bo\n2000,1.5\n", "separator"},
      {h + "pressure,relative_volume\n3000,0.99\n2000,1.05\n", "line 7, column 2 (relative_volume): below the"},
      {h + "dead_oil_viscosity,0\npressure,rs\n2000,700\n", "line 5, column 2 (dead_oil_viscosity)"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(Refusal(c.text).find(c.expected), std::string::npos) << c.text << "\n -> " << Refusal(c.text);
  }
}

TEST(LabFile, WritesWhatItReadsInEitherUnitSystem) {
  const std::string text = std::string(kHeader) +
                           "source,\"Well 4, \"\"DL\"\" at 220 F\"\n"
                           "separator_bo,1.474\nseparator_gor,768\napi,40.5\ndead_oil_viscosity,1.2\n"
                           "pressure,rs,bo,oil_viscosity,oil_compressibility,z,bg,relative_volume\n"
                           "5000,854,1.5,0.45,1.2e-5,,,0.9725\n"
                           "2634.7,854,1.6,0.373,,,,1\n"
                           "1000,400.5,1.38,,,0.9,1.6,\n";
  LabData data;
  UnitSystem units = UnitSystem::Metric;
  std::string error;
  ASSERT_TRUE(ReadLabFile(text, data, units, error)) << error;
  EXPECT_EQ(units, UnitSystem::Field);
  EXPECT_EQ(data.source, "Well 4, \"DL\" at 220 F");
  ASSERT_EQ(data.points.size(), 3u);
  EXPECT_EQ(data.points.front().pressure, 1000) << "rows are kept by increasing pressure";
  for (UnitSystem system : {UnitSystem::Field, UnitSystem::Metric}) {
    LabData again;
    ASSERT_TRUE(ReadLabFile(WriteLabFile(data, system), again, units, error)) << error;
    EXPECT_EQ(units, system);
    if (system == UnitSystem::Field) {
      EXPECT_EQ(again, data);
    } else {
      EXPECT_NEAR(again.bubblePoint, data.bubblePoint, 1e-9);
      EXPECT_NEAR(again.temperatureF, data.temperatureF, 1e-9);
      EXPECT_NEAR(*again.points[0].rs, *data.points[0].rs, 1e-9);
      EXPECT_NEAR(*again.points[2].oilCompressibility, *data.points[2].oilCompressibility, 1e-18);
    }
  }
}

// The standard adjustment of differential-liberation data to separator conditions, by hand:
// Bodb 1.600, Rsdb 854, Bofb 1.474, Rsfb 768. At 1614.7 psia Bod 1.445 and Rsd 544 become
// Bo = 1.445 · 1.474 / 1.600 = 1.3312063 and Rs = 768 − (854 − 544) · 1.474 / 1.600 = 482.41;
// above the bubble point Rs is Rsfb.
TEST(LabData, DifferentialValuesAdjustedToTheSeparator) {
  LabData data;
  data.temperatureF = 220;
  data.bubblePoint = 2634.7;
  data.gor = 854;
  data.separator = SeparatorTest{1.474, 768};
  data.points = {{1614.7, 544, 1.445}, {2634.7, 854, 1.600}, {4000, 854, 1.55}};
  LabData adjusted;
  std::string error;
  ASSERT_TRUE(AtSeparatorConditions(data, adjusted, error)) << error;
  EXPECT_EQ(adjusted.gor, 768);
  EXPECT_FALSE(adjusted.separator);
  EXPECT_NEAR(*adjusted.points[0].bo, 1.3312063, 1e-7);
  EXPECT_NEAR(*adjusted.points[0].rs, 482.4125, 1e-9);
  EXPECT_NEAR(*adjusted.points[1].bo, 1.474, 1e-12);
  EXPECT_EQ(*adjusted.points[2].rs, 768);

  data.points.erase(data.points.begin() + 1);
  EXPECT_FALSE(AtSeparatorConditions(data, adjusted, error)) << "without Bodb there is nothing to scale by";
  EXPECT_NE(error.find("bubble point"), std::string::npos) << error;
}

// A volatile oil's liberation releases more gas than its separators: the Weatherford report
// CL-70073 (Duvernay, 229.7 °F) has Bodb 2.8942, Rsdb 2847.67, Bofb 2.1783, Rsfb 1802.83, and
// at 213 psia Rsd 359.66, which the adjustment makes 1802.83 − 2488.01 · 0.75264 = −69.8.
TEST(LabData, AnAdjustmentThatTakesRsBelowZeroIsRefused) {
  LabData data;
  data.temperatureF = 229.7;
  data.bubblePoint = 3724;
  data.gor = 2847.67;
  data.separator = SeparatorTest{2.1783, 1802.83};
  data.points = {{213, 359.66, 1.4167}, {1013, 759.57, 1.6701}, {3724, 2847.67, 2.8942}};
  LabData adjusted;
  std::string error;
  EXPECT_FALSE(AtSeparatorConditions(data, adjusted, error));
  EXPECT_NE(error.find("Rs -69.8 SCF/STB at 213 psia, below 0"), std::string::npos) << error;
}

}  // namespace
}  // namespace tarnvik
