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
class QPushButton;
class QToolBar;

namespace tarnvik {

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

 public slots:
  void selectCorrelations();
  void calculate();
  void showTables();
  void openCase();
  void saveCase();
  void printWindow();
  void exitProgram();

 signals:
  // Emitted once when the program is about to end, before the window closes.
  void exiting();
  // Emitted after every calculation, also one that ended on a z-factor failure.
  void calculated();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBar();
  QWidget* createInputPanel();
  QWidget* createSidePanel();
  QWidget* createOutputPanel();
  void setBoxShown(int box, bool shown);
  void applyOilCheck();
  void applyGasCheck();
  void applyWaterCheck();
  void onToolbarAction(QAction* action);
  void discardSelectionDialog();
  void refreshTables();
  void showInputs();
  void showCaptions();
  void showResults();

  std::unique_ptr<UserDialogs> dialogs_;
  CaseModel model_;
  QPointer<SelectionDialog> selectionDialog_;
  QPointer<TablesWindow> tablesWindow_;
  bool exiting_ = false;

  QAction* openAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* tablesAction_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* heading_ = nullptr;
  QLineEdit* title_ = nullptr;
  std::array<QLineEdit*, kInputCount> boxes_{};  // apix, ggx, tx, px, bpx, phix, swcx, saltx, worx
  std::array<QLabel*, kInputCount> boxUnits_{};  // unit beside each box; none beside bpx and saltx
  QComboBox* gorSelector_ = nullptr;
  QComboBox* waterSelector_ = nullptr;
  QCheckBox* oilCheck_ = nullptr;
  QCheckBox* gasCheck_ = nullptr;
  QCheckBox* waterCheck_ = nullptr;
  QLabel* apiLabel_ = nullptr;
  QLabel* gasGravityLabel_ = nullptr;
  QLabel* swcLabel_ = nullptr;
  QLabel* worLabel_ = nullptr;
  std::array<QLabel*, kOutputFieldCount> outputs_{};
  QLabel* pbCaption_ = nullptr;
  QLabel* pbUnit_ = nullptr;
  QLabel* oilCaption_ = nullptr;
  QLabel* gasCaption_ = nullptr;
  QLabel* rockCaption_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace tarnvik
