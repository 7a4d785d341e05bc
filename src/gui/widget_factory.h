// The labels and boxes every window makes alike: plain-text labels by object name, the
// muted labels of units and hints, right-aligned number boxes and the signs inside them.
#pragma once
#include <QAction>
#include <QKeySequence>
#include <QString>
#include <QStyle>

class QLabel;
class QLineEdit;
class QWidget;

namespace tarnvik {

// A label of plain text named `name`.
QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent);
// A label of plain text that wraps onto as many lines as its width needs.
QLabel* MakeWrappedLabel(const QString& name, const QString& text, QWidget* parent);
// A label of plain text in the placeholder colour: a hint, a separator.
QLabel* MakeMutedLabel(const QString& name, const QString& text, QWidget* parent);
// The unit beside a box or a value, in the placeholder colour.
QLabel* MakeUnitLabel(const QString& unit, QWidget* parent);

// A box for a number, right-aligned.
QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent);
// A sign inside `box`, before its text, hidden until shown: named for the box and `what`
// ("apix" and "PartlyRead": "apixPartlyRead").
QAction* AddBoxSign(QLineEdit* box, QStyle::StandardPixmap icon, const QString& what);

// A command named `name`, bound to `keys`, that calls `slot` on `owner` (which owns it):
// one action serves a menu and a toolbar alike.
template <typename Owner, typename Slot>
QAction* MakeAction(Owner* owner, const char* name, const QString& text, const QKeySequence& keys, Slot slot) {
  auto* made = new QAction(text, owner);
  made->setObjectName(QString::fromLatin1(name));
  made->setShortcut(keys);
  QObject::connect(made, &QAction::triggered, owner, slot);
  return made;
}

}  // namespace tarnvik
