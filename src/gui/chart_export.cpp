#include "gui/chart_export.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "gui/save_file.h"

namespace tarnvik {
namespace {

void Draw(QChartView& view, QPaintDevice& device, const QSize& size) {
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  view.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), view.viewport()->rect());
}

}  // namespace

bool SaveChartPicture(QChartView& view, const QString& path, QString& error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
    error = QCoreApplication::translate("ChartExport", "the file name must end in .png or .svg");
    return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QSize size = view.viewport()->size();
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(view.chart()->title());
    Draw(view, generator, size);
  } else {
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    Draw(view, image, size);
    if (!image.save(&buffer, "PNG")) {
      error = QCoreApplication::translate("ChartExport", "the picture could not be encoded as PNG");
      return false;
    }
  }
  buffer.close();
  return SaveFile(path, bytes, error);
}

}  // namespace tarnvik
