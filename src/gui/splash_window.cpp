#include "gui/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace tarnvik {
namespace {

// The emblem drawn at the screen's pixel density, so it stays sharp on high-DPI screens.
QPixmap Emblem(int side, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(side, side) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/tarnvik.svg"));
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(0, 0, side, side));
  return pixmap;
}

}  // namespace

SplashWindow::SplashWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(tr("Tarnvik"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0x0f, 0x2c, 0x3f));
  colours.setColor(QPalette::WindowText, QColor(0xf2, 0xf5, 0xf7));
  setPalette(colours);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
  image->setPixmap(Emblem(160, ratio));
  image->setAlignment(Qt::AlignCenter);

  auto* name = new QLabel(tr("Tarnvik"), this);
  name->setObjectName(QStringLiteral("Label1"));
  QFont nameFont = name->font();
  nameFont.setBold(true);
  nameFont.setPointSizeF(nameFont.pointSizeF() * 3.2);
  name->setFont(nameFont);
  name->setAlignment(Qt::AlignCenter);

  auto* credit = new QLabel(tr("PVT properties from published correlations\nby the Tarnvik team"), this);
  credit->setObjectName(QStringLiteral("Label2"));
  QFont creditFont = credit->font();
  creditFont.setPointSizeF(creditFont.pointSizeF() * 0.9);
  credit->setFont(creditFont);
  credit->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(48, 36, 48, 36);
  layout->setSpacing(12);
  layout->addWidget(image);
  layout->addWidget(name);
  layout->addWidget(credit);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setSingleShot(true);
  timer_->setInterval(kSplashMilliseconds);
  connect(timer_, &QTimer::timeout, this, &SplashWindow::onTimer);
}

void SplashWindow::start() {
  show();
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  timer_->start();
}

void SplashWindow::onTimer() {
  hide();
  timer_->stop();
  mainWindow_->show();
}

}  // namespace tarnvik
