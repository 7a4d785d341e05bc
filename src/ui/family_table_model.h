// The case run with each of the nine oil families, as a Qt table: the family name, then
// the compared oil results as the main window would show them. The case's own family is
// shown in bold.
#pragma once
#include <QAbstractTableModel>
#include <array>
#include <optional>

#include "calc/calculation_run.h"
#include "calc/pressure_table.h"

namespace tarnvik {

class FamilyTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kFamilyColumn = 0;
  static constexpr int kFirstFieldColumn = 1;

  using QAbstractTableModel::QAbstractTableModel;

  void setRows(const std::array<FamilyRow, 9>& rows, GorSelectorMode gorMode, OilCorrelation caseFamily);
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const DisplayedOutputs& outputs(int row) const;

  std::optional<std::array<FamilyRow, 9>> rows_;
  GorSelectorMode gorMode_ = GorSelectorMode::BubblePoint;
  OilCorrelation caseFamily_ = OilCorrelation::Standing;
  mutable std::array<std::optional<DisplayedOutputs>, 9> formatted_;
};

}  // namespace tarnvik
