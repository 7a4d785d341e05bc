#include "gui/lab_report_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/display_text.h"
#include "gui/lab_page_widgets.h"
#include "gui/lab_typed_report.h"
#include "gui/table_text.h"
#include "gui/widget_factory.h"
#include "io/number_text.h"
#include "model/lab_file.h"

namespace tarnvik {
namespace {

// The report's keys (model/lab_quantities.h) by their boxes' object names.
constexpr std::array<const char*, LabReportEditor::kKeyCount> kKeyObjectNames = {
    "labTemperature", "labBubblePoint", "labGor", "labSeparatorBo", "labSeparatorGor", "labApi", "labGasGravity"};

// The table's headings, short enough for its columns; the captions name the columns in
// messages and tooltips.
constexpr std::array<const char*, LabReportEditor::kColumnCount> kColumnHeaders = {"Pressure", "Rs", "Bo", "μo",
                                                                                   "co",       "z",  "Bg"};

QString ShownText(double value, const LabQuantity& q, UnitSystem system) {
  return QString::fromStdString(FormatShortest(LabValueShown(value, q, system)));
}

bool Blank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

LabReportEditor::LabReportEditor(UnitSystem system, QWidget* parent) : QWidget(parent), system_(system) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* form = new QFormLayout;
  form->setVerticalSpacing(3);
  source_ = new QLineEdit(this);
  source_->setObjectName(QStringLiteral("labSource"));
  source_->setToolTip(tr("Where the measurements come from (the lab file's source)."));
  form->addRow(tr("Source"), source_);
  connect(source_, &QLineEdit::editingFinished, this, [this] {
    if (source_->isModified()) takeEdits();
  });
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(kKeyObjectNames[i]));
    box->setAlignment(Qt::AlignRight);
    box->setToolTip(tr("The lab file's %1.").arg(FromView(kLabKeys[i].name)));
    keyUnits_[i] = MakeUnitLabel(QString(), this);
    keyUnits_[i]->setMinimumWidth(keyUnits_[i]->fontMetrics().horizontalAdvance(QStringLiteral("sm³/sm³ ")));
    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(keyUnits_[i]);
    form->addRow(LabKeyCaption(i), row);
    keys_[i] = box;
    connect(box, &QLineEdit::editingFinished, this, [this, box] {
      if (box->isModified()) takeEdits();
    });
  }
  layout->addLayout(form);

  points_ = MakeLabTable("labPoints", this);
  points_->setColumnCount(int(kColumnCount));
  points_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  points_->horizontalHeader()->setMinimumHeight(points_->fontMetrics().height() * 3 + 10);
  points_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  points_->setToolTip(
      tr("One row per pressure; a blank cell was not measured. Rows may be typed in any order. "
         "Ctrl+V pastes rows copied from a spreadsheet at the current cell; Delete clears the "
         "selected cells."));
  points_->installEventFilter(this);
  connect(points_, &QTableWidget::itemChanged, this, [this] {
    if (filling_) return;
    ensureBlankRow();
    takeEdits();
  });
  layout->addWidget(points_, 1);

  editError_ = MakeLabLabel("labEditError", this);
  QPalette palette = editError_->palette();
  palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
  editError_->setPalette(palette);
  editError_->hide();
  layout->addWidget(editError_);
  showUnits();
}

QString LabReportEditor::editError() const { return editError_->text(); }

void LabReportEditor::showUnits() {
  for (std::size_t i = 0; i < kKeyCount; ++i) keyUnits_[i]->setText(LabUnitText(kLabKeys[i], system_));
  QStringList headers;
  for (std::size_t c = 0; c < kColumnCount; ++c) {
    const QString unit = LabUnitText(kLabColumns[c], system_);
    const QString name = tr(kColumnHeaders[c]);
    headers << (unit.isEmpty() ? name : tr("%1\n[%2]").arg(name, unit));
  }
  points_->setHorizontalHeaderLabels(headers);
  for (std::size_t c = 0; c < kColumnCount; ++c) {
    points_->horizontalHeaderItem(int(c))->setToolTip(FromView(kLabColumns[c].caption));
  }
}

void LabReportEditor::showReport(const std::optional<LabData>& lab, UnitSystem system) {
  if (system != system_) {
    system_ = system;
    showUnits();
  }
  filling_ = true;
  source_->setText(lab ? QString::fromStdString(lab->source) : QString());
  source_->setCursorPosition(0);
  source_->setModified(false);
  std::array<std::optional<double>, kKeyCount> values;
  if (lab) values = KeyValuesOf(*lab);
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    keys_[i]->setText(values[i] ? ShownText(*values[i], kLabKeys[i], system_) : QString());
    keys_[i]->setModified(false);
  }
  {
    const QSignalBlocker blocker(points_);
    points_->clearContents();
    const int rows = lab ? int(lab->points.size()) : 0;
    points_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
      for (std::size_t c = 0; c < kColumnCount; ++c) {
        const std::optional<double> value = LabPointValue(lab->points[std::size_t(row)], static_cast<LabColumn>(c));
        auto* item = new QTableWidgetItem(value ? ShownText(*value, kLabColumns[c], system_) : QString());
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        points_->setItem(row, int(c), item);
      }
    }
  }
  ensureBlankRow();
  filling_ = false;
  shownData_ = lab;
  shownText_ = LabFileText(typed(), system_).text;
  editPending_ = false;
  showEditError(QString());
}

void LabReportEditor::convertTyped(UnitSystem system) {
  const UnitSystem from = system_;
  // Before the edits are read again: their text names the units they are converted to.
  system_ = system;
  showUnits();
  const auto convert = [&](const QString& text, const LabQuantity& q) {
    std::optional<double> value;
    if (!ParseNumberField(text.toStdString(), value) || !value) return text;
    return QString::fromStdString(FormatShortest(LabValueShown(LabValueFromShown(*value, q, from), q, system)));
  };
  filling_ = true;
  for (std::size_t i = 0; i < kKeyCount; ++i) keys_[i]->setText(convert(keys_[i]->text(), kLabKeys[i]));
  {
    const QSignalBlocker blocker(points_);
    for (int row = 0; row < points_->rowCount(); ++row) {
      for (std::size_t c = 0; c < kColumnCount; ++c) {
        if (QTableWidgetItem* item = points_->item(row, int(c))) item->setText(convert(item->text(), kLabColumns[c]));
      }
    }
  }
  filling_ = false;
  takeEdits();
}

TypedLabReport LabReportEditor::typed() const {
  TypedLabReport report;
  report.source = source_->text();
  for (std::size_t i = 0; i < kKeyCount; ++i) report.keys[i] = keys_[i]->text();
  report.rows.resize(std::size_t(points_->rowCount()));
  for (int row = 0; row < points_->rowCount(); ++row) {
    for (std::size_t c = 0; c < kColumnCount; ++c) {
      if (const QTableWidgetItem* item = points_->item(row, int(c))) report.rows[std::size_t(row)][c] = item->text();
    }
  }
  return report;
}

void LabReportEditor::takeEdits() {
  if (filling_) return;
  for (QLineEdit* box : keys_) box->setModified(false);
  source_->setModified(false);
  const TypedLabReport report = typed();
  const TypedLabText text = LabFileText(report, system_);
  if (text.text == shownText_) {
    // As it was shown: the case's lab data stand.
    editPending_ = false;
    showEditError(QString());
    return;
  }
  std::optional<LabData> edited;
  if (!report.blank()) {
    if (!text.blank.isEmpty()) {
      editPending_ = true;
      showEditError(text.blank);
      return;
    }
    LabData read;
    UnitSystem units = system_;
    std::string error;
    if (!ReadLabFile(text.text, read, units, error)) {
      editPending_ = true;
      showEditError(ErrorInPageWords(QString::fromStdString(error), text.lineNames));
      return;
    }
    edited = std::move(read);
  }
  editPending_ = false;
  showEditError(QString());
  shownText_ = text.text;
  emit reportRead(edited);
}

void LabReportEditor::showEditError(const QString& error) {
  if (error.isEmpty()) {
    editError_->clear();
    editError_->hide();
    return;
  }
  editError_->setText(tr("Not taken: %1. The case keeps its lab data as they were; the ranking, tuning and plots "
                         "are theirs.")
                          .arg(error));
  editError_->show();
}

void LabReportEditor::ensureBlankRow() {
  const int rows = points_->rowCount();
  bool lastBlank = rows > 0;
  for (int c = 0; rows > 0 && c < int(kColumnCount); ++c) {
    if (const QTableWidgetItem* item = points_->item(rows - 1, c); item != nullptr && !Blank(item->text())) {
      lastBlank = false;
    }
  }
  if (!lastBlank) points_->setRowCount(rows + 1);
}

bool LabReportEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == points_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
      pastePoints();
      return true;
    }
    if (key->matches(QKeySequence::Copy)) {
      copySelectedCells();
      return true;
    }
    if (key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace) {
      clearSelectedCells();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Rows of tab-separated cells, as a spreadsheet copies them, from the current cell on; a
// first line that holds no number (the spreadsheet's headings) is left out.
void LabReportEditor::pastePoints() {
  QString text = QApplication::clipboard()->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = text.split(QLatin1Char('\n'));
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  if (lines.isEmpty()) return;
  const auto holdsNumber = [](const QString& line) {
    for (const QString& cell : line.split(QLatin1Char('\t'))) {
      std::optional<double> value;
      if (ParseNumberField(cell.toStdString(), value) && value) return true;
    }
    return false;
  };
  if (!holdsNumber(lines.front())) lines.removeFirst();
  const QModelIndex current = points_->currentIndex();
  const int top = current.isValid() ? current.row() : 0;
  const int left = current.isValid() ? current.column() : 0;
  {
    const QSignalBlocker blocker(points_);
    if (points_->rowCount() < top + int(lines.size())) points_->setRowCount(top + int(lines.size()));
    for (int r = 0; r < int(lines.size()); ++r) {
      const QStringList cells = lines[r].split(QLatin1Char('\t'));
      for (int c = 0; c < int(cells.size()) && left + c < int(kColumnCount); ++c) {
        auto* item = new QTableWidgetItem(cells[c].trimmed());
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        points_->setItem(top + r, left + c, item);
      }
    }
    ensureBlankRow();
  }
  points_->viewport()->update();
  takeEdits();
}

void LabReportEditor::clearSelectedCells() {
  const QList<QTableWidgetItem*> items = points_->selectedItems();
  if (items.isEmpty()) return;
  {
    const QSignalBlocker blocker(points_);
    for (QTableWidgetItem* item : items) item->setText(QString());
  }
  points_->viewport()->update();
  takeEdits();
}

void LabReportEditor::copySelectedCells() {
  QApplication::clipboard()->setText(TabSeparatedText(*points_->model(), points_->selectionModel()->selectedIndexes()));
}

}  // namespace tarnvik
