#include "gui/lab_analysis_view.h"

#include <QChart>
#include <QChartView>
#include <QColor>
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
#include "io/number_text.h"
#include "model/case_model.h"
#include "model/lab_quantities.h"
#include "model/lab_residuals.h"
#include "present/family_overlay.h"
#include "present/input_texts.h"
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

// The curves run over the families' plot range (present/family_overlay.h), which takes in
// the measured pressures and the bubble point, at this many pressures.
constexpr int kPlotPoints = 60;

constexpr std::array<const char*, kLabPropertyCount> kPropertyShortNames = {"pb", "Rs",     "Bo", "μo",
                                                                            "co", "V/Vsat", "z",  "Bg"};

QString Caption(std::size_t property) { return FromView(kLabPropertyTexts[property].caption); }

QString Percent(double fraction) {
  return std::isfinite(fraction) ? QString::fromStdString(FormatPercent(fraction))
                                 : LabAnalysisView::tr("not computed");
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

// Whether the report lies inside a family's published data, in a word or two, and in
// sentences for the tooltip.
struct DataRangeWords {
  QString text;
  QString tip;
};

DataRangeWords DataRangeWordsOf(const FamilyRank& family, UnitSystem system) {
  switch (LabDataFit(family)) {
    case DataFit::Inside:
      return {LabAnalysisView::tr("inside"),
              LabAnalysisView::tr(
                  "The report's API, gas gravity, temperature, GOR and bubble point lie inside the family's data.")};
    case DataFit::Outside:
      return {LabAnalysisView::tr("outside: %1")
                  .arg(QString::fromStdString(WarningCodes(family.outsideData, GorSelectorMode::Gor, system))),
              QString::fromStdString(WarningSentences(family.outsideData, GorSelectorMode::Gor, system))};
    case DataFit::Unknown:
      break;
  }
  return {LabAnalysisView::tr("unknown"), LabAnalysisView::tr("The paper gives no ranges of its data.")};
}

}  // namespace

LabAnalysisView::LabAnalysisView(const CaseModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  // The ranking above; the tuning and the plots side by side below.
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* analysis = new QSplitter(Qt::Vertical, this);
  outer->addWidget(analysis);
  analysis->addWidget(createRankingPane(analysis));
  auto* bottom = new QWidget(analysis);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addWidget(createTuningPane(bottom));
  bottomLayout->addWidget(createPlotsPane(bottom), 1);
  analysis->addWidget(bottom);
  analysis->setStretchFactor(0, 0);
  analysis->setStretchFactor(1, 1);
}

QWidget* LabAnalysisView::createRankingPane(QWidget* parent) {
  auto* top = new QWidget(parent);
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
  return top;
}

QWidget* LabAnalysisView::createTuningPane(QWidget* parent) {
  auto* tuning = new QGroupBox(tr("Tuning"), parent);
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
  for (std::size_t p = 0; p < kLabPropertyCount; ++p) tuningErrors_->verticalHeaderItem(int(p))->setToolTip(Caption(p));
  tuningErrors_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tuningLayout->addWidget(tuningErrors_, 1);
  return tuning;
}

QWidget* LabAnalysisView::createPlotsPane(QWidget* parent) {
  plots_ = new QTabWidget(parent);
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
  residuals_ = MakeLabTable("labResiduals", plots_);
  residuals_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  residuals_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  residuals_->verticalHeader()->hide();
  residuals_->setToolTip(tr("Each measurement against the family chosen for tuning, untuned and tuned; a marked "
                            "error lies beyond the tuned model's target (%1).")
                             .arg(FromView(LabTargetsText())));
  plots_->addTab(residuals_, tr("Residuals"));
  return plots_;
}

QTableView* LabAnalysisView::rankingView() const { return ranking_; }

QChartView* LabAnalysisView::currentChartView() const {
  const int index = plots_->currentIndex();
  return index >= 0 && index < int(chartViews_.size()) ? chartViews_[std::size_t(index)] : nullptr;
}

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
  residuals_->clear();
  residuals_->setRowCount(0);
  residuals_->setColumnCount(0);
  for (QChartView* view : chartViews_) ClearPlot(*view->chart());
}

void LabAnalysisView::showAnalysis(UnitSystem system) {
  Analysed now{model_.currentCase(), model_.labData(), system};
  if (analysed_ == now) return;
  analysed_ = std::move(now);
  const OilTuning* tuning = model_.tuned() ? &model_.tuning() : nullptr;
  removeTuningButton_->setEnabled(tuning != nullptr);
  tuningText_->setText(tuning != nullptr ? QString::fromStdString(TuningDescription(*tuning))
                                         : tr("Tuning is off: every family runs as published."));
  if (!model_.labData()) {
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
  showRanking(ranking, tuning, system);
  showFamilyList(ranking, tuning);
  showTuningErrors();
  showPlots(ranking, tuning, system);
}

void LabAnalysisView::showRanking(const OilRanking& ranking, const OilTuning* tuning, UnitSystem system) {
  const QString temperature = QString::fromStdString(TemperatureText(ranking.compared.temperatureF, system));
  rankingCaption_->setText(
      tr("The nine oil families against the lab data at %1%2, best first. The score is the mean AARE of the "
         "bubble point, Rs, Bo and oil viscosity that were measured (Rs below a tenth of the GOR at the bubble point "
         "in percent of that GOR); a family outside its published data ranks as if %3 points worse, one whose data "
         "are unknown %4. The other properties are shown, not scored.")
          .arg(temperature, ranking.separatorAdjusted ? tr(", at separator conditions") : QString())
          .arg(100 * kOutsideDataMargin)
          .arg(100 * kUnknownRangesMargin));

  QStringList headers = {tr("Rank"), tr("Oil family"), tr("Score %"), tr("Ranked\nby %")};
  for (std::size_t p = 0; p < kLabPropertyCount; ++p) headers << tr("%1\nAARE % (points)").arg(Caption(p));
  headers << tr("Inside the family's data");
  ranking_->clear();
  ranking_->setColumnCount(int(headers.size()));
  ranking_->setHorizontalHeaderLabels(headers);
  std::optional<LabComparison> tuned;
  if (tuning != nullptr) tuned = CompareWithLab(ranking.labCase, ranking.compared, tuning->family, tuning);
  ranking_->setRowCount(int(ranking.families.size()) + (tuned ? 1 : 0));
  int row = 0;
  const auto addRow = [&](const QString& rank, const QString& name, const LabErrors& errors, double score,
                          double ranked, const QString& range, const QString& rangeTip, bool bold) {
    ranking_->setItem(row, 0, Item(rank, bold, Qt::AlignCenter));
    ranking_->setItem(row, 1, Item(name, bold, Qt::AlignLeft));
    ranking_->setItem(row, 2, Item(Percent(score), bold));
    ranking_->setItem(row, 3, Item(Percent(ranked), bold));
    for (std::size_t p = 0; p < kLabPropertyCount; ++p)
      ranking_->setItem(row, 4 + int(p), Item(ErrorText(errors[p]), bold));
    QTableWidgetItem* rangeItem = Item(range, bold, Qt::AlignLeft);
    rangeItem->setToolTip(rangeTip);
    ranking_->setItem(row, 4 + int(kLabPropertyCount), rangeItem);
    ++row;
  };
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    const FamilyRank& family = ranking.families[i];
    const DataRangeWords range = DataRangeWordsOf(family, system);
    const QString name = FromView(OilCorrelationName(family.family));
    addRow(QString::number(i + 1), name, family.errors(), family.score, family.rankedScore, range.text, range.tip,
           false);
    if (tuned && EffectiveOilCorrelation(tuning->family) == family.family) {
      const double score = LabScore(tuned->errors);
      addRow(QString(), tr("%1 (tuned)").arg(name), tuned->errors, score, score, range.text, range.tip, true);
    }
  }
  ranking_->resizeColumnsToContents();
}

// The family list, best first; the tuned family, or the one picked, stays chosen.
void LabAnalysisView::showFamilyList(const OilRanking& ranking, const OilTuning* tuning) {
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
}

// Each family's curve at the report's conditions, the tuned one bolder, under the points.
void LabAnalysisView::showPlots(const OilRanking& ranking, const OilTuning* tuning, UnitSystem system) {
  const LabData& compared = ranking.compared;
  std::vector<double> measured;
  for (const LabPoint& point : compared.points) measured.push_back(point.pressure);
  const FamilyOverlay overlay =
      BuildFamilyOverlay(ranking.labCase, PressureRange{std::nullopt, std::nullopt, kPlotPoints}, tuning, measured);
  for (std::size_t i = 0; i < kLabPlots.size(); ++i) {
    const LabPlot& plot = kLabPlots[i];
    const LabQuantity& q = LabQuantityOf(plot.column);
    const auto curve = [&](const PressureTable& table) {
      QList<QPointF> points;
      for (const CurvePoint& point : CurveOf(table, plot.field, GorSelectorMode::Gor)) {
        points.append(
            QPointF(FromField(point.pressure, Dimension::Pressure, system), LabValueIn(point.value, q, system)));
      }
      return points;
    };
    LabPlotData plotData;
    plotData.quantity = FromView(q.caption);
    plotData.unit = LabUnitText(q, system);
    for (const LabPoint& point : compared.points) {
      if (const std::optional<double> value = LabPointValue(point, plot.column)) {
        plotData.measured.append(
            QPointF(FromField(point.pressure, Dimension::Pressure, system), LabValueIn(*value, q, system)));
      }
    }
    for (std::size_t f = 0; f < overlay.families.size(); ++f) plotData.families[f] = curve(overlay.families[f]);
    if (overlay.tuned) {
      plotData.tuned = curve(*overlay.tuned);
      plotData.tunedFamily = tuning->family;
    }
    plotData.lowestPressure = FromField(overlay.range.minimum.value_or(0), Dimension::Pressure, system);
    plotData.highestPressure = FromField(overlay.range.maximum.value_or(1), Dimension::Pressure, system);
    QChart& chart = *chartViews_[i]->chart();
    chart.setTitle(ranking.separatorAdjusted ? tr("%1: lab data at separator conditions").arg(tr(plot.title))
                                             : tr(plot.title));
    PlotAgainstLab(chart, plotData, system);
  }
}

void LabAnalysisView::showTuningErrors() {
  if (!rankingShown_ || family_->currentIndex() < 0) return;
  const OilTuning* tuning = model_.tuned() ? &model_.tuning() : nullptr;
  const auto family = static_cast<OilCorrelation>(family_->currentData().toInt());
  const bool tunedShown = tuning != nullptr && EffectiveOilCorrelation(tuning->family) == family;
  const LabComparison untuned = CompareWithLab(rankingShown_->labCase, rankingShown_->compared, family);
  std::optional<LabComparison> tuned;
  if (tunedShown) tuned = CompareWithLab(rankingShown_->labCase, rankingShown_->compared, family, tuning);
  for (std::size_t p = 0; p < kLabPropertyCount; ++p) {
    const int row = int(p);
    const PropertyError& before = untuned.errors[p];
    tuningErrors_->setItem(row, 0, Item(QString::number(before.points)));
    tuningErrors_->setItem(row, 1, Item(before.points ? Percent(before.aare) : QStringLiteral("–")));
    tuningErrors_->setItem(
        row, 2, Item(tuned && tuned->errors[p].points ? Percent(tuned->errors[p].aare) : QStringLiteral("–")));
    tuningErrors_->setRowHidden(row, before.points == 0);
  }
  showResiduals(untuned, tuned ? &*tuned : nullptr);
}

// The residuals of the family chosen, untuned and tuned: measured, predicted, error; an
// error beyond the tuned model's target is marked.
void LabAnalysisView::showResiduals(const LabComparison& untuned, const LabComparison* tuned) {
  const UnitSystem system = analysed_ ? analysed_->system : UnitSystem::Field;
  const std::vector<ShownResidual> before = ShownResiduals(untuned, system);
  const std::vector<ShownResidual> after = tuned ? ShownResiduals(*tuned, system) : std::vector<ShownResidual>{};
  QStringList headers = {tr("Pressure\n%1").arg(LabUnitText(LabQuantityOf(LabColumn::Pressure), system)),
                         tr("Property"), tr("Measured"), tr("Untuned"), tr("Error %")};
  if (tuned) headers << tr("Tuned") << tr("Error %");
  residuals_->clear();
  residuals_->setColumnCount(int(headers.size()));
  residuals_->setHorizontalHeaderLabels(headers);
  residuals_->setRowCount(int(before.size()));
  const auto value = [](double v) { return std::isfinite(v) ? QString::number(v, 'g', 6) : tr("not computed"); };
  const auto error = [](const ShownResidual& r) {
    QTableWidgetItem* item =
        Item(std::isfinite(r.errorPercent) ? QString::number(r.errorPercent, 'f', 2) : tr("not computed"));
    if (!r.withinTarget) {
      item->setText(item->text() + QStringLiteral(" ⚠"));
      item->setForeground(QColor(0xb0, 0x00, 0x20));
      item->setToolTip(tr("Beyond the target of %1 %").arg(r.targetPercent.value_or(0)));
    }
    return item;
  };
  for (std::size_t i = 0; i < before.size(); ++i) {
    const ShownResidual& r = before[i];
    const LabPropertyText& text = TextOf(r.property);
    const int row = int(i);
    residuals_->setItem(row, 0, Item(value(r.pressure)));
    QTableWidgetItem* property = Item(
        QStringLiteral("%1 %2").arg(FromView(text.caption), LabUnitText(*text.quantity, system)), false, Qt::AlignLeft);
    residuals_->setItem(row, 1, property);
    residuals_->setItem(row, 2, Item(value(r.measured)));
    residuals_->setItem(row, 3, Item(value(r.predicted)));
    residuals_->setItem(row, 4, error(r));
    if (tuned) {
      residuals_->setItem(row, 5, Item(value(after[i].predicted)));
      residuals_->setItem(row, 6, error(after[i]));
    }
  }
  residuals_->resizeColumnsToContents();
}

}  // namespace tarnvik
