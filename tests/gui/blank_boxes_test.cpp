// Boxes left blank: saved blank and opened blank, marked as blank rather than as 0, and a
// result that cannot be computed for want of a blank input shown blank, not as 0.
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

class BlankBoxesTest : public WindowFileTest {};

// A case typed before any calculation is saved as typed, a box read in part as it reads:
// a fresh window's prompts and no numbers; a case with blank boxes opens with those boxes
// blank, and saves as it was.
TEST_F(BlankBoxesTest, BlankBoxesAreSavedAndOpenedBlank) {
  const QString empty = Path("empty.csv");
  dialogs_->nextSaveFileName = empty;
  ClickToolButton("Save");
  EXPECT_EQ(ReadAll(empty), "\"\",\"GOR or Bubble Point ?\",\"Salinity or Sp. Gravity ?\",\"\",\"\",\"\",,,,,,,,,\r\n");

  const QStringList typed = {"35", "", "200", "", "0.5", "20,5", "25", "3", ""};
  TypeInputs(typed);
  SetSelector("gorpk", "GOR MCF/STB");
  const QString path = Path("blank.csv");
  dialogs_->nextSaveFileName = path;
  Find<QAction>(window_.get(), "a8")->trigger();
  const QByteArray saved = ReadAll(path);
  ASSERT_TRUE(saved.endsWith(",35,,200,,0.5,20,25,3,\r\n")) << saved.toStdString();

  WindowDriver other;
  ASSERT_TRUE(other.window_->openPath(path));
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(other.Box(kInputBoxNames[i])->text().trimmed(), i == 5 ? "20" : typed[i]) << kInputBoxNames[i];
  }
  EXPECT_FALSE(other.window_->model().modified());
  other.window_->saveCase();
  EXPECT_EQ(ReadAll(path), saved);
}

// A blank Temperature or Pressure is marked as blank, not as a typed 0.
TEST_F(BlankBoxesTest, ABlankBoxIsMarkedAsBlank) {
  const struct {
    const char* box;
    QStringList boxes;
    const char* selector;
    const char* typedZero;
  } rows[] = {
      {"tx", {"35", "0.75", "", "3000", "0.5", "20", "25", "3", "0.5"}, "GOR MCF/STB", "Temperature 0 is below"},
      // Without gas no z-factor is needed, so a blank pressure is checked too.
      {"px", {"35", "", "200", "", "2500", "20", "25", "3", "0.5"}, "Bubble Point Pressure psia", " 0 is below"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.box);
    TypeInputs(row.boxes);
    SetSelector("gorpk", row.selector);
    const QString toolTip = Box(row.box)->toolTip();
    EXPECT_TRUE(toolTip.contains("blank (read as 0) is below")) << toolTip.toStdString();
    EXPECT_FALSE(toolTip.contains(" 0 is below")) << toolTip.toStdString();
    Type(row.box, "0");
    EXPECT_TRUE(Box(row.box)->toolTip().contains(row.typedZero)) << "a typed 0 is a 0";
  }
}

// With the gas gravity blank below the bubble point, Vazquez and Beggs' Bo cannot be
// computed (it divides by the gas gravity); the oil density that follows from it is blank
// too, not "." (0 lb/ft3), and is named among the results out of range.
TEST_F(BlankBoxesTest, ADensityWithoutItsVolumeFactorIsBlank) {
  Calculate({{"35", "", "200", "2000", "2500", "20", "25", "3", "0.5"},
             "Bubble Point Pressure psia",
             "Salinity % NaCl",
             "Vazquez/Beggs : Worldwide Crudes"});
  EXPECT_EQ(Text("box"), "");
  EXPECT_EQ(Text("odx"), "");
  EXPECT_TRUE(Status().contains("Oil density")) << Status().toStdString();
}

}  // namespace
}  // namespace tarnvik::testing
