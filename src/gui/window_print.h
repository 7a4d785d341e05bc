// Printing an image of the window: one routine paints the page, whether the device is a
// printer, a PDF file or an image.
#pragma once
#include <QImage>
#include <QString>

class QPainter;
class QRect;
class QWidget;

namespace tarnvik {

class UserDialogs;

// Paints `image` as large as fits inside `page`, keeping its proportions, centred
// across the top of the page.
void PaintWindowImage(QPainter& painter, const QRect& page, const QImage& image);

// Asks the user for a printer (the default one preselected; a PDF file is one of the
// choices) and prints `image` on one page. Returns false when the user cancelled (with
// `error` empty) or printing failed (with the reason in `error`).
bool PrintWindowImage(const QImage& image, UserDialogs& dialogs, QWidget* parent, QString& error);

}  // namespace tarnvik
