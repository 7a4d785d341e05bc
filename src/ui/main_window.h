// The main window: the nine inputs and the case title, the two unit selectors, the fluid
// check boxes, the 21 results grouped by fluid, the correlation captions, the toolbar and
// the menus. It reads the inputs, hands them to the calculation run and shows what comes
// back; it does no arithmetic of its own.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "calc/calculation_case.h"
#include "calc/calculation_run.h"
#include "calc/input_set.h"
#include "calc/output_fields.h"
#include "selection/correlation_selection.h"
#include "ui/case_record.h"

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

// Title of the open and save dialogs.
inline constexpr const char* kFileDialogTitle = "PVT File Selector";

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  const InputSet& inputs() const { return inputs_; }
  const CorrelationSelection& selection() const { return selection_; }
  // The selection dialog while it exists (after "Select Correlations", until it is closed).
  SelectionDialog* selectionDialog() const;
  // The "Tables and Plots" window once it was opened.
  TablesWindow* tablesWindow() const;
  // The case of the last calculation: its inputs, selector modes and correlations.
  // Empty before the first calculation.
  const std::optional<CalculationCase>& lastCase() const { return lastCase_; }

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
  void showCase(const CaseRecord& record);
  void showRun(const RunOutput& run, const std::string& gorText);
  CaseRecord currentCase() const;

  std::unique_ptr<UserDialogs> dialogs_;
  InputSet inputs_;
  bool inputsFilled_ = false;  // false until the first calculation or open
  std::optional<CalculationCase> lastCase_;
  CorrelationSelection selection_;
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
  std::array<QLineEdit*, 9> boxes_{};  // apix, ggx, tx, px, bpx, phix, swcx, saltx, worx
  std::array<QLabel*, 9> boxUnits_{};   // unit beside each box; none beside bpx and saltx
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
  QLabel* outOfRangeStatus_ = nullptr;
};

}  // namespace tarnvik
