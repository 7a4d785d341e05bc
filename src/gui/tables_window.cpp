#include "gui/tables_window.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "export/eclipse_deck.h"
#include "gui/chart_export.h"
#include "gui/display_text.h"
#include "gui/lab_data_page.h"
#include "gui/pressure_range_text.h"
#include "gui/recent_files.h"
#include "gui/result_table_model.h"
#include "gui/save_file.h"
#include "gui/table_text.h"
#include "gui/user_dialogs.h"
#include "io/number_text.h"
#include "model/case_model.h"
#include "present/family_overlay.h"
#include "present/input_texts.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"
#include "present/table_messages.h"
#include "present/warning_texts.h"

namespace tarnvik {
namespace {

enum Tab { PressureTab, FamilyTab, PlotTab, LabTab };

std::vector<OutputField> AllFields() {
  std::vector<OutputField> fields;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) fields.push_back(static_cast<OutputField>(i));
  return fields;
}

std::string_view PressureUnit(UnitSystem system) {
  return FieldInfo(OutputField::PbOrRsb, GorSelectorMode::Gor, system).unit;
}

QString Pressure(double psia, UnitSystem system) { return QString::fromStdString(PressureText(psia, system)); }

QString CaseSummary(const CalculationCase& c, UnitSystem system) {
  const bool wet = c.selection.gasCharacterisation != GasCharacterisation::DryGas;
  QString family = FromView(OilCorrelationName(c.selection.oilCorrelation));
  if (TuningInForce(c.selection) != nullptr) family += TablesWindow::tr(" tuned to lab data");
  QString text =
      TablesWindow::tr("Oil family %1, %2 gas; reservoir %3 at %4")
          .arg(family, wet ? TablesWindow::tr("wet") : TablesWindow::tr("dry"), Pressure(c.inputs.pressure, system),
               QString::fromStdString(TemperatureText(c.inputs.temperatureF, system)));
  if (const auto pb = CaseBubblePoint(c)) text += TablesWindow::tr("; bubble point %1").arg(Pressure(*pb, system));
  return text;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* MakeRangeBox(const char* name, const QString& toolTip, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setToolTip(toolTip);
  box->setAlignment(Qt::AlignRight);
  box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
  return box;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TablesWindow::TablesWindow(UserDialogs& dialogs, CaseModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), model_(model) {
  setObjectName(QStringLiteral("tablesWindow"));
  setWindowTitle(tr("Tables and Plots"));
  pressureModel_ = new ResultTableModel(this);
  familyModel_ = new ResultTableModel(this);

  auto* layout = new QVBoxLayout(this);
  prompt_ = MakeLabel("tablesPrompt",
                      tr("There is no calculation yet. Calculate a case in the main window; its tables "
                         "and plots then show here. The Lab data page works without one."),
                      this);
  prompt_->setAlignment(Qt::AlignCenter);
  prompt_->setWordWrap(true);
  layout->addWidget(prompt_);

  caseSummary_ = MakeLabel("caseSummary", QString(), this);
  QFont summaryFont = caseSummary_->font();
  summaryFont.setBold(true);
  caseSummary_->setFont(summaryFont);
  layout->addWidget(caseSummary_);

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tablesTabs"));
  tabs_->addTab(createPressurePage(), tr("Pressure table"));
  tabs_->addTab(createFamilyPage(), tr("Oil families"));
  tabs_->addTab(createPlotPage(), tr("Plots"));
  // The Lab data page is taller than a small laptop screen holds: it scrolls there.
  labPage_ = new LabDataPage(dialogs_, model, this);
  auto* labScroll = new QScrollArea(this);
  labScroll->setObjectName(QStringLiteral("labScroll"));
  labScroll->setWidgetResizable(true);
  labScroll->setFrameShape(QFrame::NoFrame);
  labScroll->setWidget(labPage_);
  tabs_->addTab(labScroll, tr("Lab data"));
  connect(labPage_, &LabDataPage::labChanged, this, &TablesWindow::labChanged);
  layout->addWidget(tabs_, 1);
  connect(tabs_, &QTabWidget::currentChanged, this, &TablesWindow::updateButtons);

  auto* buttons = new QHBoxLayout;
  copyButton_ = MakeButton("copyTable", tr("Copy"), this);
  copyButton_->setToolTip(tr("Copies the selected cells, or the whole table, with the column headers."));
  saveCsvButton_ = MakeButton("saveTableCsv", tr("Save Table as CSV..."), this);
  savePlotButton_ = MakeButton("savePlot", tr("Save Plot..."), this);
  savePlotButton_->setToolTip(tr("Saves the plot shown as a PNG or SVG picture, by the file name's end."));
  exportButton_ = MakeButton("exportSimulator", tr("&Export for Simulator..."), this);
  exportButton_->setToolTip(
      tr("Writes the case's black-oil tables (PVTO or PVDO, PVDG, PVTW, ROCK, DENSITY) and, if you like, an example "
         "deck that includes them, in the units shown, as tarnvik-calc --export-eclipse and --deck do."));
  QPushButton* close = MakeButton("closeTables", tr("Close"), this);
  connect(copyButton_, &QPushButton::clicked, this, &TablesWindow::copyTable);
  connect(saveCsvButton_, &QPushButton::clicked, this, &TablesWindow::saveTableCsv);
  connect(savePlotButton_, &QPushButton::clicked, this, &TablesWindow::savePlot);
  connect(exportButton_, &QPushButton::clicked, this, &TablesWindow::exportForSimulator);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addWidget(copyButton_);
  buttons->addWidget(saveCsvButton_);
  buttons->addWidget(savePlotButton_);
  buttons->addWidget(exportButton_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  resize(1180, 720);
  showCase(std::nullopt);
}

QTableView* TablesWindow::makeTableView(const char* name, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAlternatingRowColors(true);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setWordWrap(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  QHeaderView* header = view->horizontalHeader();
  header->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
  header->setMinimumHeight(view->fontMetrics().height() * 3 + 10);
  header->setDefaultSectionSize(view->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 13);
  header->setStretchLastSection(true);
  view->installEventFilter(this);
  return view;
}

// Ctrl+C in a table copies as the Copy button does, not only the current cell.
bool TablesWindow::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == pressureView_ || watched == familyView_) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    copyTable();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

QWidget* TablesWindow::createPressurePage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("pressurePage"));
  auto* layout = new QVBoxLayout(page);

  auto* range = new QHBoxLayout;
  lowest_ = MakeRangeBox("rangeLowest", tr("Lowest pressure of the table; empty for atmospheric pressure."), page);
  highest_ = MakeRangeBox("rangeHighest",
                          tr("Highest pressure of the table; empty for the larger of the reservoir pressure and "
                             "1.25 times the bubble point."),
                          page);
  points_ = MakeRangeBox("rangePoints",
                         tr("Number of evenly spaced pressures, %1 to %2; empty for %3. The bubble point "
                            "and the reservoir pressure are added as rows of their own.")
                             .arg(kMinTablePoints)
                             .arg(kMaxTablePoints)
                             .arg(kDefaultTablePoints),
                         page);
  points_->setPlaceholderText(QString::number(kDefaultTablePoints));
  QPushButton* apply = MakeButton("applyRange", tr("Apply"), page);
  range->addWidget(new QLabel(tr("Lowest pressure"), page));
  range->addWidget(lowest_);
  lowestUnit_ = MakeLabel("rangeLowestUnit", QString(), page);
  range->addWidget(lowestUnit_);
  range->addSpacing(16);
  range->addWidget(new QLabel(tr("Highest pressure"), page));
  range->addWidget(highest_);
  highestUnit_ = MakeLabel("rangeHighestUnit", QString(), page);
  range->addWidget(highestUnit_);
  range->addSpacing(16);
  range->addWidget(new QLabel(tr("Points"), page));
  range->addWidget(points_);
  range->addWidget(apply);
  range->addStretch(1);
  layout->addLayout(range);
  for (QLineEdit* box : {lowest_, highest_, points_}) {
    connect(box, &QLineEdit::returnPressed, this, &TablesWindow::applyRange);
  }
  connect(apply, &QPushButton::clicked, this, &TablesWindow::applyRange);

  rangeError_ = MakeLabel("rangeError", QString(), page);
  rangeError_->setWordWrap(true);
  QPalette palette = rangeError_->palette();
  palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
  rangeError_->setPalette(palette);
  rangeError_->hide();
  layout->addWidget(rangeError_);
  failedRows_ = MakeLabel("failedRows", QString(), page);
  failedRows_->setWordWrap(true);
  failedRows_->setPalette(palette);
  failedRows_->hide();
  layout->addWidget(failedRows_);

  pressureView_ = makeTableView("pressureTable", page);
  pressureView_->setModel(pressureModel_);
  layout->addWidget(pressureView_, 1);
  return page;
}

QWidget* TablesWindow::createFamilyPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("familyPage"));
  auto* layout = new QVBoxLayout(page);
  familyCaption_ = MakeLabel("familyCaption", QString(), page);
  familyCaption_->setWordWrap(true);
  layout->addWidget(familyCaption_);
  familyView_ = makeTableView("familyTable", page);
  familyView_->setModel(familyModel_);
  familyView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  layout->addWidget(familyView_, 1);
  return page;
}

QWidget* TablesWindow::createPlotPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("plotPage"));
  auto* outer = new QVBoxLayout(page);
  plotMessage_ = MakeLabel("plotMessage", QString(), page);
  plotMessage_->setWordWrap(true);
  QPalette palette = plotMessage_->palette();
  palette.setColor(QPalette::WindowText, QColor(0xb0, 0x20, 0x20));
  plotMessage_->setPalette(palette);
  plotMessage_->hide();
  outer->addWidget(plotMessage_);
  auto* layout = new QHBoxLayout;
  outer->addLayout(layout, 1);
  plotList_ = new QListWidget(page);
  plotList_->setObjectName(QStringLiteral("plotList"));
  plotStack_ = new QStackedWidget(page);
  plotStack_->setObjectName(QStringLiteral("plotStack"));
  for (std::size_t i = 0; i < kPlots.size(); ++i) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(kPlots[i].title));
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart, plotStack_);
    view->setObjectName(QString::fromLatin1(kPlots[i].objectName));
    view->setRenderHint(QPainter::Antialiasing);
    chartViews_[i] = view;
    plotStack_->addWidget(view);
    plotList_->addItem(QString::fromUtf8(kPlots[i].label));
  }
  plotList_->setSpacing(3);
  plotList_->setFixedWidth(plotList_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
  plotList_->setCurrentRow(0);
  connect(plotList_, &QListWidget::currentRowChanged, plotStack_, &QStackedWidget::setCurrentIndex);
  layout->addWidget(plotList_);
  layout->addWidget(plotStack_, 1);
  return page;
}

void TablesWindow::showCase(const std::optional<CalculationCase>& calculationCase, UnitSystem system) {
  case_ = calculationCase;
  if (system != system_) {
    // The range boxes hold pressures in the units shown: a switch converts them, to
    // millionths so that a switch back gives what was typed.
    for (QLineEdit* box : {lowest_, highest_}) {
      std::optional<double> value;
      if (ParseNumberField(box->text().toStdString(), value) && value) {
        const double psia = ToField(*value, Dimension::Pressure, system_);
        box->setText(QString::fromStdString(PressureNumberText(psia, system, 6)));
      }
    }
    system_ = system;
  }
  lowestUnit_->setText(FromView(PressureUnit(system_)));
  highestUnit_->setText(FromView(PressureUnit(system_)));
  // Atmospheric pressure to the digits that tell it from a round number of bar.
  lowest_->setPlaceholderText(QString::fromStdString(PressureNumberText(units::kAtmosphericPressure, system_, 4)));
  prompt_->setVisible(!case_);
  caseSummary_->setVisible(case_.has_value());
  rebuild();
  labPage_->refresh();
}

void TablesWindow::showLab() { labPage_->refresh(); }

void TablesWindow::showLabPage() { tabs_->setCurrentIndex(LabTab); }

void TablesWindow::applyRange() { rebuild(); }

void TablesWindow::rebuild() {
  if (!case_) {
    pressureModel_->clear();
    familyModel_->clear();
    for (QChartView* view : chartViews_) ClearPlot(*view->chart());
    showRangeError(QString());
    plotsEmpty_ = false;
    plotMessage_->hide();
    plotStack_->show();
  } else {
    const CalculationCase& c = *case_;
    caseSummary_->setText(CaseSummary(c, system_));
    showPressureTable(c);
    showFamilyTable(c);
  }
  updateButtons();
}

void TablesWindow::showPressureTable(const CalculationCase& c) {
  double defaultLowest = 0, defaultHighest = 0;
  std::string error;
  const bool defaults = ResolvePressureRange(c, PressureRange{}, defaultLowest, defaultHighest, error);
  highest_->setPlaceholderText(defaults ? QString::fromStdString(PressureNumberText(defaultHighest, system_, 1))
                                        : QString());

  PressureRange range;
  PressureTable table;
  QString rangeError;
  if (ReadPressureRange(lowest_->text(), highest_->text(), points_->text(), range, rangeError)) {
    // Typed in the units shown; the table is built in psia.
    for (std::optional<double>* bound : {&range.minimum, &range.maximum}) {
      if (*bound) **bound = ToField(**bound, Dimension::Pressure, system_);
    }
    table = BuildPressureTable(c, range, error);
    rangeError = QString::fromStdString(error);
  }
  showRangeError(rangeError);
  const QString failed = QString::fromStdString(FailedRowsText(table, system_));
  failedRows_->setText(failed.isEmpty() ? failed : failed + QLatin1Char('.'));
  failedRows_->setVisible(!failed.isEmpty());
  // Without a single computed row there is nothing to plot: the page says why instead of
  // showing empty axes.
  const bool noPoint =
      std::none_of(table.rows.begin(), table.rows.end(), [](const PressureRow& row) { return !row.outcome.failed(); });
  plotsEmpty_ = noPoint;
  plotMessage_->setText(noPoint ? tr("No plot: %1.").arg(rangeError.isEmpty() ? failed : rangeError) : QString());
  plotMessage_->setVisible(noPoint);
  plotStack_->setVisible(!noPoint);
  showPlots(c, table, range.points);
  const int decimals = PressureDecimals(table, system_);
  std::vector<ResultTableModel::Row> rows;
  rows.reserve(table.rows.size());
  for (PressureRow& row : table.rows) {
    const double pressure = KeyFromField(row.pressure, Dimension::Pressure, system_);
    rows.push_back({{QString::number(pressure, 'f', decimals)},
                    pressure,
                    std::move(row.outcome),
                    FromView(PressureRowNote(row.atBubblePoint, row.atReservoirPressure)),
                    row.atBubblePoint || row.atReservoirPressure});
  }
  pressureModel_->setTable({tr("Pressure [%1]").arg(FromView(PressureUnit(system_)))}, AllFields(), tr("Note"),
                           std::move(rows), c.gorMode, system_);
  pressureView_->setColumnWidth(0, pressureView_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
}

void TablesWindow::showRangeError(const QString& error) {
  rangeError_->setText(error.isEmpty() ? QString() : tr("No table: %1.").arg(error));
  rangeError_->setVisible(!error.isEmpty());
}

void TablesWindow::showPlots(const CalculationCase& c, const PressureTable& table, int points) {
  // The families follow the case's table, so their curves line up with its own.
  FamilyOverlay overlay;
  if (!table.rows.empty()) overlay = BuildFamilyOverlay(c, PressureRange{table.minimum, table.maximum, points});
  for (std::size_t i = 0; i < kPlots.size(); ++i) {
    QChart& chart = *chartViews_[i]->chart();
    if (kPlots[i].families) {
      PlotFamilies(chart, kPlots[i], overlay.families, c.gorMode, c.selection.oilCorrelation, system_);
    } else {
      PlotCase(chart, kPlots[i], table, c.gorMode, system_);
    }
  }
}

void TablesWindow::showFamilyTable(const CalculationCase& c) {
  std::vector<FamilyRow> families = CompareOilFamilies(c);
  const OilCorrelation caseFamily = EffectiveOilCorrelation(c.selection.oilCorrelation);
  QString caption =
      tr("The case with each oil family, at the reservoir pressure, %1.").arg(Pressure(c.inputs.pressure, system_));
  if (families.front().outcome.failed()) {
    caption += tr(" Not computed: %1").arg(FromView(ZFactorMessage(families.front().outcome.zFactorStatus)));
  }
  std::vector<ResultTableModel::Row> rows;
  for (FamilyRow& family : families) {
    // Whether the case's inputs lie inside the family's published data, and what does not.
    const FamilyFit fit = OilFamilyFit(c, family.family);
    QString dataFit = FromView(DataFitText(fit.fit));
    if (fit.fit == DataFit::Outside) {
      dataFit += QStringLiteral(": ") + QString::fromStdString(WarningSentences(fit.outside, c.gorMode, system_));
    }
    const QString name = FromView(OilCorrelationName(family.family));
    // The tuned family's row is tuned, as the case's run is; its published form follows.
    const QString label = family.tuned     ? tr("%1 (tuned)").arg(name)
                          : family.untuned ? tr("%1 (untuned)").arg(name)
                                           : name;
    rows.push_back(
        {{label}, std::nullopt, std::move(family.outcome), dataFit, family.family == caseFamily && !family.untuned});
  }
  familyModel_->setTable({tr("Oil family")}, {kComparisonFields.begin(), kComparisonFields.end()},
                         tr("Inputs and the family's data"), std::move(rows), c.gorMode, system_);
  familyCaption_->setText(caption);
}

void TablesWindow::updateButtons() {
  copyButton_->setEnabled(currentTableView() != nullptr);
  saveCsvButton_->setEnabled(currentTableView() != nullptr);
  savePlotButton_->setEnabled(currentChartView() != nullptr);
  exportButton_->setEnabled(case_.has_value());
}

// The table and the plot of the page shown: those of the case once there is one; the
// Lab data page's ranking and plot always.
QTableView* TablesWindow::currentTableView() const {
  switch (tabs_->currentIndex()) {
    case PressureTab:
      return case_ ? pressureView_ : nullptr;
    case FamilyTab:
      return case_ ? familyView_ : nullptr;
    case LabTab:
      return labPage_->rankingView();
    default:
      return nullptr;
  }
}

QChartView* TablesWindow::currentChartView() const {
  switch (tabs_->currentIndex()) {
    case PlotTab:
      return case_ && !plotsEmpty_ ? chartViews_[std::size_t(plotStack_->currentIndex())] : nullptr;
    case LabTab:
      return labPage_->currentChartView();
    default:
      return nullptr;
  }
}

void TablesWindow::copyTable() {
  QTableView* view = currentTableView();
  if (view == nullptr) return;
  QApplication::clipboard()->setText(TabSeparatedText(*view->model(), view->selectionModel()->selectedIndexes()));
}

void TablesWindow::saveTableCsv() {
  QTableView* view = currentTableView();
  if (view == nullptr) return;
  const QString path = dialogs_.saveFileName(this, tr("Save Table as CSV"), QString(), tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  QString error;
  if (!SaveFile(path, CsvText(*view->model()).toUtf8(), error)) {
    dialogs_.showError(this, tr("Save Table"),
                       tr("The table could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
  }
}

void TablesWindow::savePlot() {
  QChartView* view = currentChartView();
  if (view == nullptr) return;
  const QString path = dialogs_.saveFileName(this, tr("Save Plot"), QString(), tr("Pictures (*.png *.svg)"));
  if (path.isEmpty()) return;
  QString error;
  if (!SaveChartPicture(*view, path, error)) {
    dialogs_.showError(this, tr("Save Plot"),
                       tr("The plot could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
  }
}

// The tables and, where asked, the deck as tarnvik-calc --export-eclipse and --deck write
// them, in the units shown, after the user has seen what they hold and which values were
// adjusted.
void TablesWindow::exportForSimulator() {
  if (!case_) return;
  const QString title = tr("Export for Simulator");
  ExportPreview preview;
  std::string error;
  if (!PreviewEclipseExport(*case_, system_, preview, error, model_.labData())) {
    dialogs_.showError(this, title,
                       tr("The case cannot be exported for a simulator: %1.").arg(QString::fromStdString(error)));
    return;
  }
  const UserDialogs::Export choice = dialogs_.confirmExport(this, preview);
  if (choice == UserDialogs::Export::Cancel) return;
  const QString name = model_.filePath().empty()
                           ? QStringLiteral("case")
                           : QFileInfo(QString::fromStdString(model_.filePath())).completeBaseName();
  QString path = dialogs_.saveFileName(this, title, QDir(LastFolder()).filePath(name + QStringLiteral("-pvt.inc")),
                                       tr("Simulator include files (*.inc *.INC);;All files (*)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".inc");
  EclipseExport request;
  request.tablesPath = path.toStdString();
  request.lab = model_.labData();
  if (choice == UserDialogs::Export::TablesAndDeck) {
    const QFileInfo tables(path);
    // Beside the tables, by the same name, unless that is the tables' own name.
    const bool dataNamed = tables.suffix().compare(QStringLiteral("DATA"), Qt::CaseInsensitive) == 0;
    const QString deck = tables.dir().filePath(tables.completeBaseName() +
                                               (dataNamed ? QStringLiteral("-deck.DATA") : QStringLiteral(".DATA")));
    request.deckPath = deck.toStdString();
  }
  request.title = model_.title();
  request.units = system_;
  BlackOilTables tables;
  const ExportOutcome outcome = ExportEclipse(*case_, request, tables);
  if (!outcome.ok()) {
    dialogs_.showError(this, title,
                       outcome.tablesWritten
                           ? tr("The tables were written to \"%1\", but not the deck: %2.")
                                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(outcome.error))
                           : tr("Nothing was written: %1.").arg(QString::fromStdString(outcome.error)));
  }
}

}  // namespace tarnvik
