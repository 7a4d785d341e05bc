// A table as text: tab-separated for the clipboard, comma-separated (RFC 4180) for a
// file. Both start with the column headers and hold the cells as the table shows them.
#pragma once
#include <QModelIndexList>
#include <QString>

class QAbstractItemModel;

namespace tarnvik {

// The rows and columns that hold a selected cell, or the whole table when `selected` is
// empty; cells inside that are not selected stay empty. Lines end with "\n".
QString TabSeparatedText(const QAbstractItemModel& model, const QModelIndexList& selected = {});

// The whole table; a field holding a comma, a quote or a line break is quoted, with
// quotes doubled. Lines end with CR LF.
QString CsvText(const QAbstractItemModel& model);

// Writes `text` as UTF-8 through a temporary file that replaces `path` only when complete.
bool SaveTextFile(const QString& path, const QString& text, QString& error);

}  // namespace tarnvik
