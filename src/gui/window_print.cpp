#include "gui/window_print.h"

#include <QtPrintSupport/qtprintsupportglobal.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>

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

void PaintWindowImage(QPainter& painter, const QRect& page, const QImage& image) {
  if (image.isNull() || page.isEmpty()) return;
  const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  const QRect target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(), size.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
}

bool PrintWindowImage(const QImage& image, UserDialogs& dialogs, QWidget* parent, QString& error) {
  error.clear();
#if QT_CONFIG(printer)
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Tarnvik"));
  printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
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
      PaintWindowImage(painter, painter.viewport(), image);
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
  PaintWindowImage(painter, painter.viewport(), image);
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    error = PrinterFailure(printer);
    return false;
  }
  return true;
#else
  Q_UNUSED(image);
  Q_UNUSED(dialogs);
  Q_UNUSED(parent);
  error = QCoreApplication::translate("WindowPrint", "printing is not available in this build");
  return false;
#endif
}

}  // namespace tarnvik
