#include "gui/case_report.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <string>
#include <vector>

#include "calc/pressure_table.h"
#include "gui/display_text.h"
#include "gui/pvt_charts.h"
#include "gui/save_file.h"

namespace tarnvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CaseReport", text); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Lays out text from the top of a column down, in points converted to device pixels.
class Column {
 public:
  Column(QPainter& painter, const QRectF& area) : painter_(painter), area_(area), y_(area.top()) {}

  double points(double pt) const { return pt * painter_.device()->logicalDpiY() / 72.0; }
  double y() const { return y_; }
  void skip(double pt) { y_ += points(pt); }

  // A bold line that wraps when it is longer than the column.
  void heading(const QString& text, double size) {
    QFont font = painter_.font();
    font.setPointSizeF(size);
    font.setBold(true);
    painter_.setFont(font);
    const QRectF bound =
        painter_.boundingRect(QRectF(area_.left(), y_, area_.width(), 1e6), Qt::AlignLeft | Qt::TextWordWrap, text);
    painter_.drawText(bound, Qt::AlignLeft | Qt::TextWordWrap, text);
    y_ = bound.bottom() + points(2);
  }

  void paragraph(const QString& text, double size) {
    QFont font = painter_.font();
    font.setPointSizeF(size);
    font.setBold(false);
    painter_.setFont(font);
    const QRectF bound =
        painter_.boundingRect(QRectF(area_.left(), y_, area_.width(), 1e6), Qt::AlignLeft | Qt::TextWordWrap, text);
    painter_.drawText(bound, Qt::AlignLeft | Qt::TextWordWrap, text);
    y_ = bound.bottom() + points(3);
  }

  // Rows of caption, value (right-aligned) and unit, with a thin rule under each; `texts`:
  // values that are words, left-aligned in the space of value and unit.
  void table(const std::vector<SheetRow>& rows, double size, bool texts = false) {
    QFont font = painter_.font();
    font.setPointSizeF(size);
    font.setBold(false);
    painter_.setFont(font);
    const double line = QFontMetricsF(font, painter_.device()).height() * 1.25;
    const double captionWidth = area_.width() * (texts ? 0.4 : 0.6), valueWidth = area_.width() * 0.17;
    for (const SheetRow& row : rows) {
      // A long text wraps onto more lines of its own row.
      const double height = texts ? std::max(line, painter_
                                                       .boundingRect(QRectF(0, 0, area_.width() - captionWidth, 1e6),
                                                                     Qt::TextWordWrap, Text(row.value))
                                                       .height())
                                  : line;
      const QRectF caption(area_.left(), y_, captionWidth, line);
      const QRectF value(caption.right(), y_, texts ? area_.width() - captionWidth : valueWidth, height);
      const QRectF unit(value.right() + points(4), y_, area_.width() - captionWidth - valueWidth - points(4), line);
      painter_.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, Text(row.caption));
      painter_.drawText(value,
                        texts ? Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap : Qt::AlignRight | Qt::AlignVCenter,
                        Text(row.value));
      painter_.drawText(unit, Qt::AlignLeft | Qt::AlignVCenter, row.unit.empty() ? QString() : UnitText(row.unit));
      const QPen pen = painter_.pen();
      painter_.setPen(QPen(QColor(200, 200, 200), 0));
      painter_.drawLine(QPointF(area_.left(), y_ + height), QPointF(area_.right(), y_ + height));
      painter_.setPen(pen);
      y_ += height;
    }
    y_ += points(6);
  }

 private:
  QPainter& painter_;
  QRectF area_;
  double y_;
};

// Plots are laid out at this size, where the chart's fonts read well, then scaled.
constexpr QSizeF kPlotSize(520, 360);

void PaintPlot(QPainter& painter, const QRectF& target, const PlotInfo& plot, const PressureTable& table,
               GorSelectorMode mode, UnitSystem units) {
  QGraphicsScene scene;
  auto* chart = new QChart;  // owned by the scene
  scene.addItem(chart);
  // Laid out at a size where the chart's fonts read well, then scaled onto the page.
  const QSizeF size = kPlotSize;
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  chart->setBackgroundVisible(false);
  PlotCase(*chart, plot, table, mode, units);
  chart->setTitle(QString::fromLatin1(plot.title));
  // The chart lays out its axes, labels and legend on posted layout requests.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  scene.setSceneRect(QRectF(QPointF(0, 0), size));
  scene.render(&painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
}

// The case against pressure across the page: a row of short names with units, then a
// row per pressure, those at the bubble point and the reservoir pressure in bold.
void PaintPressureTable(QPainter& painter, Column& column, const QRectF& area, const SheetTable& table) {
  QFont font = painter.font();
  font.setPointSizeF(7.5);
  font.setBold(false);
  const double line = QFontMetricsF(font, painter.device()).height() * 1.2;
  const int columns = int(table.headers.size());
  // The note column takes what the numbers leave.
  const double width = area.width() / (columns - 1 + 2.2);
  double y = column.y();
  const auto cell = [&](int index, const QString& text) {
    const double left = area.left() + index * width;
    const double pad = index == columns - 1 ? column.points(6) : 0;
    const QRectF box(left + pad, y, index == columns - 1 ? area.right() - left - pad : width - column.points(3), line);
    const bool words = index == 0 || index == columns - 1;
    painter.drawText(box, (words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
  };
  // Each header on two lines: the name, then its unit.
  font.setBold(true);
  painter.setFont(font);
  for (int i = 0; i < columns; ++i) {
    QString header = WithUnitSymbols(Text(table.headers[std::size_t(i)]));
    const qsizetype unit = header.indexOf(QStringLiteral(" ["));
    cell(i, unit < 0 ? header : header.left(unit));
    if (unit >= 0) {
      y += line;
      cell(i, header.mid(unit + 1));
      y -= line;
    }
  }
  y += 2 * line;
  const QPen pen = painter.pen();
  for (std::size_t r = 0; r < table.rows.size() && y + line <= area.bottom(); ++r) {
    font.setBold(table.marked[r]);
    painter.setFont(font);
    for (int i = 0; i < columns; ++i) cell(i, Text(table.rows[r][std::size_t(i)]));
    painter.setPen(QPen(QColor(215, 215, 215), 0));
    painter.drawLine(QPointF(area.left(), y + line), QPointF(area.right(), y + line));
    painter.setPen(pen);
    y += line;
  }
}

QString UnitsName(UnitSystem units) { return units == UnitSystem::Metric ? Tr("metric units") : Tr("field units"); }

}  // namespace

void PaintCaseReport(QPainter& painter, const QRect& page, const CaseSheet& sheet,
                     const std::optional<CalculationCase>& plotted) {
  painter.save();
  painter.setPen(Qt::black);
  Column top(painter, page);
  QString about =
      Tr("Tarnvik %1 PVT report, %2; %3")
          .arg(QStringLiteral(TARNVIK_VERSION),
               QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat), UnitsName(sheet.units));
  about += sheet.fileName.empty() ? Tr("; not saved to a file") : Tr("; case file %1").arg(Text(sheet.fileName));
  top.paragraph(about, 8);
  top.heading(sheet.title.empty() ? Tr("(untitled case)") : Text(sheet.title), 15);
  top.skip(4);

  const double gap = top.points(18);
  const double half = (page.width() - gap) / 2;
  Column left(painter, QRectF(page.left(), top.y(), half, page.height()));
  left.heading(Tr("Inputs"), 10.5);
  left.table(sheet.inputs, 8.5);
  left.heading(Tr("Correlations"), 10.5);
  left.table(sheet.correlations, 8.5, true);
  Column right(painter, QRectF(page.left() + half + gap, top.y(), half, page.height()));
  right.heading(sheet.stale ? Tr("Results (of earlier inputs)") : Tr("Results"), 10.5);
  if (sheet.results.empty()) {
    right.paragraph(Tr("Not calculated."), 9);
  } else {
    for (const SheetGroup& group : sheet.results) {
      right.heading(Text(group.heading), 8.5);
      right.table(group.rows, 8.5);
      right.skip(-3);
    }
  }

  Column bottom(painter, QRectF(page.left(), std::max(left.y(), right.y()), page.width(), page.height()));
  if (!sheet.status.empty() || sheet.stale) {
    bottom.heading(Tr("Warnings"), 10.5);
    if (sheet.stale) bottom.paragraph(Tr("The inputs were changed after the last calculation."), 9);
    if (!sheet.status.empty()) bottom.paragraph(Text(sheet.status), 9);
  }
  if (plotted) {
    std::string error;
    const PressureTable table = BuildPressureTable(*plotted, {}, error);
    // The plots as large as leaves room for the table of the case below them.
    const SheetTable rows = PressureSheet(*plotted, sheet.units, 12);
    const double tableHeight = rows.rows.empty() ? 0 : bottom.points(11) * double(rows.rows.size() + 4);
    const double height =
        std::min(half * kPlotSize.height() / kPlotSize.width(), page.bottom() - bottom.y() - tableHeight);
    if (error.empty() && height > bottom.points(72)) {
      PaintPlot(painter, QRectF(page.left(), bottom.y(), half, height), kPlots[0], table, plotted->gorMode,
                sheet.units);
      PaintPlot(painter, QRectF(page.left() + half + gap, bottom.y(), half, height), kPlots[2], table, plotted->gorMode,
                sheet.units);
      bottom.skip(height / bottom.points(1) + 6);
    }
    if (!rows.rows.empty() && page.bottom() - bottom.y() > bottom.points(40)) {
      bottom.heading(Tr("The case against pressure"), 10.5);
      PaintPressureTable(painter, bottom, QRectF(page.left(), bottom.y(), page.width(), page.bottom() - bottom.y()),
                         rows);
    }
  }
  painter.restore();
}

bool WriteCaseReportPdf(const QString& path, const CaseSheet& sheet, const std::optional<CalculationCase>& plotted,
                        QString& error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(sheet.title.empty() ? Tr("Tarnvik PVT report") : Text(sheet.title));
    writer.setCreator(QStringLiteral("Tarnvik"));
    QPainter painter(&writer);
    PaintCaseReport(painter, painter.viewport(), sheet, plotted);
  }
  QString reason;
  if (SaveFile(path, bytes, reason)) return true;
  error = Tr("the file \"%1\" could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
  return false;
}

}  // namespace tarnvik
