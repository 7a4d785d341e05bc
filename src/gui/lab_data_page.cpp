#include "gui/lab_data_page.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/units.h"
#include "calc/pressure_table.h"
#include "gui/case_file.h"
#include "gui/display_text.h"
#include "gui/lab_page_widgets.h"
#include "gui/lab_typed_report.h"
#include "gui/pvt_charts.h"
#include "gui/recent_files.h"
#include "gui/save_file.h"
#include "gui/table_text.h"
#include "gui/user_dialogs.h"
#include "io/number_text.h"
#include "model/case_model.h"
#include "model/lab_file.h"
#include "model/lab_quantities.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"

namespace tarnvik {
namespace {

// The report's keys (model/lab_quantities.h) by their boxes' object names.
constexpr std::array<const char*, LabDataPage::kKeyCount> kKeyObjectNames = {
    "labTemperature", "labBubblePoint", "labGor", "labSeparatorBo", "labSeparatorGor", "labApi", "labGasGravity"};
static_assert(kLabKeys.size() == LabDataPage::kKeyCount && kLabColumns.size() == LabDataPage::kColumnCount);

// The table's headings, short enough for its columns; the captions name the columns in
// messages and tooltips.
constexpr std::array<const char*, LabDataPage::kColumnCount> kColumnHeaders = {"Pressure", "Rs", "Bo", "μo",
                                                                               "co",       "z",  "Bg"};

// The three properties plotted: their table column and their result.
struct LabPlot {
  LabColumn column;
  OutputField field;
  const char* objectName;
  const char* tab;
  const char* title;
};
constexpr std::array<LabPlot, 3> kLabPlots = {{
    {LabColumn::Rs, OutputField::Rs, "labRsChart", "Rs", "Solution gas-oil ratio"},
    {LabColumn::Bo, OutputField::Bo, "labBoChart", "Bo", "Oil formation volume factor"},
    {LabColumn::OilViscosity, OutputField::OilViscosity, "labViscosityChart", "Oil viscosity", "Oil viscosity"},
}};

// The curves run from atmospheric pressure to this much above the highest of the measured
// pressures and the bubble point.
constexpr double kPlotAboveHighest = 1.2;
constexpr int kPlotPoints = 60;

QString ShownText(double value, const LabQuantity& q, UnitSystem system) {
  return QString::fromStdString(FormatShortest(LabValueIn(value, q, system)));
}

bool Blank(const QString& text) { return text.trimmed().isEmpty(); }

// Values read back from text in the other unit system may differ in the last bit: the
// same to 12 significant digits is the same value.
bool Same(double a, double b) { return a == b || std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b)); }
bool Same(const std::optional<double>& a, const std::optional<double>& b) {
  return a.has_value() == b.has_value() && (!a || Same(*a, *b));
}
bool SameData(const std::optional<LabData>& a, const std::optional<LabData>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  if (a->source != b->source || !Same(a->temperatureF, b->temperatureF) || !Same(a->bubblePoint, b->bubblePoint) ||
      !Same(a->gor, b->gor) || !Same(a->apiGravity, b->apiGravity) || !Same(a->gasGravity, b->gasGravity) ||
      a->separator.has_value() != b->separator.has_value() || a->points.size() != b->points.size()) {
    return false;
  }
  if (a->separator && (!Same(a->separator->bo, b->separator->bo) || !Same(a->separator->gor, b->separator->gor))) {
    return false;
  }
  for (std::size_t i = 0; i < a->points.size(); ++i) {
    const LabPoint& p = a->points[i];
    const LabPoint& q = b->points[i];
    if (!Same(p.pressure, q.pressure) || !Same(p.rs, q.rs) || !Same(p.bo, q.bo) ||
        !Same(p.oilViscosity, q.oilViscosity) || !Same(p.oilCompressibility, q.oilCompressibility) || !Same(p.z, q.z) ||
        !Same(p.bg, q.bg)) {
      return false;
    }
  }
  return true;
}

QString Percent(double fraction) {
  return std::isfinite(fraction) ? QString::number(fraction * 100, 'f', 2) : LabDataPage::tr("not computed");
}

// "3.21 (12)": the AARE in percent and its points; a dash without points.
QString ErrorText(const PropertyError& error) {
  if (error.points == 0) return QStringLiteral("–");
  return QStringLiteral("%1 (%2)").arg(Percent(error.aare)).arg(error.points);
}

QTableWidgetItem* Item(const QString& text, bool bold = false, Qt::Alignment alignment = Qt::AlignRight) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  if (bold) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
  }
  return item;
}

constexpr std::array<const char*, kLabPropertyCount> kPropertyNames = {"Bubble point", "Rs", "Bo", "Oil viscosity",
                                                                       "Oil compressibility"};
constexpr std::array<const char*, kLabPropertyCount> kPropertyShortNames = {"pb", "Rs", "Bo", "μo", "co"};

}  // namespace

LabDataPage::LabDataPage(UserDialogs& dialogs, CaseModel& model, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), model_(model) {
  setObjectName(QStringLiteral("labPage"));
  auto* layout = new QHBoxLayout(this);
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(createEditor());
  splitter->addWidget(createAnalysis());
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 3);
  layout->addWidget(splitter);
  system_ = model_.units();
  showUnits();
  showReport(model_.labData());
}

QWidget* LabDataPage::createEditor() {
  auto* editor = new QWidget(this);
  auto* layout = new QVBoxLayout(editor);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* files = new QHBoxLayout;
  QPushButton* open = MakeLabButton("openLabFile", tr("Open Lab File..."), editor);
  open->setToolTip(tr("Reads a lab file: tarnvik-lab,1,field (or metric), the keys, then a table of pressures."));
  saveButton_ = MakeLabButton("saveLabFile", tr("Save Lab File..."), editor);
  saveButton_->setToolTip(tr("Writes the lab data as a lab file, in the units shown."));
  removeButton_ = MakeLabButton("removeLabData", tr("Remove Lab Data"), editor);
  removeButton_->setToolTip(tr("Takes the lab data, and any tuning to them, out of the case."));
  connect(open, &QPushButton::clicked, this, &LabDataPage::openLabFile);
  connect(saveButton_, &QPushButton::clicked, this, &LabDataPage::saveLabFile);
  connect(removeButton_, &QPushButton::clicked, this, &LabDataPage::removeLabData);
  files->addWidget(open);
  files->addWidget(saveButton_);
  files->addWidget(removeButton_);
  files->addStretch(1);
  layout->addLayout(files);

  auto* form = new QFormLayout;
  form->setVerticalSpacing(3);
  source_ = new QLineEdit(editor);
  source_->setObjectName(QStringLiteral("labSource"));
  source_->setToolTip(tr("Where the measurements come from (the lab file's source)."));
  form->addRow(tr("Source"), source_);
  connect(source_, &QLineEdit::editingFinished, this, [this] {
    if (source_->isModified()) takeEdits();
  });
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    auto* box = new QLineEdit(editor);
    box->setObjectName(QString::fromLatin1(kKeyObjectNames[i]));
    box->setAlignment(Qt::AlignRight);
    box->setToolTip(tr("The lab file's %1.").arg(FromView(kLabKeys[i].name)));
    keyUnits_[i] = new QLabel(editor);
    keyUnits_[i]->setForegroundRole(QPalette::PlaceholderText);
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

  points_ = MakeLabTable("labPoints", editor);
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

  editError_ = MakeLabLabel("labEditError", editor);
  QPalette palette = editError_->palette();
  palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
  editError_->setPalette(palette);
  editError_->hide();
  layout->addWidget(editError_);
  return editor;
}

QWidget* LabDataPage::createAnalysis() {
  // The ranking above; the tuning and the plots side by side below.
  auto* analysis = new QSplitter(Qt::Vertical, this);
  auto* top = new QWidget(analysis);
  auto* layout = new QVBoxLayout(top);
  layout->setContentsMargins(0, 0, 0, 0);
  rankingCaption_ = MakeLabLabel("labRankingCaption", top);
  layout->addWidget(rankingCaption_);
  ranking_ = MakeLabTable("labRanking", top);
  ranking_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ranking_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ranking_->verticalHeader()->hide();
  ranking_->horizontalHeader()->setStretchLastSection(true);
  // Room for the nine families and the tuned row.
  ranking_->setMinimumHeight(ranking_->horizontalHeader()->minimumHeight() +
                             int(10.5 * ranking_->verticalHeader()->defaultSectionSize()) + 12);
  layout->addWidget(ranking_, 1);
  analysis->addWidget(top);

  auto* bottom = new QWidget(analysis);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  auto* tuning = new QGroupBox(tr("Tuning"), bottom);
  tuning->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 52);
  auto* tuningLayout = new QVBoxLayout(tuning);
  auto* controls = new QHBoxLayout;
  family_ = new QComboBox(tuning);
  family_->setObjectName(QStringLiteral("labTuneFamily"));
  family_->setToolTip(tr("The family to tune, listed best first."));
  connect(family_, &QComboBox::activated, this, [this](int index) {
    chosenFamily_ = static_cast<OilCorrelation>(family_->itemData(index).toInt());
    showTuningErrors();
  });
  applyButton_ = MakeLabButton("applyTuning", tr("Apply Tuning"), tuning);
  applyButton_->setToolTip(tr("Tunes the family to the lab data and puts it in force in the main window."));
  removeTuningButton_ = MakeLabButton("removeTuning", tr("Remove Tuning"), tuning);
  connect(applyButton_, &QPushButton::clicked, this, &LabDataPage::applyTuning);
  connect(removeTuningButton_, &QPushButton::clicked, this, &LabDataPage::removeTuning);
  tuningLayout->addWidget(family_);
  controls->addWidget(applyButton_);
  controls->addWidget(removeTuningButton_);
  controls->addStretch(1);
  tuningLayout->addLayout(controls);
  tuningText_ = MakeLabLabel("labTuningText", tuning);
  tuningText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  tuningLayout->addWidget(tuningText_);
  tuningErrors_ = MakeLabTable("labTuningErrors", tuning);
  tuningErrors_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tuningErrors_->setColumnCount(3);
  tuningErrors_->setHorizontalHeaderLabels({tr("Points"), tr("AARE %\nuntuned"), tr("AARE %\ntuned")});
  tuningErrors_->setRowCount(int(kLabPropertyCount));
  QStringList properties;
  for (const char* name : kPropertyShortNames) properties << tr(name);
  tuningErrors_->setVerticalHeaderLabels(properties);
  for (std::size_t p = 0; p < kLabPropertyCount; ++p) {
    tuningErrors_->verticalHeaderItem(int(p))->setToolTip(tr(kPropertyNames[p]));
  }
  tuningErrors_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tuningErrors_->setFixedHeight(tuningErrors_->horizontalHeader()->minimumHeight() +
                                int(kLabPropertyCount) * tuningErrors_->verticalHeader()->defaultSectionSize() + 6);
  tuningLayout->addWidget(tuningErrors_);
  tuningLayout->addStretch(1);
  bottomLayout->addWidget(tuning);

  plots_ = new QTabWidget(bottom);
  plots_->setObjectName(QStringLiteral("labPlots"));
  for (std::size_t i = 0; i < kLabPlots.size(); ++i) {
    auto* chart = new QChart;
    chart->setTitle(tr(kLabPlots[i].title));
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, plots_);
    view->setObjectName(QString::fromLatin1(kLabPlots[i].objectName));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    chartViews_[i] = view;
    plots_->addTab(view, tr(kLabPlots[i].tab));
  }
  bottomLayout->addWidget(plots_, 1);
  analysis->addWidget(bottom);
  analysis->setStretchFactor(0, 0);
  analysis->setStretchFactor(1, 1);
  return analysis;
}

QTableView* LabDataPage::rankingView() const { return ranking_; }

QChartView* LabDataPage::currentChartView() const { return chartViews_[std::size_t(plots_->currentIndex())]; }

void LabDataPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) refresh();
}

void LabDataPage::refresh() {
  if (!isVisible()) {
    stale_ = true;
    return;
  }
  stale_ = false;
  const UnitSystem system = model_.units();
  if (system != system_) {
    if (editPending_) {
      convertTyped(system_, system);
      system_ = system;
    } else {
      system_ = system;
      showReport(model_.labData());
    }
    showUnits();
  } else if (model_.labData() != shownData_) {
    // Lab data from elsewhere (a case opened): what is typed and not taken gives way.
    showReport(model_.labData());
  }
  showAnalysis();
}

void LabDataPage::discardEdits() {
  showReport(model_.labData());
  showAnalysis();
}

void LabDataPage::showUnits() {
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

void LabDataPage::showReport(const std::optional<LabData>& data) {
  filling_ = true;
  source_->setText(data ? QString::fromStdString(data->source) : QString());
  source_->setCursorPosition(0);
  source_->setModified(false);
  std::array<std::optional<double>, kKeyCount> values;
  if (data) {
    values = {data->temperatureF,
              data->bubblePoint,
              data->gor,
              data->separator ? std::optional(data->separator->bo) : std::nullopt,
              data->separator ? std::optional(data->separator->gor) : std::nullopt,
              data->apiGravity,
              data->gasGravity};
  }
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    keys_[i]->setText(values[i] ? ShownText(*values[i], kLabKeys[i], system_) : QString());
    keys_[i]->setModified(false);
  }
  {
    const QSignalBlocker blocker(points_);
    points_->clearContents();
    const int rows = data ? int(data->points.size()) : 0;
    points_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
      for (std::size_t c = 0; c < kColumnCount; ++c) {
        const std::optional<double> value = LabPointValue(data->points[std::size_t(row)], static_cast<LabColumn>(c));
        auto* item = new QTableWidgetItem(value ? ShownText(*value, kLabColumns[c], system_) : QString());
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        points_->setItem(row, int(c), item);
      }
    }
  }
  ensureBlankRow();
  filling_ = false;
  shownData_ = data;
  shownText_ = LabFileText(typed(), system_).text;
  editPending_ = false;
  showEditError(QString());
}

void LabDataPage::convertTyped(UnitSystem from, UnitSystem to) {
  const auto convert = [&](const QString& text, const LabQuantity& q) {
    std::optional<double> value;
    if (!ParseNumberField(text.toStdString(), value) || !value) return text;
    return QString::fromStdString(FormatShortest(LabValueIn(LabValueFrom(*value, q, from), q, to)));
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

TypedLabReport LabDataPage::typed() const {
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

void LabDataPage::takeEdits() {
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
  std::optional<LabData> data;
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
    data = std::move(read);
  }
  editPending_ = false;
  showEditError(QString());
  shownText_ = text.text;
  const bool changed = !SameData(data, model_.labData());
  if (changed) model_.setLabData(data);
  // Before the signal: the refresh it brings keeps what is typed, which is what was taken.
  shownData_ = model_.labData();
  if (changed) emit labChanged();
  showAnalysis();
}

void LabDataPage::showEditError(const QString& error) {
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

void LabDataPage::ensureBlankRow() {
  const int rows = points_->rowCount();
  bool lastBlank = rows > 0;
  for (int c = 0; rows > 0 && c < int(kColumnCount); ++c) {
    if (const QTableWidgetItem* item = points_->item(rows - 1, c); item != nullptr && !Blank(item->text())) {
      lastBlank = false;
    }
  }
  if (!lastBlank) points_->setRowCount(rows + 1);
}

bool LabDataPage::eventFilter(QObject* watched, QEvent* event) {
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
void LabDataPage::pastePoints() {
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

void LabDataPage::clearSelectedCells() {
  const QList<QTableWidgetItem*> items = points_->selectedItems();
  if (items.isEmpty()) return;
  {
    const QSignalBlocker blocker(points_);
    for (QTableWidgetItem* item : items) item->setText(QString());
  }
  points_->viewport()->update();
  takeEdits();
}

void LabDataPage::copySelectedCells() {
  QApplication::clipboard()->setText(TabSeparatedText(*points_->model(), points_->selectionModel()->selectedIndexes()));
}

void LabDataPage::clearAnalysis(const QString& why) {
  rankingShown_.reset();
  rankingCaption_->setText(why);
  ranking_->clear();
  ranking_->setRowCount(0);
  ranking_->setColumnCount(0);
  {
    const QSignalBlocker blocker(family_);
    family_->clear();
  }
  family_->setEnabled(false);
  applyButton_->setEnabled(false);
  for (int row = 0; row < tuningErrors_->rowCount(); ++row) {
    for (int c = 0; c < tuningErrors_->columnCount(); ++c) tuningErrors_->setItem(row, c, Item(QString()));
  }
  for (QChartView* view : chartViews_) ClearPlot(*view->chart());
}

void LabDataPage::showAnalysis() {
  Analysed now{model_.currentCase(), model_.labData(), system_};
  if (analysed_ == now) return;
  analysed_ = std::move(now);
  const bool hasLab = model_.labData().has_value();
  const OilTuning* tuning = model_.tuned() ? &model_.tuning() : nullptr;
  saveButton_->setEnabled(hasLab);
  removeButton_->setEnabled(hasLab || model_.tuned());
  removeTuningButton_->setEnabled(tuning != nullptr);
  tuningText_->setText(tuning != nullptr ? QString::fromStdString(TuningDescription(*tuning))
                                         : tr("Tuning is off: every family runs as published."));

  if (!hasLab) {
    clearAnalysis(tr("No lab data: open a lab file, or type the report's values and its table of pressures."));
    return;
  }
  OilRanking ranking;
  std::string error;
  if (!model_.rankOilFamilies(ranking, error)) {
    clearAnalysis(tr("The families cannot be ranked: %1.").arg(QString::fromStdString(error)));
    return;
  }
  rankingShown_ = ranking;
  const CalculationCase& labCase = ranking.labCase;
  const LabData& compared = ranking.compared;
  const QString temperature =
      QString::number(FromField(compared.temperatureF, Dimension::Temperature, system_), 'g', 6) +
      (system_ == UnitSystem::Metric ? QStringLiteral(" °C") : QStringLiteral(" °F"));
  rankingCaption_->setText(
      tr("The nine oil families against the lab data at %1%2, best first. The score is the mean AARE of the "
         "bubble point, Rs, Bo and oil viscosity that were measured; the oil compressibility is shown, not scored.")
          .arg(temperature, ranking.separatorAdjusted ? tr(", at separator conditions") : QString()));

  // The ranking, with the tuned family's errors under its own row.
  QStringList headers = {tr("Rank"), tr("Oil family"), tr("Score %")};
  for (const char* name : kPropertyNames) headers << tr("%1\nAARE % (points)").arg(tr(name));
  headers << tr("Inside the family's data");
  ranking_->clear();
  ranking_->setColumnCount(int(headers.size()));
  ranking_->setHorizontalHeaderLabels(headers);
  const std::optional<LabErrors> tunedErrors =
      tuning != nullptr ? std::optional(ErrorsAgainstLab(labCase, compared, tuning->family, tuning)) : std::nullopt;
  ranking_->setRowCount(int(ranking.families.size()) + (tunedErrors ? 1 : 0));
  int row = 0;
  const auto addRow = [&](const QString& rank, const QString& name, const LabErrors& errors, double score,
                          const QString& range, const QString& rangeTip, bool bold) {
    ranking_->setItem(row, 0, Item(rank, bold, Qt::AlignCenter));
    ranking_->setItem(row, 1, Item(name, bold, Qt::AlignLeft));
    ranking_->setItem(row, 2, Item(Percent(score), bold));
    for (std::size_t p = 0; p < kLabPropertyCount; ++p)
      ranking_->setItem(row, 3 + int(p), Item(ErrorText(errors[p]), bold));
    QTableWidgetItem* rangeItem = Item(range, bold, Qt::AlignLeft);
    rangeItem->setToolTip(rangeTip);
    ranking_->setItem(row, 3 + int(kLabPropertyCount), rangeItem);
    ++row;
  };
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    const FamilyRank& family = ranking.families[i];
    QString range = tr("unknown");
    QString rangeTip = tr("The paper gives no ranges of its data.");
    if (family.rangesKnown && family.outsideData.empty()) {
      range = tr("inside");
      rangeTip = tr("The report's API, gas gravity, temperature, GOR and bubble point lie inside the family's data.");
    } else if (family.rangesKnown) {
      range = tr("outside: %1")
                  .arg(QString::fromStdString(WarningCodes(family.outsideData, GorSelectorMode::Gor, system_)));
      rangeTip = QString::fromStdString(WarningSentences(family.outsideData, GorSelectorMode::Gor, system_));
    }
    const QString name = FromView(OilCorrelationName(family.family));
    const bool isTuned = tuning != nullptr && EffectiveOilCorrelation(tuning->family) == family.family;
    addRow(QString::number(i + 1), name, family.errors, family.score, range, rangeTip, false);
    if (isTuned && tunedErrors) {
      addRow(QString(), tr("%1 (tuned)").arg(name), *tunedErrors, LabScore(*tunedErrors), range, rangeTip, true);
    }
  }
  ranking_->resizeColumnsToContents();

  // The family list, best first; the tuned family, or the one picked, stays chosen.
  {
    const QSignalBlocker blocker(family_);
    family_->clear();
    for (std::size_t i = 0; i < ranking.families.size(); ++i) {
      const FamilyRank& family = ranking.families[i];
      family_->addItem(
          tr("%1. %2 (score %3 %)").arg(i + 1).arg(FromView(OilCorrelationName(family.family)), Percent(family.score)),
          int(family.family));
    }
    std::optional<OilCorrelation> selected = chosenFamily_;
    if (tuning != nullptr) selected = EffectiveOilCorrelation(tuning->family);
    const int index = selected ? family_->findData(int(*selected)) : 0;
    family_->setCurrentIndex(std::max(index, 0));
  }
  family_->setEnabled(true);
  applyButton_->setEnabled(true);
  showTuningErrors();

  // The plots: each family's curve at the report's conditions, the tuned one bolder.
  double highest = compared.bubblePoint;
  for (const LabPoint& point : compared.points) highest = std::max(highest, point.pressure);
  const PressureRange range{units::kAtmosphericPressure,
                            std::max(highest * kPlotAboveHighest, 2 * units::kAtmosphericPressure), kPlotPoints};
  std::array<PressureTable, kOilCorrelationCount> tables;
  std::string tableError;
  for (std::size_t f = 0; f < tables.size(); ++f) {
    tables[f] = BuildPressureTable(WithOilFamily(labCase, static_cast<OilCorrelation>(f)), range, tableError);
  }
  std::optional<PressureTable> tunedTable;
  if (tuning != nullptr) {
    CalculationCase tunedCase = WithOilFamily(labCase, tuning->family);
    tunedCase.selection.oilTuning = *tuning;
    tunedTable = BuildPressureTable(tunedCase, range, tableError);
  }
  for (std::size_t i = 0; i < kLabPlots.size(); ++i) {
    const LabPlot& plot = kLabPlots[i];
    const LabQuantity& q = LabQuantityOf(plot.column);
    const auto curve = [&](const PressureTable& table) {
      QList<QPointF> points;
      for (const PressureRow& row : table.rows) {
        if (row.outcome.failed()) continue;
        const Quantity value = ResultValue(row.outcome.results, plot.field, GorSelectorMode::Gor);
        if (!value || !std::isfinite(*value)) continue;
        points.append(QPointF(FromField(row.pressure, Dimension::Pressure, system_), LabValueIn(*value, q, system_)));
      }
      return points;
    };
    LabPlotData data;
    data.quantity = FromView(q.caption);
    data.unit = LabUnitText(q, system_);
    for (const LabPoint& point : compared.points) {
      if (const std::optional<double> value = LabPointValue(point, plot.column)) {
        data.measured.append(
            QPointF(FromField(point.pressure, Dimension::Pressure, system_), LabValueIn(*value, q, system_)));
      }
    }
    for (std::size_t f = 0; f < tables.size(); ++f) data.families[f] = curve(tables[f]);
    if (tunedTable) {
      data.tuned = curve(*tunedTable);
      data.tunedFamily = tuning->family;
    }
    data.lowestPressure = FromField(range.minimum.value_or(0), Dimension::Pressure, system_);
    data.highestPressure = FromField(range.maximum.value_or(1), Dimension::Pressure, system_);
    QChart& chart = *chartViews_[i]->chart();
    chart.setTitle(ranking.separatorAdjusted ? tr("%1: lab data at separator conditions").arg(tr(plot.title))
                                             : tr(plot.title));
    PlotAgainstLab(chart, data, system_);
  }
}

void LabDataPage::showTuningErrors() {
  if (!rankingShown_ || family_->currentIndex() < 0) return;
  const OilTuning* tuning = model_.tuned() ? &model_.tuning() : nullptr;
  const auto family = static_cast<OilCorrelation>(family_->currentData().toInt());
  const bool tunedShown = tuning != nullptr && EffectiveOilCorrelation(tuning->family) == family;
  const LabErrors untuned = ErrorsAgainstLab(rankingShown_->labCase, rankingShown_->compared, family);
  std::optional<LabErrors> tuned;
  if (tunedShown) tuned = ErrorsAgainstLab(rankingShown_->labCase, rankingShown_->compared, family, tuning);
  for (std::size_t p = 0; p < kLabPropertyCount; ++p) {
    const int row = int(p);
    tuningErrors_->setItem(row, 0, Item(QString::number(untuned[p].points)));
    tuningErrors_->setItem(row, 1, Item(untuned[p].points ? Percent(untuned[p].aare) : QStringLiteral("–")));
    tuningErrors_->setItem(row, 2, Item(tuned && (*tuned)[p].points ? Percent((*tuned)[p].aare) : QStringLiteral("–")));
  }
}

void LabDataPage::openLabFile() {
  const QString path = dialogs_.openFileName(this, tr("Open Lab File"), LastFolder());
  if (path.isEmpty()) return;
  QByteArray bytes;
  QString error;
  LabData data;
  UnitSystem units = UnitSystem::Field;
  if (ReadSmallFile(path, qint64(kMaxLabFileBytes), tr("lab file"), bytes, error)) {
    std::string why;
    if (!ReadLabFile(std::string_view(bytes.constData(), std::size_t(bytes.size())), data, units, why)) {
      error = QString::fromStdString(why);
    }
  }
  if (!error.isEmpty()) {
    dialogs_.showError(this, tr("Open Lab File"),
                       tr("The lab file \"%1\" could not be read: %2.\n\nNothing was changed.")
                           .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  model_.setLabData(std::move(data));
  showReport(model_.labData());
  emit labChanged();
  showAnalysis();
}

void LabDataPage::saveLabFile() {
  if (!model_.labData()) return;
  if (editPending_) {
    dialogs_.showError(this, tr("Save Lab File"),
                       tr("What is typed on the page is not taken (%1). Correct it first; nothing was saved.")
                           .arg(editError_->text()));
    return;
  }
  const QString path = dialogs_.saveFileName(this, tr("Save Lab File"), QString(), tr("Lab files (*.csv)"));
  if (path.isEmpty()) return;
  const std::string text = WriteLabFile(*model_.labData(), system_);
  QString error;
  if (!SaveFile(path, QByteArray(text.data(), qsizetype(text.size())), error)) {
    dialogs_.showError(this, tr("Save Lab File"),
                       tr("The lab file could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
  }
}

void LabDataPage::removeLabData() {
  model_.setLabData(std::nullopt);
  showReport(std::nullopt);
  emit labChanged();
  showAnalysis();
}

void LabDataPage::applyTuning() {
  if (family_->currentIndex() < 0) return;
  if (editPending_) {
    dialogs_.showError(this, tr("Apply Tuning"),
                       tr("What is typed on the page is not taken (%1). Correct it first; nothing was tuned.")
                           .arg(editError_->text()));
    return;
  }
  const auto family = static_cast<OilCorrelation>(family_->currentData().toInt());
  OilTuningFit fit;
  std::string error;
  if (!model_.applyTuning(family, fit, error)) {
    dialogs_.showError(this, tr("Apply Tuning"),
                       tr("%1 could not be tuned to the lab data: %2.\n\nNothing was changed.")
                           .arg(FromView(OilCorrelationName(family)), QString::fromStdString(error)));
    return;
  }
  chosenFamily_ = family;
  emit labChanged();
  showAnalysis();
}

void LabDataPage::removeTuning() {
  if (!model_.tuned()) return;
  model_.removeTuning();
  emit labChanged();
  showAnalysis();
}

}  // namespace tarnvik
