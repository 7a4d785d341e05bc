// The main window's results: the 21 values in four groups (oil, gas, water, rock and
// totals) with their captions and units, the bubble-point/GOR caption a run sets, the
// greyed look of results that belong to earlier inputs and the marks of unphysical ones.
// It shows what the case model holds.
#pragma once
#include <QWidget>
#include <array>
#include <span>

#include "model/case_model.h"
#include "present/output_fields.h"

class QGridLayout;
class QLabel;

namespace tarnvik {

struct ResultLabel;

class ResultsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsPanel(const CaseModel& model, QWidget* parent = nullptr);

  // Captions and units in the model's units.
  void showUnits();
  // The values shown, the bubble-point/GOR caption and unit, and the unphysical marks.
  void showResults();
  // Greyed and slanted while the results are of earlier inputs.
  void markStale(bool stale);
  // Shows or hides the bubble-point/GOR value and unit with the oil's inputs.
  void setOilShown(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGridLayout* addGroup(const QString& title, std::span<const ResultLabel> rows, int row, int column);
  QLabel* addValue(OutputField field, QWidget* group);
  void addSaturations(QGridLayout* rock);
  void fitPbCaption();
  // Unphysical results tinted, with a dashed frame, and their tooltip saying why.
  void markUnphysical();

  const CaseModel& model_;
  QGridLayout* grid_ = nullptr;
  std::array<QLabel*, kOutputFieldCount> values_{};
  std::array<QLabel*, kOutputFieldCount> captions_{};  // none for pb/GOR (the run sets it) and saturations
  std::array<QLabel*, kOutputFieldCount> units_{};     // none for the saturations, which share one
  QLabel* pbCaption_ = nullptr;
  QLabel* pbUnit_ = nullptr;
};

}  // namespace tarnvik
