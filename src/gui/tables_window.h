// The "Tables and Plots" window: the last calculated case at a series of pressures, the
// same case with each of the nine oil families, plots of both, and the case's lab data
// with the families ranked against them and the tuning (gui/lab_data_page.h). Modeless;
// the main window owns it and hands it each new case while it is open.
#pragma once
#include <QWidget>
#include <array>
#include <optional>

#include "calc/calculation_case.h"
#include "calc/pressure_table.h"
#include "gui/pvt_charts.h"

class QChartView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace tarnvik {

class CaseModel;
class LabDataPage;
class ResultTableModel;
class UserDialogs;

class TablesWindow : public QWidget {
  Q_OBJECT

 public:
  // `dialogs` and `model` (whose lab data and tuning the Lab data page shows and changes)
  // must outlive the window.
  TablesWindow(UserDialogs& dialogs, CaseModel& model, QWidget* parent = nullptr);

  // Shows the tables and plots of the case in `system`'s units, or, without one, asks to
  // calculate first. The pressure table follows the range boxes as they are (in the units
  // shown; a switch of units converts them).
  void showCase(const std::optional<CalculationCase>& calculationCase, UnitSystem system = UnitSystem::Field);
  // Shows the case's lab data, ranking and tuning as the model holds them now.
  void showLab();
  // Brings the Lab data page to the front.
  void showLabPage();
  LabDataPage* labPage() const { return labPage_; }

 signals:
  // The lab data or the tuning were changed on the Lab data page.
  void labChanged();

 public slots:
  void applyRange();
  void copyTable();
  void saveTableCsv();
  void savePlot();
  // Writes the case's black-oil tables for a simulator, and an example deck where asked.
  void exportForSimulator();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createPressurePage();
  QWidget* createFamilyPage();
  QWidget* createPlotPage();
  QTableView* makeTableView(const char* name, QWidget* parent);
  void rebuild();
  void showPressureTable(const CalculationCase& c);
  void showRangeError(const QString& error);
  void showPlots(const CalculationCase& c, const PressureTable& table, int points);
  void showFamilyTable(const CalculationCase& c);
  void updateButtons();
  QTableView* currentTableView() const;
  QChartView* currentChartView() const;

  UserDialogs& dialogs_;
  CaseModel& model_;
  std::optional<CalculationCase> case_;
  UnitSystem system_ = UnitSystem::Field;

  ResultTableModel* pressureModel_ = nullptr;
  ResultTableModel* familyModel_ = nullptr;
  QLabel* prompt_ = nullptr;
  QLabel* caseSummary_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* lowest_ = nullptr;
  QLineEdit* highest_ = nullptr;
  QLabel* lowestUnit_ = nullptr;
  QLabel* highestUnit_ = nullptr;
  QLineEdit* points_ = nullptr;
  QLabel* rangeError_ = nullptr;
  QLabel* failedRows_ = nullptr;  // which rows could not be computed, and why
  QTableView* pressureView_ = nullptr;
  QLabel* familyCaption_ = nullptr;
  QTableView* familyView_ = nullptr;
  QListWidget* plotList_ = nullptr;
  QStackedWidget* plotStack_ = nullptr;
  QLabel* plotMessage_ = nullptr;  // why there is no plot, when there is none
  bool plotsEmpty_ = false;
  std::array<QChartView*, kPlots.size()> chartViews_{};
  LabDataPage* labPage_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* saveCsvButton_ = nullptr;
  QPushButton* savePlotButton_ = nullptr;
  QPushButton* exportButton_ = nullptr;
};

}  // namespace tarnvik
