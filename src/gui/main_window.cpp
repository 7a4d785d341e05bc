#include "gui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QToolBar>
#include <QVBoxLayout>
#include <string>

#include "gui/case_file_actions.h"
#include "gui/case_report.h"
#include "gui/elided_label.h"
#include "gui/input_panel.h"
#include "gui/recent_files.h"
#include "gui/results_panel.h"
#include "gui/selection_dialog.h"
#include "gui/tables_window.h"
#include "gui/user_dialogs.h"
#include "gui/widget_factory.h"
#include "gui/window_print.h"
#include "model/case_sheet.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"

namespace tarnvik {

MainWindow::MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("mox"));
  setAcceptDrops(true);

  caseFiles_ = new CaseFileActions(model_, *dialogs_, this);
  createActions();
  createMenus();
  createToolBar();

  // Everything below the toolbar scrolls when the screen is too small for it.
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("contentScroll"));
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidget(createContent());

  // The status line under the contents: it wraps onto as many lines as its text needs
  // at the window's width (a status bar would reserve them for a narrow one).
  auto* central = new QWidget(this);
  auto* stack = new QVBoxLayout(central);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  stack->addWidget(scroll_, 1);
  stack->addWidget(createStatusLine(central));
  setCentralWidget(central);

  connectPanels();
  if (QSettings().value(QStringLiteral("units/system")).toString() == QLatin1String("metric")) {
    setUnits(UnitSystem::Metric);
  }
  updateTitle();
}

MainWindow::~MainWindow() {
  delete selectionDialog_;
  delete tablesWindow_;
}

SelectionDialog* MainWindow::selectionDialog() const { return selectionDialog_; }

TablesWindow* MainWindow::tablesWindow() const { return tablesWindow_; }

void MainWindow::createActions() {
  printAction_ = MakeAction(this, "a2", tr("&Print"), QKeySequence::Print, &MainWindow::printWindow);
  reportAction_ = MakeAction(this, "reportAction", tr("Export &Report (PDF)..."), QKeySequence(Qt::CTRL | Qt::Key_R),
                             &MainWindow::exportReport);
  exitAction_ = MakeAction(this, "a3", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitProgram);
  copyAction_ = MakeAction(this, "copyResults", tr("&Copy Results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                           &MainWindow::copyResults);
  copyAction_->setToolTip(tr("Copies the inputs, the correlations and the 21 results as a table for a spreadsheet"));
  tablesAction_ = MakeAction(this, "tablesAction", tr("Tables and &Plots..."), QKeySequence(Qt::CTRL | Qt::Key_T),
                             &MainWindow::showTables);
  labAction_ = MakeAction(this, "labAction", tr("&Lab Data and Tuning..."), QKeySequence(Qt::CTRL | Qt::Key_L),
                          &MainWindow::showLabData);
  labAction_->setToolTip(tr("Lab data of the oil: the oil families ranked against them, and a family tuned to them"));
  aboutAction_ = MakeAction(this, "aboutAction", tr("&About Tarnvik"), QKeySequence(), &MainWindow::showAbout);
  // Keys of the two buttons, wherever the focus is in the window.
  addAction(MakeAction(this, "selectAction", tr("Select Correlations"), QKeySequence(Qt::Key_F4),
                       &MainWindow::selectCorrelations));
  QAction* calculate =
      MakeAction(this, "calculateAction", tr("Calculate"), QKeySequence(Qt::Key_F9), &MainWindow::calculateIfReady);
  calculate->setShortcuts(
      {QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  addAction(calculate);
}

void MainWindow::createMenus() {
  QMenu* files = menuBar()->addMenu(tr("&Files"));
  files->setObjectName(QStringLiteral("a1"));
  caseFiles_->addTo(files);
  files->addAction(printAction_);
  files->addAction(reportAction_);
  files->addSeparator();
  files->addAction(exitAction_);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("editMenu"));
  edit->addAction(copyAction_);

  createUnitsMenu();

  QMenu* tables = menuBar()->addMenu(tr("&Tables"));
  tables->setObjectName(QStringLiteral("tablesMenu"));
  tables->addAction(tablesAction_);
  tables->addAction(labAction_);

  QMenu* version = menuBar()->addMenu(tr("&Version"));
  version->setObjectName(QStringLiteral("a11"));
  version->addAction(QStringLiteral("02030"))->setObjectName(QStringLiteral("a13"));
  version->addAction(aboutAction_);
}

void MainWindow::createUnitsMenu() {
  QMenu* units = menuBar()->addMenu(tr("&Units"));
  units->setObjectName(QStringLiteral("unitsMenu"));
  auto* unitGroup = new QActionGroup(this);
  fieldUnitsAction_ = units->addAction(tr("&Field (psia, °F, MCF/STB, RB/STB, lb/ft³)"));
  fieldUnitsAction_->setObjectName(QStringLiteral("unitsField"));
  metricUnitsAction_ = units->addAction(tr("&Metric (bara, °C, sm³/sm³, rm³/sm³, kg/m³)"));
  metricUnitsAction_->setObjectName(QStringLiteral("unitsMetric"));
  for (QAction* action : {fieldUnitsAction_, metricUnitsAction_}) {
    action->setCheckable(true);
    unitGroup->addAction(action);
  }
  fieldUnitsAction_->setChecked(true);
  connect(fieldUnitsAction_, &QAction::triggered, this, [this] { setUnits(UnitSystem::Field); });
  connect(metricUnitsAction_, &QAction::triggered, this, [this] { setUnits(UnitSystem::Metric); });
}

// Each button is a menu command's: it triggers that command's action, keys and all.
void MainWindow::createToolBar() {
  QToolBar* toolBar = addToolBar(tr("Toolbar"));
  toolBar->setObjectName(QStringLiteral("Toolbar1"));
  toolBar->setMovable(false);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar->setIconSize(QSize(20, 20));
  const auto addButton = [this, toolBar](QAction* command, const char* name, const QString& text, const char* icon) {
    QAction* button = toolBar->addAction(QIcon(QString::fromLatin1(icon)), text);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QAction::triggered, command, &QAction::trigger);
  };
  addButton(caseFiles_->openAction(), "Open", tr("Open File"), ":/icons/open.svg");
  addButton(caseFiles_->saveAction(), "Save", tr("Save File"), ":/icons/save.svg");
  addButton(printAction_, "Print", tr("Print"), ":/icons/print.svg");
  addButton(exitAction_, "Exit", tr("Exit"), ":/icons/exit.svg");
  toolBar->addSeparator();
  addButton(tablesAction_, "Tables", tr("Tables and Plots"), ":/icons/tables.svg");
}

QWidget* MainWindow::createContent() {
  content_ = new QWidget(scroll_);
  content_->setObjectName(QStringLiteral("content"));
  auto* columns = new QHBoxLayout(content_);
  columns->setContentsMargins(6, 4, 6, 4);

  auto* left = new QVBoxLayout;
  heading_ = MakeLabel(QStringLiteral("Label8"), tr("Tarnvik"), content_);
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 2);
  heading_->setFont(headingFont);
  heading_->setAlignment(Qt::AlignCenter);
  heading_->hide();
  left->addWidget(heading_);
  inputs_ = new InputPanel(model_, content_);
  left->addWidget(inputs_);
  left->addWidget(createCaptionsBox(content_));
  left->addStretch(1);
  columns->addLayout(left, 0);

  auto* right = new QVBoxLayout;
  QLabel* separator =
      MakeMutedLabel(QStringLiteral("Label28"), tr("<<<<<<<<<<<<<<  END of INPUT  >>>>>>>>>>>>>>"), content_);
  separator->setAlignment(Qt::AlignCenter);
  right->addWidget(separator);
  results_ = new ResultsPanel(model_, content_);
  right->addWidget(results_);
  right->addLayout(createButtons(content_));
  right->addStretch(1);
  columns->addLayout(right, 1);
  return content_;
}

QWidget* MainWindow::createCaptionsBox(QWidget* parent) {
  auto* chosen = new QGroupBox(parent);
  chosen->setObjectName(QStringLiteral("captionsBox"));
  auto* layout = new QVBoxLayout(chosen);
  layout->setSpacing(0);
  layout->addWidget(MakeLabel(QStringLiteral("Label33"), tr("Correlation    Selected"), chosen));
  // A long caption (a tuned family's) is elided rather than widening the column.
  const auto makeCaption = [chosen](const char* name, const QString& toolTip) {
    auto* caption = new ElidedLabel(40, chosen);
    caption->setObjectName(QString::fromLatin1(name));
    caption->setBaseToolTip(toolTip);
    return caption;
  };
  oilCaption_ = makeCaption("ocx", tr("Oil correlation family"));
  gasCaption_ = makeCaption("gcx", tr("Gas characterisation"));
  rockCaption_ = makeCaption("fcx", tr("Formation-compressibility correlation"));
  for (QLabel* caption : {oilCaption_, gasCaption_, rockCaption_}) {
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    layout->addWidget(caption);
  }
  return chosen;
}

QLayout* MainWindow::createButtons(QWidget* parent) {
  auto* buttons = new QHBoxLayout;
  hint_ = MakeMutedLabel(
      QStringLiteral("hint"),
      tr("Choose the correlations (F4); Enter calculates once the temperature and the pressure are typed."), parent);
  hint_->setWordWrap(true);
  buttons->addWidget(hint_, 1);
  auto* select = new QPushButton(tr("&Select Correlations"), parent);
  select->setObjectName(QStringLiteral("Command3"));
  select->setToolTip(tr("Chooses the oil family, the gas and the rock correlation (F4)"));
  connect(select, &QPushButton::clicked, this, &MainWindow::selectCorrelations);
  calculateButton_ = new QPushButton(tr("&Calculate PVT Properties"), parent);
  calculateButton_->setObjectName(QStringLiteral("Command1"));
  calculateButton_->setToolTip(tr("Calculates the case as typed (F9, Ctrl+Enter; Enter in a box)"));
  calculateButton_->setDefault(true);
  calculateButton_->hide();
  connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculate);
  buttons->addWidget(select);
  buttons->addWidget(calculateButton_);
  return buttons;
}

QScrollArea* MainWindow::createStatusLine(QWidget* parent) {
  statusScroll_ = new QScrollArea(parent);
  statusScroll_->setObjectName(QStringLiteral("statusScroll"));
  statusScroll_->setWidgetResizable(true);
  statusScroll_->setFrameShape(QFrame::StyledPanel);
  statusScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  status_ = MakeLabel(QStringLiteral("statusLine"), QString(), statusScroll_);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setContentsMargins(6, 3, 6, 3);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  statusScroll_->setWidget(status_);
  statusScroll_->hide();
  return statusScroll_;
}

void MainWindow::connectPanels() {
  connect(this, &MainWindow::calculated, this, &MainWindow::refreshTables);
  connect(inputs_, &InputPanel::edited, this, &MainWindow::inputsChanged);
  connect(inputs_, &InputPanel::returnPressed, this, &MainWindow::calculateIfReady);
  connect(inputs_, &InputPanel::impuritiesReturnPressed, this, [this] {
    if (!calculateButton_->isHidden()) calculate();
  });
  connect(inputs_, &InputPanel::oilShown, results_, &ResultsPanel::setOilShown);
  connect(caseFiles_, &CaseFileActions::opened, this, &MainWindow::showOpened);
  connect(caseFiles_, &CaseFileActions::saved, this, &MainWindow::updateTitle);
  connect(caseFiles_, &CaseFileActions::labEditsToShow, this, &MainWindow::showLabData);
}

void MainWindow::selectCorrelations() {
  if (selectionDialog_ == nullptr) {
    // A window of its own, not a child: its controls share names with the main window's.
    selectionDialog_ = new SelectionDialog(model_.selection());
    connect(selectionDialog_, &SelectionDialog::oilChosen, this, [this](OilCorrelation family) {
      model_.chooseOil(family);
      showCaptions();
      inputsChanged();
    });
    connect(selectionDialog_, &SelectionDialog::gasChosen, this, [this](GasCharacterisation characterisation) {
      model_.chooseGas(characterisation);
      showCaptions();
      inputsChanged();
    });
    connect(selectionDialog_, &SelectionDialog::rockChosen, this, [this](RockCorrelation rock) {
      model_.chooseRock(rock);
      showCaptions();
      inputsChanged();
    });
    connect(selectionDialog_, &SelectionDialog::formationChosen, this, [this](FormationType formation) {
      model_.chooseFormation(formation);
      inputsChanged();
    });
    connect(selectionDialog_, &SelectionDialog::confirmed, calculateButton_,
            [this] { calculateButton_->setFocus(Qt::OtherFocusReason); });
    connect(selectionDialog_, &SelectionDialog::discarded, this, &MainWindow::discardSelectionDialog);
    inputsChanged();  // the families' fit to the inputs
    selectionDialog_->adjustSize();
    placeSelectionDialog();
  }
  selectionDialog_->show();
  selectionDialog_->raise();
  selectionDialog_->activateWindow();
  calculateButton_->show();
  hint_->hide();
}

// Beside the window where the screen has room, else over the results (never over the
// captions the dialog updates), inside the screen.
void MainWindow::placeSelectionDialog() {
  const QRect frame = frameGeometry();
  const QSize size = selectionDialog_->frameGeometry().size();
  const QScreen* screen = this->screen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : frame.adjusted(-2000, -2000, 2000, 2000);
  const QPoint results = results_->mapToGlobal(QPoint(0, 0));
  const QPoint candidates[] = {QPoint(frame.right() + 8, frame.top()),
                               QPoint(frame.left() - 8 - size.width(), frame.top()),
                               QPoint(frame.right() - size.width(), std::max(frame.top(), results.y()))};
  QPoint chosen = candidates[2];
  for (const QPoint& candidate : candidates) {
    if (available.contains(QRect(candidate, size))) {
      chosen = candidate;
      break;
    }
  }
  chosen.setX(std::clamp(chosen.x(), available.left(), std::max(available.left(), available.right() - size.width())));
  chosen.setY(std::clamp(chosen.y(), available.top(), std::max(available.top(), available.bottom() - size.height())));
  selectionDialog_->move(chosen);
}

// The dialog closed by its own close button is discarded with its lists; the selection
// stays in force, and the next use starts a fresh dialog that shows it.
void MainWindow::discardSelectionDialog() {
  if (selectionDialog_ != nullptr) selectionDialog_->deleteLater();
  selectionDialog_ = nullptr;
}

void MainWindow::showTables() {
  if (tablesWindow_ == nullptr) {
    tablesWindow_ = new TablesWindow(*dialogs_, model_, this);
    connect(tablesWindow_, &TablesWindow::labChanged, this, &MainWindow::labChanged);
    caseFiles_->setLabPage(tablesWindow_->labPage());
    // Below and right of the window, all of it on the screen: smaller than its own size
    // where the screen is (its tables and plots then scroll or shrink).
    const QRect frame = frameGeometry();
    QPoint at(frame.left() + 40, frame.top() + 40);
    if (const QScreen* screen = this->screen()) {
      const QRect available = screen->availableGeometry();
      const QSize decoration(16, 48);  // the frame and title bar, about
      const QSize size = tablesWindow_->size().boundedTo(available.size() - decoration);
      tablesWindow_->resize(size);
      at.setX(std::clamp(at.x(), available.left(), available.right() - size.width() - decoration.width()));
      at.setY(std::clamp(at.y(), available.top(), available.bottom() - size.height() - decoration.height()));
    }
    tablesWindow_->move(at);
  }
  tablesWindow_->showCase(model_.lastCase(), model_.units());
  tablesWindow_->show();
  tablesWindow_->raise();
  tablesWindow_->activateWindow();
}

void MainWindow::refreshTables() {
  if (tablesWindow_ != nullptr && tablesWindow_->isVisible())
    tablesWindow_->showCase(model_.lastCase(), model_.units());
}

void MainWindow::calculateIfReady() {
  if (calculateButton_->isHidden()) {
    if (!model_.readyToCalculate()) return;
    calculateButton_->show();
    hint_->hide();
  }
  calculate();
}

void MainWindow::calculate() {
  model_.calculate();
  showResults();
  emit calculated();
}

void MainWindow::setUnits(UnitSystem system) {
  model_.setUnits(system);
  QSettings().setValue(QStringLiteral("units/system"),
                       system == UnitSystem::Metric ? QStringLiteral("metric") : QStringLiteral("field"));
  (system == UnitSystem::Metric ? metricUnitsAction_ : fieldUnitsAction_)->setChecked(true);
  inputs_->showUnits();
  results_->showUnits();
  inputs_->showInputs();
  showResults();
  refreshTables();
}

void MainWindow::showOpened() {
  inputs_->showInputs();
  showCaptions();
  if (selectionDialog_ != nullptr) selectionDialog_->showSelection(model_.selection());
  inputsChanged();
}

void MainWindow::showCaptions() {
  // The caption a case file holds; while tuning is in force the line says so, and its
  // tooltip gives the factors.
  QString oil = QString::fromStdString(model_.captions().oil);
  QString oilTip = tr("Oil correlation family");
  if (TuningInForce(model_.selection()) != nullptr) {
    oil += tr(" (tuned to lab data)");
    oilTip += QStringLiteral("\n\n") + QString::fromStdString(TuningDescription(model_.tuning()));
  }
  oilCaption_->setBaseToolTip(oilTip);
  oilCaption_->setFullText(oil);
  gasCaption_->setFullText(QString::fromStdString(model_.captions().gas));
  rockCaption_->setFullText(QString::fromStdString(model_.captions().rock));
  growToContent();
}

void MainWindow::showResults() {
  results_->showResults();
  inputsChanged();
}

void MainWindow::inputsChanged() {
  inputs_->markBoxes(model_.currentWarnings());
  if (selectionDialog_ != nullptr) {
    const CalculationCase c = model_.currentCase();
    std::array<FamilyFit, kOilCorrelationCount> fits;
    for (std::size_t f = 0; f < fits.size(); ++f) fits[f] = OilFamilyFit(c, static_cast<OilCorrelation>(f));
    selectionDialog_->showFits(fits, c.gorMode, model_.units());
  }
  // Results of earlier inputs are greyed and slanted until the next calculation.
  results_->markStale(model_.resultsStale());
  showStatus();
  updateTitle();
  // The ranking against lab data is for the case as typed.
  if (tablesWindow_ != nullptr) tablesWindow_->showLab();
}

// Lab data or tuning changed on the Lab data page: applying or removing tuning changes the
// oil correlation in force, as a pick in the selection dialog does.
void MainWindow::labChanged() {
  showCaptions();
  if (selectionDialog_ != nullptr) selectionDialog_->showSelection(model_.selection());
  inputsChanged();
}

void MainWindow::showLabData() {
  showTables();
  tablesWindow_->showLabPage();
}

void MainWindow::showStatus() {
  QString text = QString::fromStdString(model_.status());
  // After a failed run the status says already that the results are from the one before.
  const bool failureShown = model_.lastCase() && *model_.lastCase() == model_.currentCase();
  if (model_.resultsStale() && !failureShown) {
    const QString stale = tr("The results are for the inputs before your changes: press Calculate.");
    text = text.isEmpty() ? stale : text + QStringLiteral(". ") + stale;
  }
  status_->setText(text);
  status_->setToolTip(text);
  statusScroll_->setVisible(!text.isEmpty());
  fitStatus();
  growToContent();
}

void MainWindow::fitStatus() {
  if (statusScroll_->isHidden()) return;
  const int frame = 2 * statusScroll_->frameWidth();
  const QMargins margins = status_->contentsMargins();
  const int lines = status_->fontMetrics().lineSpacing() * 3 + margins.top() + margins.bottom();
  const int width = std::max(1, centralWidget()->width() - frame);
  statusScroll_->setFixedHeight(std::min(status_->heightForWidth(width), lines) + frame);
}

void MainWindow::growToContent() {
  if (!isVisible() || isMaximized() || isFullScreen()) return;
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  centralWidget()->layout()->activate();
  // What the content needs at least, beyond what it has: the room that scroll bars make up.
  const QSize need = content_->minimumSizeHint() - scroll_->viewport()->size();
  if (need.width() <= 0 && need.height() <= 0) return;
  const QSize decoration(16, 48);  // the frame and title bar, about
  const QSize room = screen->availableGeometry().size() - decoration;
  const QSize grown = (size() + need.expandedTo(QSize(0, 0))).boundedTo(room).expandedTo(size());
  if (grown != size()) resize(grown);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  fitStatus();
}

void MainWindow::updateTitle() {
  const QString program = tr("Correlations for PVT Properties");
  const QString file = QFileInfo(QString::fromStdString(model_.filePath())).fileName();
  setWindowTitle(model_.filePath().empty() ? program + QStringLiteral("[*]") : tr("%1[*] - %2").arg(file, program));
  setWindowModified(model_.modified());
}

void MainWindow::openCase() { caseFiles_->openCase(); }

bool MainWindow::openPath(const QString& path) { return caseFiles_->openPath(path); }

void MainWindow::saveCase() { caseFiles_->saveCase(); }

void MainWindow::saveCaseAs() { caseFiles_->saveCaseAs(); }

void MainWindow::printWindow() {
  // The page shows the heading instead of the toolbar; the window itself stays as it is.
  QString error;
  const auto paint = [this](QPainter& painter, const QRect& page) {
    PaintWindow(painter, page, heading_->text(), heading_->font(), *content_);
  };
  if (!PrintPage(content_->width() > content_->height(), paint, *dialogs_, this, error) && !error.isEmpty()) {
    dialogs_->showError(this, tr("Print"), tr("The window could not be printed: %1.").arg(error));
  }
}

void MainWindow::exportReport() {
  const QString name = model_.filePath().empty()
                           ? tr("report")
                           : QFileInfo(QString::fromStdString(model_.filePath())).completeBaseName();
  QString path = dialogs_->saveFileName(this, tr("Export Report"), QDir(LastFolder()).filePath(name + ".pdf"),
                                        tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  QString error;
  if (!WriteCaseReportPdf(path, SheetOf(model_), model_.shownCase(), error)) {
    dialogs_->showError(this, tr("Export Report"), tr("The report could not be written: %1.").arg(error));
  }
}

void MainWindow::copyResults() {
  QApplication::clipboard()->setText(QString::fromStdString(TabSeparated(SheetOf(model_))));
}

void MainWindow::showAbout() {
  dialogs_->showAbout(
      this, tr("About Tarnvik"),
      tr("<p><b>Tarnvik %1</b><br>PVT properties of oil, gas, water and rock from published empirical "
         "correlations.</p>"
         "<p>Built with Qt %2 (Qt Widgets, Print Support and SVG under the GNU LGPL version 3; Qt Charts "
         "under the GNU GPL version 3). The command-line calculator uses CLI11 (BSD 3-clause licence) and "
         "JSON for Modern C++ (MIT licence).</p>")
          .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
}

// After settling unsaved changes, unloads the selection dialog, then (through `exiting`)
// the splash window, then this window, and ends the event loop.
void MainWindow::exitProgram() {
  if (exiting_ || !caseFiles_->settleUnsavedChanges()) return;
  exiting_ = true;
  delete selectionDialog_;
  if (tablesWindow_ != nullptr) tablesWindow_->close();
  emit exiting();
  close();
  QCoreApplication::exit(0);
}

QSize MainWindow::sizeHint() const {
  // A scroll area asks for no more than 36 by 24 lines of text whatever it holds; the
  // window asks for all of its content.
  const QSize beyond = (content_->sizeHint() - scroll_->sizeHint()).expandedTo(QSize(0, 0));
  return QMainWindow::sizeHint() + beyond;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!exiting_) exitProgram();
  if (exiting_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  openPath(urls.first().toLocalFile());
}

}  // namespace tarnvik
