#include "table_text.h"

#include <QAbstractItemModel>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <set>
#include <vector>

#include "calc/csv_field.h"

namespace tarnvik {
namespace {

QString Header(const QAbstractItemModel& model, int column) {
  return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString Cell(const QAbstractItemModel& model, int row, int column) {
  return model.data(model.index(row, column), Qt::DisplayRole).toString();
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

bool SaveTextFile(const QString& path, const QString& text, QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace tarnvik
