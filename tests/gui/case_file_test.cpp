// Saving and opening case files and printing, through the window's commands with the
// dialogs answered by the test, and the habits of every desktop program's files: unsaved
// changes settled, Open Recent, settings kept under the program's name.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "gui/case_file.h"
#include "gui/recent_files.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

class CaseFileTest : public WindowFileTest {
 public:
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
    for (const char* box : kInputBoxNames) texts << Box(box)->text();
    return texts;
  }
};

// Save writes what the boxes hold, read as a calculation reads them, whether or not they
// were calculated. The first save asks for a name, the next ones write to that file; the
// title shows the file and whether it has unsaved changes. A failed save is reported and
// leaves no file; saving over an existing file replaces it whole.
TEST_F(CaseFileTest, SaveWritesWhatTheBoxesHold) {
  FillAndCalculate();
  Type("px", "4000");
  dialogs_->nextSaveFileName = Path("case.pvt");
  Click("Command3");  // the dialog is open; saving works all the same
  ClickToolButton("Save");
  EXPECT_EQ(ReadAll(Path("case.pvt")),
            "\"Well \"\"A-1\"\", north\",\"GOR MCF/STB\",\"Salinity % NaCl\","
            "\"Petrosky/Farshad : Gulf of Mexico Crudes\",\"Dry Gas\",\"Hall\","
            "35,0.75,200,4000,0.5,20,25,3,0.5\r\n");
  EXPECT_EQ(window_->windowTitle(), "case.pvt[*] - Correlations for PVT Properties");
  EXPECT_FALSE(window_->isWindowModified());

  Type("px", "4500x");
  EXPECT_TRUE(window_->isWindowModified());
  QTest::keySequence(window_.get(), QKeySequence::Save);
  EXPECT_EQ(dialogs_->saveAsked, 1) << "saved to the case's file without asking";
  EXPECT_TRUE(ReadAll(Path("case.pvt")).contains(",4500,"));
  EXPECT_FALSE(window_->isWindowModified());
  EXPECT_TRUE(dialogs_->errors.isEmpty());

  dialogs_->nextSaveFileName = Path("no-such-folder/case.pvt");
  Find<QAction>(window_.get(), "a8")->trigger();
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("no-such-folder")) << dialogs_->errors[0].toStdString();
  WriteAll(Path("old.pvt"), "old contents");
  dialogs_->nextSaveFileName = Path("old.pvt");
  Find<QAction>(window_.get(), "a8")->trigger();
  EXPECT_TRUE(ReadAll(Path("old.pvt")).startsWith("\"Well"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"case.pvt", "old.pvt"})) << "no temporary file left";
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
  for (int i = 0; i < 9; ++i) EXPECT_EQ(other.Box(kInputBoxNames[i])->text(), shown[i]) << kInputBoxNames[i];
  EXPECT_EQ(other.Selection(), (CorrelationSelection{OilCorrelation::PetroskyFarshad, GasCharacterisation::DryGas,
                                                     RockCorrelation::Hall, FormationType::None}));
  EXPECT_EQ(other.Text("rsx"), "");

  other.Click("Command1");
  for (const char* control : {"rsx", "box", "zx", "cfx", "ctx"}) EXPECT_EQ(other.Text(control), Text(control));
}

// The gas impurities' row: typed contents change the z-factor the window shows, are saved
// after the record and come back on opening; a text read in part is marked as every box is.
TEST_F(CaseFileTest, GasImpuritiesAreCalculatedSavedAndOpened) {
  FillAndCalculate();
  const QString sweetZ = Text("zx");
  Type("co2x", "5");
  Type("h2sx", "10%");
  EXPECT_TRUE(Box("h2sx")->actions().front()->isVisible()) << "\"10%\" is read in part";
  EXPECT_TRUE(Text("zx").isEmpty() || Find<QLabel>(window_.get(), "zx")->font().italic()) << "results are stale";
  Click("Command1");
  EXPECT_NE(Text("zx"), sweetZ);
  dialogs_->nextSaveFileName = Path("sour.pvt");
  ClickToolButton("Save");
  EXPECT_TRUE(ReadAll(Path("sour.pvt")).endsWith("35,0.75,200,3000,0.5,20,25,3,0.5\r\n@gas,1,5,10,0\r\n"));

  WindowDriver other;
  other.Click("Command3");
  other.dialogs_->nextOpenFileName = Path("sour.pvt");
  other.ClickToolButton("Open");
  ASSERT_TRUE(other.dialogs_->errors.isEmpty()) << other.dialogs_->errors.join("\n").toStdString();
  EXPECT_EQ(other.Box("co2x")->text(), " 5");
  EXPECT_EQ(other.Box("h2sx")->text(), " 10");
  EXPECT_EQ(other.Box("n2x")->text(), "");
  other.Click("Command1");
  EXPECT_EQ(other.Text("zx"), Text("zx"));
}

// Cancelling either dialog changes nothing. A file that cannot be read as a case is
// reported with its name and what is wrong, without waiting on a pipe or reading an
// endless device; the window and the input set stay exactly as they were.
TEST_F(CaseFileTest, CancellingOrAFileThatIsNotACaseChangesNothing) {
  FillAndCalculate();
  const QStringList before = WindowTexts();
  const InputSet inputs = window_->model().inputs();
  ClickToolButton("Open");
  ClickToolButton("Save");
  EXPECT_EQ(dialogs_->openAsked, 1);
  EXPECT_EQ(dialogs_->saveAsked, 1);
  EXPECT_EQ(WindowTexts(), before);
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
  EXPECT_TRUE(dialogs_->errors.isEmpty());
  ASSERT_EQ(::mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.pvt")));
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.pvt"));
  const struct {
    const char* name;
    QByteArray content;  // empty: not written here
    const char* says;
  } rows[] = {
      {"short.pvt", "\"t\",\"GOR MCF/STB\",\"s\",\"Farshad\",\"g\",\"r\",1,2,3,4,5,6,7,8\r\n", "only 14 of 15"},
      {"text.pvt", "\"t\",\"GOR MCF/STB\",\"s\",\"Farshad\",\"g\",\"r\",1,2,abc,4,5,6,7,8,9\r\n", "temperature"},
      {"lab.pvt",
       "\"t\",\"GOR MCF/STB\",\"s\",\"Farshad\",\"g\",\"r\",1,2,3,4,5,6,7,8,9\r\n"
       "@lab,tarnvik-lab,1,field\r\n@lab,temperature,hot\r\n",
       "line 3, column 2 (temperature)"},
      {"big.pvt", QByteArray(int(kMaxCaseFileBytes) + 1, ' '), "larger than a case file"},
      {"missing.pvt", QByteArray(), "No such file"},
      {"pipe", QByteArray(), "pipe"},
      {"zero.pvt", QByteArray(), "device"},
      {"folder.pvt", QByteArray(), "folder"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (!row.content.isEmpty()) WriteAll(Path(row.name), row.content);
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

// A title longer than a line edit's usual limit of 32,767 characters survives a save and
// an open whole; the question about unsaved changes names it in a line that fits the
// screen.
TEST_F(CaseFileTest, ALongTitleIsKeptWhole) {
  const QString title(40000, QLatin1Char('t'));
  Box("Text1")->setText(title);
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Cancel;
  ClickToolButton("Exit");
  ASSERT_EQ(dialogs_->unsavedAsked, 1);
  EXPECT_LT(dialogs_->unsavedName.size(), 80);
  EXPECT_TRUE(dialogs_->unsavedName.startsWith("ttt"));
  EXPECT_EQ(window_->model().title().size(), 40000u) << "the title itself stays whole";
  dialogs_->nextSaveFileName = Path("long.pvt");
  ClickToolButton("Save");
  WindowDriver other;
  ASSERT_TRUE(other.window_->openPath(Path("long.pvt")));
  EXPECT_EQ(other.Box("Text1")->text(), title);
}

// From a file of several cases the user picks one by its title; cancelling opens none. A
// case picked from several saves as a new file.
TEST_F(CaseFileTest, AFileOfSeveralCasesAsksWhichOne) {
  WriteAll(Path("two.pvt"),
           "\"first\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing\",\"Wet "
           "Gas\",\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n"
           "\"second\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Glaso\",\"Dry "
           "Gas\",\"Hall\",30,0.8,180,2500,0.4,20,25,3,0.5\r\n");
  dialogs_->recordAnswer = -1;
  EXPECT_FALSE(window_->openPath(Path("two.pvt")));
  EXPECT_EQ(dialogs_->recordTitles, QStringList({"first", "second"}));
  EXPECT_EQ(Box("Text1")->text(), "");

  dialogs_->recordAnswer = 1;
  EXPECT_TRUE(window_->openPath(Path("two.pvt")));
  EXPECT_EQ(Box("Text1")->text(), "second");
  EXPECT_EQ(Selection().oilCorrelation, OilCorrelation::Glaso);
  EXPECT_EQ(window_->model().filePath(), "");
}

// Changes not saved are settled before they would be lost: on exit, on closing the
// window and before opening another case, asked once. Cancel keeps them; Discard drops
// them unsaved; Save saves them first.
TEST_F(CaseFileTest, UnsavedChangesAreSettledBeforeTheyWouldBeLost) {
  Type("apix", "35");
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Cancel;
  ClickToolButton("Exit");
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  ClickToolButton("Open");
  EXPECT_EQ(dialogs_->openAsked, 0);
  EXPECT_EQ(dialogs_->unsavedAsked, 3);

  WriteAll(Path("other.pvt"),
           "\"Opened case\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Wet Gas\","
           "\"Hall\",35,0.75,200,3000,0.5,20,25,3,0.5\r\n");
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Discard;
  dialogs_->nextOpenFileName = Path("other.pvt");
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(dialogs_->unsavedAsked, 4);
  EXPECT_EQ(dialogs_->saveAsked, 0) << "discarded, not saved after all";
  EXPECT_EQ(Box("Text1")->text(), "Opened case");

  Type("apix", "40");
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Save;
  ClickToolButton("Exit");
  EXPECT_TRUE(ReadAll(Path("other.pvt")).contains(",40,"));
  EXPECT_FALSE(window_->isVisible());
}

// Saved and opened files are remembered, newest first, with their folder; Open Recent is
// usable as soon as there is one; a recent file and a file dropped on the window open like
// any other.
TEST_F(CaseFileTest, RecentAndDroppedFilesOpen) {
  QSettings().remove(QStringLiteral("files"));
  auto* menu = Find<QMenu>(window_.get(), "recentMenu");
  EXPECT_FALSE(menu->isEnabled()) << "nothing to offer yet";
  FillAndCalculate();
  dialogs_->nextSaveFileName = Path("a.pvt");
  ClickToolButton("Save");
  EXPECT_TRUE(menu->isEnabled()) << "usable with the first save of a session";
  dialogs_->nextSaveFileName = Path("b.pvt");
  Find<QAction>(window_.get(), "a8")->trigger();
  ASSERT_GE(RecentFiles().size(), 2);
  EXPECT_EQ(RecentFiles().mid(0, 2), QStringList({Path("b.pvt"), Path("a.pvt")}));
  EXPECT_EQ(LastFolder(), dir_.path());

  WindowDriver other;
  auto* recent = Find<QMenu>(other.window_.get(), "recentMenu");
  emit recent->aboutToShow();
  ASSERT_GE(recent->actions().size(), 2);
  recent->actions().at(1)->trigger();
  EXPECT_EQ(other.window_->model().filePath(), Path("a.pvt").toStdString());

  WindowDriver third;
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(Path("b.pvt"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(third.window_.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(third.window_.get(), &drop);
  EXPECT_EQ(third.Box("Text1")->text(), "Well \"A-1\", north");
}

// The printed page draws the window's contents at the printer's resolution (text as
// text, not a screen picture) under the heading, without the toolbar; the window itself
// does not change. Cancelling writes nothing; a failed print is reported.
TEST_F(CaseFileTest, PrintingDrawsTheWindowAtThePrintersResolution) {
  FillAndCalculate();
  auto* heading = Find<QLabel>(window_.get(), "Label8");
  EXPECT_EQ(heading->text(), "Tarnvik");
  EXPECT_TRUE(heading->font().bold());
  const QSize size = window_->size();

  for (bool printed : {true, false}) {
    SCOPED_TRACE(printed ? "printed" : "cancelled");
    const QString pdf = Path(printed ? "page.pdf" : "cancelled.pdf");
    dialogs_->printAnswer = [&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return printed;
    };
    ClickToolButton("Print");
    EXPECT_EQ(ReadAll(pdf).startsWith("%PDF"), printed);
  }
  const QByteArray page = ReadAll(Path("page.pdf"));
  EXPECT_TRUE(page.contains("/FontFile")) << "text drawn as text, not a screen picture";
  EXPECT_TRUE(heading->isHidden());
  EXPECT_TRUE(Find<QWidget>(window_.get(), "Toolbar1")->isVisible());
  EXPECT_EQ(window_->size(), size);
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
  }
}

// The report is one A4 page of text and plots (kept in the build folder for a look); a
// failed write is reported.
TEST_F(CaseFileTest, ExportReportWritesOnePage) {
  FillAndCalculate();
  const QString path = QStringLiteral(TARNVIK_TEST_OUTPUT "/case-report");
  QFile::remove(path + ".pdf");
  dialogs_->nextSaveFileName = path;
  Find<QAction>(window_.get(), "reportAction")->trigger();
  const QByteArray pdf = ReadAll(path + ".pdf");
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
  EXPECT_TRUE(pdf.contains("/FontFile"));
  EXPECT_TRUE(dialogs_->errors.isEmpty());

  dialogs_->nextSaveFileName = Path("no-such-folder/report.pdf");
  Find<QAction>(window_.get(), "reportAction")->trigger();
  ASSERT_EQ(dialogs_->errors.size(), 1);
  EXPECT_TRUE(dialogs_->errors[0].contains("no-such-folder")) << dialogs_->errors[0].toStdString();
}

// Settings live under the program's name; what an earlier version kept under Qt's
// stand-in organisation is taken over once.
TEST(ProgramSettings, AreKeptUnderTheProgramsName) {
  const QString testOrganisation = QCoreApplication::organizationName();
  {
    QSettings before(QSettings::UserScope, QStringLiteral("Unknown Organization"), QCoreApplication::applicationName());
    before.setValue(QStringLiteral("units/system"), QStringLiteral("metric"));
  }
  UseProgramSettings();
  EXPECT_EQ(QCoreApplication::organizationName(), "Tarnvik");
  EXPECT_EQ(QSettings().value(QStringLiteral("units/system")).toString(), "metric");
  QSettings().clear();
  QCoreApplication::setOrganizationName(testOrganisation);
}

}  // namespace
}  // namespace tarnvik::testing
