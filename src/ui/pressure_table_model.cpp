#include "pressure_table_model.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "gas/z_factor.h"
#include "ui/display_text.h"

namespace tarnvik {
namespace {

// Enough decimals to tell neighbouring pressures apart: one for a step of a psi or more.
int DecimalsForStep(double step) {
  if (!(step > 0) || !std::isfinite(step)) return 1;
  return std::clamp(int(std::ceil(-std::log10(step))) + 1, 1, 6);
}

}  // namespace

void PressureTableModel::setTable(PressureTable table, GorSelectorMode gorMode) {
  beginResetModel();
  table_ = std::move(table);
  gorMode_ = gorMode;
  formatted_.assign(table_.rows.size(), std::nullopt);
  const auto gaps = table_.rows.size() > 1 ? double(table_.rows.size() - 1) : 1.0;
  pressureDecimals_ = DecimalsForStep((table_.maximum - table_.minimum) / gaps);
  endResetModel();
}

int PressureTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(table_.rows.size());
}

int PressureTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kNoteColumn + 1; }

const DisplayedOutputs& PressureTableModel::outputs(int row) const {
  std::optional<DisplayedOutputs>& cached = formatted_[std::size_t(row)];
  if (!cached) cached = FormatOutputs(table_.rows[std::size_t(row)].outcome.results, gorMode_);
  return *cached;
}

QString PressureTableModel::noteText(const PressureRow& row) const {
  QStringList notes;
  if (row.atBubblePoint) notes << QStringLiteral("bubble point");
  if (row.atReservoirPressure) notes << QStringLiteral("reservoir pressure");
  QString text = notes.join(QStringLiteral(", "));
  if (row.outcome.failed()) {
    const QString message = QString::fromLatin1(ZFactorMessage(row.outcome.zFactorStatus));
    text = text.isEmpty() ? message : text + QStringLiteral("; ") + message;
  }
  return text;
}

QString PressureTableModel::pressureText(double pressure) const {
  return QString::number(pressure, 'f', pressureDecimals_);
}

QVariant PressureTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const PressureRow& row = table_.rows[std::size_t(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      if (column == kPressureColumn) return pressureText(row.pressure);
      if (column == kNoteColumn) return noteText(row);
      if (row.outcome.failed()) return QString();
      return QString::fromStdString(outputs(index.row()).texts[std::size_t(column - kFirstFieldColumn)]);
    case kPressureRole:
      return row.pressure;
    case Qt::TextAlignmentRole:
      return column == kNoteColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (row.atBubblePoint || row.atReservoirPressure) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return {};
    case Qt::ForegroundRole:
      if (row.outcome.failed() && column == kNoteColumn) return QColor(0xb0, 0x20, 0x20);
      return {};
    default:
      return {};
  }
}

QVariant PressureTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (section == kPressureColumn) return QStringLiteral("Pressure [psia]");
  if (section == kNoteColumn) return QStringLiteral("Note");
  const auto field = static_cast<OutputField>(section - kFirstFieldColumn);
  return ColumnHeader(field == OutputField::Pbx ? PbxFieldInfo(gorMode_) : InfoOf(field));
}

}  // namespace tarnvik
