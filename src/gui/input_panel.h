// The main window's inputs: the case title, the nine boxes with their captions, units,
// signs and tooltips, the GOR and water selectors, the gas impurities row, and the Oil,
// Gas and Water check boxes that show or hide them. What is typed goes straight into the
// case model; the panel shows what the model holds.
#pragma once
#include <QWidget>
#include <array>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/input_checks.h"
#include "model/case_model.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarnvik {

class GasImpuritiesRow;
struct InputBox;

class InputPanel : public QWidget {
  Q_OBJECT

 public:
  InputPanel(CaseModel& model, QWidget* parent = nullptr);

  // The title, selectors and boxes as the model holds them (after a window load, an open
  // or a switch of units), without taking them back as typed.
  void showInputs();
  // Captions and units of the boxes, and the GOR selector's items, in the model's units.
  void showUnits();
  // Marks each box read only in part, impossible, or outside the data of a correlation in
  // force (`warnings`: those of the case as typed), and says why in its tooltip.
  void markBoxes(const std::vector<Diagnostic>& warnings);

 signals:
  // Anything typed or chosen, after the model took it.
  void edited();
  // Enter in one of the nine boxes.
  void returnPressed();
  // Enter in the gas impurities row.
  void impuritiesReturnPressed();
  // The check boxes changed; `shown`: whether the oil's inputs, and its result, show.
  void oilShown(bool shown);

 private:
  struct BoxControls {
    QLineEdit* box = nullptr;
    QLabel* caption = nullptr;  // none where a selector stands in
    QLabel* unit = nullptr;     // likewise
    QAction* partlyRead = nullptr;
    QAction* outsideData = nullptr;
  };

  QGroupBox* createBoxes();
  QComboBox* createSelector(const char* name, const QString& toolTip, QWidget* parent);
  void createBox(const InputBox& row, QWidget* parent);
  QWidget* createFluidChecks();
  void connectEdits();
  void applyFluidChecks();
  void setBoxShown(InputField field, bool shown);
  void markBox(const InputBox& row, const CalculationCase& c, const std::vector<Diagnostic>& warnings,
               const std::vector<ImpossibleInput>& impossible);
  BoxControls& controlsOf(InputField field) { return controls_[static_cast<std::size_t>(field)]; }

  CaseModel& model_;
  QLineEdit* title_ = nullptr;
  std::array<BoxControls, kInputCount> controls_{};
  GasImpuritiesRow* impurities_ = nullptr;  // CO2, H2S and N2, under the gas gravity
  QComboBox* gorSelector_ = nullptr;
  QComboBox* waterSelector_ = nullptr;
  QCheckBox* oilCheck_ = nullptr;
  QCheckBox* gasCheck_ = nullptr;
  QCheckBox* waterCheck_ = nullptr;
};

}  // namespace tarnvik
