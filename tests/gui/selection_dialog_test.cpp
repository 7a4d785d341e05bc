// The selection dialog: each choice reaches the correlation selection and the window's
// captions; OK keeps the dialog, its close button discards it.
#include <QCloseEvent>

#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

TEST_F(WindowTest, NothingIsChosenWhenTheDialogOpens) {
  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Dialog()->objectName(), "Corch");
  EXPECT_EQ(Dialog()->windowTitle(), "Tarnvik Selection");
  EXPECT_FALSE(Dialog()->isModal());
  for (const char* list : {"Oilch", "Gasch", "Forch", "Rocks"}) {
    EXPECT_TRUE(Find<QListWidget>(Dialog(), list)->selectedItems().isEmpty()) << list;
  }
  EXPECT_TRUE(Find<QWidget>(Dialog(), "Rocks")->isHidden());
  EXPECT_EQ(Selection().oilCorrelation, OilCorrelation::Standing);
  EXPECT_EQ(Selection().gasCharacterisation, GasCharacterisation::WetGas);
  EXPECT_EQ(Text("ocx"), "");
}

// Each item, in list order, selects the family of its row and shows its text.
TEST_F(WindowTest, EveryOilItemSelectsItsFamilyAndCaption) {
  Click("Command3");
  auto* list = Find<QListWidget>(Dialog(), "Oilch");
  ASSERT_EQ(list->count(), 9);
  for (int i = 0; i < 9; ++i) {
    const QString item = list->item(i)->text();
    Choose("Oilch", item);
    EXPECT_EQ(Selection().oilCorrelation, static_cast<OilCorrelation>(i)) << item.toStdString();
    EXPECT_EQ(Text("ocx"), item);
  }
}

TEST_F(WindowTest, GasAndRockChoicesReachSelectionAndCaptions) {
  Click("Command3");
  Choose("Gasch", "Dry Gas");
  EXPECT_EQ(Selection().gasCharacterisation, GasCharacterisation::DryGas);
  EXPECT_EQ(Text("gcx"), "Dry Gas");
  Choose("Gasch", "Wet Gas");
  EXPECT_EQ(Selection().gasCharacterisation, GasCharacterisation::WetGas);

  // Rocks shows only for the two correlations that read the formation type; hiding it
  // keeps its choice.
  const struct {
    const char* rock;
    RockCorrelation correlation;
    bool rocksShown;
  } rows[] = {{"Newman", RockCorrelation::Newman, true},
              {"Hall", RockCorrelation::Hall, false},
              {"Yale et. al.", RockCorrelation::YaleEtAl, true},
              {"Van der Knaap", RockCorrelation::VanDerKnaap, false}};
  bool formationChosen = false;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.rock);
    Choose("Forch", row.rock);
    EXPECT_EQ(Selection().rockCorrelation, row.correlation);
    EXPECT_EQ(Text("fcx"), row.rock);
    EXPECT_EQ(!Find<QWidget>(Dialog(), "Rocks")->isHidden(), row.rocksShown);
    if (row.rocksShown && !formationChosen) {
      Choose("Rocks", "Carbonates");
      formationChosen = true;
    }
    EXPECT_EQ(Selection().formationType, FormationType::Carbonates);
  }
}

TEST_F(WindowTest, OkKeepsTheDialogAndItsChoices) {
  Click("Command3");
  Choose("Forch", "Newman");
  Choose("Rocks", "Friable Sands");
  SelectionDialog* dialog = Dialog();
  QTest::mouseClick(Find<QAbstractButton>(dialog, "Command1"), Qt::LeftButton);
  Click("Command3");
  EXPECT_EQ(Dialog(), dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(Find<QListWidget>(dialog, "Rocks")->selectedItems().value(0)->text(), "Friable Sands");
  EXPECT_EQ(Selection().formationType, FormationType::FriableSands);
}

// The close button discards the dialog with its lists: rock correlation and formation
// type are empty again; the oil family, gas characterisation and captions stay.
TEST_F(WindowTest, ClosingTheDialogDiscardsItsRockChoices) {
  Click("Command3");
  Choose("Oilch", "Glaso : North Sea Crudes");
  Choose("Gasch", "Dry Gas");
  Choose("Forch", "Yale et. al.");
  Choose("Rocks", "Unconsolidated Sands");
  Dialog()->close();
  ASSERT_TRUE(WaitUntil([&] { return Dialog() == nullptr; }));

  EXPECT_EQ(Selection().rockCorrelation, RockCorrelation::None);
  EXPECT_EQ(Selection().formationType, FormationType::None);
  EXPECT_EQ(Selection().oilCorrelation, OilCorrelation::Glaso);
  EXPECT_EQ(Selection().gasCharacterisation, GasCharacterisation::DryGas);
  EXPECT_EQ(Text("ocx"), "Glaso : North Sea Crudes");
  EXPECT_EQ(Text("gcx"), "Dry Gas");
  EXPECT_EQ(Text("fcx"), "Yale et. al.");
  EXPECT_TRUE(Shown("Command1"));

  // A calculation now has no rock correlation: no formation compressibility.
  TypeInputs({"35", "0.75", "200", "3000", "2500", "20", "25", "3", "0.5"});
  Click("Command1");
  EXPECT_NE(Text("box"), "");
  EXPECT_EQ(Text("cfx"), "") << "not computed";

  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  for (const char* list : {"Oilch", "Gasch", "Forch", "Rocks"}) {
    EXPECT_TRUE(Find<QListWidget>(Dialog(), list)->selectedItems().isEmpty()) << list;
  }
  EXPECT_TRUE(Find<QWidget>(Dialog(), "Rocks")->isHidden());
}

}  // namespace
}  // namespace tarnvik::testing
