#include "gui/elided_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace tarnvik {

ElidedLabel::ElidedLabel(int maxCharacters, QWidget* parent) : QLabel(parent), maxCharacters_(maxCharacters) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ElidedLabel::setBaseToolTip(const QString& toolTip) {
  baseToolTip_ = toolTip;
  updateToolTip();
}

void ElidedLabel::setFullText(const QString& text) {
  setText(text);
  updateGeometry();
  updateToolTip();
}

bool ElidedLabel::elided() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }

QSize ElidedLabel::sizeHint() const {
  const QSize full = QLabel::sizeHint();
  return {std::min(full.width(), fontMetrics().averageCharWidth() * maxCharacters_), full.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, int(alignment()), option.palette, isEnabled(), shown, foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  updateToolTip();
}

void ElidedLabel::updateToolTip() {
  if (!elided() || text().isEmpty()) {
    setToolTip(baseToolTip_);
  } else if (baseToolTip_.isEmpty()) {
    setToolTip(text());
  } else {
    // The whole text first, then what the tooltip says already.
    setToolTip(text() + QStringLiteral("\n\n") + baseToolTip_);
  }
}

}  // namespace tarnvik
