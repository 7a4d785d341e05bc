// A one-line label that never asks for more width than a cap: a longer text is drawn
// elided at its end, and its tooltip holds it whole. text() is always the whole text.
#pragma once
#include <QLabel>

namespace tarnvik {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  // `maxCharacters`: the widest the label asks to be, in average characters.
  ElidedLabel(int maxCharacters, QWidget* parent = nullptr);

  // The tooltip shown while the text fits; an elided text adds itself after it.
  void setBaseToolTip(const QString& toolTip);
  void setFullText(const QString& text);
  bool elided() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void updateToolTip();

  int maxCharacters_;
  QString baseToolTip_;
};

}  // namespace tarnvik
