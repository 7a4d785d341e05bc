// The "Lab data" page of the tables window: a laboratory report on the oil, opened from a
// lab file (model/lab_file.h) or typed and pasted into its boxes and table
// (gui/lab_report_editor.h); the nine oil families ranked against it, the measurements
// plotted over each family's curves, and the tuning of a family to it
// (gui/lab_analysis_view.h), put in force in the main window. The page holds the two
// side by side under the buttons that open, save and remove the lab file, and carries
// what is done on them into the case.
//
// A typed report is taken into the case only when it reads whole; one that does not
// read is said in words, and the case keeps the lab data it had.
#pragma once
#include <QWidget>
#include <cstddef>
#include <optional>

#include "calc/lab_data.h"
#include "gui/lab_report_editor.h"

class QChartView;
class QPushButton;
class QTableView;

namespace tarnvik {

class CaseModel;
class LabAnalysisView;
class UserDialogs;

class LabDataPage : public QWidget {
  Q_OBJECT

 public:
  // Keys of the report, in the order of their boxes, and the columns of its table.
  static constexpr std::size_t kKeyCount = LabReportEditor::kKeyCount;
  static constexpr std::size_t kColumnCount = LabReportEditor::kColumnCount;

  // `dialogs` and `model` must outlive the page.
  LabDataPage(UserDialogs& dialogs, CaseModel& model, QWidget* parent = nullptr);

  // Shows what the case holds now, in its units: the report (unless typing that was not
  // taken is pending, which stays as typed, converted on a switch of units), the ranking,
  // the tuning and the plots. Deferred while the page is hidden.
  void refresh();

  // Whether what is typed on the page does not read and is not in the case; discarding
  // shows the case's lab data again.
  bool editPending() const;
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

 private:
  // A report typed on the page that reads whole: into the case unless it holds it already.
  void takeReport(const std::optional<LabData>& report);
  // The analysis, and the file buttons, for the case as it is now.
  void showAnalysis();

  UserDialogs& dialogs_;
  CaseModel& model_;
  bool stale_ = true;  // a refresh waits for the page to be shown

  LabReportEditor* editor_ = nullptr;
  LabAnalysisView* analysis_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* removeButton_ = nullptr;
};

}  // namespace tarnvik
