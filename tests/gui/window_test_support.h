// Helpers for driving the real widgets headless: dialogs answered in advance, lookup of
// controls by object name, clicks and typing through QTest events.
#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

#include "export/eclipse_deck.h"
#include "gui/main_window.h"
#include "gui/selection_dialog.h"
#include "gui/user_dialogs.h"

// GoogleTest prints a QString that differs as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tarnvik::testing {

// Answers the window's dialogs with what the test set up beforehand.
class ScriptedDialogs : public UserDialogs {
 public:
  QString nextOpenFileName;  // empty: the user cancels
  QString nextSaveFileName;
  Unsaved unsavedAnswer = Unsaved::Discard;
  int recordAnswer = 0;  // the record picked from a file of several; −1 cancels
  // Called in place of the print dialog; returns whether the user printed.
  std::function<bool(QPrinter&)> printAnswer = [](QPrinter&) { return false; };
  QStringList errors;
  int openAsked = 0;
  int saveAsked = 0;
  int printAsked = 0;
  int unsavedAsked = 0;
  QStringList titles;
  QStringList recordTitles;  // offered by the last choice of a record
  QString about;

  QString openFileName(QWidget*, const QString& title, const QString&) override {
    ++openAsked;
    titles << title;
    return std::exchange(nextOpenFileName, QString());
  }
  QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override {
    ++saveAsked;
    titles << title;
    return std::exchange(nextSaveFileName, QString());
  }
  void showError(QWidget*, const QString&, const QString& text) override { errors << text; }
  void showAbout(QWidget*, const QString&, const QString& text) override { about = text; }
  QString unsavedName;  // the case named by the last unsaved-changes question
  Unsaved askUnsaved(QWidget*, const QString& name) override {
    ++unsavedAsked;
    unsavedName = name;
    return unsavedAnswer;
  }
  int chooseRecord(QWidget*, const QString&, const QStringList& offered) override {
    recordTitles = offered;
    return recordAnswer;
  }
  bool setUpPrinter(QWidget*, QPrinter& printer) override {
    ++printAsked;
    return printAnswer(printer);
  }
  Export exportAnswer = Export::Cancel;
  std::optional<ExportPreview> exportPreview;  // what the last export would write
  Export confirmExport(QWidget*, const ExportPreview& preview) override {
    exportPreview = preview;
    return exportAnswer;
  }
};

// The nine input boxes' object names, in the order a case holds its numbers.
inline constexpr const char* kInputBoxNames[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};

template <class T>
T* Find(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << "no control named " << name;
  return found;
}

// Waits, processing events, until `done` holds or `timeoutMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QTest::qWait(10);
  }
  return true;
}

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A case as the user enters it: the nine boxes, the two selectors, the three choices.
struct TypedCase {
  QStringList boxes;
  QString gorSelector = QStringLiteral("GOR MCF/STB");
  QString waterSelector = QStringLiteral("Salinity % NaCl");
  QString oil = QStringLiteral("Standing : California Crudes");
  QString gas = QStringLiteral("Wet Gas");
  QString rock = QStringLiteral("Hall");
};

// A main window with scripted dialogs, shown on the offscreen screen, and the user's
// gestures on it.
class WindowDriver {
 public:
  WindowDriver() {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    window_ = std::make_unique<MainWindow>(std::move(dialogs));
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  QLineEdit* Box(const char* name) { return Find<QLineEdit>(window_.get(), name); }
  QString Text(const char* name) { return Find<QLabel>(window_.get(), name)->text(); }
  QString Status() { return Text("statusLine"); }
  const CorrelationSelection& Selection() { return window_->model().selection(); }
  // Types the nine inputs, in box order.
  void TypeInputs(const QStringList& values) {
    for (int i = 0; i < 9; ++i) Type(kInputBoxNames[i], values.value(i));
  }
  // Types the case, picks its correlations in the dialog and calculates.
  void Calculate(const TypedCase& c) {
    TypeInputs(c.boxes);
    SetSelector("gorpk", c.gorSelector);
    SetSelector("wtrpk", c.waterSelector);
    Click("Command3");
    Choose("Oilch", c.oil);
    Choose("Gasch", c.gas);
    Choose("Forch", c.rock);
    Click("Command1");
  }
  bool Shown(const char* name) { return !Find<QWidget>(window_.get(), name)->isHidden(); }

  // Clicks a button; a check box on its indicator.
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(window_.get(), name);
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
      QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
    } else {
      QTest::mouseClick(button, Qt::LeftButton);
    }
  }
  void Type(const char* name, const QString& text) {
    QLineEdit* box = Box(name);
    box->clear();
    QTest::keyClicks(box, text);
  }
  void SetSelector(const char* name, const QString& text) {
    QComboBox* selector = Find<QComboBox>(window_.get(), name);
    selector->lineEdit()->clear();
    QTest::keyClicks(selector->lineEdit(), text);
  }
  void ClickToolButton(const char* key) {
    auto* toolBar = Find<QToolBar>(window_.get(), "Toolbar1");
    QWidget* button = toolBar->widgetForAction(Find<QAction>(toolBar, key));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  SelectionDialog* Dialog() { return window_->selectionDialog(); }
  // Clicks the item with exactly this text in one of the selection dialog's lists.
  void Choose(const char* list, const QString& text) {
    ASSERT_NE(Dialog(), nullptr);
    auto* widget = Find<QListWidget>(Dialog(), list);
    const QList<QListWidgetItem*> items = widget->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << "no item " << text.toStdString() << " in " << list;
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(items.first()).center());
  }

  ScriptedDialogs* dialogs_ = nullptr;
  std::unique_ptr<MainWindow> window_;
};

class WindowTest : public ::testing::Test, public WindowDriver {};

// A window test with a folder of its own for the files it saves and opens.
class WindowFileTest : public WindowTest {
 public:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

}  // namespace tarnvik::testing
