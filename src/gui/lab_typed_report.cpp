#include "gui/lab_typed_report.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "gui/display_text.h"
#include "io/csv_field.h"
#include "io/number_text.h"
#include "model/lab_file.h"

namespace tarnvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("LabReportEditor", text); }

bool Blank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

bool TypedLabReport::blank() const {
  if (!Blank(source)) return false;
  for (const QString& key : keys) {
    if (!Blank(key)) return false;
  }
  for (const auto& row : rows) {
    for (const QString& cell : row) {
      if (!Blank(cell)) return false;
    }
  }
  return true;
}

QString LabKeyCaption(std::size_t key) {
  return key < kRequiredLabKeys ? FromView(kLabKeys[key].caption) : FromView(kLabKeys[key].caption) + " (optional)";
}

TypedLabText LabFileText(const TypedLabReport& typed, UnitSystem system) {
  TypedLabText out;
  std::string& text = out.text;
  text = "tarnvik-lab," + std::to_string(kLabFileVersion) + "," + (system == UnitSystem::Metric ? "metric" : "field") +
         "\n";
  out.lineNames.push_back(QString());
  if (!Blank(typed.source)) {
    text += "source,";
    AppendCsvField(text, typed.source.trimmed().toStdString());
    text += "\n";
    out.lineNames.push_back(Tr("Source"));
  }
  for (std::size_t i = 0; i < kLabKeys.size(); ++i) {
    const QString value = typed.keys[i].trimmed();
    if (Blank(value)) {
      if (i < kRequiredLabKeys && out.blank.isEmpty()) out.blank = Tr("%1: give a value").arg(LabKeyCaption(i));
      continue;
    }
    text += std::string(kLabKeys[i].name) + ",";
    AppendCsvField(text, value.toStdString());
    text += "\n";
    out.lineNames.push_back(LabKeyCaption(i));
  }
  for (std::size_t c = 0; c < kLabColumns.size(); ++c) {
    text += std::string(c ? "," : "") + std::string(kLabColumns[c].name);
  }
  text += "\n";
  out.lineNames.push_back(Tr("the table's header"));

  struct Row {
    std::size_t index;
    std::optional<double> pressure;
  };
  std::vector<Row> rows;
  for (std::size_t row = 0; row < typed.rows.size(); ++row) {
    const auto& cells = typed.rows[row];
    if (std::all_of(cells.begin(), cells.end(), Blank)) continue;
    std::optional<double> pressure;
    if (!ParseNumberField(cells[std::size_t(LabColumn::Pressure)].toStdString(), pressure)) pressure.reset();
    rows.push_back({row, pressure});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    if (a.pressure.has_value() != b.pressure.has_value()) return a.pressure.has_value();
    return a.pressure && *a.pressure < *b.pressure;
  });
  for (const Row& row : rows) {
    const auto& cells = typed.rows[row.index];
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) text += ',';
      AppendCsvField(text, LabFileTextFromShown(cells[c].trimmed().toStdString(), kLabColumns[c], system));
    }
    text += "\n";
    out.lineNames.push_back(Tr("row %1").arg(row.index + 1));
  }
  return out;
}

QString ErrorInPageWords(const QString& error, const std::vector<QString>& lineNames) {
  static const QRegularExpression head(QStringLiteral("^line (\\d+)(?:, column (\\d+))?(?: \\([^)]*\\))?: (.*)$"));
  const QRegularExpressionMatch match = head.match(error);
  if (!match.hasMatch()) return error;
  const auto nameOf = [&](int line) {
    return line >= 1 && line <= int(lineNames.size()) ? lineNames[std::size_t(line - 1)] : Tr("line %1").arg(line);
  };
  const int line = match.captured(1).toInt();
  QString place = nameOf(line);
  if (!match.captured(2).isEmpty() && place.startsWith(Tr("row"))) {
    const int column = match.captured(2).toInt();
    if (column >= 1 && column <= int(kLabColumns.size())) {
      place += QStringLiteral(", ") + FromView(kLabColumns[std::size_t(column - 1)].caption);
    }
  }
  // The lines the message refers to, named as well.
  const QString what = match.captured(3);
  static const QRegularExpression inner(QStringLiteral("line (\\d+)"));
  QString rewritten;
  qsizetype at = 0;
  for (auto it = inner.globalMatch(what); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    rewritten += what.mid(at, m.capturedStart() - at) + nameOf(m.captured(1).toInt());
    at = m.capturedEnd();
  }
  rewritten += what.mid(at);
  return place.isEmpty() ? rewritten : place + QStringLiteral(": ") + rewritten;
}

}  // namespace tarnvik
