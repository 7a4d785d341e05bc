#include "gui/widget_factory.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace tarnvik {

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* MakeWrappedLabel(const QString& name, const QString& text, QWidget* parent) {
  QLabel* label = MakeLabel(name, text, parent);
  label->setWordWrap(true);
  return label;
}

QLabel* MakeMutedLabel(const QString& name, const QString& text, QWidget* parent) {
  QLabel* label = MakeLabel(name, text, parent);
  label->setForegroundRole(QPalette::PlaceholderText);
  return label;
}

QLabel* MakeUnitLabel(const QString& unit, QWidget* parent) { return MakeMutedLabel(QString(), unit, parent); }

QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setToolTip(toolTip);
  box->setAlignment(Qt::AlignRight);
  return box;
}

QAction* AddBoxSign(QLineEdit* box, QStyle::StandardPixmap icon, const QString& what) {
  QAction* sign = box->addAction(box->style()->standardIcon(icon), QLineEdit::LeadingPosition);
  sign->setObjectName(box->objectName() + what);
  sign->setVisible(false);
  return sign;
}

}  // namespace tarnvik
