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

}  // namespace
}  // namespace tarnvik::testing
