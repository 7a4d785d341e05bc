#include "gui/table_text.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <algorithm>
#include <set>
#include <vector>

#include "gui/result_table_model.h"
#include "io/csv_field.h"
#include "io/number_text.h"

namespace tarnvik {
namespace {

QString Header(const QAbstractItemModel& model, int column) {
  return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

// A number where the cell holds one, otherwise the text shown.
QString Cell(const QAbstractItemModel& model, int row, int column) {
  const QModelIndex index = model.index(row, column);
  const QVariant number = model.data(index, ResultTableModel::kNumberRole);
  if (number.isValid()) return QString::fromStdString(FormatRoundTrip(number.toDouble()));
  return model.data(index, Qt::DisplayRole).toString();
}

QString CsvField(const QString& text) {
  std::string field;
  AppendCsvField(field, text.toStdString());
  return QString::fromStdString(field);
}

std::vector<int> AllOf(int count) {
  std::vector<int> all(std::size_t(std::max(count, 0)));
  for (int i = 0; i < count; ++i) all[std::size_t(i)] = i;
  return all;
}

}  // namespace

QString TabSeparatedText(const QAbstractItemModel& model, const QModelIndexList& selected) {
  std::vector<int> rows = AllOf(model.rowCount());
  std::vector<int> columns = AllOf(model.columnCount());
  std::set<std::pair<int, int>> cells;
  if (!selected.isEmpty()) {
    std::set<int> rowSet, columnSet;
    for (const QModelIndex& index : selected) {
      rowSet.insert(index.row());
      columnSet.insert(index.column());
      cells.emplace(index.row(), index.column());
    }
    rows.assign(rowSet.begin(), rowSet.end());
    columns.assign(columnSet.begin(), columnSet.end());
  }

  QString text;
  QStringList line;
  for (int column : columns) line << Header(model, column);
  text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (int row : rows) {
    line.clear();
    for (int column : columns) {
      const bool shown = cells.empty() || cells.count({row, column}) > 0;
      line << (shown ? Cell(model, row, column) : QString());
    }
    text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

QString CsvText(const QAbstractItemModel& model) {
  const QLatin1String lineEnd("\r\n");
  QString text;
  QStringList line;
  for (int column = 0; column < model.columnCount(); ++column) line << CsvField(Header(model, column));
  text += line.join(QLatin1Char(',')) + lineEnd;
  for (int row = 0; row < model.rowCount(); ++row) {
    line.clear();
    for (int column = 0; column < model.columnCount(); ++column) line << CsvField(Cell(model, row, column));
    text += line.join(QLatin1Char(',')) + lineEnd;
  }
  return text;
}

}  // namespace tarnvik
