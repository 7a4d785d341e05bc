// The selection dialog: it shows the selection in force, each choice reaches the
// correlation selection and the window's captions; its close button discards the dialog
// but not the selection (OK, which keeps it, is checked with the Calculate button).
#include <QCloseEvent>
#include <QTemporaryDir>

#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

QStringList Highlighted(SelectionDialog* dialog) {
  QStringList items;
  for (const char* list : {"Oilch", "Gasch", "Forch", "Rocks"}) {
    const auto selected = Find<QListWidget>(dialog, list)->selectedItems();
    items << (selected.isEmpty() ? QString() : selected.first()->text());
  }
  return items;
}

// A fresh dialog shows what is in force (the oil family and gas characterisation a run
// uses before any choice); an open that selects another family while it is open shows
// that one, and clicking the family highlighted before applies it again.
TEST_F(WindowTest, TheDialogShowsTheSelectionInForce) {
  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Dialog()->objectName(), "Corch");
  EXPECT_EQ(Dialog()->windowTitle(), "Tarnvik Selection");
  EXPECT_FALSE(Dialog()->isModal());
  EXPECT_EQ(Highlighted(Dialog()), QStringList({"Standing : California Crudes", "Wet Gas", "", ""}));
  EXPECT_TRUE(Find<QWidget>(Dialog(), "Rocks")->isHidden());
  EXPECT_TRUE(Find<QWidget>(Dialog(), "formationLabel")->isHidden());
  EXPECT_EQ(Text("ocx"), "");
  auto* captions = Find<QWidget>(window_.get(), "captionsBox");
  EXPECT_FALSE(Dialog()->frameGeometry().intersects(QRect(captions->mapToGlobal(QPoint()), captions->size())))
      << "the dialog leaves the captions it updates in view";

  QTemporaryDir dir;
  const QString path = dir.filePath("kartoatmodjo.pvt");
  WriteAll(path,
           "\"K\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Kartoatmodjo/Schmidt : Worldwide Crudes\",\"Dry Gas\","
           "\"Newman\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  dialogs_->nextOpenFileName = path;
  ClickToolButton("Open");
  EXPECT_EQ(Highlighted(Dialog()), QStringList({"Kartoatmodjo/Schmidt : Worldwide Crudes", "Dry Gas", "Newman", ""}));
  EXPECT_FALSE(Find<QWidget>(Dialog(), "Rocks")->isHidden());
  Click("Command1");
  const QString kartoatmodjo = Text("pbx");

  Choose("Oilch", "Standing : California Crudes");
  EXPECT_EQ(Selection().oilCorrelation, OilCorrelation::Standing);
  EXPECT_EQ(Text("ocx"), "Standing : California Crudes");
  Click("Command1");
  EXPECT_EQ(Text("pbx"), "2203.");
  EXPECT_NE(Text("pbx"), kartoatmodjo);
}

// The nine oil families in view at once, with a legend that says what their fit marks
// mean; each item, in list order, selects the family of its row and shows its text.
TEST_F(WindowTest, EveryOilItemShowsAndSelectsItsFamilyAndCaption) {
  TypeInputs({"58", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"});
  Click("Command3");
  QApplication::processEvents();
  auto* list = Find<QListWidget>(Dialog(), "Oilch");
  ASSERT_EQ(list->count(), 9);
  auto* legend = Find<QWidget>(Dialog(), "oilLegend");
  EXPECT_TRUE(legend->isVisible());
  QString words;
  for (const QLabel* label : legend->findChildren<QLabel*>()) words += label->text() + ' ';
  for (const char* text : {"inside", "outside", "not published"}) EXPECT_TRUE(words.contains(text)) << text;
  for (int i = 0; i < 9; ++i) {
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
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

// The close button discards the dialog, not the selection: rock correlation and formation
// type stay in force with every other choice, and a new dialog shows them all.
TEST_F(WindowTest, ClosingTheDialogKeepsEverySelection) {
  Click("Command3");
  Choose("Oilch", "Glaso : North Sea Crudes");
  Choose("Gasch", "Dry Gas");
  Choose("Forch", "Yale et. al.");
  Choose("Rocks", "Unconsolidated Sands");
  const CorrelationSelection chosen = Selection();
  Dialog()->close();
  ASSERT_TRUE(WaitUntil([&] { return Dialog() == nullptr; }));
  EXPECT_EQ(Selection(), chosen);
  EXPECT_EQ(Text("fcx"), "Yale et. al.");
  EXPECT_TRUE(Shown("Command1"));

  TypeInputs({"35", "0.75", "200", "3000", "2500", "20", "25", "3", "0.5"});
  Click("Command1");
  EXPECT_NE(Text("cfx"), "") << "the rock correlation is still in force";

  Click("Command3");
  ASSERT_NE(Dialog(), nullptr);
  EXPECT_EQ(Highlighted(Dialog()),
            QStringList({"Glaso : North Sea Crudes", "Dry Gas", "Yale et. al.", "Unconsolidated Sands"}));
  EXPECT_FALSE(Find<QWidget>(Dialog(), "Rocks")->isHidden());
}

}  // namespace
}  // namespace tarnvik::testing
