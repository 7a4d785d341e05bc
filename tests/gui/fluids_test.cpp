// The fluids of a case: a gas reservoir without oil holds connate water and gas, and the
// check boxes show the WOR exactly when water is produced with oil or gas.
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

double Value(WindowDriver& window, const char* name) { return window.Text(name).toDouble(); }

// No oil (API and GOR 0), a gas gravity and Swc 25 %: Sw is Swc and Sg the rest, whatever
// the WOR, and the total compressibility carries the gas (cf + Sw cw + Sg cg).
TEST_F(WindowTest, AGasReservoirWithoutOilHoldsConnateWaterAndGas) {
  for (const char* wor : {"0.5", "0"}) {
    SCOPED_TRACE(wor);
    WindowDriver window;
    window.Calculate({{"0", "0.7", "200", "3000", "0", "20", "25", "3", wor}});
    EXPECT_EQ(window.Text("sox"), ".");
    EXPECT_EQ(window.Text("swx"), "25.");
    EXPECT_EQ(window.Text("sgx"), "75.");
    const double ct = Value(window, "cfx") + 0.25 * Value(window, "cwx") + 0.75 * Value(window, "cgx");
    EXPECT_NEAR(Value(window, "ctx"), ct, 0.2) << "to the digits shown";
    EXPECT_GT(Value(window, "ctx"), 200) << "the gas's compressibility dominates";
  }
}

// Every combination of the three check boxes, reached from every other: WOR shows with
// water and oil or gas; gas gravity and Swc with oil or gas; the oil's inputs with oil.
TEST_F(WindowTest, WorShowsExactlyWithWaterAndOilOrGas) {
  auto* oil = Find<QCheckBox>(window_.get(), "Check1");
  auto* gas = Find<QCheckBox>(window_.get(), "Check2");
  auto* water = Find<QCheckBox>(window_.get(), "Check3");
  for (int from = 0; from < 8; ++from) {
    for (int to = 0; to < 8; ++to) {
      for (const int state : {from, to}) {
        // Clicked, in the order oil, gas, water, where the state differs.
        const bool wanted[] = {(state & 1) != 0, (state & 2) != 0, (state & 4) != 0};
        const char* names[] = {"Check1", "Check2", "Check3"};
        QCheckBox* checks[] = {oil, gas, water};
        for (int i = 0; i < 3; ++i) {
          if (checks[i]->isChecked() != wanted[i]) Click(names[i]);
        }
      }
      SCOPED_TRACE(to);
      const bool o = oil->isChecked(), g = gas->isChecked(), w = water->isChecked();
      EXPECT_EQ(Shown("worx"), w && (o || g));
      EXPECT_EQ(Shown("Label27"), w && (o || g));
      EXPECT_EQ(Shown("ggx"), o || g);
      EXPECT_EQ(Shown("swcx"), o || g);
      EXPECT_EQ(Shown("apix"), o);
      EXPECT_EQ(Shown("pbx"), o);
    }
  }
}

}  // namespace
}  // namespace tarnvik::testing
