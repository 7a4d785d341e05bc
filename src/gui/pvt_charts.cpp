#include "gui/pvt_charts.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "gui/display_text.h"
#include "present/family_overlay.h"
#include "present/output_fields.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

QColor LeftColor() { return QColor(0x1f, 0x7f, 0x8c); }
QColor RightColor() { return QColor(0xd9, 0x82, 0x1e); }
QColor BubblePointColor() { return QColor(0x16, 0x3a, 0x55); }
QColor ReservoirPressureColor() { return QColor(0xb0, 0x3a, 0x48); }

QColor FamilyColor(std::size_t family) {
  static const QRgb colors[9] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                                 0x8c564b, 0xe377c2, 0x7f7f7f, 0x17becf};
  return QColor::fromRgb(colors[family % 9]);
}

// The tuned curve: black, unlike every family's colour, its untuned form's included.
QColor TunedColor() { return QColor(0x10, 0x10, 0x10); }

struct Range {
  double low = 0;
  double high = 1;
};

struct ValueAxis {
  QAbstractAxis* axis = nullptr;
  Range shown;
};

double PressureShown(double psia, UnitSystem system) { return FromField(psia, Dimension::Pressure, system); }

std::string_view PressureUnit(UnitSystem system) {
  return FieldInfo(OutputField::PbOrRsb, GorSelectorMode::Gor, system).unit;
}

QList<QPointF> Points(const PressureTable& table, const Curve& curve, GorSelectorMode gorMode, UnitSystem system) {
  const double factor = FieldInfo(curve.field, gorMode, system).displayFactor;
  QList<QPointF> points;
  points.reserve(qsizetype(table.rows.size()));
  for (const CurvePoint& point : CurveOf(table, curve.field, gorMode)) {
    const double value = point.value * factor;
    if (!std::isfinite(value) || (curve.logarithmic && value <= 0)) continue;
    points.append(QPointF(PressureShown(point.pressure, system), value));
  }
  return points;
}

Range ValueRange(const QList<QPointF>& points, bool logarithmic) {
  if (points.isEmpty()) return logarithmic ? Range{1, 10} : Range{0, 1};
  const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                               [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
  Range range{low->y(), high->y()};
  if (logarithmic) return range.low == range.high ? Range{range.low / 2, range.high * 2} : range;
  // A little room above and below the curve, without crossing zero for a positive quantity.
  const double pad =
      range.low == range.high ? (range.low == 0 ? 1 : std::abs(range.low) * 0.05) : (range.high - range.low) * 0.04;
  const double padded = range.low - pad;
  return {range.low >= 0 && padded < 0 ? 0 : padded, range.high + pad};
}

QValueAxis* AddPressureAxis(QChart& chart, const PressureTable& table, UnitSystem system) {
  auto* axis = new QValueAxis;
  axis->setTitleText(AxisTitle(QCoreApplication::translate("PvtCharts", "Pressure"), PressureUnit(system)));
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setRange(PressureShown(table.minimum, system), PressureShown(table.maximum, system));
  axis->applyNiceNumbers();
  chart.addAxis(axis, Qt::AlignBottom);
  return axis;
}

// The y axis of a curve, fitted to its points.
ValueAxis AddValueAxis(QChart& chart, QXYSeries* series, const Curve& curve, Qt::Alignment side, const QColor& color,
                       UnitSystem system) {
  const QList<QPointF> points = series->points();
  const Range fitted = ValueRange(points, curve.logarithmic);
  QAbstractAxis* axis = nullptr;
  Range shown = fitted;
  if (curve.logarithmic) {
    auto* log = new QLogValueAxis;
    log->setBase(10);
    log->setLabelFormat(QStringLiteral("%g"));
    log->setRange(fitted.low, fitted.high);
    axis = log;
  } else {
    auto* linear = new QValueAxis;
    linear->setLabelFormat(QStringLiteral("%g"));
    linear->setRange(fitted.low, fitted.high);
    linear->applyNiceNumbers();
    shown = {linear->min(), linear->max()};
    axis = linear;
  }
  axis->setTitleText(
      AxisTitle(QString::fromUtf8(curve.name), FieldInfo(curve.field, GorSelectorMode::Gor, system).unit));
  if (color.isValid()) {
    axis->setLabelsColor(color);
    axis->setTitleBrush(color);
  }
  chart.addAxis(axis, side);
  series->attachAxis(axis);
  return {axis, shown};
}

QLineSeries* AddSeries(QChart& chart, const QString& name, QList<QPointF> points, const QColor& color,
                       QAbstractAxis* xAxis, double width = 2) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->replace(std::move(points));
  QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  series->setPen(pen);
  chart.addSeries(series);
  series->attachAxis(xAxis);
  return series;
}

void AddMarker(QChart& chart, const QString& what, double psia, const Range& range, const QColor& color,
               QAbstractAxis* xAxis, QAbstractAxis* yAxis, UnitSystem system) {
  auto* marker = new QLineSeries;
  const double pressure = PressureShown(psia, system);
  marker->setName(QCoreApplication::translate("PvtCharts", "%1, %2 %3")
                      .arg(what, QString::number(pressure, 'f', 0), FromView(PressureUnit(system))));
  marker->append(pressure, range.low);
  marker->append(pressure, range.high);
  QPen pen(color);
  pen.setWidthF(1.5);
  pen.setStyle(Qt::DashLine);
  marker->setPen(pen);
  chart.addSeries(marker);
  marker->attachAxis(xAxis);
  marker->attachAxis(yAxis);
}

bool Inside(const PressureTable& table, double pressure) {
  return pressure >= table.minimum && pressure <= table.maximum;
}

void PrepareChart(QChart& chart, Qt::Alignment legendSide) {
  ClearPlot(chart);
  chart.legend()->setAlignment(legendSide);
  chart.legend()->show();
}

}  // namespace

void ClearPlot(QChart& chart) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
}

void PlotCase(QChart& chart, const PlotInfo& plot, const PressureTable& table, GorSelectorMode gorMode,
              UnitSystem system) {
  PrepareChart(chart, Qt::AlignBottom);
  if (table.rows.empty()) return;
  QValueAxis* pressureAxis = AddPressureAxis(chart, table, system);

  const bool twoAxes = plot.right.has_value();
  QLineSeries* left = AddSeries(chart, QString::fromUtf8(plot.left.name), Points(table, plot.left, gorMode, system),
                                LeftColor(), pressureAxis);
  const ValueAxis leftAxis =
      AddValueAxis(chart, left, plot.left, Qt::AlignLeft, twoAxes ? LeftColor() : QColor(), system);
  if (twoAxes) {
    QLineSeries* right = AddSeries(chart, QString::fromUtf8(plot.right->name),
                                   Points(table, *plot.right, gorMode, system), RightColor(), pressureAxis);
    AddValueAxis(chart, right, *plot.right, Qt::AlignRight, RightColor(), system);
  }

  if (table.bubblePoint && Inside(table, *table.bubblePoint)) {
    AddMarker(chart, QCoreApplication::translate("PvtCharts", kBubblePointMarker), *table.bubblePoint, leftAxis.shown,
              BubblePointColor(), pressureAxis, leftAxis.axis, system);
  }
  if (Inside(table, table.reservoirPressure)) {
    AddMarker(chart, QCoreApplication::translate("PvtCharts", kReservoirPressureMarker), table.reservoirPressure,
              leftAxis.shown, ReservoirPressureColor(), pressureAxis, leftAxis.axis, system);
  }
}

void PlotFamilies(QChart& chart, const PlotInfo& plot, const std::array<PressureTable, kOilCorrelationCount>& tables,
                  GorSelectorMode gorMode, OilCorrelation caseFamily, UnitSystem system) {
  PrepareChart(chart, Qt::AlignRight);
  const PressureTable& first = tables.front();
  if (first.rows.empty()) return;
  QValueAxis* pressureAxis = AddPressureAxis(chart, first, system);

  // All curves share one y axis, fitted to the points of every family.
  QList<QPointF> all;
  std::array<QLineSeries*, kOilCorrelationCount> series{};
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const auto family = static_cast<OilCorrelation>(i);
    const double width = family == EffectiveOilCorrelation(caseFamily) ? 3.5 : 1.6;
    series[i] = AddSeries(chart, FromView(OilCorrelationName(family)), Points(tables[i], plot.left, gorMode, system),
                          FamilyColor(i), pressureAxis, width);
    all += series[i]->points();
  }
  auto* valueAxis = new QValueAxis;
  valueAxis->setLabelFormat(QStringLiteral("%g"));
  const Range fitted = ValueRange(all, false);
  valueAxis->setRange(fitted.low, fitted.high);
  valueAxis->applyNiceNumbers();
  valueAxis->setTitleText(
      AxisTitle(QString::fromUtf8(plot.left.name), FieldInfo(plot.left.field, GorSelectorMode::Gor, system).unit));
  chart.addAxis(valueAxis, Qt::AlignLeft);
  for (QLineSeries* s : series) s->attachAxis(valueAxis);

  if (Inside(first, first.reservoirPressure)) {
    AddMarker(chart, QCoreApplication::translate("PvtCharts", kReservoirPressureMarker), first.reservoirPressure,
              {valueAxis->min(), valueAxis->max()}, ReservoirPressureColor(), pressureAxis, valueAxis, system);
  }
}

void PlotAgainstLab(QChart& chart, const LabPlotData& data, UnitSystem system) {
  // Eleven names beside the plot, the legend as wide as the longest needs (the chart's
  // layout would cut them otherwise); a name cut all the same shows whole on hovering.
  PrepareChart(chart, Qt::AlignRight);
  chart.legend()->setShowToolTips(true);
  const QFontMetricsF metrics(chart.legend()->font());
  double longest = metrics.horizontalAdvance(QCoreApplication::translate("PvtCharts", kLabPointsName));
  for (std::size_t i = 0; i < data.families.size(); ++i) {
    longest =
        std::max(longest, metrics.horizontalAdvance(FromView(OilCorrelationName(static_cast<OilCorrelation>(i)))));
  }
  if (data.tuned) {
    longest = std::max(longest, metrics.horizontalAdvance(FromView(OilCorrelationName(data.tunedFamily)) +
                                                          QCoreApplication::translate("PvtCharts", kTunedCurveSuffix)));
  }
  chart.legend()->setMinimumWidth(longest + metrics.height() * 3);
  auto* pressureAxis = new QValueAxis;
  pressureAxis->setTitleText(AxisTitle(QCoreApplication::translate("PvtCharts", "Pressure"), PressureUnit(system)));
  pressureAxis->setLabelFormat(QStringLiteral("%g"));
  pressureAxis->setRange(data.lowestPressure, data.highestPressure);
  pressureAxis->applyNiceNumbers();
  chart.addAxis(pressureAxis, Qt::AlignBottom);

  // One y axis, fitted to the measurements and every curve.
  QList<QPointF> all = data.measured;
  std::vector<QXYSeries*> series;
  for (std::size_t i = 0; i < data.families.size(); ++i) {
    series.push_back(AddSeries(chart, FromView(OilCorrelationName(static_cast<OilCorrelation>(i))), data.families[i],
                               FamilyColor(i), pressureAxis, 1.4));
    all += data.families[i];
  }
  if (data.tuned) {
    series.push_back(AddSeries(
        chart,
        FromView(OilCorrelationName(data.tunedFamily)) + QCoreApplication::translate("PvtCharts", kTunedCurveSuffix),
        *data.tuned, TunedColor(), pressureAxis, 3.5));
    all += *data.tuned;
  }
  auto* measured = new QScatterSeries;
  measured->setName(QCoreApplication::translate("PvtCharts", kLabPointsName));
  measured->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  measured->setMarkerSize(9);
  // Hollow, so that a point on the tuned curve still shows.
  measured->setColor(Qt::white);
  measured->setBorderColor(Qt::black);
  measured->setPen(QPen(Qt::black, 2));
  measured->replace(data.measured);
  chart.addSeries(measured);
  measured->attachAxis(pressureAxis);
  series.push_back(measured);

  auto* valueAxis = new QValueAxis;
  valueAxis->setLabelFormat(QStringLiteral("%g"));
  const Range fitted = ValueRange(all, false);
  valueAxis->setRange(fitted.low, fitted.high);
  valueAxis->applyNiceNumbers();
  valueAxis->setTitleText(data.unit.isEmpty() ? data.quantity
                                              : QStringLiteral("%1 (%2)").arg(data.quantity, data.unit));
  chart.addAxis(valueAxis, Qt::AlignLeft);
  for (QXYSeries* s : series) s->attachAxis(valueAxis);
}

}  // namespace tarnvik
