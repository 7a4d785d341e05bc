// The habits of every desktop program's files: one question about unsaved changes before
// opening another case, Open Recent usable as soon as there is a recent file, a question
// that stays on the screen however long the title, Save As on its own key and mnemonic,
// and settings kept under the program's name.
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/recent_files.h"
#include "window_test_support.h"

namespace tarnvik::testing {
namespace {

const QByteArray kRecord =
    "\"Opened case\",\"GOR MCF/STB\",\"Salinity % NaCl\",\"Standing : California Crudes\",\"Wet Gas\",\"Hall\","
    "35,0.75,200,3000,0.5,20,25,3,0.5\r\n";

class FileHabitsTest : public WindowTest {
 public:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QSettings().remove(QStringLiteral("files"));
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

// Ctrl+O over unsaved changes asks once; the changes discarded are not saved after all.
TEST_F(FileHabitsTest, OpeningOverUnsavedChangesAsksOnce) {
  WriteAll(Path("other.csv"), kRecord);
  dialogs_->nextSaveFileName = Path("mine.csv");
  ClickToolButton("Save");
  Type("apix", "40");
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Discard;
  dialogs_->nextOpenFileName = Path("other.csv");
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(dialogs_->unsavedAsked, 1);
  EXPECT_EQ(Box("Text1")->text(), "Opened case");
  EXPECT_FALSE(ReadAll(Path("mine.csv")).contains(",40,"));
}

// Open Recent turns usable with the first save or open of a session, not the next session.
TEST_F(FileHabitsTest, OpenRecentIsUsableAfterTheFirstSave) {
  auto* recent = Find<QMenu>(window_.get(), "recentMenu");
  EXPECT_FALSE(recent->isEnabled()) << "nothing to offer yet";
  Type("apix", "35");
  dialogs_->nextSaveFileName = Path("first.csv");
  ClickToolButton("Save");
  EXPECT_TRUE(recent->isEnabled());
  emit recent->aboutToShow();
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_TRUE(recent->actions().first()->text().contains("first.csv"));
}

// The question about unsaved changes names the case in a line that fits the screen.
TEST_F(FileHabitsTest, TheUnsavedQuestionElidesALongTitle) {
  Box("Text1")->setText(QString(10000, QLatin1Char('W')));
  dialogs_->unsavedAnswer = UserDialogs::Unsaved::Cancel;
  ClickToolButton("Exit");
  ASSERT_EQ(dialogs_->unsavedAsked, 1);
  EXPECT_LT(dialogs_->unsavedName.size(), 80);
  EXPECT_TRUE(dialogs_->unsavedName.startsWith("WWW"));
  EXPECT_EQ(window_->model().title().size(), 10000u) << "the title itself stays whole";
}

// Save As has Ctrl+Shift+S on every desktop, and its own mnemonic.
TEST_F(FileHabitsTest, SaveAsHasItsOwnKeyAndMnemonic) {
  auto* save = Find<QAction>(window_.get(), "saveAction");
  auto* saveAs = Find<QAction>(window_.get(), "a8");
  EXPECT_EQ(saveAs->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_NE(QKeySequence::mnemonic(save->text()), QKeySequence::mnemonic(saveAs->text()));
  QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  EXPECT_EQ(dialogs_->saveAsked, 1);
}

// Settings live under the program's name; what an earlier version kept under Qt's
// stand-in organisation is taken over once.
TEST_F(FileHabitsTest, SettingsAreKeptUnderTheProgramsName) {
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
