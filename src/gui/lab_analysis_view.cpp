#include "gui/lab_analysis_view.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
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
#include "gui/display_text.h"
#include "gui/lab_page_widgets.h"
#include "gui/pvt_charts.h"
#include "model/case_model.h"
#include "model/lab_quantities.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"

namespace tarnvik {
namespace {

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

constexpr std::array<const char*, kLabPropertyCount> kPropertyNames = {"Bubble point", "Rs", "Bo", "Oil viscosity",
                                                                       "Oil compressibility"};
constexpr std::array<const char*, kLabPropertyCount> kPropertyShortNames = {"pb", "Rs", "Bo", "μo", "co"};

QString Percent(double fraction) {
  return std::isfinite(fraction) ? QString::number(fraction * 100, 'f', 2) : LabAnalysisView::tr("not computed");
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

}  // namespace

LabAnalysisView::LabAnalysisView(const CaseModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  // The ranking above; the tuning and the plots side by side below.
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* analysis = new QSplitter(Qt::Vertical, this);
  outer->addWidget(analysis);
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
  connect(applyButton_, &QPushButton::clicked, this, &LabAnalysisView::applyTuningClicked);
  connect(removeTuningButton_, &QPushButton::clicked, this, &LabAnalysisView::removeTuningClicked);
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
}

QTableView* LabAnalysisView::rankingView() const { return ranking_; }

QChartView* LabAnalysisView::currentChartView() const { return chartViews_[std::size_t(plots_->currentIndex())]; }

std::optional<OilCorrelation> LabAnalysisView::familyInList() const {
  if (family_->currentIndex() < 0) return std::nullopt;
  return static_cast<OilCorrelation>(family_->currentData().toInt());
}

void LabAnalysisView::clearAnalysis(const QString& why) {
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

void LabAnalysisView::showAnalysis(UnitSystem system) {
  Analysed now{model_.currentCase(), model_.labData(), system};
  if (analysed_ == now) return;
  analysed_ = std::move(now);
  const bool hasLab = model_.labData().has_value();
  const OilTuning* tuning = model_.tuned() ? &model_.tuning() : nullptr;
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
      QString::number(FromField(compared.temperatureF, Dimension::Temperature, system), 'g', 6) +
      (system == UnitSystem::Metric ? QStringLiteral(" °C") : QStringLiteral(" °F"));
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
    switch (LabDataFit(family)) {
      case DataFit::Inside:
        range = tr("inside");
        rangeTip = tr("The report's API, gas gravity, temperature, GOR and bubble point lie inside the family's data.");
        break;
      case DataFit::Outside:
        range = tr("outside: %1")
                    .arg(QString::fromStdString(WarningCodes(family.outsideData, GorSelectorMode::Gor, system)));
        rangeTip = QString::fromStdString(WarningSentences(family.outsideData, GorSelectorMode::Gor, system));
        break;
      case DataFit::Unknown:
        break;
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
        points.append(QPointF(FromField(row.pressure, Dimension::Pressure, system), LabValueIn(*value, q, system)));
      }
      return points;
    };
    LabPlotData data;
    data.quantity = FromView(q.caption);
    data.unit = LabUnitText(q, system);
    for (const LabPoint& point : compared.points) {
      if (const std::optional<double> value = LabPointValue(point, plot.column)) {
        data.measured.append(
            QPointF(FromField(point.pressure, Dimension::Pressure, system), LabValueIn(*value, q, system)));
      }
    }
    for (std::size_t f = 0; f < tables.size(); ++f) data.families[f] = curve(tables[f]);
    if (tunedTable) {
      data.tuned = curve(*tunedTable);
      data.tunedFamily = tuning->family;
    }
    data.lowestPressure = FromField(range.minimum.value_or(0), Dimension::Pressure, system);
    data.highestPressure = FromField(range.maximum.value_or(1), Dimension::Pressure, system);
    QChart& chart = *chartViews_[i]->chart();
    chart.setTitle(ranking.separatorAdjusted ? tr("%1: lab data at separator conditions").arg(tr(plot.title))
                                             : tr(plot.title));
    PlotAgainstLab(chart, data, system);
  }
}

void LabAnalysisView::showTuningErrors() {
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

}  // namespace tarnvik
