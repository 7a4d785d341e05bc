// The modeless dialog in which the user picks the oil family, the gas characterisation,
// the rock-compressibility correlation and the formation type.
#pragma once
#include <QDialog>

#include "selection/correlation_selection.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tarnvik {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  // Each choice is written straight into `selection`, which must outlive the dialog.
  // The lists start with nothing selected, so the rock correlation and formation type
  // start empty.
  SelectionDialog(CorrelationSelection& selection, QWidget* parent = nullptr);

 signals:
  void oilChosen(const QString& caption);
  void gasChosen(const QString& caption);
  void rockChosen(const QString& caption);
  // "OK": the dialog hides itself and keeps its selections.
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

  CorrelationSelection& selection_;
  QListWidget* oilList_;
  QListWidget* gasList_;
  QListWidget* rockList_;
  QListWidget* formationList_;
  QPushButton* okButton_;
};

}  // namespace tarnvik
