#include "chart_export.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

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
    error = QStringLiteral("the file name must end in .png or .svg");
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  const QSize size = view.viewport()->size();
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(view.chart()->title());
    Draw(view, generator, size);
  } else {
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    Draw(view, image, size);
    if (!image.save(&file, "PNG")) {
      error = QStringLiteral("the picture could not be encoded as PNG");
      file.cancelWriting();
      return false;
    }
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace tarnvik
