// The pressure table as a Qt table: pressure, the 21 outputs as the main window would
// show them at that pressure, and a note marking the bubble point, the reservoir pressure
// and z-factor failures. Texts are formatted row by row when first asked for, so a table
// of 2000 pressures costs nothing until it is looked at.
#pragma once
#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "calc/calculation_run.h"
#include "calc/pressure_table.h"

namespace tarnvik {

class PressureTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kPressureColumn = 0;
  static constexpr int kFirstFieldColumn = 1;
  static constexpr int kNoteColumn = kFirstFieldColumn + int(kOutputFieldCount);
  // The exact pressure [psia] of a row, from the pressure column.
  static constexpr int kPressureRole = Qt::UserRole;

  using QAbstractTableModel::QAbstractTableModel;

  void setTable(PressureTable table, GorSelectorMode gorMode);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const DisplayedOutputs& outputs(int row) const;
  QString noteText(const PressureRow& row) const;
  QString pressureText(double pressure) const;

  PressureTable table_;
  GorSelectorMode gorMode_ = GorSelectorMode::BubblePoint;
  int pressureDecimals_ = 1;
  mutable std::vector<std::optional<DisplayedOutputs>> formatted_;
};

}  // namespace tarnvik
