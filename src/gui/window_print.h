// Printing the window: its contents drawn at the printer's resolution (text and lines as
// the printer draws them, not a screen picture), under the program's heading and without
// the toolbar. One routine paints the page, whether the device is a printer, a PDF file
// or an image; the window itself is not changed.
#pragma once
#include <QString>
#include <functional>

class QFont;
class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace tarnvik {

class UserDialogs;

// Paints `heading`, centred in `headingFont`, above `content` (a widget and its
// children), as large as fits inside `page`, keeping proportions, across the top.
void PaintWindow(QPainter& painter, const QRect& page, const QString& heading, const QFont& headingFont,
                 QWidget& content);

// A painting routine for one page: the painter and the page rectangle in its device pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& page)>;

// Asks the user for a printer (the default one preselected; a PDF file is one of the
// choices; `landscape` preselects the orientation) and prints one page with `paint`.
// Returns false when the user cancelled (with `error` empty) or printing failed (with
// the reason in `error`).
bool PrintPage(bool landscape, const PagePainter& paint, UserDialogs& dialogs, QWidget* parent, QString& error);

}  // namespace tarnvik
