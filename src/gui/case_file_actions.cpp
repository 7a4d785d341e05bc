#include "gui/case_file_actions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>
#include <string>
#include <vector>

#include "gui/case_file.h"
#include "gui/lab_data_page.h"
#include "gui/recent_files.h"
#include "gui/user_dialogs.h"
#include "gui/widget_factory.h"
#include "model/case_model.h"

namespace tarnvik {

CaseFileActions::CaseFileActions(CaseModel& model, UserDialogs& dialogs, QWidget* window)
    : QObject(window), model_(model), dialogs_(dialogs), window_(window) {
  openAction_ = MakeAction(this, "a7", tr("&Open"), QKeySequence::Open, &CaseFileActions::openCase);
  saveAction_ = MakeAction(this, "saveAction", tr("&Save"), QKeySequence::Save, &CaseFileActions::saveCase);
  // Bound explicitly: the platform's Save As key is empty outside GNOME and KDE.
  saveAsAction_ = MakeAction(this, "a8", tr("Save &As.."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                             &CaseFileActions::saveCaseAs);
}

void CaseFileActions::addTo(QMenu* files) {
  files->addAction(openAction_);
  recentMenu_ = files->addMenu(tr("Open &Recent"));
  recentMenu_->setObjectName(QStringLiteral("recentMenu"));
  connect(recentMenu_, &QMenu::aboutToShow, this, &CaseFileActions::updateRecentMenu);
  files->addAction(saveAction_);
  files->addAction(saveAsAction_);
  updateRecentMenu();
}

void CaseFileActions::setLabPage(LabDataPage* page) { labPage_ = page; }

void CaseFileActions::updateRecentMenu() {
  recentMenu_->clear();
  const QStringList files = RecentFiles();
  for (int i = 0; i < files.size(); ++i) {
    QAction* action = recentMenu_->addAction(tr("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
    connect(action, &QAction::triggered, this, [this, path = files[i]] { openPath(path); });
  }
  recentMenu_->setEnabled(!files.isEmpty());
}

QString CaseFileActions::caseName() const {
  if (!model_.filePath().empty()) return QFileInfo(QString::fromStdString(model_.filePath())).fileName();
  return model_.title().empty() ? tr("untitled") : QString::fromStdString(model_.title());
}

bool CaseFileActions::settleUnsavedChanges() {
  // A long title is elided: the question and its buttons stay on the screen.
  const QFontMetrics metrics = window_->fontMetrics();
  const QString name = metrics.elidedText(caseName(), Qt::ElideMiddle, metrics.averageCharWidth() * 48);
  // Lab data typed on the Lab data page that do not read yet are in no case to save: the
  // user corrects them (Save or Cancel shows the page) or lets them go.
  if (labPage_ != nullptr && labPage_->editPending()) {
    if (dialogs_.askUnsaved(window_, tr("%1 (lab data typed that do not read yet)").arg(name)) !=
        UserDialogs::Unsaved::Discard) {
      emit labEditsToShow();
      return false;
    }
    labPage_->discardEdits();
  }
  if (!model_.modified()) return true;
  switch (dialogs_.askUnsaved(window_, name)) {
    case UserDialogs::Unsaved::Save:
      saveCase();
      return !model_.modified();
    case UserDialogs::Unsaved::Discard:
      return true;
    case UserDialogs::Unsaved::Cancel:
      break;
  }
  return false;
}

void CaseFileActions::openCase() {
  if (!settleUnsavedChanges()) return;
  const QString path = dialogs_.openFileName(window_, tr("PVT File Selector"), LastFolder());
  // Settled once: a second question would offer to save the changes just discarded.
  if (!path.isEmpty()) openSettled(path);
}

bool CaseFileActions::openPath(const QString& path) { return settleUnsavedChanges() && openSettled(path); }

bool CaseFileActions::openSettled(const QString& path) {
  std::vector<CaseEntry> records;
  QString error;
  if (!ReadCaseFile(path, records, error)) {
    dialogs_.showError(window_, tr("Open File"),
                       tr("The case file \"%1\" could not be opened: %2.\n\nNothing was changed.")
                           .arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  std::size_t chosen = 0;
  if (records.size() > 1) {
    QStringList titles;
    for (const CaseEntry& entry : records) titles << QString::fromStdString(entry.record.title);
    const int picked = dialogs_.chooseRecord(window_, QFileInfo(path).fileName(), titles);
    if (picked < 0 || picked >= int(records.size())) return false;
    chosen = std::size_t(picked);
  }
  // A file of several cases is not the file a save writes: the case becomes a new one.
  model_.open(records[chosen], records.size() == 1 ? QFileInfo(path).absoluteFilePath().toStdString() : std::string());
  RememberFile(path);
  updateRecentMenu();
  emit opened();
  return true;
}

void CaseFileActions::saveCase() {
  if (model_.filePath().empty()) {
    saveCaseAs();
  } else {
    saveTo(QString::fromStdString(model_.filePath()));
  }
}

void CaseFileActions::saveCaseAs() {
  const QString suggested = model_.filePath().empty() ? LastFolder() : QString::fromStdString(model_.filePath());
  const QString path = dialogs_.saveFileName(window_, tr("PVT File Selector"), suggested, QString());
  if (!path.isEmpty()) saveTo(path);
}

bool CaseFileActions::saveTo(const QString& path) {
  QString error;
  // The record, and the lab data and tuning after it when the case has any.
  if (!WriteCaseFileText(path, model_.fileToSave(), error)) {
    dialogs_.showError(window_, tr("Save File"),
                       tr("The case could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  model_.markSaved(QFileInfo(path).absoluteFilePath().toStdString());
  RememberFile(path);
  updateRecentMenu();
  emit saved();
  return true;
}

}  // namespace tarnvik
