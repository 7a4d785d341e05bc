// Runs of a case as a Qt table: key columns (the pressure, or the oil family), then
// results as the main window would show them, then a note. Texts are formatted row by
// row when first asked for, so a table of 2000 runs costs nothing until it is looked at.
// Used for the pressure table and the oil-family comparison.
#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "calc/calculation_run.h"
#include "present/formatted_outputs.h"

namespace tarnvik {

class ResultTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The cell as a number, for copying and saving: the key's number, or a result in its
  // display unit; no value where the cell holds none.
  static constexpr int kNumberRole = Qt::UserRole;

  struct Row {
    QStringList keys;                // one text per key column
    std::optional<double> keyValue;  // the first key as a number, when it is one
    CalculationOutcome outcome;
    QString note;             // marks of the row; a z-factor failure is added to it
    bool emphasised = false;  // shown in bold
  };

  using QAbstractTableModel::QAbstractTableModel;

  // Replaces the table. `noteHeader` empty: no note column.
  void setTable(QStringList keyHeaders, std::vector<OutputField> fields, QString noteHeader, std::vector<Row> rows,
                GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);
  void clear();

  int firstFieldColumn() const { return int(keyHeaders_.size()); }
  int columnOf(OutputField field) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  const DisplayedOutputs& outputs(int row) const;
  bool isNoteColumn(int column) const;
  QString noteText(const Row& row) const;

  QStringList keyHeaders_;
  std::vector<OutputField> fields_;
  QString noteHeader_;
  std::vector<Row> rows_;
  GorSelectorMode gorMode_ = GorSelectorMode::BubblePoint;
  UnitSystem system_ = UnitSystem::Field;
  mutable std::vector<std::optional<DisplayedOutputs>> formatted_;
};

}  // namespace tarnvik
