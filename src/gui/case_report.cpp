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

  void heading(const QString& text, double size) {
    QFont font = painter_.font();
    font.setPointSizeF(size);
    font.setBold(true);
    painter_.setFont(font);
    const QRectF box(area_.left(), y_, area_.width(), QFontMetricsF(font, painter_.device()).height());
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    y_ = box.bottom() + points(2);
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

void PaintPlot(QPainter& painter, const QRectF& target, const PlotInfo& plot, const PressureTable& table,
               GorSelectorMode mode) {
  QGraphicsScene scene;
  auto* chart = new QChart;  // owned by the scene
  scene.addItem(chart);
  // Laid out at a size where the chart's fonts read well, then scaled onto the page.
  const QSizeF size(520, 360);
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  chart->setBackgroundVisible(false);
  PlotCase(*chart, plot, table, mode);
  chart->setTitle(QString::fromLatin1(plot.title));
  // The chart lays out its axes, labels and legend on posted layout requests.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  scene.setSceneRect(QRectF(QPointF(0, 0), size));
  scene.render(&painter, target, QRectF(QPointF(0, 0), size), Qt::KeepAspectRatio);
}

}  // namespace

void PaintCaseReport(QPainter& painter, const QRect& page, const CaseSheet& sheet,
                     const std::optional<CalculationCase>& plotted) {
  painter.save();
  painter.setPen(Qt::black);
  Column top(painter, page);
  top.paragraph(
      Tr("Tarnvik PVT report, %1").arg(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)),
      8);
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
    right.table(sheet.results, 8.5);
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
    if (error.empty()) {
      const double height = std::min(half * 0.8, page.bottom() - bottom.y());
      if (height > bottom.points(72)) {
        PaintPlot(painter, QRectF(page.left(), bottom.y(), half, height), kPlots[0], table, plotted->gorMode);
        PaintPlot(painter, QRectF(page.left() + half + gap, bottom.y(), half, height), kPlots[2], table,
                  plotted->gorMode);
      }
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
