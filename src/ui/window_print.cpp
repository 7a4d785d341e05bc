#include "window_print.h"

#include <QPainter>
#include <QtPrintSupport/qtprintsupportglobal.h>

#include "ui/user_dialogs.h"

#if QT_CONFIG(printer)
#include <QPrinter>
#endif

namespace tarnvik {

void PaintWindowImage(QPainter& painter, const QRect& page, const QImage& image) {
  if (image.isNull() || page.isEmpty()) return;
  const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  const QRect target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(), size.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
}

bool PrintWindowImage(const QImage& image, UserDialogs& dialogs, QWidget* parent) {
#if QT_CONFIG(printer)
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Tarnvik"));
  printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!dialogs.setUpPrinter(parent, printer)) return false;
  QPainter painter;
  if (!painter.begin(&printer)) {
    dialogs.showError(parent, QStringLiteral("Print"), QStringLiteral("The printer could not be started."));
    return false;
  }
  PaintWindowImage(painter, painter.viewport(), image);
  return painter.end();
#else
  Q_UNUSED(image);
  dialogs.showError(parent, QStringLiteral("Print"), QStringLiteral("Printing is not available in this build."));
  return false;
#endif
}

}  // namespace tarnvik
