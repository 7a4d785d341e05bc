#include "gui/results_panel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "gui/display_text.h"
#include "gui/widget_factory.h"
#include "present/run_messages.h"
#include "present/warning_texts.h"
#include "present/window_texts.h"

namespace tarnvik {
namespace {

// Background of an unphysical result; its frame is dashed as well.
const QString kUnphysicalStyle = QStringLiteral("QLabel { background: #f6d5d9; border: 2px dashed #a3303c; }");

// The rows of the four groups; the saturations under them read the same in every unit system.
constexpr std::array<std::span<const ResultLabel>, 4> kCaptionedRows = {kOilResultLabels, kGasResultLabels,
                                                                        kWaterResultLabels, kRockResultLabels};

QLabel* MakeValueField(const QString& name, QWidget* parent) {
  QLabel* field = MakeLabel(name, QString(), parent);
  field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  field->setBackgroundRole(QPalette::Base);
  field->setAutoFillBackground(true);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Wide enough for the longest text a pattern gives ("-12345.67"), so a new value never
  // changes the window's size.
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9 + 2 * field->frameWidth() + 6);
  return field;
}

}  // namespace

ResultsPanel::ResultsPanel(const CaseModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(0, 0, 0, 0);
  addGroup(tr("Oil"), kOilResultLabels, 0, 0);
  addGroup(tr("Gas"), kGasResultLabels, 0, 1);
  addGroup(tr("Water"), kWaterResultLabels, 1, 0);
  addSaturations(addGroup(tr("Rock and totals"), kRockResultLabels, 1, 1));
}

QGridLayout* ResultsPanel::addGroup(const QString& title, std::span<const ResultLabel> rows, int row, int column) {
  auto* group = new QGroupBox(title, this);
  auto* layout = new QGridLayout(group);
  layout->setVerticalSpacing(2);
  for (int i = 0; i < int(rows.size()); ++i) {
    const ResultLabel& output = rows[std::size_t(i)];
    const std::size_t index = IndexOf(output.field);
    QLabel* caption = MakeLabel(FromView(output.label), Translated("MainWindow", output.caption.field), group);
    QLabel* value = addValue(output.field, group);
    QLabel* unit = MakeUnitLabel(UnitText(InfoOf(output.field).unit), group);
    units_[index] = unit;
    if (output.field == OutputField::PbOrRsb) {
      pbCaption_ = caption;
      pbUnit_ = unit;
      unit->clear();
      fitPbCaption();
    } else {
      captions_[index] = caption;
    }
    layout->addWidget(caption, i, 0);
    layout->addWidget(value, i, 1);
    layout->addWidget(unit, i, 2);
  }
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(int(rows.size()), 1);
  grid_->addWidget(group, row, column);
  return layout;
}

QLabel* ResultsPanel::addValue(OutputField field, QWidget* group) {
  QLabel* value = MakeValueField(FromView(InfoOf(field).control), group);
  value->setToolTip(Translated("MainWindow", InfoOf(field).caption));
  value->installEventFilter(this);
  values_[IndexOf(field)] = value;
  return value;
}

// Room for either caption a run may set, in either unit system.
void ResultsPanel::fitPbCaption() {
  const QFontMetrics metrics = pbCaption_->fontMetrics();
  int width = 0;
  for (const auto mode : {GorSelectorMode::Gor, GorSelectorMode::BubblePoint}) {
    for (const auto system : {UnitSystem::Field, UnitSystem::Metric}) {
      width = std::max(width, metrics.horizontalAdvance(WithUnitSymbols(FromView(PbCaption(mode, system)))));
    }
  }
  pbCaption_->setMinimumWidth(width);
}

// Saturations: one caption over three values.
void ResultsPanel::addSaturations(QGridLayout* rock) {
  const int line = int(kRockResultLabels.size());
  QWidget* group = rock->parentWidget();
  rock->addWidget(
      MakeLabel(FromView(kSaturationsLabel.label), Translated("MainWindow", kSaturationsLabel.caption.field), group),
      line, 0);
  auto* saturations = new QGridLayout;
  saturations->setVerticalSpacing(1);
  for (int i = 0; i < int(kSaturationLabels.size()); ++i) {
    const ResultLabel& phase = kSaturationLabels[std::size_t(i)];
    QLabel* caption = MakeLabel(FromView(phase.label), Translated("MainWindow", phase.caption.field), group);
    caption->setAlignment(Qt::AlignCenter);
    QLabel* value = addValue(phase.field, group);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5);
    saturations->addWidget(caption, 0, i);
    saturations->addWidget(value, 1, i);
  }
  rock->addLayout(saturations, line, 1);
  rock->addWidget(MakeUnitLabel(QStringLiteral("%"), group), line, 2, Qt::AlignBottom);
  rock->setRowStretch(line, 0);
  rock->setRowStretch(line + 1, 1);
}

void ResultsPanel::showUnits() {
  const UnitSystem system = model_.units();
  for (const std::span<const ResultLabel> rows : kCaptionedRows) {
    for (const ResultLabel& row : rows) {
      const std::size_t i = IndexOf(row.field);
      if (captions_[i] != nullptr) {
        captions_[i]->setText(WithUnitSymbols(Translated("MainWindow", row.caption.in(system))));
      }
      if (row.field != OutputField::PbOrRsb) {
        units_[i]->setText(UnitText(FieldInfo(row.field, GorSelectorMode::Gor, system).unit));
      }
    }
  }
}

void ResultsPanel::showResults() {
  if (!model_.pbCaption().empty()) {
    pbCaption_->setText(WithUnitSymbols(QString::fromStdString(model_.pbCaption())));
    pbUnit_->setText(UnitText(model_.pbUnit()));
  }
  if (const auto& shown = model_.shown()) {
    for (std::size_t i = 0; i < kOutputFieldCount; ++i) values_[i]->setText(QString::fromStdString(shown->texts[i]));
  } else {
    for (QLabel* value : values_) value->clear();
  }
  markUnphysical();
}

void ResultsPanel::markStale(bool stale) {
  for (QLabel* value : values_) {
    QFont font = value->font();
    font.setItalic(stale);
    value->setFont(font);
    value->setForegroundRole(stale ? QPalette::PlaceholderText : QPalette::WindowText);
  }
}

void ResultsPanel::setOilShown(bool shown) {
  values_[IndexOf(OutputField::PbOrRsb)]->setVisible(shown);
  pbUnit_->setVisible(shown);
}

void ResultsPanel::markUnphysical() {
  const auto& shown = model_.shown();
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    QString toolTip = Translated("MainWindow", InfoOf(field).caption);
    bool unphysical = false;
    if (shown) {
      for (const Diagnostic& d : shown->warnings) {
        if (d.kind != DiagnosticKind::Unphysical || d.field != field) continue;
        unphysical = true;
        toolTip += tr("\n\nUnphysical: %1.")
                       .arg(QString::fromStdString(WarningSentence(d, model_.shownMode(), model_.units())));
      }
    }
    values_[i]->setStyleSheet(unphysical ? kUnphysicalStyle : QString());
    values_[i]->setToolTip(toolTip);
  }
}

// A double click on a result selects the whole value, not the digits after the point.
bool ResultsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (auto* label = qobject_cast<QLabel*>(watched)) {
      label->setSelection(0, int(label->text().size()));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tarnvik
