// The window by keyboard: Select Correlations and Calculate have mnemonics and keys, and
// Enter calculates as soon as the case typed can be calculated.
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

TEST_F(WindowTest, EnterCalculatesAsSoonAsTheCaseCanBeCalculated) {
  TypeInputs({"35", "0.75", "200", "", "0.5", "20", "25", "3", "0.5"});
  SetSelector("gorpk", "GOR MCF/STB");
  QTest::keyClick(Box("apix"), Qt::Key_Return);
  EXPECT_EQ(Text("rsx"), "") << "no pressure yet: nothing to calculate";
  EXPECT_FALSE(Shown("Command1"));
  Type("px", "3000");
  QTest::keyClick(Box("px"), Qt::Key_Return);
  EXPECT_EQ(Text("rsx"), ".5") << "calculated with the correlations in force";
  EXPECT_TRUE(Shown("Command1"));
  EXPECT_FALSE(Shown("hint"));
}

TEST_F(WindowTest, SelectAndCalculateHaveMnemonicsAndKeys) {
  auto* select = Find<QAbstractButton>(window_.get(), "Command3");
  auto* calculate = Find<QAbstractButton>(window_.get(), "Command1");
  EXPECT_EQ(QKeySequence::mnemonic(select->text()), QKeySequence(Qt::ALT | Qt::Key_S));
  EXPECT_EQ(QKeySequence::mnemonic(calculate->text()), QKeySequence(Qt::ALT | Qt::Key_C));

  TypeInputs({"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"});
  SetSelector("gorpk", "GOR MCF/STB");
  Box("apix")->setFocus();
  QTest::keySequence(window_.get(), QKeySequence(Qt::Key_F4));
  ASSERT_NE(Dialog(), nullptr) << "F4 selects the correlations";
  EXPECT_TRUE(Dialog()->isVisible());
  Dialog()->hide();
  QTest::keySequence(window_.get(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(Text("pbx"), "2203.") << "F9 calculates";
  Type("px", "4000");
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_Return));
  EXPECT_FALSE(window_->model().resultsStale()) << "Ctrl+Enter calculates";
}

}  // namespace
}  // namespace tarnvik::testing
