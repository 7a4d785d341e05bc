// The main window's case-file commands: Open, Open Recent, Save and Save As, and the
// question about unsaved changes before a case would be lost. They read and write the
// case model's file; the window shows what an open brings.
#pragma once
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace tarnvik {

class CaseModel;
class LabDataPage;
class UserDialogs;

class CaseFileActions : public QObject {
  Q_OBJECT

 public:
  // `window`: the window the dialogs belong to.
  CaseFileActions(CaseModel& model, UserDialogs& dialogs, QWidget* window);

  // Adds Open, Open Recent, Save and Save As to `files`.
  void addTo(QMenu* files);
  QAction* openAction() const { return openAction_; }
  QAction* saveAction() const { return saveAction_; }
  // The Lab data page: lab data typed there that do not read yet are unsaved changes too.
  void setLabPage(LabDataPage* page);

  // Opens the case file at `path` (asking which case when it holds several), after
  // asking about unsaved changes; false when nothing was opened.
  bool openPath(const QString& path);
  // Asks what to do with unsaved changes; false when the user keeps them (cancels).
  bool settleUnsavedChanges();

 public slots:
  void openCase();
  // Saves to the case's file; a new case asks for a name first.
  void saveCase();
  void saveCaseAs();

 signals:
  // A case was opened into the model.
  void opened();
  // The case was saved to its file.
  void saved();
  // Lab data typed that do not read yet keep the case from closing: the user is to see them.
  void labEditsToShow();

 private:
  // Opens `path` once unsaved changes are settled.
  bool openSettled(const QString& path);
  bool saveTo(const QString& path);
  // The case's name in a question: its file's, its title, or "untitled".
  QString caseName() const;
  void updateRecentMenu();

  CaseModel& model_;
  UserDialogs& dialogs_;
  QWidget* window_;
  QPointer<LabDataPage> labPage_;
  QAction* openAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveAsAction_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace tarnvik
