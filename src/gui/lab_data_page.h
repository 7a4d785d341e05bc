// The "Lab data" page of the tables window: a laboratory report on the oil, opened from a
// lab file (model/lab_file.h) or typed and pasted into its boxes and table; the nine oil
// families ranked against it; the measurements plotted over each family's curves; and the
// tuning of a family to it, put in force in the main window.
//
// What is typed is taken into the case only when the whole report reads as a lab file
// would: the page builds the lab file's text from its boxes and cells, in the units shown,
// and reads it with the lab file's own reader, so one place holds the rules. A report that
// does not read is said in words, naming the box or the row and column, and the case keeps
// the lab data it had.
#pragma once
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/unit_system.h"
#include "calc/lab_data.h"
#include "calc/lab_fit.h"
#include "correlations/choices.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace tarnvik {

class CaseModel;
struct TypedLabReport;
class UserDialogs;

class LabDataPage : public QWidget {
  Q_OBJECT

 public:
  // Keys of the report, in the order of their boxes, and the columns of its table.
  static constexpr std::size_t kKeyCount = 7;
  static constexpr std::size_t kColumnCount = 7;

  // `dialogs` and `model` must outlive the page.
  LabDataPage(UserDialogs& dialogs, CaseModel& model, QWidget* parent = nullptr);

  // Shows what the case holds now, in its units: the report (unless typing that was not
  // taken is pending, which stays as typed, converted on a switch of units), the ranking,
  // the tuning and the plots. Deferred while the page is hidden.
  void refresh();

  // Whether what is typed on the page does not read and is not in the case; discarding
  // shows the case's lab data again.
  bool editPending() const { return editPending_; }
  void discardEdits();

  // The ranking table, for copying and saving as CSV; the plot shown.
  QTableView* rankingView() const;
  QChartView* currentChartView() const;

 public slots:
  void openLabFile();
  void saveLabFile();
  void removeLabData();
  void applyTuning();
  void removeTuning();

 signals:
  // The case's lab data or tuning were changed on this page.
  void labChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createEditor();
  QWidget* createAnalysis();
  // The report as the boxes and table show it, in `system`'s units; blank when none.
  void showReport(const std::optional<LabData>& data);
  // Converts what the boxes and cells hold from one unit system to the other, as typed.
  void convertTyped(UnitSystem from, UnitSystem to);
  void showUnits();
  // After an edit: takes the report into the case when it reads whole, otherwise says why.
  void takeEdits();
  // What the boxes and table hold, as typed.
  TypedLabReport typed() const;
  void showEditError(const QString& error);
  void ensureBlankRow();
  void pastePoints();
  void clearSelectedCells();
  void copySelectedCells();
  void showAnalysis();
  void showTuningErrors();
  void clearAnalysis(const QString& why);

  UserDialogs& dialogs_;
  CaseModel& model_;
  UnitSystem system_ = UnitSystem::Field;
  bool stale_ = true;  // a refresh waits for the page to be shown
  bool filling_ = false;
  // The report the boxes and table were last filled with or took, and its text: typing
  // that gives this text again changes nothing.
  std::optional<LabData> shownData_;
  std::string shownText_;
  bool editPending_ = false;                    // what is typed does not read; the case keeps its lab data
  std::optional<OilCorrelation> chosenFamily_;  // picked in the family list
  std::optional<OilRanking> rankingShown_;
  // What the ranking and plots were last made for: the case, its lab data, the units.
  struct Analysed {
    CalculationCase calculationCase;
    std::optional<LabData> data;
    UnitSystem system;
    friend bool operator==(const Analysed&, const Analysed&) = default;
  };
  std::optional<Analysed> analysed_;

  QLineEdit* source_ = nullptr;
  std::array<QLineEdit*, kKeyCount> keys_{};
  std::array<QLabel*, kKeyCount> keyUnits_{};
  QTableWidget* points_ = nullptr;
  QLabel* editError_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* removeButton_ = nullptr;

  QLabel* rankingCaption_ = nullptr;
  QTableWidget* ranking_ = nullptr;
  QComboBox* family_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* removeTuningButton_ = nullptr;
  QLabel* tuningText_ = nullptr;
  QTableWidget* tuningErrors_ = nullptr;
  QTabWidget* plots_ = nullptr;
  std::array<QChartView*, 3> chartViews_{};
};

}  // namespace tarnvik
