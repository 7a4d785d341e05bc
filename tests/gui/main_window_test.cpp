// The main window driven through its real widgets: the calculate button, the fluid check
// boxes, the toolbar and menus, and a few whole calculations checked against the
// independent reference results in tests/data (the command-line test checks them all).
#include <QCheckBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <fstream>
#include <string>
#include <vector>

#include "csv_row.h"
#include "present/output_fields.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

TEST_F(WindowTest, CalculateButtonAppearsOnlyAfterSelectCorrelations) {
  EXPECT_EQ(window_->windowTitle(), "Correlations for PVT Properties");
  EXPECT_FALSE(Shown("Command1"));
  Type("apix", "35");
  QTest::keyClick(Box("apix"), Qt::Key_Return);
  EXPECT_EQ(Text("rsx"), "") << "Enter must not calculate while the button is hidden";

  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_TRUE(Dialog()->isVisible());
  EXPECT_TRUE(Shown("Command1"));

  QTest::mouseClick(Find<QAbstractButton>(Dialog(), "Command1"), Qt::LeftButton);
  EXPECT_FALSE(Dialog()->isVisible()) << "OK hides the dialog and keeps it";
  EXPECT_NE(Dialog(), nullptr);
  EXPECT_TRUE(Find<QWidget>(window_.get(), "Command1")->hasFocus());
  EXPECT_TRUE(Shown("Command1"));

  QTest::keyClick(Box("apix"), Qt::Key_Return);
  EXPECT_NE(Text("rsx"), "") << "Enter in an input box calculates once the button shows";
}

// The visibility rules after each click, in order. The last two steps show the overlap:
// whichever box was clicked last decides WOR.
TEST_F(WindowTest, FluidCheckBoxesHideAndShowTheirInputs) {
  struct Step {
    const char* click;
    bool api, gasGravity, swc, wor;
  };
  const Step steps[] = {
      {"Check1", false, true, true, true},     // oil off: the oil inputs go
      {"Check2", false, false, false, false},  // oil and gas off: gas gravity, WOR, Swc go
      {"Check2", false, true, true, true},     // gas on again
      {"Check3", false, true, true, false},    // water off: WOR goes
      {"Check1", true, true, true, true},      // oil on: its gas rule shows WOR again
      {"Check3", true, true, true, true},      // water on again
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.click);
    Click(step.click);
    for (const char* name : {"Label1", "apix", "gorpk", "bpx", "pbx"}) EXPECT_EQ(Shown(name), step.api) << name;
    for (const char* name : {"Label2", "ggx"}) EXPECT_EQ(Shown(name), step.gasGravity) << name;
    for (const char* name : {"Label7", "swcx"}) EXPECT_EQ(Shown(name), step.swc) << name;
    for (const char* name : {"Label27", "worx"}) EXPECT_EQ(Shown(name), step.wor) << name;
  }
}

std::vector<std::vector<QString>> ReadRows(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::vector<QString>> rows;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<QString>& row = rows.emplace_back();
    for (const std::string& field : SplitCsvRow(line)) row.push_back(QString::fromStdString(field));
  }
  return rows;
}

// Reference cases typed into a fresh window, their correlations clicked in the dialog,
// and calculated with the button: the window shows the reference's texts. The cases: GOR
// mode below pb (1), bubble-point mode above pb (4), dry gas (49), water specific gravity
// below 1 with values out of range (63), no oil in GOR mode (65), a z-factor failure (73),
// a title with a comma and quotation marks (81).
TEST(WindowReference, ShowsTheReferenceResults) {
  const auto cases = ReadRows(TARNVIK_TEST_DATA "/oracle-cases.csv");
  auto expected = ReadRows(TARNVIK_TEST_DATA "/oracle-expected.csv");
  expected.erase(expected.begin());  // header
  const char* boxes[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};
  for (const auto& want : expected) {
    const int number = want[0].toInt();
    if (!QList<int>{1, 4, 49, 63, 65, 73, 81}.contains(number)) continue;
    const auto& input = cases.at(std::size_t(number - 1));
    SCOPED_TRACE("reference case " + want[0].toStdString() + ": " + input[0].toStdString());
    WindowDriver test;
    test.Type("Text1", input[0]);
    test.SetSelector("gorpk", input[1]);
    test.SetSelector("wtrpk", input[2]);
    for (int i = 0; i < 9; ++i) test.Type(boxes[i], input[6 + i]);
    test.Click("Command3");
    if (!input[3].isEmpty()) test.Choose("Oilch", input[3]);
    if (!input[4].isEmpty()) test.Choose("Gasch", input[4]);
    if (!input[5].isEmpty()) test.Choose("Forch", input[5]);
    test.Click("Command1");

    const QString message = want[2];
    EXPECT_EQ(test.Box("Text1")->text(), input[0]) << "the title is kept";
    EXPECT_EQ(test.Text("Label11"), want[3]);
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
      const char* control = kOutputFields[i].control.data();
      EXPECT_EQ(test.Text(control), message.isEmpty() ? want[4 + i] : QString()) << control;
    }
    if (!message.isEmpty()) {
      EXPECT_EQ(test.Status(), message);
    }
    EXPECT_EQ(test.Status().isEmpty(), want[25].isEmpty() && message.isEmpty()) << test.Status().toStdString();
  }
}

// Tpr below 1 at the reservoir pressure: the title stays, the previous results stay on the
// window, and the status says both.
TEST_F(WindowTest, ZFactorFailureKeepsTheTitleAndThePreviousResults) {
  TypeInputs({"35", "0.75", "200", "3000", "2500", "20", "25", "3", "0.5"});
  Type("Text1", "Well A-1");
  Click("Command3");
  Click("Command1");
  std::vector<QString> before;
  for (const auto& field : kOutputFields) before.push_back(Text(field.control.data()));
  ASSERT_NE(before[0], "");

  Type("tx", "-200");  // 260 °R is below any pseudo-critical temperature of a 0.75 gas
  Click("Command1");
  EXPECT_EQ(Box("Text1")->text(), "Well A-1");
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) EXPECT_EQ(Text(kOutputFields[i].control.data()), before[i]);
  EXPECT_EQ(Status(), "pTr<1: z-factor Routine FAILS; the results shown are from the calculation before");

  Type("tx", "200");
  Click("Command1");
  EXPECT_EQ(Status(), "");
}

// Each way to a command reaches it: toolbar button, menu item, shortcut.
TEST_F(WindowTest, ToolbarMenuAndShortcutsReachTheirCommands) {
  ClickToolButton("Open");
  Find<QAction>(window_.get(), "a7")->trigger();
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(dialogs_->openAsked, 3);
  ClickToolButton("Save");
  Find<QAction>(window_.get(), "a8")->trigger();
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(dialogs_->saveAsked, 3);
  ClickToolButton("Print");
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_P));
  EXPECT_EQ(dialogs_->printAsked, 2);
  for (const QString& title : dialogs_->titles) EXPECT_EQ(title, "PVT File Selector");

  Find<QAction>(window_.get(), "a13")->trigger();
  EXPECT_EQ(dialogs_->openAsked + dialogs_->saveAsked + dialogs_->printAsked, 8);
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(WindowTest, ExitAndClosingThroughTheFrameUnloadTheDialogAndEndOnce) {
  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  QSignalSpy exiting(window_.get(), &MainWindow::exiting);
  ClickToolButton("Exit");
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_FALSE(window_->isVisible());
  window_->close();
  EXPECT_EQ(exiting.count(), 1);
}

TEST_F(WindowTest, SelectorsStartWithThePromptsAndTypingAddsNoItem) {
  auto* gor = Find<QComboBox>(window_.get(), "gorpk");
  EXPECT_EQ(gor->currentText(), "GOR or Bubble Point ?");
  EXPECT_EQ(Find<QComboBox>(window_.get(), "wtrpk")->currentText(), "Salinity or Sp. Gravity ?");
  SetSelector("gorpk", "typed text");
  QTest::keyClick(gor->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(gor->count(), 2);
}

}  // namespace
}  // namespace tarnvik::testing
