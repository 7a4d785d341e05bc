#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <string>

#include "gui/case_file.h"
#include "gui/display_text.h"
#include "gui/selection_dialog.h"
#include "gui/tables_window.h"
#include "gui/user_dialogs.h"
#include "gui/window_print.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"
#include "present/selector_texts.h"
#include "present/window_texts.h"

namespace tarnvik {
namespace {

enum Box { Api, GasGravity, Temperature, Pressure, GorOrPb, Porosity, Swc, SalinityOrSg, Wor };
constexpr int kGorOrPbBox = GorOrPb;

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* MakeValueField(const QString& name, QWidget* parent) {
  auto* field = MakeLabel(name, QString(), parent);
  field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  field->setBackgroundRole(QPalette::Base);
  field->setAutoFillBackground(true);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 11);
  return field;
}

QLabel* MakeUnitLabel(const QString& unit, QWidget* parent) {
  auto* label = new QLabel(unit, parent);
  label->setTextFormat(Qt::PlainText);
  label->setForegroundRole(QPalette::PlaceholderText);
  return label;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("mox"));
  setWindowTitle(tr("Correlations for PVT Properties"));

  createActions();
  createMenus();
  createToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  heading_ = MakeLabel(QStringLiteral("Label8"), tr("Tarnvik"), central);
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 2);
  heading_->setFont(headingFont);
  heading_->setAlignment(Qt::AlignCenter);
  heading_->hide();
  layout->addWidget(heading_);

  auto* top = new QHBoxLayout;
  top->addWidget(createInputPanel(), 3);
  top->addWidget(createSidePanel(), 2);
  layout->addLayout(top);

  auto* separator = MakeLabel(QStringLiteral("Label28"),
                              tr("<<<<<<<<<<<<<<<<<<<<<<<  END of INPUT  >>>>>>>>>>>>>>>>>>>>>>>>>"), central);
  separator->setAlignment(Qt::AlignCenter);
  separator->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(separator);
  layout->addWidget(createOutputPanel(), 1);
  setCentralWidget(central);

  status_ = MakeLabel(QStringLiteral("statusLine"), QString(), this);
  status_->setWordWrap(true);
  statusBar()->addWidget(status_, 1);

  // Window load: fill the two unit selectors, GOR first.
  for (std::string_view item : kGorSelectorItems) gorSelector_->addItem(FromView(item));
  for (std::string_view item : kWaterSelectorItems) waterSelector_->addItem(FromView(item));
  showInputs();

  // What is typed goes straight into the case model.
  connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.setTitle(text.toStdString()); });
  connect(gorSelector_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { model_.setGorSelector(text.toStdString()); });
  connect(waterSelector_, &QComboBox::currentTextChanged, this,
          [this](const QString& text) { model_.setWaterSelector(text.toStdString()); });
  for (std::size_t i = 0; i < kInputCount; ++i) {
    connect(boxes_[i], &QLineEdit::textChanged, this,
            [this, i](const QString& text) { model_.setBox(i, text.toStdString()); });
  }
}

MainWindow::~MainWindow() {
  delete selectionDialog_;
  delete tablesWindow_;
}

SelectionDialog* MainWindow::selectionDialog() const { return selectionDialog_; }

TablesWindow* MainWindow::tablesWindow() const { return tablesWindow_; }

void MainWindow::createActions() {
  openAction_ = new QAction(tr("&Open"), this);
  openAction_->setObjectName(QStringLiteral("a7"));
  openAction_->setShortcut(QKeySequence::Open);
  connect(openAction_, &QAction::triggered, this, &MainWindow::openCase);

  saveAction_ = new QAction(tr("&Save As.."), this);
  saveAction_->setObjectName(QStringLiteral("a8"));
  saveAction_->setShortcut(QKeySequence::Save);
  connect(saveAction_, &QAction::triggered, this, &MainWindow::saveCase);

  printAction_ = new QAction(tr("&Print"), this);
  printAction_->setObjectName(QStringLiteral("a2"));
  printAction_->setShortcut(QKeySequence::Print);
  connect(printAction_, &QAction::triggered, this, &MainWindow::printWindow);

  exitAction_ = new QAction(tr("E&xit"), this);
  exitAction_->setObjectName(QStringLiteral("a3"));
  exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exitAction_, &QAction::triggered, this, &MainWindow::exitProgram);

  tablesAction_ = new QAction(tr("Tables and &Plots..."), this);
  tablesAction_->setObjectName(QStringLiteral("tablesAction"));
  tablesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(tablesAction_, &QAction::triggered, this, &MainWindow::showTables);
  connect(this, &MainWindow::calculated, this, &MainWindow::refreshTables);
}

void MainWindow::createMenus() {
  QMenu* files = menuBar()->addMenu(tr("&Files"));
  files->setObjectName(QStringLiteral("a1"));
  files->addAction(openAction_);
  files->addAction(saveAction_);
  files->addAction(printAction_);
  files->addSeparator();
  files->addAction(exitAction_);

  QMenu* tables = menuBar()->addMenu(tr("&Tables"));
  tables->setObjectName(QStringLiteral("tablesMenu"));
  tables->addAction(tablesAction_);

  QMenu* version = menuBar()->addMenu(tr("&Version"));
  version->setObjectName(QStringLiteral("a11"));
  version->addAction(QStringLiteral("02030"))->setObjectName(QStringLiteral("a13"));
}

void MainWindow::createToolBar() {
  toolBar_ = addToolBar(tr("Toolbar"));
  toolBar_->setObjectName(QStringLiteral("Toolbar1"));
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  const struct {
    const char* key;
    const char* text;
    const char* icon;
  } buttons[] = {{"Open", "Open File", ":/icons/open.svg"},
                 {"Save", "Save File", ":/icons/save.svg"},
                 {"Print", "Print", ":/icons/print.svg"},
                 {"Exit", "Exit", ":/icons/exit.svg"}};
  for (const auto& button : buttons) {
    QAction* action = toolBar_->addAction(QIcon(QString::fromLatin1(button.icon)), tr(button.text));
    action->setObjectName(QString::fromLatin1(button.key));
    action->setData(QString::fromLatin1(button.key));
  }
  toolBar_->addSeparator();
  QAction* tables = toolBar_->addAction(QIcon(QStringLiteral(":/icons/tables.svg")), tr("Tables and Plots"));
  tables->setObjectName(QStringLiteral("Tables"));
  tables->setData(QStringLiteral("Tables"));
  connect(toolBar_, &QToolBar::actionTriggered, this, &MainWindow::onToolbarAction);
}

QWidget* MainWindow::createInputPanel() {
  auto* group = new QGroupBox(tr("Case and reservoir"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(MakeLabel(QStringLiteral("Label29"), tr("Title"), group), 0, 0);
  title_ = new QLineEdit(group);
  title_->setObjectName(QStringLiteral("Text1"));
  title_->setToolTip(tr("Case title, saved with the case."));
  grid->addWidget(title_, 0, 1, 1, 2);

  gorSelector_ = new QComboBox(group);
  gorSelector_->setObjectName(QStringLiteral("gorpk"));
  gorSelector_->setToolTip(
      tr("What the box beside holds: \"GOR MCF/STB\" for the solution gas-oil ratio at the bubble "
         "point; any other text for the bubble-point pressure in psia."));
  waterSelector_ = new QComboBox(group);
  waterSelector_->setObjectName(QStringLiteral("wtrpk"));
  waterSelector_->setToolTip(
      tr("What the box beside holds: \"Water Specific Gravity\" for the water specific gravity; any "
         "other text for the salinity in percent NaCl."));
  for (QComboBox* selector : {gorSelector_, waterSelector_}) {
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }

  for (int i = 0; i < int(kInputTexts.size()); ++i) {
    const InputText& row = kInputTexts[i];
    const int line = i + 1;
    auto* box = new QLineEdit(group);
    box->setObjectName(FromView(row.box));
    box->setToolTip(Translated("MainWindow", row.toolTip));
    box->setAlignment(Qt::AlignRight);
    connect(box, &QLineEdit::returnPressed, this, [this] {
      if (!calculateButton_->isHidden()) calculate();
    });
    boxes_[i] = box;
    if (!row.label.empty()) {
      grid->addWidget(MakeLabel(FromView(row.label), Translated("MainWindow", row.caption), group), line, 0);
      boxUnits_[i] = MakeUnitLabel(FromView(row.unit), group);
      grid->addWidget(boxUnits_[i], line, 2);
    } else {
      grid->addWidget(i == kGorOrPbBox ? gorSelector_ : waterSelector_, line, 0);
    }
    grid->addWidget(box, line, 1);
  }
  grid->setColumnStretch(1, 1);
  apiLabel_ = group->findChild<QLabel*>(QStringLiteral("Label1"));
  gasGravityLabel_ = group->findChild<QLabel*>(QStringLiteral("Label2"));
  swcLabel_ = group->findChild<QLabel*>(QStringLiteral("Label7"));
  worLabel_ = group->findChild<QLabel*>(QStringLiteral("Label27"));
  return group;
}

QWidget* MainWindow::createSidePanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* fluids = new QGroupBox(tr("Fluids"), panel);
  fluids->setObjectName(QStringLiteral("Frame1"));
  auto* fluidLayout = new QHBoxLayout(fluids);
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
  connect(oilCheck_, &QCheckBox::clicked, this, &MainWindow::applyOilCheck);
  connect(gasCheck_, &QCheckBox::clicked, this, &MainWindow::applyGasCheck);
  connect(waterCheck_, &QCheckBox::clicked, this, &MainWindow::applyWaterCheck);
  layout->addWidget(fluids);

  auto* chosen = new QGroupBox(panel);
  auto* chosenLayout = new QVBoxLayout(chosen);
  chosenLayout->addWidget(MakeLabel(QStringLiteral("Label33"), tr("Correlation    Selected"), chosen));
  oilCaption_ = MakeLabel(QStringLiteral("ocx"), QString(), chosen);
  gasCaption_ = MakeLabel(QStringLiteral("gcx"), QString(), chosen);
  rockCaption_ = MakeLabel(QStringLiteral("fcx"), QString(), chosen);
  oilCaption_->setToolTip(tr("Oil correlation family"));
  gasCaption_->setToolTip(tr("Gas characterisation"));
  rockCaption_->setToolTip(tr("Formation-compressibility correlation"));
  for (QLabel* caption : {oilCaption_, gasCaption_, rockCaption_}) {
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    chosenLayout->addWidget(caption);
  }
  layout->addWidget(chosen);
  layout->addStretch(1);

  auto* select = new QPushButton(tr("Select Correlations"), panel);
  select->setObjectName(QStringLiteral("Command3"));
  connect(select, &QPushButton::clicked, this, &MainWindow::selectCorrelations);
  calculateButton_ = new QPushButton(tr("Calculate PVT Properties"), panel);
  calculateButton_->setObjectName(QStringLiteral("Command1"));
  calculateButton_->setDefault(true);
  calculateButton_->hide();
  connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculate);
  layout->addWidget(select);
  layout->addWidget(calculateButton_);
  return panel;
}

QWidget* MainWindow::createOutputPanel() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);

  auto addGroup = [&](const QString& title, const auto& rows, int row, int column) {
    auto* group = new QGroupBox(title, panel);
    auto* layout = new QGridLayout(group);
    for (int i = 0; i < int(rows.size()); ++i) {
      const ResultLabel& output = rows[i];
      const OutputFieldInfo& info = InfoOf(output.field);
      QLabel* caption = MakeLabel(FromView(output.label), Translated("MainWindow", output.caption), group);
      QLabel* value = MakeValueField(FromView(info.control), group);
      value->setToolTip(Translated("MainWindow", info.caption));
      QLabel* unit = MakeUnitLabel(UnitText(info.unit), group);
      if (output.field == OutputField::PbOrRsb) {
        pbCaption_ = caption;
        pbUnit_ = unit;
        unit->clear();
      }
      outputs_[IndexOf(output.field)] = value;
      layout->addWidget(caption, i, 0);
      layout->addWidget(value, i, 1);
      layout->addWidget(unit, i, 2);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(int(rows.size()), 1);
    grid->addWidget(group, row, column);
    return layout;
  };
  addGroup(tr("Oil"), kOilResultLabels, 0, 0);
  addGroup(tr("Gas"), kGasResultLabels, 0, 1);
  addGroup(tr("Water"), kWaterResultLabels, 1, 0);
  QGridLayout* rock = addGroup(tr("Rock and totals"), kRockResultLabels, 1, 1);

  // Saturations: one caption over three values.
  const int line = int(kRockResultLabels.size());
  QWidget* group = rock->parentWidget();
  rock->addWidget(
      MakeLabel(FromView(kSaturationsLabel.label), Translated("MainWindow", kSaturationsLabel.caption), group), line,
      0);
  auto* saturations = new QGridLayout;
  for (int i = 0; i < int(kSaturationLabels.size()); ++i) {
    const ResultLabel& phase = kSaturationLabels[i];
    QLabel* caption = MakeLabel(FromView(phase.label), Translated("MainWindow", phase.caption), group);
    caption->setAlignment(Qt::AlignCenter);
    QLabel* value = MakeValueField(FromView(InfoOf(phase.field).control), group);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7);
    value->setToolTip(Translated("MainWindow", InfoOf(phase.field).caption));
    outputs_[IndexOf(phase.field)] = value;
    saturations->addWidget(caption, 0, i);
    saturations->addWidget(value, 1, i);
  }
  rock->addLayout(saturations, line, 1);
  rock->addWidget(MakeUnitLabel(QStringLiteral("%"), group), line, 2, Qt::AlignBottom);
  rock->setRowStretch(line, 0);
  rock->setRowStretch(line + 1, 1);
  return panel;
}

void MainWindow::setBoxShown(int box, bool shown) {
  boxes_[box]->setVisible(shown);
  if (boxUnits_[box] != nullptr) boxUnits_[box]->setVisible(shown);
}

void MainWindow::applyOilCheck() {
  const bool shown = oilCheck_->isChecked();
  apiLabel_->setVisible(shown);
  setBoxShown(Api, shown);
  gorSelector_->setVisible(shown);
  setBoxShown(GorOrPb, shown);
  QLabel* pb = outputs_[IndexOf(OutputField::PbOrRsb)];
  pb->setVisible(shown);
  pbUnit_->setVisible(shown);
  applyGasCheck();
}

void MainWindow::applyGasCheck() {
  const bool shown = oilCheck_->isChecked() || gasCheck_->isChecked();
  gasGravityLabel_->setVisible(shown);
  setBoxShown(GasGravity, shown);
  worLabel_->setVisible(shown);
  setBoxShown(Wor, shown);
  swcLabel_->setVisible(shown);
  setBoxShown(Swc, shown);
}

void MainWindow::applyWaterCheck() {
  const bool shown = waterCheck_->isChecked();
  worLabel_->setVisible(shown);
  setBoxShown(Wor, shown);
}

void MainWindow::selectCorrelations() {
  if (selectionDialog_ == nullptr) {
    // A window of its own, not a child: its controls share names with the main window's.
    selectionDialog_ = new SelectionDialog;
    connect(selectionDialog_, &SelectionDialog::oilChosen, this, [this](OilCorrelation family) {
      model_.chooseOil(family);
      showCaptions();
    });
    connect(selectionDialog_, &SelectionDialog::gasChosen, this, [this](GasCharacterisation characterisation) {
      model_.chooseGas(characterisation);
      showCaptions();
    });
    connect(selectionDialog_, &SelectionDialog::rockChosen, this, [this](RockCorrelation rock) {
      model_.chooseRock(rock);
      showCaptions();
    });
    connect(selectionDialog_, &SelectionDialog::formationChosen, this,
            [this](FormationType formation) { model_.chooseFormation(formation); });
    connect(selectionDialog_, &SelectionDialog::confirmed, calculateButton_,
            [this] { calculateButton_->setFocus(Qt::OtherFocusReason); });
    connect(selectionDialog_, &SelectionDialog::discarded, this, &MainWindow::discardSelectionDialog);
    const QRect frame = frameGeometry();
    selectionDialog_->move(frame.right() + 8, frame.top());
  }
  selectionDialog_->show();
  selectionDialog_->raise();
  selectionDialog_->activateWindow();
  calculateButton_->show();
}

// The dialog closed by its own close button is discarded with its lists, and with them
// the rock correlation and formation type; the next use starts a fresh dialog.
void MainWindow::discardSelectionDialog() {
  if (selectionDialog_ != nullptr) selectionDialog_->deleteLater();
  selectionDialog_ = nullptr;
  model_.discardRockChoice();
}

void MainWindow::showTables() {
  if (tablesWindow_ == nullptr) {
    tablesWindow_ = new TablesWindow(*dialogs_, this);
    const QRect frame = frameGeometry();
    tablesWindow_->move(frame.left() + 40, frame.top() + 40);
  }
  tablesWindow_->showCase(model_.lastCase());
  tablesWindow_->show();
  tablesWindow_->raise();
  tablesWindow_->activateWindow();
}

void MainWindow::refreshTables() {
  if (tablesWindow_ != nullptr && tablesWindow_->isVisible()) tablesWindow_->showCase(model_.lastCase());
}

void MainWindow::calculate() {
  model_.calculate();
  showResults();
  emit calculated();
}

// The boxes, selectors and title as the model holds them (after a window load or an open).
void MainWindow::showInputs() {
  title_->setText(QString::fromStdString(model_.title()));
  gorSelector_->setCurrentText(QString::fromStdString(model_.gorSelector()));
  waterSelector_->setCurrentText(QString::fromStdString(model_.waterSelector()));
  for (std::size_t i = 0; i < kInputCount; ++i) boxes_[i]->setText(QString::fromStdString(model_.box(i)));
}

void MainWindow::showCaptions() {
  oilCaption_->setText(QString::fromStdString(model_.captions().oil));
  gasCaption_->setText(QString::fromStdString(model_.captions().gas));
  rockCaption_->setText(QString::fromStdString(model_.captions().rock));
}

void MainWindow::showResults() {
  if (!model_.pbCaption().empty()) {
    pbCaption_->setText(QString::fromStdString(model_.pbCaption()));
    pbUnit_->setText(UnitText(model_.pbUnit()));
  }
  if (const auto& shown = model_.shown()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) outputs_[i]->setText(QString::fromStdString(shown->texts[i]));
  }
  status_->setText(QString::fromStdString(model_.status()));
}

void MainWindow::openCase() {
  const QString path = dialogs_->openFileName(this, tr("PVT File Selector"));
  if (path.isEmpty()) return;
  CaseRecord record;
  QString error;
  if (!ReadCaseFile(path, record, error)) {
    dialogs_->showError(this, tr("Open File"),
                        tr("The case file \"%1\" could not be opened: %2.\n\nNothing was changed.")
                            .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  model_.open(record);
  showInputs();
  showCaptions();
}

void MainWindow::saveCase() {
  const QString path = dialogs_->saveFileName(this, tr("PVT File Selector"));
  if (path.isEmpty()) return;
  QString error;
  if (!WriteCaseFile(path, model_.recordToSave(), error)) {
    dialogs_->showError(this, tr("Save File"),
                        tr("The case could not be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(path), error));
  }
}

void MainWindow::printWindow() {
  // The printed page shows the heading instead of the toolbar, whatever the user answers.
  struct PrintAppearance {
    QMainWindow* window;
    QToolBar* toolBar;
    QLabel* heading;
    PrintAppearance(QMainWindow* w, QToolBar* t, QLabel* h) : window(w), toolBar(t), heading(h) {
      toolBar->hide();
      heading->show();
      window->layout()->activate();
      window->centralWidget()->layout()->activate();
    }
    ~PrintAppearance() {
      heading->hide();
      toolBar->show();
    }
  } appearance(this, toolBar_, heading_);

  const QImage image = grab().toImage();
  QString error;
  if (!PrintWindowImage(image, *dialogs_, this, error) && !error.isEmpty()) {
    dialogs_->showError(this, tr("Print"), tr("The window could not be printed: %1.").arg(error));
  }
}

void MainWindow::onToolbarAction(QAction* action) {
  const QString key = action->data().toString();
  if (key == QLatin1String("Open")) {
    openCase();
  } else if (key == QLatin1String("Save")) {
    saveCase();
  } else if (key == QLatin1String("Print")) {
    printWindow();
  } else if (key == QLatin1String("Exit")) {
    exitProgram();
  } else if (key == QLatin1String("Tables")) {
    showTables();
  }
}

// Unloads the selection dialog, then (through `exiting`) the splash window, then this
// window, and ends the event loop.
void MainWindow::exitProgram() {
  if (exiting_) return;
  exiting_ = true;
  delete selectionDialog_;
  if (tablesWindow_ != nullptr) tablesWindow_->close();
  emit exiting();
  close();
  QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  exitProgram();
  event->accept();
}

}  // namespace tarnvik
