#include "gui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <string>

#include "gui/case_file.h"
#include "gui/case_file_actions.h"
#include "gui/case_report.h"
#include "gui/display_text.h"
#include "gui/elided_label.h"
#include "gui/gas_impurities_row.h"
#include "gui/lab_data_page.h"
#include "gui/recent_files.h"
#include "gui/results_panel.h"
#include "gui/selection_dialog.h"
#include "gui/tables_window.h"
#include "gui/user_dialogs.h"
#include "gui/widget_factory.h"
#include "gui/window_print.h"
#include "io/number_text.h"
#include "model/case_sheet.h"
#include "present/input_texts.h"
#include "present/selection_texts.h"
#include "present/selector_texts.h"
#include "present/unit_texts.h"
#include "present/warning_texts.h"
#include "present/window_texts.h"

namespace tarnvik {
namespace {

enum Box { Api, GasGravity, Temperature, Pressure, GorOrPb, Porosity, Swc, SalinityOrSg, Wor };
constexpr int kGorOrPbBox = GorOrPb;

// Background of a box whose text is read only in part; the sign inside the box says it
// too, for those who do not tell the colours apart.
const QColor kPartlyReadTint(255, 236, 179);
// Background of a box outside the data of a correlation in force, with a sign of its own.
const QColor kOutsideDataTint(214, 229, 250);
QString FileName(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); }

}  // namespace

MainWindow::MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("mox"));
  setAcceptDrops(true);

  caseFiles_ = new CaseFileActions(model_, *dialogs_, this);
  connect(caseFiles_, &CaseFileActions::opened, this, &MainWindow::showOpened);
  connect(caseFiles_, &CaseFileActions::saved, this, &MainWindow::updateTitle);
  connect(caseFiles_, &CaseFileActions::labEditsToShow, this, &MainWindow::showLabData);
  createActions();
  createMenus();
  createToolBar();

  // Everything below the toolbar scrolls when the screen is too small for it.
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("contentScroll"));
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
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
  heading_->hide();  // shown on the printed page only
  left->addWidget(heading_);
  left->addWidget(createInputPanel(content_));
  left->addWidget(createSidePanel(content_));
  left->addStretch(1);
  columns->addLayout(left, 0);

  auto* right = new QVBoxLayout;
  QLabel* separator =
      MakeMutedLabel(QStringLiteral("Label28"), tr("<<<<<<<<<<<<<<  END of INPUT  >>>>>>>>>>>>>>"), content_);
  separator->setAlignment(Qt::AlignCenter);
  right->addWidget(separator);
  results_ = new ResultsPanel(model_, content_);
  right->addWidget(results_);
  auto* actions = new QHBoxLayout;
  hint_ = MakeMutedLabel(
      QStringLiteral("hint"),
      tr("Choose the correlations (F4); Enter calculates once the temperature and the pressure are typed."), content_);
  hint_->setWordWrap(true);
  actions->addWidget(hint_, 1);
  auto* select = new QPushButton(tr("&Select Correlations"), content_);
  select->setObjectName(QStringLiteral("Command3"));
  select->setToolTip(tr("Chooses the oil family, the gas and the rock correlation (F4)"));
  connect(select, &QPushButton::clicked, this, &MainWindow::selectCorrelations);
  calculateButton_ = new QPushButton(tr("&Calculate PVT Properties"), content_);
  calculateButton_->setObjectName(QStringLiteral("Command1"));
  calculateButton_->setToolTip(tr("Calculates the case as typed (F9, Ctrl+Enter; Enter in a box)"));
  calculateButton_->setDefault(true);
  calculateButton_->hide();
  connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculate);
  actions->addWidget(select);
  actions->addWidget(calculateButton_);
  right->addLayout(actions);
  right->addStretch(1);
  columns->addLayout(right, 1);
  scroll_->setWidget(content_);

  // The status line under the contents: it wraps onto as many lines as its text needs
  // at the window's width (a status bar would reserve them for a narrow one).
  auto* central = new QWidget(this);
  auto* stack = new QVBoxLayout(central);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(0);
  stack->addWidget(scroll_, 1);
  statusScroll_ = new QScrollArea(central);
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
  stack->addWidget(statusScroll_);
  setCentralWidget(central);

  // Window load: fill the two unit selectors, GOR first.
  for (std::string_view item : kGorSelectorItems) gorSelector_->addItem(FromView(item));
  for (std::string_view item : kWaterSelectorItems) waterSelector_->addItem(FromView(item));
  showInputs();

  // What is typed goes straight into the case model.
  connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_.setTitle(text.toStdString());
    inputsChanged();
  });
  connect(gorSelector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    model_.setGorSelector(text.toStdString());
    inputsChanged();
  });
  connect(waterSelector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    model_.setWaterSelector(text.toStdString());
    inputsChanged();
  });
  for (std::size_t i = 0; i < kInputCount; ++i) {
    connect(boxes_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
      model_.setBox(i, text.toStdString());
      inputsChanged();
    });
  }
  connect(impurities_, &GasImpuritiesRow::edited, this, [this](std::size_t i, const QString& text) {
    model_.setImpurityBox(i, text.toStdString());
    impurities_->markPartlyRead();
    inputsChanged();
  });
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
  const auto action = [this](const char* name, const QString& text, const QKeySequence& keys, auto slot) {
    auto* made = new QAction(text, this);
    made->setObjectName(QString::fromLatin1(name));
    made->setShortcut(keys);
    connect(made, &QAction::triggered, this, slot);
    return made;
  };
  printAction_ = action("a2", tr("&Print"), QKeySequence::Print, &MainWindow::printWindow);
  reportAction_ = action("reportAction", tr("Export &Report (PDF)..."), QKeySequence(Qt::CTRL | Qt::Key_R),
                         &MainWindow::exportReport);
  exitAction_ = action("a3", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitProgram);
  copyAction_ = action("copyResults", tr("&Copy Results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                       &MainWindow::copyResults);
  copyAction_->setToolTip(tr("Copies the inputs, the correlations and the 21 results as a table for a spreadsheet"));
  tablesAction_ =
      action("tablesAction", tr("Tables and &Plots..."), QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::showTables);
  labAction_ =
      action("labAction", tr("&Lab Data and Tuning..."), QKeySequence(Qt::CTRL | Qt::Key_L), &MainWindow::showLabData);
  labAction_->setToolTip(tr("Lab data of the oil: the oil families ranked against them, and a family tuned to them"));
  aboutAction_ = action("aboutAction", tr("&About Tarnvik"), QKeySequence(), &MainWindow::showAbout);
  // Keys of the two buttons, wherever the focus is in the window.
  selectAction_ =
      action("selectAction", tr("Select Correlations"), QKeySequence(Qt::Key_F4), &MainWindow::selectCorrelations);
  calculateAction_ =
      action("calculateAction", tr("Calculate"), QKeySequence(Qt::Key_F9), &MainWindow::calculateIfReady);
  calculateAction_->setShortcuts(
      {QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  addAction(selectAction_);
  addAction(calculateAction_);
  connect(this, &MainWindow::calculated, this, &MainWindow::refreshTables);
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

  QMenu* tables = menuBar()->addMenu(tr("&Tables"));
  tables->setObjectName(QStringLiteral("tablesMenu"));
  tables->addAction(tablesAction_);
  tables->addAction(labAction_);

  QMenu* version = menuBar()->addMenu(tr("&Version"));
  version->setObjectName(QStringLiteral("a11"));
  version->addAction(QStringLiteral("02030"))->setObjectName(QStringLiteral("a13"));
  version->addAction(aboutAction_);
}

// Each button is a menu command's: it triggers that command's action, keys and all.
void MainWindow::createToolBar() {
  toolBar_ = addToolBar(tr("Toolbar"));
  toolBar_->setObjectName(QStringLiteral("Toolbar1"));
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar_->setIconSize(QSize(20, 20));
  const auto addButton = [this](QAction* command, const char* name, const QString& text, const char* icon) {
    QAction* button = toolBar_->addAction(QIcon(QString::fromLatin1(icon)), text);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QAction::triggered, command, &QAction::trigger);
  };
  addButton(caseFiles_->openAction(), "Open", tr("Open File"), ":/icons/open.svg");
  addButton(caseFiles_->saveAction(), "Save", tr("Save File"), ":/icons/save.svg");
  addButton(printAction_, "Print", tr("Print"), ":/icons/print.svg");
  addButton(exitAction_, "Exit", tr("Exit"), ":/icons/exit.svg");
  toolBar_->addSeparator();
  addButton(tablesAction_, "Tables", tr("Tables and Plots"), ":/icons/tables.svg");
}

QWidget* MainWindow::createInputPanel(QWidget* parent) {
  auto* group = new QGroupBox(tr("Case and reservoir"), parent);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(1);
  grid->addWidget(MakeLabel(QStringLiteral("Label29"), tr("Title"), group), 0, 0);
  title_ = new QLineEdit(group);
  title_->setObjectName(QStringLiteral("Text1"));
  title_->setToolTip(tr("Case title, saved with the case."));
  // A title is kept whole, however long: a case file holds at most a megabyte.
  title_->setMaxLength(int(kMaxCaseFileBytes));
  grid->addWidget(title_, 0, 1, 1, 2);

  // Each selector is made just before its box: the tab order follows the order of making.
  const auto makeSelector = [group](const char* name, const QString& toolTip) {
    auto* selector = new QComboBox(group);
    selector->setObjectName(QString::fromLatin1(name));
    selector->setToolTip(toolTip);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // No completion: a selector's text changes only when the user changes it, and a text
    // that differs from an item in case only stays as typed.
    selector->setCompleter(nullptr);
    return selector;
  };
  for (int i = 0; i < int(kInputBoxes.size()); ++i) {
    const InputBox& row = kInputBoxes[i];
    const int line = i + 1 + (i > GasGravity ? 1 : 0);  // the gas impurities' row follows the gas gravity
    if (i == kGorOrPbBox) {
      gorSelector_ = makeSelector(
          "gorpk", tr("What the box beside holds: \"GOR MCF/STB\" for the solution gas-oil ratio at the bubble "
                      "point; any other text for the bubble-point pressure in psia."));
    } else if (i == SalinityOrSg) {
      waterSelector_ = makeSelector(
          "wtrpk", tr("What the box beside holds: \"Water Specific Gravity\" for the water specific gravity; any "
                      "other text for the salinity in percent NaCl."));
    }
    QLineEdit* box = MakeNumberBox(FromView(row.box), Translated("MainWindow", row.toolTip), group);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
    boxMarks_[i] = AddBoxSign(box, QStyle::SP_MessageBoxWarning, QStringLiteral("PartlyRead"));
    rangeMarks_[i] = AddBoxSign(box, QStyle::SP_MessageBoxInformation, QStringLiteral("OutsideData"));
    connect(box, &QLineEdit::returnPressed, this, &MainWindow::calculateIfReady);
    boxes_[i] = box;
    if (!row.label.empty()) {
      boxCaptions_[i] = MakeLabel(FromView(row.label), Translated("MainWindow", row.caption.field), group);
      grid->addWidget(boxCaptions_[i], line, 0);
      boxUnits_[i] = MakeUnitLabel(FromView(row.unit.field), group);
      grid->addWidget(boxUnits_[i], line, 2);
    } else {
      grid->addWidget(i == kGorOrPbBox ? gorSelector_ : waterSelector_, line, 0);
    }
    grid->addWidget(box, line, 1);
    if (i == GasGravity) {
      impurities_ = new GasImpuritiesRow(group);
      grid->addWidget(impurities_->caption(), line + 1, 0);
      grid->addWidget(impurities_, line + 1, 1, 1, 2);
      connect(impurities_, &GasImpuritiesRow::returnPressed, this, [this] {
        if (!calculateButton_->isHidden()) calculate();
      });
    }
  }
  grid->setColumnStretch(1, 1);
  apiLabel_ = group->findChild<QLabel*>(QStringLiteral("Label1"));
  gasGravityLabel_ = group->findChild<QLabel*>(QStringLiteral("Label2"));
  swcLabel_ = group->findChild<QLabel*>(QStringLiteral("Label7"));
  worLabel_ = group->findChild<QLabel*>(QStringLiteral("Label27"));
  return group;
}

QWidget* MainWindow::createSidePanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);

  // One line: the fluids whose inputs show.
  auto* fluids = new QWidget(panel);
  fluids->setObjectName(QStringLiteral("Frame1"));
  auto* fluidLayout = new QHBoxLayout(fluids);
  fluidLayout->setContentsMargins(6, 0, 6, 0);
  fluidLayout->addWidget(MakeLabel(QString(), tr("Fluids:"), fluids));
  oilCheck_ = new QCheckBox(tr("Oil"), fluids);
  gasCheck_ = new QCheckBox(tr("Gas"), fluids);
  waterCheck_ = new QCheckBox(tr("Water"), fluids);
  oilCheck_->setObjectName(QStringLiteral("Check1"));
  gasCheck_->setObjectName(QStringLiteral("Check2"));
  waterCheck_->setObjectName(QStringLiteral("Check3"));
  for (QCheckBox* check : {oilCheck_, gasCheck_, waterCheck_}) {
    check->setChecked(true);
    check->setToolTip(tr("Shows or hides the inputs of this fluid; hidden values still count."));
    fluidLayout->addWidget(check);
  }
  for (QCheckBox* check : {oilCheck_, gasCheck_, waterCheck_}) {
    connect(check, &QCheckBox::toggled, this, &MainWindow::applyFluidChecks);
  }
  layout->addWidget(fluids);

  auto* chosen = new QGroupBox(panel);
  chosen->setObjectName(QStringLiteral("captionsBox"));
  auto* chosenLayout = new QVBoxLayout(chosen);
  chosenLayout->setSpacing(0);
  chosenLayout->addWidget(MakeLabel(QStringLiteral("Label33"), tr("Correlation    Selected"), chosen));
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
    chosenLayout->addWidget(caption);
  }
  layout->addWidget(chosen);
  return panel;
}

void MainWindow::setBoxShown(int box, bool shown) {
  boxes_[box]->setVisible(shown);
  if (boxUnits_[box] != nullptr) boxUnits_[box]->setVisible(shown);
}

void MainWindow::applyFluidChecks() {
  const ShownInputs shown = InputsShown(oilCheck_->isChecked(), gasCheck_->isChecked(), waterCheck_->isChecked());
  apiLabel_->setVisible(shown.oil);
  setBoxShown(Api, shown.oil);
  gorSelector_->setVisible(shown.oil);
  setBoxShown(GorOrPb, shown.oil);
  results_->setOilShown(shown.oil);
  gasGravityLabel_->setVisible(shown.gasGravityAndSwc);
  setBoxShown(GasGravity, shown.gasGravityAndSwc);
  impurities_->caption()->setVisible(shown.gasGravityAndSwc);
  impurities_->setVisible(shown.gasGravityAndSwc);
  swcLabel_->setVisible(shown.gasGravityAndSwc);
  setBoxShown(Swc, shown.gasGravityAndSwc);
  worLabel_->setVisible(shown.wor);
  setBoxShown(Wor, shown.wor);
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

// The boxes, selectors and title as the model holds them (after a window load, an open or
// a switch of units), without taking them back as typed.
void MainWindow::showInputs() {
  {
    const QSignalBlocker blocker(title_);
    title_->setText(QString::fromStdString(model_.title()));
    title_->setCursorPosition(0);
  }
  for (QComboBox* selector : {gorSelector_, waterSelector_}) selector->blockSignals(true);
  gorSelector_->setCurrentText(QString::fromStdString(model_.gorSelectorShown()));
  waterSelector_->setCurrentText(QString::fromStdString(model_.waterSelector()));
  for (QComboBox* selector : {gorSelector_, waterSelector_}) {
    selector->lineEdit()->setCursorPosition(0);  // a text wider than the selector shows its start
    selector->blockSignals(false);
  }
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const QSignalBlocker blocker(boxes_[i]);
    boxes_[i]->setText(QString::fromStdString(model_.box(i)));
  }
  impurities_->setTexts({model_.impurityBox(0), model_.impurityBox(1), model_.impurityBox(2)});
}

void MainWindow::setUnits(UnitSystem system) {
  model_.setUnits(system);
  QSettings().setValue(QStringLiteral("units/system"),
                       system == UnitSystem::Metric ? QStringLiteral("metric") : QStringLiteral("field"));
  (system == UnitSystem::Metric ? metricUnitsAction_ : fieldUnitsAction_)->setChecked(true);
  showUnits();
  showInputs();
  showResults();
  refreshTables();
}

void MainWindow::showUnits() {
  const UnitSystem system = model_.units();
  for (std::size_t i = 0; i < kInputCount; ++i) {
    const InputBox& row = kInputBoxes[i];
    if (boxCaptions_[i] != nullptr) {
      boxCaptions_[i]->setText(WithUnitSymbols(Translated("MainWindow", row.caption.in(system))));
    }
    if (boxUnits_[i] != nullptr) boxUnits_[i]->setText(UnitText(row.unit.in(system)));
  }
  {
    // Renaming the current item would put its text into the selector and the case: the
    // selector keeps the case's text, and only the items' unit words change.
    const QSignalBlocker blocker(gorSelector_);
    const auto items = GorSelectorItemsShown(system);
    for (int item = 0; item < gorSelector_->count(); ++item) {
      gorSelector_->setItemText(item, FromView(items[std::size_t(item)]));
    }
    gorSelector_->setEditText(QString::fromStdString(model_.gorSelectorShown()));
    gorSelector_->lineEdit()->setCursorPosition(0);
  }
  results_->showUnits();
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
  const std::vector<Diagnostic> warnings = model_.currentWarnings();
  for (std::size_t i = 0; i < kInputCount; ++i) markBox(i, warnings);
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

void MainWindow::markBox(std::size_t index, const std::vector<Diagnostic>& warnings) {
  QLineEdit* box = boxes_[index];
  const std::string text = model_.box(index);
  const bool partly = text.find_first_not_of(" \t") != std::string::npos && !ReadsWhole(text);
  std::vector<Diagnostic> outside;
  for (const Diagnostic& d : warnings) {
    if (d.kind == DiagnosticKind::OutsideDataRange && d.input && std::size_t(*d.input) == index) outside.push_back(d);
  }
  const CalculationCase c = model_.currentCase();
  // A value no reservoir has is marked as a partly read one is: the run goes ahead with it,
  // and the status says the results are not to be trusted.
  std::optional<ImpossibleInput> impossible;
  for (const ImpossibleInput& input : ImpossibleInputs(c.inputs)) {
    if (std::size_t(input.field) == index) impossible = input;
  }
  boxMarks_[index]->setVisible(partly || impossible);
  rangeMarks_[index]->setVisible(!outside.empty());
  QPalette palette = QApplication::palette(box);
  QString toolTip = Translated("MainWindow", kInputBoxes[index].toolTip);
  if (const std::string ranges = InputRangesText(static_cast<InputField>(index), c); !ranges.empty()) {
    toolTip += tr("\n\nThe data of the correlations in force:\n%1").arg(QString::fromStdString(ranges));
  }
  if (!outside.empty()) {
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    const QString sentence = QString::fromStdString(BoxWarningSentences(outside, blank, c.gorMode, model_.units()));
    palette.setColor(QPalette::Base, kOutsideDataTint);
    palette.setColor(QPalette::Text, Qt::black);
    toolTip += tr("\n\nOutside the data: %1.").arg(sentence);
    rangeMarks_[index]->setToolTip(sentence);
  }
  if (partly) {
    palette.setColor(QPalette::Base, kPartlyReadTint);
    palette.setColor(QPalette::Text, Qt::black);
    const QString read = QString::fromStdString(FormatShortest(ParseNumber(text)));
    toolTip += tr("\n\nRead as %1: only the number at the start of the text counts.").arg(read);
    boxMarks_[index]->setToolTip(tr("Read as %1").arg(read));
  }
  if (impossible) {
    palette.setColor(QPalette::Base, kPartlyReadTint);
    palette.setColor(QPalette::Text, Qt::black);
    const QString why =
        QString::fromStdString(ImpossibleInputText(*impossible, c.gorMode, c.waterMode, model_.units()));
    toolTip += tr("\n\n%1: the results are not to be trusted.").arg(why);
    boxMarks_[index]->setToolTip(partly ? boxMarks_[index]->toolTip() + QStringLiteral("; ") + why : why);
  }
  box->setPalette(palette);
  box->setToolTip(toolTip);
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
  setWindowTitle(model_.filePath().empty() ? program + QStringLiteral("[*]")
                                           : tr("%1[*] - %2").arg(FileName(model_.filePath()), program));
  setWindowModified(model_.modified());
}

void MainWindow::showOpened() {
  showInputs();
  showCaptions();
  if (selectionDialog_ != nullptr) selectionDialog_->showSelection(model_.selection());
  inputsChanged();
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
