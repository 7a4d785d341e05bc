// A table as text: tab-separated for the clipboard, comma-separated (RFC 4180) for a
// file. Both start with the column headers. Cells that hold a number are written as the
// full-precision number (0.5, not ".5"), so spreadsheets and scripts read them; other cells
// as the table shows them.
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

}  // namespace tarnvik
