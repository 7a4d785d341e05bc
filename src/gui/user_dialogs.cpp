#include "gui/user_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tarnvik {

QString StandardDialogs::openFileName(QWidget* parent, const QString& title) {
  return QFileDialog::getOpenFileName(parent, title);
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& title) {
  return QFileDialog::getSaveFileName(parent, title);
}

void StandardDialogs::showError(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

bool StandardDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tarnvik
