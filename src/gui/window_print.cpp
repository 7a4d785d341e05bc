#include "gui/window_print.h"

#include <QtPrintSupport/qtprintsupportglobal.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

#include "gui/save_file.h"
#include "gui/user_dialogs.h"

#if QT_CONFIG(printer)
#include <QPrinter>
#endif

namespace tarnvik {
namespace {

#if QT_CONFIG(printer)
QString PrinterFailure(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) {
    return QCoreApplication::translate("WindowPrint", "the file \"%1\" could not be written")
        .arg(QDir::toNativeSeparators(printer.outputFileName()));
  }
  return QCoreApplication::translate("WindowPrint", "the printer \"%1\" could not print").arg(printer.printerName());
}
#endif

}  // namespace

void PaintWindow(QPainter& painter, const QRect& page, const QString& heading, const QFont& headingFont,
                 QWidget& content) {
  const QSize size = content.size();
  if (size.isEmpty() || page.isEmpty()) return;
  // Widget sizes are in the screen's logical pixels; the heading takes one and a half of
  // its lines.
  const double headingHeight = QFontMetricsF(headingFont, &content).height() * 1.5;
  const double scale = std::min(page.width() / double(size.width()), page.height() / (size.height() + headingHeight));
  painter.save();
  painter.translate(page.left() + (page.width() - size.width() * scale) / 2, page.top());
  painter.scale(scale, scale);
  // A font in points would be sized for the printer's resolution and then scaled again:
  // the heading takes its size in the window's pixels, as the content does.
  QFont font = headingFont;
  if (font.pointSizeF() > 0) font.setPixelSize(std::max(1, qRound(font.pointSizeF() * content.logicalDpiY() / 72.0)));
  painter.setFont(font);
  painter.setPen(content.palette().color(QPalette::WindowText));
  painter.drawText(QRectF(0, 0, size.width(), headingHeight), Qt::AlignCenter, heading);
  content.render(&painter, QPoint(0, int(headingHeight)), QRegion(), QWidget::DrawChildren);
  painter.restore();
}

bool PrintPage(bool landscape, const PagePainter& paint, UserDialogs& dialogs, QWidget* parent, QString& error) {
  error.clear();
#if QT_CONFIG(printer)
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Tarnvik"));
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!dialogs.setUpPrinter(parent, printer)) return false;
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    // A PDF file goes through the program's file writer, which reports every write error
    // (the printer's own PDF engine does not) and replaces an old file only when complete.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
      QPdfWriter writer(&buffer);
      writer.setPageLayout(printer.pageLayout());
      writer.setResolution(printer.resolution());
      writer.setTitle(printer.docName());
      QPainter painter(&writer);
      paint(painter, painter.viewport());
    }
    QString reason;
    if (SaveFile(printer.outputFileName(), bytes, reason)) return true;
    error = QCoreApplication::translate("WindowPrint", "the file \"%1\" could not be written: %2")
                .arg(QDir::toNativeSeparators(printer.outputFileName()), reason);
    return false;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = PrinterFailure(printer);
    return false;
  }
  paint(painter, painter.viewport());
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    error = PrinterFailure(printer);
    return false;
  }
  return true;
#else
  Q_UNUSED(landscape);
  Q_UNUSED(paint);
  Q_UNUSED(dialogs);
  Q_UNUSED(parent);
  error = QCoreApplication::translate("WindowPrint", "printing is not available in this build");
  return false;
#endif
}

}  // namespace tarnvik
