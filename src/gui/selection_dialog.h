// The modeless dialog in which the user picks the oil family, the gas characterisation,
// the rock-compressibility correlation and the formation type. It holds no selection of
// its own: each pick is sent to the owner by signal.
#pragma once
#include <QDialog>

#include "calc/correlation_selection.h"

class QListWidget;
class QPushButton;

namespace tarnvik {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  // The lists start with nothing selected.
  explicit SelectionDialog(QWidget* parent = nullptr);

 signals:
  void oilChosen(tarnvik::OilCorrelation family);
  void gasChosen(tarnvik::GasCharacterisation characterisation);
  void rockChosen(tarnvik::RockCorrelation rock);
  void formationChosen(tarnvik::FormationType formation);
  // "OK": the dialog hides itself and keeps its lists.
  void confirmed();
  // Closed by its own close button: the owner discards it.
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
  QPushButton* okButton_;
};

}  // namespace tarnvik
