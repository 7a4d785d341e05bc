// The analysis on the Lab data page: the nine oil families ranked against the case's lab
// data, best first, with a tuned family's errors under its own row; the family to tune
// and the buttons that apply and remove tuning, with the tuning in force and the errors
// of the family chosen, untuned and tuned; the measurements plotted over each family's
// curves; and every measurement against the family chosen, untuned and tuned, an error
// beyond the tuned model's target marked. Shown from the case model, in the units the report is shown in.
#pragma once
#include <QWidget>
#include <array>
#include <optional>

#include "base/unit_system.h"
#include "calc/lab_data.h"
#include "calc/lab_fit.h"
#include "correlations/choices.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace tarnvik {

class CaseModel;

class LabAnalysisView : public QWidget {
  Q_OBJECT

 public:
  // `model` must outlive the view.
  explicit LabAnalysisView(const CaseModel& model, QWidget* parent = nullptr);

  // The ranking, the tuning and the plots for the case as it is now, in `system`'s
  // units; nothing is redone while the case, its lab data and the units are those shown.
  void showAnalysis(UnitSystem system);

  // The family shown in the family list; none while the list is empty.
  std::optional<OilCorrelation> familyInList() const;
  // A family tuned: it stays chosen in the list, as one picked there does.
  void chooseFamily(OilCorrelation family) { chosenFamily_ = family; }

  // The ranking table; the plot shown.
  QTableView* rankingView() const;
  QChartView* currentChartView() const;

 signals:
  void applyTuningClicked();
  void removeTuningClicked();

 private:
  QWidget* createRankingPane(QWidget* parent);
  QWidget* createTuningPane(QWidget* parent);
  QWidget* createPlotsPane(QWidget* parent);
  void showRanking(const OilRanking& ranking, const OilTuning* tuning, UnitSystem system);
  void showFamilyList(const OilRanking& ranking, const OilTuning* tuning);
  void showPlots(const OilRanking& ranking, const OilTuning* tuning, UnitSystem system);
  void showTuningErrors();
  void showResiduals(const LabComparison& untuned, const LabComparison* tuned);
  void clearAnalysis(const QString& why);

  const CaseModel& model_;
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

  QLabel* rankingCaption_ = nullptr;
  QTableWidget* ranking_ = nullptr;
  QComboBox* family_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* removeTuningButton_ = nullptr;
  QLabel* tuningText_ = nullptr;
  QTableWidget* tuningErrors_ = nullptr;
  QTabWidget* plots_ = nullptr;
  QTableWidget* residuals_ = nullptr;
  std::array<QChartView*, 3> chartViews_{};
};

}  // namespace tarnvik
