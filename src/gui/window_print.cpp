#include "gui/window_print.h"

#include <QtPrintSupport/qtprintsupportglobal.h>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>

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
