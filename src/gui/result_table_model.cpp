#include "gui/result_table_model.h"

#include <QColor>
#include <QFont>
#include <algorithm>

#include "gui/display_text.h"
#include "present/output_fields.h"
#include "present/run_messages.h"

namespace tarnvik {

void ResultTableModel::setTable(QStringList keyHeaders, std::vector<OutputField> fields, QString noteHeader,
                                std::vector<Row> rows, GorSelectorMode gorMode, UnitSystem system) {
  beginResetModel();
  keyHeaders_ = std::move(keyHeaders);
  fields_ = std::move(fields);
  noteHeader_ = std::move(noteHeader);
  rows_ = std::move(rows);
  gorMode_ = gorMode;
  system_ = system;
  formatted_.assign(rows_.size(), std::nullopt);
  endResetModel();
}

void ResultTableModel::clear() { setTable({}, {}, {}, {}, GorSelectorMode::BubblePoint); }

int ResultTableModel::columnOf(OutputField field) const {
  const auto at = std::find(fields_.begin(), fields_.end(), field);
  return at == fields_.end() ? -1 : firstFieldColumn() + int(at - fields_.begin());
}

int ResultTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int ResultTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || keyHeaders_.isEmpty()) return 0;
  return firstFieldColumn() + int(fields_.size()) + (noteHeader_.isEmpty() ? 0 : 1);
}

bool ResultTableModel::isNoteColumn(int column) const {
  return !noteHeader_.isEmpty() && column == firstFieldColumn() + int(fields_.size());
}

const DisplayedOutputs& ResultTableModel::outputs(int row) const {
  std::optional<DisplayedOutputs>& cached = formatted_[std::size_t(row)];
  if (!cached) cached = FormatOutputs(rows_[std::size_t(row)].outcome, gorMode_, system_);
  return *cached;
}

QString ResultTableModel::noteText(const Row& row) const {
  if (!row.outcome.failed()) return row.note;
  const QString message = FromView(ZFactorMessage(row.outcome.zFactorStatus));
  return row.note.isEmpty() ? message : row.note + QStringLiteral("; ") + message;
}

QVariant ResultTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const Row& row = rows_[std::size_t(index.row())];
  const int column = index.column();
  const bool key = column < firstFieldColumn();
  const bool note = isNoteColumn(column);
  switch (role) {
    case Qt::DisplayRole:
      if (key) return row.keys.value(column);
      if (note) return noteText(row);
      if (row.outcome.failed()) return QString();
      return QString::fromStdString(
          outputs(index.row()).texts[IndexOf(fields_[std::size_t(column - firstFieldColumn())])]);
    case kNumberRole: {
      if (key) return column == 0 && row.keyValue ? QVariant(*row.keyValue) : QVariant();
      if (note || row.outcome.failed()) return {};
      const Quantity value = outputs(index.row()).values[IndexOf(fields_[std::size_t(column - firstFieldColumn())])];
      return value ? QVariant(*value) : QVariant();
    }
    case Qt::ToolTipRole:
      // A note may be longer than its column: the whole text on hovering.
      if (note && !noteText(row).isEmpty()) return noteText(row);
      return {};
    case Qt::TextAlignmentRole:
      return note || (key && !row.keyValue) ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                            : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (row.emphasised) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    case Qt::ForegroundRole:
      if (note && row.outcome.failed()) return QColor(0xb0, 0x20, 0x20);
      return {};
    default:
      return {};
  }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section < firstFieldColumn()) return keyHeaders_[section];
  if (isNoteColumn(section)) return noteHeader_;
  return ColumnHeader(FieldInfo(fields_[std::size_t(section - firstFieldColumn())], gorMode_, system_));
}

}  // namespace tarnvik
