#include "main_window.h"

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

#include "calc/number_text.h"
#include "calc/selector_modes.h"
#include "ui/case_file.h"
#include "ui/display_text.h"
#include "ui/selection_dialog.h"
#include "ui/tables_window.h"
#include "ui/user_dialogs.h"
#include "ui/window_print.h"

namespace tarnvik {
namespace {

enum Box { Api, GasGravity, Temperature, Pressure, GorOrPb, Porosity, Swc, SalinityOrSg, Wor };

struct InputRow {
  const char* box;
  const char* label;    // null: the unit selector stands in for the label
  const char* caption;  // as the window shows it, blanks included
  const char* unit;
  const char* toolTip;
};

// In the order the calculation reads them.
constexpr std::array<InputRow, 9> kInputRows = {{
    {"apix", "Label1", "   API Gravity", "°API", "Stock-tank oil gravity, °API. A value above 0 means oil is present."},
    {"ggx", "Label2", "  Gas Gravity", "air = 1",
     "Gas specific gravity relative to air (air = 1). A value above 0 means gas is present."},
    {"tx", "Label5", "Temperature            F.", "°F", "Reservoir temperature, °F."},
    {"px", "Label3", "Pressure      psia", "psia", "Reservoir pressure, psia."},
    {"bpx", nullptr, nullptr, nullptr,
     "Solution gas-oil ratio at the bubble point in MCF/STB when the selector beside it reads "
     "\"GOR MCF/STB\"; otherwise the bubble-point pressure in psia."},
    {"phix", "Label6", "Porosity        %", "%", "Porosity, percent of bulk volume."},
    {"swcx", "Label7", "Swc     %", "%", "Connate-water saturation, percent of pore volume."},
    {"saltx", nullptr, nullptr, nullptr,
     "Water specific gravity (fresh water = 1) when the selector beside it reads \"Water Specific Gravity\"; "
     "otherwise the water salinity in percent NaCl by weight."},
    {"worx", "Label27", "   WOR STB/STB", "STB/STB", "Water-oil ratio, STB of water per STB of oil."},
}};

struct OutputRow {
  OutputField field;
  const char* label;
  const char* caption;  // empty for the bubble-point/GOR field, whose caption the run sets
};

constexpr std::array<OutputRow, 6> kOilRows = {{
    {OutputField::Rs, "Label9", "Solution Gas   MCF/STB"},
    {OutputField::Pbx, "Label11", ""},
    {OutputField::Bo, "Label4", "  Oil fvf  RVB/STB"},
    {OutputField::OilViscosity, "Label10", "Oil viscosity        cp."},
    {OutputField::Co, "Label14", "Oil comp. microsips"},
    {OutputField::OilDensity, "Label30", "Oil density     #/CF"},
}};
constexpr std::array<OutputRow, 5> kGasRows = {{
    {OutputField::Z, "Label13", "z-factor"},
    {OutputField::Bg, "Label12", "  Gas fvf   RVB/MCF"},
    {OutputField::GasViscosity, "Label15", "Gas viscosity         cp."},
    {OutputField::Cg, "Label16", "Gas comp. microsips"},
    {OutputField::GasDensity, "Label31", "Gas density       #/CF"},
}};
constexpr std::array<OutputRow, 5> kWaterRows = {{
    {OutputField::Rsw, "Label17", "Wtr. Sol. Gas     MCF/STB"},
    {OutputField::Bw, "Label18", "Water fvf RVB/STB"},
    {OutputField::WaterViscosity, "Label19", "Wtr. viscosity         cp."},
    {OutputField::Cw, "Label20", "Wtr. comp. microsips"},
    {OutputField::WaterDensity, "Label32", "Wtr. density       #/CF"},
}};
constexpr std::array<OutputRow, 2> kRockRows = {{
    {OutputField::Cf, "Label21", "Form. comp.   microsips"},
    {OutputField::Ct, "Label26", "Total comp. microsips"},
}};

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

// A non-negative number is shown with one leading blank, as a sign column.
QString BoxText(double value) {
  const QString digits = QString::fromStdString(FormatShortest(value));
  return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(std::move(dialogs)) {
  setObjectName(QStringLiteral("mox"));
  setWindowTitle(QStringLiteral("Correlations for PVT Properties"));

  createActions();
  createMenus();
  createToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  heading_ = MakeLabel(QStringLiteral("Label8"), QStringLiteral("Tarnvik"), central);
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
                              QStringLiteral("<<<<<<<<<<<<<<<<<<<<<<<  END of INPUT  >>>>>>>>>>>>>>>>>>>>>>>>>"), central);
  separator->setAlignment(Qt::AlignCenter);
  separator->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(separator);
  layout->addWidget(createOutputPanel(), 1);
  setCentralWidget(central);

  outOfRangeStatus_ = MakeLabel(QStringLiteral("outOfRangeStatus"), QString(), this);
  statusBar()->addWidget(outOfRangeStatus_, 1);

  // Window load: fill the two unit selectors, GOR first.
  for (std::string_view item : kGorSelectorItems) gorSelector_->addItem(FromView(item));
  for (std::string_view item : kWaterSelectorItems) waterSelector_->addItem(FromView(item));
  gorSelector_->setCurrentText(FromView(kGorSelectorPrompt));
  waterSelector_->setCurrentText(FromView(kWaterSelectorPrompt));
}

MainWindow::~MainWindow() {
  delete selectionDialog_;
  delete tablesWindow_;
}

SelectionDialog* MainWindow::selectionDialog() const { return selectionDialog_; }

TablesWindow* MainWindow::tablesWindow() const { return tablesWindow_; }

void MainWindow::createActions() {
  openAction_ = new QAction(QStringLiteral("&Open"), this);
  openAction_->setObjectName(QStringLiteral("a7"));
  openAction_->setShortcut(QKeySequence::Open);
  connect(openAction_, &QAction::triggered, this, &MainWindow::openCase);

  saveAction_ = new QAction(QStringLiteral("&Save As.."), this);
  saveAction_->setObjectName(QStringLiteral("a8"));
  saveAction_->setShortcut(QKeySequence::Save);
  connect(saveAction_, &QAction::triggered, this, &MainWindow::saveCase);

  printAction_ = new QAction(QStringLiteral("&Print"), this);
  printAction_->setObjectName(QStringLiteral("a2"));
  printAction_->setShortcut(QKeySequence::Print);
  connect(printAction_, &QAction::triggered, this, &MainWindow::printWindow);

  exitAction_ = new QAction(QStringLiteral("E&xit"), this);
  exitAction_->setObjectName(QStringLiteral("a3"));
  exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exitAction_, &QAction::triggered, this, &MainWindow::exitProgram);

  tablesAction_ = new QAction(QStringLiteral("Tables and &Plots..."), this);
  tablesAction_->setObjectName(QStringLiteral("tablesAction"));
  tablesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(tablesAction_, &QAction::triggered, this, &MainWindow::showTables);
  connect(this, &MainWindow::calculated, this, &MainWindow::refreshTables);
}

void MainWindow::createMenus() {
  QMenu* files = menuBar()->addMenu(QStringLiteral("&Files"));
  files->setObjectName(QStringLiteral("a1"));
  files->addAction(openAction_);
  files->addAction(saveAction_);
  files->addAction(printAction_);
  files->addSeparator();
  files->addAction(exitAction_);

  QMenu* tables = menuBar()->addMenu(QStringLiteral("&Tables"));
  tables->setObjectName(QStringLiteral("tablesMenu"));
  tables->addAction(tablesAction_);

  QMenu* version = menuBar()->addMenu(QStringLiteral("&Version"));
  version->setObjectName(QStringLiteral("a11"));
  version->addAction(QStringLiteral("02030"))->setObjectName(QStringLiteral("a13"));
}

void MainWindow::createToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Toolbar"));
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
    QAction* action = toolBar_->addAction(QIcon(QString::fromLatin1(button.icon)), QString::fromLatin1(button.text));
    action->setObjectName(QString::fromLatin1(button.key));
    action->setData(QString::fromLatin1(button.key));
  }
  toolBar_->addSeparator();
  QAction* tables =
      toolBar_->addAction(QIcon(QStringLiteral(":/icons/tables.svg")), QStringLiteral("Tables and Plots"));
  tables->setObjectName(QStringLiteral("Tables"));
  tables->setData(QStringLiteral("Tables"));
  connect(toolBar_, &QToolBar::actionTriggered, this, &MainWindow::onToolbarAction);
}

QWidget* MainWindow::createInputPanel() {
  auto* group = new QGroupBox(QStringLiteral("Case and reservoir"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(MakeLabel(QStringLiteral("Label29"), QStringLiteral("Title"), group), 0, 0);
  title_ = new QLineEdit(group);
  title_->setObjectName(QStringLiteral("Text1"));
  title_->setToolTip(QStringLiteral("Case title, saved with the case. A z-factor failure is reported here."));
  grid->addWidget(title_, 0, 1, 1, 2);

  gorSelector_ = new QComboBox(group);
  gorSelector_->setObjectName(QStringLiteral("gorpk"));
  gorSelector_->setToolTip(
      QStringLiteral("What the box beside holds: \"GOR MCF/STB\" for the solution gas-oil ratio at the bubble "
                     "point; any other text for the bubble-point pressure in psia."));
  waterSelector_ = new QComboBox(group);
  waterSelector_->setObjectName(QStringLiteral("wtrpk"));
  waterSelector_->setToolTip(
      QStringLiteral("What the box beside holds: \"Water Specific Gravity\" for the water specific gravity; any "
                     "other text for the salinity in percent NaCl."));
  for (QComboBox* selector : {gorSelector_, waterSelector_}) {
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }

  for (int i = 0; i < int(kInputRows.size()); ++i) {
    const InputRow& row = kInputRows[i];
    const int line = i + 1;
    auto* box = new QLineEdit(group);
    box->setObjectName(QString::fromLatin1(row.box));
    box->setToolTip(QString::fromUtf8(row.toolTip));
    box->setAlignment(Qt::AlignRight);
    connect(box, &QLineEdit::returnPressed, this, [this] {
      if (!calculateButton_->isHidden()) calculate();
    });
    boxes_[i] = box;
    if (row.label != nullptr) {
      grid->addWidget(MakeLabel(QString::fromLatin1(row.label), QString::fromUtf8(row.caption), group), line, 0);
      boxUnits_[i] = MakeUnitLabel(QString::fromUtf8(row.unit), group);
      grid->addWidget(boxUnits_[i], line, 2);
    } else {
      grid->addWidget(i == GorOrPb ? gorSelector_ : waterSelector_, line, 0);
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

  auto* fluids = new QGroupBox(QStringLiteral("Fluids"), panel);
  fluids->setObjectName(QStringLiteral("Frame1"));
  auto* fluidLayout = new QHBoxLayout(fluids);
  oilCheck_ = new QCheckBox(QStringLiteral("Oil"), fluids);
  gasCheck_ = new QCheckBox(QStringLiteral("Gas"), fluids);
  waterCheck_ = new QCheckBox(QStringLiteral("Water"), fluids);
  oilCheck_->setObjectName(QStringLiteral("Check1"));
  gasCheck_->setObjectName(QStringLiteral("Check2"));
  waterCheck_->setObjectName(QStringLiteral("Check3"));
  for (QCheckBox* check : {oilCheck_, gasCheck_, waterCheck_}) {
    check->setChecked(true);
    check->setToolTip(QStringLiteral("Shows or hides the inputs of this fluid; hidden values still count."));
    fluidLayout->addWidget(check);
  }
  connect(oilCheck_, &QCheckBox::clicked, this, &MainWindow::applyOilCheck);
  connect(gasCheck_, &QCheckBox::clicked, this, &MainWindow::applyGasCheck);
  connect(waterCheck_, &QCheckBox::clicked, this, &MainWindow::applyWaterCheck);
  layout->addWidget(fluids);

  auto* chosen = new QGroupBox(panel);
  auto* chosenLayout = new QVBoxLayout(chosen);
  chosenLayout->addWidget(MakeLabel(QStringLiteral("Label33"), QStringLiteral("Correlation    Selected"), chosen));
  oilCaption_ = MakeLabel(QStringLiteral("ocx"), QString(), chosen);
  gasCaption_ = MakeLabel(QStringLiteral("gcx"), QString(), chosen);
  rockCaption_ = MakeLabel(QStringLiteral("fcx"), QString(), chosen);
  oilCaption_->setToolTip(QStringLiteral("Oil correlation family"));
  gasCaption_->setToolTip(QStringLiteral("Gas characterisation"));
  rockCaption_->setToolTip(QStringLiteral("Formation-compressibility correlation"));
  for (QLabel* caption : {oilCaption_, gasCaption_, rockCaption_}) {
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    chosenLayout->addWidget(caption);
  }
  layout->addWidget(chosen);
  layout->addStretch(1);

  auto* select = new QPushButton(QStringLiteral("Select Correlations"), panel);
  select->setObjectName(QStringLiteral("Command3"));
  connect(select, &QPushButton::clicked, this, &MainWindow::selectCorrelations);
  calculateButton_ = new QPushButton(QStringLiteral("Calculate PVT Properties"), panel);
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
      const OutputRow& output = rows[i];
      const OutputFieldInfo& info = InfoOf(output.field);
      QLabel* caption = MakeLabel(QString::fromLatin1(output.label), QString::fromUtf8(output.caption), group);
      QLabel* value = MakeValueField(FromView(info.control), group);
      value->setToolTip(FromView(info.caption));
      QLabel* unit = MakeUnitLabel(UnitText(info.unit), group);
      if (output.field == OutputField::Pbx) {
        pbCaption_ = caption;
        pbUnit_ = unit;
        unit->clear();
      }
      outputs_[static_cast<std::size_t>(output.field)] = value;
      layout->addWidget(caption, i, 0);
      layout->addWidget(value, i, 1);
      layout->addWidget(unit, i, 2);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(int(rows.size()), 1);
    grid->addWidget(group, row, column);
    return layout;
  };
  addGroup(QStringLiteral("Oil"), kOilRows, 0, 0);
  addGroup(QStringLiteral("Gas"), kGasRows, 0, 1);
  addGroup(QStringLiteral("Water"), kWaterRows, 1, 0);
  QGridLayout* rock = addGroup(QStringLiteral("Rock and totals"), kRockRows, 1, 1);

  // Saturations: one caption over three values.
  const int line = int(kRockRows.size());
  QWidget* group = rock->parentWidget();
  rock->addWidget(MakeLabel(QStringLiteral("Label22"), QStringLiteral("Saturations        %"), group), line, 0);
  auto* saturations = new QGridLayout;
  const struct {
    OutputField field;
    const char* label;
    const char* caption;
  } phases[] = {{OutputField::So, "Label23", "Oil"}, {OutputField::Sg, "Label24", "Gas"},
                {OutputField::Sw, "Label25", "Water"}};
  for (int i = 0; i < 3; ++i) {
    QLabel* caption = MakeLabel(QString::fromLatin1(phases[i].label), QString::fromLatin1(phases[i].caption), group);
    caption->setAlignment(Qt::AlignCenter);
    QLabel* value = MakeValueField(FromView(InfoOf(phases[i].field).control), group);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7);
    value->setToolTip(FromView(InfoOf(phases[i].field).caption));
    outputs_[static_cast<std::size_t>(phases[i].field)] = value;
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
  QLabel* pb = outputs_[static_cast<std::size_t>(OutputField::Pbx)];
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
    selectionDialog_ = new SelectionDialog(selection_);
    connect(selectionDialog_, &SelectionDialog::oilChosen, oilCaption_, &QLabel::setText);
    connect(selectionDialog_, &SelectionDialog::gasChosen, gasCaption_, &QLabel::setText);
    connect(selectionDialog_, &SelectionDialog::rockChosen, rockCaption_, &QLabel::setText);
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
  selection_.rockCorrelation.clear();
  selection_.formationType.clear();
}

void MainWindow::showTables() {
  if (tablesWindow_ == nullptr) {
    tablesWindow_ = new TablesWindow(*dialogs_, this);
    const QRect frame = frameGeometry();
    tablesWindow_->move(frame.left() + 40, frame.top() + 40);
  }
  tablesWindow_->showCase(lastCase_);
  tablesWindow_->show();
  tablesWindow_->raise();
  tablesWindow_->activateWindow();
}

void MainWindow::refreshTables() {
  if (tablesWindow_ != nullptr && tablesWindow_->isVisible()) tablesWindow_->showCase(lastCase_);
}

void MainWindow::calculate() {
  std::array<std::string, 9> texts;
  InputTexts input;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i] = boxes_[i]->text().toStdString();
    input.boxes[i] = texts[i];
  }
  const std::string gorText = gorSelector_->currentText().toStdString();
  const std::string waterText = waterSelector_->currentText().toStdString();
  input.gorSelector = gorText;
  input.waterSelector = waterText;

  const RunOutput run = RunCalculation(input, selection_, inputs_);
  inputsFilled_ = true;
  lastCase_ = CalculationCase{inputs_, GorModeFromText(gorText), WaterModeFromText(waterText), selection_};
  showRun(run, gorText);
  emit calculated();
}

void MainWindow::showRun(const RunOutput& run, const std::string& gorText) {
  if (run.pbCaption) {
    pbCaption_->setText(FromView(*run.pbCaption));
    pbUnit_->setText(UnitText(PbxFieldInfo(GorModeFromText(gorText)).unit));
  }
  if (run.message) title_->setText(FromView(*run.message));
  if (!run.outputs) {
    outOfRangeStatus_->clear();
    return;
  }
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) outputs_[i]->setText(QString::fromStdString(run.outputs->texts[i]));

  QStringList outOfRange;
  for (OutputField field : run.outputs->outOfRange) {
    const OutputFieldInfo info = field == OutputField::Pbx ? PbxFieldInfo(GorModeFromText(gorText)) : InfoOf(field);
    outOfRange << FromView(info.caption);
  }
  outOfRangeStatus_->setText(outOfRange.isEmpty() ? QString()
                                                  : QStringLiteral("Out of range in the last run: %1")
                                                        .arg(outOfRange.join(QStringLiteral(", "))));
}

CaseRecord MainWindow::currentCase() const {
  CaseRecord record;
  record.title = title_->text().toStdString();
  record.gorSelector = gorSelector_->currentText().toStdString();
  record.waterSelector = waterSelector_->currentText().toStdString();
  record.oilCaption = oilCaption_->text().toStdString();
  record.gasCaption = gasCaption_->text().toStdString();
  record.rockCaption = rockCaption_->text().toStdString();
  if (inputsFilled_) record.numbers = ToNumbers(inputs_);
  return record;
}

void MainWindow::showCase(const CaseRecord& record) {
  title_->setText(QString::fromStdString(record.title));
  gorSelector_->setCurrentText(QString::fromStdString(record.gorSelector));
  waterSelector_->setCurrentText(QString::fromStdString(record.waterSelector));
  oilCaption_->setText(QString::fromStdString(record.oilCaption));
  gasCaption_->setText(QString::fromStdString(record.gasCaption));
  rockCaption_->setText(QString::fromStdString(record.rockCaption));
  inputs_ = ToInputSet(record);
  inputsFilled_ = true;
  const std::array<double, 9> values = {inputs_.apiGravity, inputs_.gasGravity, inputs_.temperatureF,
                                        inputs_.pressure,   inputs_.gorOrPb,    inputs_.porosity,
                                        inputs_.swc,        inputs_.salinityOrSg, inputs_.wor};
  for (std::size_t i = 0; i < values.size(); ++i) boxes_[i]->setText(BoxText(values[i]));
  ApplyOilCorrelationCaption(record.oilCaption, selection_);
}

void MainWindow::openCase() {
  const QString path = dialogs_->openFileName(this, QString::fromLatin1(kFileDialogTitle));
  if (path.isEmpty()) return;
  CaseRecord record;
  QString error;
  if (!ReadCaseFile(path, record, error)) {
    dialogs_->showError(this, QStringLiteral("Open File"),
                        QStringLiteral("The case file \"%1\" could not be opened: %2.\n\nNothing was changed.")
                            .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  showCase(record);
}

void MainWindow::saveCase() {
  const QString path = dialogs_->saveFileName(this, QString::fromLatin1(kFileDialogTitle));
  if (path.isEmpty()) return;
  QString error;
  if (!WriteCaseFile(path, currentCase(), error)) {
    dialogs_->showError(this, QStringLiteral("Save File"),
                        QStringLiteral("The case could not be saved to \"%1\": %2.")
                            .arg(QDir::toNativeSeparators(path), error));
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
  PrintWindowImage(image, *dialogs_, this);
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
