// The modeless dialog in which the user picks the oil family, the gas characterisation,
// the rock-compressibility correlation and the formation type. It holds no selection of
// its own: it shows the selection in force, as the owner tells it, and sends each pick to
// the owner by signal; choosing an item always applies it, also the one highlighted.
#pragma once
#include <QDialog>

#include <array>

#include "base/unit_system.h"
#include "calc/correlation_selection.h"
#include "calc/selector_modes.h"
#include "present/warning_texts.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tarnvik {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  // The lists start with the selection in force highlighted.
  explicit SelectionDialog(const CorrelationSelection& inForce, QWidget* parent = nullptr);

  // Highlights the selection in force, without sending it back; shows the formation list
  // when the rock correlation reads a formation type.
  void showSelection(const CorrelationSelection& inForce);
  // Marks each oil family by whether the inputs lie inside its published data: a tick,
  // a warning sign naming what lies outside, or a question mark where the paper's ranges
  // are not known.
  void showFits(const std::array<FamilyFit, kOilCorrelationCount>& fits, GorSelectorMode gorMode, UnitSystem system);

 signals:
  void oilChosen(tarnvik::OilCorrelation family);
  void gasChosen(tarnvik::GasCharacterisation characterisation);
  void rockChosen(tarnvik::RockCorrelation rock);
  void formationChosen(tarnvik::FormationType formation);
  // "OK": the dialog hides itself and keeps its lists.
  void confirmed();
  // Closed by its own close button: the owner discards the dialog (not the selection).
  void discarded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void onOilChosen();
  void onGasChosen();
  void onRockChosen();
  void onFormationChosen();
  void onOk();

  QListWidget* oilList_;
  QListWidget* gasList_;
  QListWidget* rockList_;
  QListWidget* formationList_;
  QLabel* formationLabel_;
  QPushButton* okButton_;
};

}  // namespace tarnvik
