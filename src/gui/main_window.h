// The main window: the nine inputs and the case title, the two unit selectors, the fluid
// check boxes, the 21 results grouped by fluid, the correlation captions, the toolbar and
// the menus. It mirrors what is typed into the case model, asks the model to calculate,
// open or save, and shows what the model holds; it has no rule of its own.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "model/case_model.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace tarnvik {

class CaseFileActions;
class ElidedLabel;
class GasImpuritiesRow;
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
  void createToolBar();
  QWidget* createInputPanel(QWidget* parent);
  QWidget* createSidePanel(QWidget* parent);
  void setBoxShown(int box, bool shown);
  void applyFluidChecks();
  void discardSelectionDialog();
  void placeSelectionDialog();
  void refreshTables();
  void labChanged();
  void showInputs();
  // After an open: the case's inputs, captions and selection.
  void showOpened();
  void showCaptions();
  void showResults();
  // After anything typed or chosen: marks boxes read only in part, marks results that
  // belong to earlier inputs, and updates the title's unsaved-changes mark.
  void inputsChanged();
  void markBox(std::size_t index, const std::vector<Diagnostic>& warnings);
  void showStatus();
  // The status line at the height of its text, at most about three lines; beyond that it
  // scrolls, and its tooltip holds it whole.
  void fitStatus();
  // Grows the window, as far as the screen has room, where its content no longer fits
  // (a status line shown, a longer caption); never shrinks it.
  void growToContent();
  void updateTitle();
  // Captions and units of inputs and results, and the GOR selector's items, in the units
  // in force.
  void showUnits();

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
  QAction* selectAction_ = nullptr;
  QAction* calculateAction_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  QLabel* heading_ = nullptr;
  QLineEdit* title_ = nullptr;
  std::array<QLineEdit*, kInputCount> boxes_{};
  GasImpuritiesRow* impurities_ =
      nullptr;  // CO2, H2S and N2, under the gas gravity     // apix, ggx, tx, px, bpx, phix, swcx, saltx, worx
  std::array<QLabel*, kInputCount> boxUnits_{};     // unit beside each box; none beside bpx and saltx
  std::array<QLabel*, kInputCount> boxCaptions_{};  // caption before each box; none before bpx and saltx
  std::array<QAction*, kInputCount> boxMarks_{};    // the "read only in part" sign inside each box
  std::array<QAction*, kInputCount> rangeMarks_{};  // the "outside a correlation's data" sign inside each box
  QComboBox* gorSelector_ = nullptr;
  QComboBox* waterSelector_ = nullptr;
  QCheckBox* oilCheck_ = nullptr;
  QCheckBox* gasCheck_ = nullptr;
  QCheckBox* waterCheck_ = nullptr;
  QLabel* apiLabel_ = nullptr;
  QLabel* gasGravityLabel_ = nullptr;
  QLabel* swcLabel_ = nullptr;
  QLabel* worLabel_ = nullptr;
  QAction* fieldUnitsAction_ = nullptr;
  QAction* metricUnitsAction_ = nullptr;
  ElidedLabel* oilCaption_ = nullptr;
  ElidedLabel* gasCaption_ = nullptr;
  ElidedLabel* rockCaption_ = nullptr;
  ResultsPanel* results_ = nullptr;
  QLabel* hint_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QScrollArea* statusScroll_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tarnvik
