#include "gui/input_panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "gui/case_file.h"
#include "gui/display_text.h"
#include "gui/gas_impurities_row.h"
#include "gui/widget_factory.h"
#include "io/number_text.h"
#include "present/input_texts.h"
#include "present/selector_texts.h"
#include "present/unit_texts.h"
#include "present/warning_texts.h"
#include "present/window_texts.h"

namespace tarnvik {
namespace {

// Background of a box whose text is read only in part; the sign inside the box says it
// too, for those who do not tell the colours apart.
const QColor kPartlyReadTint(255, 236, 179);
// Background of a box outside the data of a correlation in force, with a sign of its own.
const QColor kOutsideDataTint(214, 229, 250);

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

void Tint(QPalette& palette, const QColor& colour) {
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Text, Qt::black);
}

}  // namespace

InputPanel::InputPanel(CaseModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(createBoxes());
  layout->addWidget(createFluidChecks());
  for (std::string_view item : kGorSelectorItems) gorSelector_->addItem(FromView(item));
  for (std::string_view item : kWaterSelectorItems) waterSelector_->addItem(FromView(item));
  showInputs();
  connectEdits();
}

QGroupBox* InputPanel::createBoxes() {
  auto* group = new QGroupBox(tr("Case and reservoir"), this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(1);
  grid->addWidget(MakeLabel(QStringLiteral("Label29"), tr("Title"), group), 0, 0);
  title_ = new QLineEdit(group);
  title_->setObjectName(QStringLiteral("Text1"));
  title_->setToolTip(tr("Case title, saved with the case."));
  // A title is kept whole, however long: a case file holds at most a megabyte.
  title_->setMaxLength(int(kMaxCaseFileBytes));
  grid->addWidget(title_, 0, 1, 1, 2);

  int line = 1;
  for (const InputBox& row : kInputBoxes) {
    // Each selector is made just before its box: the tab order follows the order of making.
    if (row.field == InputField::GorOrPb) {
      gorSelector_ =
          createSelector("gorpk",
                         tr("What the box beside holds: \"GOR MCF/STB\" for the solution gas-oil ratio at the bubble "
                            "point; any other text for the bubble-point pressure in psia."),
                         group);
    } else if (row.field == InputField::SalinityOrSg) {
      waterSelector_ = createSelector(
          "wtrpk",
          tr("What the box beside holds: \"Water Specific Gravity\" for the water specific gravity; any other "
             "text for the salinity in percent NaCl."),
          group);
    }
    createBox(row, group);
    const BoxControls& made = controlsOf(row.field);
    if (made.caption != nullptr) {
      grid->addWidget(made.caption, line, 0);
      grid->addWidget(made.unit, line, 2);
    } else {
      grid->addWidget(row.field == InputField::GorOrPb ? gorSelector_ : waterSelector_, line, 0);
    }
    grid->addWidget(made.box, line, 1);
    ++line;
    if (row.field == InputField::GasGravity) {
      impurities_ = new GasImpuritiesRow(group);
      grid->addWidget(impurities_->caption(), line, 0);
      grid->addWidget(impurities_, line, 1, 1, 2);
      ++line;
    }
  }
  grid->setColumnStretch(1, 1);
  return group;
}

QComboBox* InputPanel::createSelector(const char* name, const QString& toolTip, QWidget* parent) {
  auto* selector = new QComboBox(parent);
  selector->setObjectName(QString::fromLatin1(name));
  selector->setToolTip(toolTip);
  selector->setEditable(true);
  selector->setInsertPolicy(QComboBox::NoInsert);
  selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  // No completion: a selector's text changes only when the user changes it, and a text
  // that differs from an item in case only stays as typed.
  selector->setCompleter(nullptr);
  // It may shrink to the width of an empty selector, seven characters: its items show in
  // full where the window has room, and the window fits a small screen.
  selector->setMinimumWidth(selector->minimumSizeHint().width());
  return selector;
}

void InputPanel::createBox(const InputBox& row, QWidget* parent) {
  BoxControls& made = controlsOf(row.field);
  made.box = MakeNumberBox(FromView(row.box), Translated("MainWindow", row.toolTip), parent);
  made.box->setMinimumWidth(made.box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
  made.partlyRead = AddBoxSign(made.box, QStyle::SP_MessageBoxWarning, QStringLiteral("PartlyRead"));
  made.outsideData = AddBoxSign(made.box, QStyle::SP_MessageBoxInformation, QStringLiteral("OutsideData"));
  connect(made.box, &QLineEdit::returnPressed, this, &InputPanel::returnPressed);
  if (!row.label.empty()) {
    made.caption = MakeLabel(FromView(row.label), Translated("MainWindow", row.caption.field), parent);
    made.unit = MakeUnitLabel(FromView(row.unit.field), parent);
  }
}

QWidget* InputPanel::createFluidChecks() {
  // One line: the fluids whose inputs show.
  auto* fluids = new QWidget(this);
  fluids->setObjectName(QStringLiteral("Frame1"));
  auto* layout = new QHBoxLayout(fluids);
  layout->setContentsMargins(6, 0, 6, 0);
  layout->addWidget(MakeLabel(QString(), tr("Fluids:"), fluids));
  oilCheck_ = new QCheckBox(tr("Oil"), fluids);
  gasCheck_ = new QCheckBox(tr("Gas"), fluids);
  waterCheck_ = new QCheckBox(tr("Water"), fluids);
  oilCheck_->setObjectName(QStringLiteral("Check1"));
  gasCheck_->setObjectName(QStringLiteral("Check2"));
  waterCheck_->setObjectName(QStringLiteral("Check3"));
  for (QCheckBox* check : {oilCheck_, gasCheck_, waterCheck_}) {
    check->setChecked(true);
    check->setToolTip(tr("Shows or hides the inputs of this fluid; hidden values still count."));
    layout->addWidget(check);
    connect(check, &QCheckBox::toggled, this, &InputPanel::applyFluidChecks);
  }
  return fluids;
}

void InputPanel::connectEdits() {
  connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_.setTitle(text.toStdString());
    emit edited();
  });
  connect(gorSelector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    model_.setGorSelector(text.toStdString());
    emit edited();
  });
  connect(waterSelector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    model_.setWaterSelector(text.toStdString());
    emit edited();
  });
  for (const InputBox& row : kInputBoxes) {
    connect(controlsOf(row.field).box, &QLineEdit::textChanged, this, [this, field = row.field](const QString& text) {
      model_.setBox(static_cast<std::size_t>(field), text.toStdString());
      emit edited();
    });
  }
  connect(impurities_, &GasImpuritiesRow::edited, this, [this](std::size_t i, const QString& text) {
    model_.setImpurityBox(i, text.toStdString());
    impurities_->markPartlyRead();
    emit edited();
  });
  connect(impurities_, &GasImpuritiesRow::returnPressed, this, &InputPanel::impuritiesReturnPressed);
}

void InputPanel::setBoxShown(InputField field, bool shown) {
  const BoxControls& controls = controlsOf(field);
  if (controls.caption != nullptr) controls.caption->setVisible(shown);
  controls.box->setVisible(shown);
  if (controls.unit != nullptr) controls.unit->setVisible(shown);
}

void InputPanel::applyFluidChecks() {
  const ShownInputs shown = InputsShown(oilCheck_->isChecked(), gasCheck_->isChecked(), waterCheck_->isChecked());
  setBoxShown(InputField::ApiGravity, shown.oil);
  gorSelector_->setVisible(shown.oil);
  setBoxShown(InputField::GorOrPb, shown.oil);
  setBoxShown(InputField::GasGravity, shown.gasGravityAndSwc);
  impurities_->caption()->setVisible(shown.gasGravityAndSwc);
  impurities_->setVisible(shown.gasGravityAndSwc);
  setBoxShown(InputField::Swc, shown.gasGravityAndSwc);
  setBoxShown(InputField::Wor, shown.wor);
  emit oilShown(shown.oil);
}

void InputPanel::showInputs() {
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
  for (const InputBox& row : kInputBoxes) {
    QLineEdit* box = controlsOf(row.field).box;
    const QSignalBlocker blocker(box);
    box->setText(QString::fromStdString(model_.box(static_cast<std::size_t>(row.field))));
  }
  impurities_->setTexts({model_.impurityBox(0), model_.impurityBox(1), model_.impurityBox(2)});
}

void InputPanel::showUnits() {
  const UnitSystem system = model_.units();
  for (const InputBox& row : kInputBoxes) {
    const BoxControls& box = controlsOf(row.field);
    if (box.caption != nullptr) box.caption->setText(WithUnitSymbols(Translated("MainWindow", row.caption.in(system))));
    if (box.unit != nullptr) box.unit->setText(UnitText(row.unit.in(system)));
  }
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

void InputPanel::markBoxes(const std::vector<Diagnostic>& warnings) {
  const CalculationCase c = model_.currentCase();
  const std::vector<ImpossibleInput> impossible = ImpossibleInputs(c.inputs);
  for (const InputBox& row : kInputBoxes) markBox(row, c, warnings, impossible);
}

void InputPanel::markBox(const InputBox& row, const CalculationCase& c, const std::vector<Diagnostic>& warnings,
                         const std::vector<ImpossibleInput>& impossibleInputs) {
  const BoxControls& controls = controlsOf(row.field);
  const std::string text = model_.box(static_cast<std::size_t>(row.field));
  const bool partly = !Blank(text) && !ReadsWhole(text);
  std::vector<Diagnostic> outside;
  for (const Diagnostic& d : warnings) {
    if (d.kind == DiagnosticKind::OutsideDataRange && d.input == row.field) outside.push_back(d);
  }
  // A value no reservoir has is marked as a partly read one is: the run goes ahead with it,
  // and the status says the results are not to be trusted.
  std::optional<ImpossibleInput> impossible;
  for (const ImpossibleInput& input : impossibleInputs) {
    if (input.field == row.field) impossible = input;
  }
  controls.partlyRead->setVisible(partly || impossible);
  controls.outsideData->setVisible(!outside.empty());
  QPalette palette = QApplication::palette(controls.box);
  QString toolTip = Translated("MainWindow", row.toolTip);
  if (const std::string ranges = InputRangesText(row.field, c); !ranges.empty()) {
    toolTip += tr("\n\nThe data of the correlations in force:\n%1").arg(QString::fromStdString(ranges));
  }
  if (!outside.empty()) {
    const QString sentence =
        QString::fromStdString(BoxWarningSentences(outside, Blank(text), c.gorMode, model_.units()));
    Tint(palette, kOutsideDataTint);
    toolTip += tr("\n\nOutside the data: %1.").arg(sentence);
    controls.outsideData->setToolTip(sentence);
  }
  if (partly) {
    Tint(palette, kPartlyReadTint);
    const QString read = QString::fromStdString(FormatShortest(ParseNumber(text)));
    toolTip += tr("\n\nRead as %1: only the number at the start of the text counts.").arg(read);
    controls.partlyRead->setToolTip(tr("Read as %1").arg(read));
  }
  if (impossible) {
    Tint(palette, kPartlyReadTint);
    const QString why =
        QString::fromStdString(ImpossibleInputText(*impossible, c.gorMode, c.waterMode, model_.units()));
    toolTip += tr("\n\n%1: the results are not to be trusted.").arg(why);
    controls.partlyRead->setToolTip(partly ? controls.partlyRead->toolTip() + QStringLiteral("; ") + why : why);
  }
  controls.box->setPalette(palette);
  controls.box->setToolTip(toolTip);
}

}  // namespace tarnvik
