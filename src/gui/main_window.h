// The main window: the input panel, the correlation captions, the results panel, the
// status line, the toolbar and the menus, wired to one case model. It asks the model to
// calculate, opens and saves through the case-file actions, and shows what the model
// holds; it has no rule of its own.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "model/case_model.h"

class QAction;
class QLabel;
class QLayout;
class QPushButton;
class QScrollArea;

namespace tarnvik {

class CaseFileActions;
class ElidedLabel;
class InputPanel;
class ResultsPanel;
class SelectionDialog;
class TablesWindow;
class UserDialogs;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  const CaseModel& model() const { return model_; }
  // The selection dialog while it exists (after "Select Correlations", until it is closed).
  SelectionDialog* selectionDialog() const;
  // The "Tables and Plots" window once it was opened.
  TablesWindow* tablesWindow() const;
  // Opens the case file at `path` (asking which case when it holds several), after
  // asking about unsaved changes; false when nothing was opened.
  bool openPath(const QString& path);

 public slots:
  void selectCorrelations();
  void calculate();
  // Calculates once the Calculate button shows, or as soon as the case typed can be
  // calculated (Enter in a box, F9, Ctrl+Enter).
  void calculateIfReady();
  void showTables();
  // The tables window on its Lab data page.
  void showLabData();
  void openCase();
  // Saves to the case's file; a new case asks for a name first.
  void saveCase();
  void saveCaseAs();
  void printWindow();
  void exportReport();
  void copyResults();
  void showAbout();
  void exitProgram();
  // Shows inputs and results in `system`'s units, remembered for the next run.
  void setUnits(UnitSystem system);

  // All of the content, without scroll bars: the size the window opens at where the
  // screen has room. It may be made smaller; the content then scrolls.
  QSize sizeHint() const override;

 signals:
  // Emitted once when the program is about to end, before the window closes.
  void exiting();
  // Emitted after every calculation, also one that ended on a z-factor failure.
  void calculated();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createUnitsMenu();
  void createToolBar();
  QWidget* createContent();
  QWidget* createCaptionsBox(QWidget* parent);
  QLayout* createButtons(QWidget* parent);
  QScrollArea* createStatusLine(QWidget* parent);
  void connectPanels();
  void discardSelectionDialog();
  void placeSelectionDialog();
  void refreshTables();
  void labChanged();
  // After an open: the case's inputs, captions and selection.
  void showOpened();
  void showCaptions();
  void showResults();
  // After anything typed or chosen: marks boxes read only in part, marks results that
  // belong to earlier inputs, and updates the title's unsaved-changes mark.
  void inputsChanged();
  void showStatus();
  // The status line at the height of its text, at most about three lines; beyond that it
  // scrolls, and its tooltip holds it whole.
  void fitStatus();
  // Grows the window, as far as the screen has room, where its content no longer fits
  // (a status line shown, a longer caption); never shrinks it.
  void growToContent();
  void updateTitle();

  std::unique_ptr<UserDialogs> dialogs_;
  CaseModel model_;
  QPointer<SelectionDialog> selectionDialog_;
  QPointer<TablesWindow> tablesWindow_;
  bool exiting_ = false;

  CaseFileActions* caseFiles_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* reportAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* copyAction_ = nullptr;
  QAction* tablesAction_ = nullptr;
  QAction* labAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* fieldUnitsAction_ = nullptr;
  QAction* metricUnitsAction_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  QLabel* heading_ = nullptr;  // shown on the printed page only
  InputPanel* inputs_ = nullptr;
  ResultsPanel* results_ = nullptr;
  ElidedLabel* oilCaption_ = nullptr;
  ElidedLabel* gasCaption_ = nullptr;
  ElidedLabel* rockCaption_ = nullptr;
  QLabel* hint_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QScrollArea* statusScroll_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tarnvik
