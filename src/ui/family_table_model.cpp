#include "family_table_model.h"

#include <QFont>

#include "ui/display_text.h"

namespace tarnvik {

void FamilyTableModel::setRows(const std::array<FamilyRow, 9>& rows, GorSelectorMode gorMode,
                               OilCorrelation caseFamily) {
  beginResetModel();
  rows_ = rows;
  gorMode_ = gorMode;
  caseFamily_ = EffectiveOilCorrelation(caseFamily);
  formatted_.fill(std::nullopt);
  endResetModel();
}

void FamilyTableModel::clear() {
  beginResetModel();
  rows_.reset();
  endResetModel();
}

int FamilyTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !rows_ ? 0 : int(rows_->size());
}

int FamilyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kFirstFieldColumn + int(kComparisonFields.size());
}

const DisplayedOutputs& FamilyTableModel::outputs(int row) const {
  std::optional<DisplayedOutputs>& cached = formatted_[std::size_t(row)];
  if (!cached) cached = FormatOutputs((*rows_)[std::size_t(row)].outcome.results, gorMode_);
  return *cached;
}

QVariant FamilyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const FamilyRow& row = (*rows_)[std::size_t(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: {
      if (column == kFamilyColumn) return FromView(OilCorrelationName(row.family));
      if (row.outcome.failed()) return QString();
      const OutputField field = kComparisonFields[std::size_t(column - kFirstFieldColumn)];
      return QString::fromStdString(outputs(index.row()).texts[static_cast<std::size_t>(field)]);
    }
    case Qt::TextAlignmentRole:
      return column == kFamilyColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (row.family == caseFamily_) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    default:
      return {};
  }
}

QVariant FamilyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section == kFamilyColumn) return QStringLiteral("Oil family");
  const OutputField field = kComparisonFields[std::size_t(section - kFirstFieldColumn)];
  return ColumnHeader(field == OutputField::Pbx ? PbxFieldInfo(gorMode_) : InfoOf(field));
}

}  // namespace tarnvik
