// Saving and opening case files and printing, through the window's commands with the
// dialogs answered by the test.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

const char* const kBoxes[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};

class CaseFileTest : public WindowTest {
 public:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  void FillAndCalculate() {
    Type("Text1", "Well \"A-1\", north");
    Calculate({{"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"},
               "GOR MCF/STB",
               "Salinity % NaCl",
               "Petrosky/Farshad : Gulf of Mexico Crudes",
               "Dry Gas"});
  }
  QStringList WindowTexts() {
    QStringList texts = {Box("Text1")->text(), Find<QComboBox>(window_.get(), "gorpk")->currentText(),
                         Text("ocx"),          Text("gcx"),
                         Text("fcx"),          Text("rsx")};
    for (const char* box : kBoxes) texts << Box(box)->text();
    return texts;
  }

  QTemporaryDir dir_;
};

// The saved record holds the values of the last calculation, not a box edited since;
// the texts are the current ones.
TEST_F(CaseFileTest, SaveWritesTheRecordOfTheLastCalculation) {
  FillAndCalculate();
  Type("px", "9999");
  dialogs_->nextSaveFileName = Path("case.pvt");
  Click("Command3");  // the dialog is open; saving works all the same
  Find<QAction>(window_.get(), "a8")->trigger();
  EXPECT_EQ(ReadAll(Path("case.pvt")),
            "\"Well \"\"A-1\"\", north\",\"GOR MCF/STB\",\"Salinity % NaCl\","
            "\"Petrosky/Farshad : Gulf of Mexico Crudes\",\"Dry Gas\",\"Hall\","
            "35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  EXPECT_TRUE(dialogs_->errors.isEmpty());
}

TEST_F(CaseFileTest, NumbersNeverFilledAreWrittenEmpty) {
  dialogs_->nextSaveFileName = Path("empty.pvt");
  ClickToolButton("Save");
  EXPECT_EQ(ReadAll(Path("empty.pvt")),
            "\"\",\"GOR or Bubble Point ?\",\"Salinity or Sp. Gravity ?\",\"\",\"\",\"\",,,,,,,,,\r\n");
}

// Opening restores the texts, the numbers and the correlations the captions name, so a
// second window calculates exactly what the saving window showed. Results stay as they
// were until the next calculation.
TEST_F(CaseFileTest, OpenRestoresTheCaseAndItsCorrelations) {
  FillAndCalculate();
  dialogs_->nextSaveFileName = Path("case.pvt");
  ClickToolButton("Save");

  WindowDriver other;
  other.Click("Command3");
  other.Choose("Gasch", "Wet Gas");
  other.Choose("Forch", "Van der Knaap");
  other.dialogs_->nextOpenFileName = Path("case.pvt");
  other.ClickToolButton("Open");
  ASSERT_TRUE(other.dialogs_->errors.isEmpty()) << other.dialogs_->errors.join("\n").toStdString();

  EXPECT_EQ(other.Box("Text1")->text(), "Well \"A-1\", north");
  EXPECT_EQ(Find<QComboBox>(other.window_.get(), "gorpk")->currentText(), "GOR MCF/STB");
  EXPECT_EQ(other.Text("ocx"), "Petrosky/Farshad : Gulf of Mexico Crudes");
  EXPECT_EQ(other.Text("gcx"), "Dry Gas");
  EXPECT_EQ(other.Text("fcx"), "Hall");
  const char* shown[] = {" 35", " 0.75", " 200", " 3000", " 0.5", " 20", " 25", " 3", " 0.5"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(other.Box(kBoxes[i])->text(), shown[i]) << kBoxes[i];
  EXPECT_EQ(other.Selection(), (CorrelationSelection{OilCorrelation::PetroskyFarshad, GasCharacterisation::DryGas,
                                                     RockCorrelation::Hall, FormationType::None}));
  EXPECT_EQ(other.Text("rsx"), "");

  other.Click("Command1");
  for (const char* control : {"rsx", "box", "zx", "cfx", "ctx"}) EXPECT_EQ(other.Text(control), Text(control));
}

TEST_F(CaseFileTest, CancellingEitherDialogChangesNothing) {
  FillAndCalculate();
  const QStringList before = WindowTexts();
  ClickToolButton("Open");
  ClickToolButton("Save");
  EXPECT_EQ(dialogs_->openAsked, 1);
  EXPECT_EQ(dialogs_->saveAsked, 1);
  EXPECT_EQ(WindowTexts(), before);
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
  EXPECT_TRUE(dialogs_->errors.isEmpty());
}

// A file that cannot be read as a case is reported with its name and what is wrong;
// the window and the input set stay exactly as they were.
TEST_F(CaseFileTest, AFileThatIsNotACaseChangesNothing) {
  FillAndCalculate();
  const QStringList before = WindowTexts();
  const InputSet inputs = window_->model().inputs();
  const struct {
    const char* name;
    QByteArray content;  // empty name of a file not written: it does not exist
    const char* says;
  } rows[] = {
      {"short.pvt", "\"t\",\"GOR MCF/STB\",\"s\",\"Farshad\",\"g\",\"r\",1,2,3,4,5,6,7,8\r\n", "only 14 of 15"},
      {"text.pvt", "\"t\",\"GOR MCF/STB\",\"s\",\"Farshad\",\"g\",\"r\",1,2,abc,4,5,6,7,8,9\r\n", "temperature"},
      {"missing.pvt", QByteArray(), "No such file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (QByteArray(row.name) != "missing.pvt") WriteAll(Path(row.name), row.content);
    dialogs_->errors.clear();
    dialogs_->nextOpenFileName = Path(row.name);
    ClickToolButton("Open");
    ASSERT_EQ(dialogs_->errors.size(), 1);
    EXPECT_TRUE(dialogs_->errors[0].contains(QDir::toNativeSeparators(Path(row.name))));
    EXPECT_TRUE(dialogs_->errors[0].contains(QString::fromLatin1(row.says))) << dialogs_->errors[0].toStdString();
    EXPECT_EQ(WindowTexts(), before);
    EXPECT_EQ(window_->model().inputs().temperatureF, inputs.temperatureF);
    EXPECT_EQ(Selection().oilCorrelation, OilCorrelation::PetroskyFarshad);
  }
}

TEST_F(CaseFileTest, AFailedSaveIsReportedAndLeavesNoFile) {
  FillAndCalculate();
  dialogs_->nextSaveFileName = Path("no-such-folder/case.pvt");
  ClickToolButton("Save");
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("no-such-folder")) << dialogs_->errors[0].toStdString();

  // Saving over an existing case replaces it whole.
  WriteAll(Path("old.pvt"), "old contents");
  dialogs_->nextSaveFileName = Path("old.pvt");
  ClickToolButton("Save");
  EXPECT_TRUE(ReadAll(Path("old.pvt")).startsWith("\"Well"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"old.pvt"})) << "no temporary file left";
}

// While the page is printed the toolbar is hidden and the heading shown; both are
// restored afterwards, also when the user cancels.
TEST_F(CaseFileTest, PrintingShowsTheHeadingInsteadOfTheToolbar) {
  FillAndCalculate();
  auto* toolBar = Find<QWidget>(window_.get(), "Toolbar1");
  auto* heading = Find<QLabel>(window_.get(), "Label8");
  EXPECT_EQ(heading->text(), "Tarnvik");
  EXPECT_TRUE(heading->font().bold());
  EXPECT_TRUE(heading->isHidden());

  for (bool printed : {true, false}) {
    SCOPED_TRACE(printed ? "printed" : "cancelled");
    const QString pdf = Path(printed ? "page.pdf" : "cancelled.pdf");
    bool toolBarHidden = false, headingShown = false;
    dialogs_->printAnswer = [&](QPrinter& printer) {
      toolBarHidden = toolBar->isHidden();
      headingShown = heading->isVisible();
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return printed;
    };
    ClickToolButton("Print");
    EXPECT_TRUE(toolBarHidden);
    EXPECT_TRUE(headingShown);
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_TRUE(heading->isHidden());
    EXPECT_EQ(ReadAll(pdf).startsWith("%PDF"), printed);
  }
  EXPECT_GT(QFile(Path("page.pdf")).size(), 10000) << "the page holds the window's image";
  EXPECT_TRUE(dialogs_->errors.isEmpty()) << "printing and cancelling say nothing";

  // A print that fails is reported: a folder that does not exist, a full disk.
  for (const QString& pdf : {Path("no-such-folder/page.pdf"), QStringLiteral("/dev/full")}) {
    if (pdf.startsWith("/dev/") && !QFile::exists(pdf)) continue;
    dialogs_->errors.clear();
    dialogs_->printAnswer = [&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    };
    ClickToolButton("Print");
    ASSERT_EQ(dialogs_->errors.size(), 1) << pdf.toStdString();
    EXPECT_TRUE(dialogs_->errors[0].contains(QDir::toNativeSeparators(pdf))) << dialogs_->errors[0].toStdString();
    EXPECT_TRUE(toolBar->isVisible());
  }
}

}  // namespace
}  // namespace tarnvik::testing
