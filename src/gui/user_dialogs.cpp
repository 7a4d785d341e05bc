#include "gui/user_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/export_dialog.h"

namespace tarnvik {

QString StandardDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, title, folder);
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                      const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void StandardDialogs::showError(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void StandardDialogs::showAbout(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::about(parent, title, text);
}

UserDialogs::Unsaved StandardDialogs::askUnsaved(QWidget* parent, const QString& name) {
  const auto answer =
      QMessageBox::warning(parent, QObject::tr("Unsaved changes"),
                           QObject::tr("The case \"%1\" has changes that are not saved. Save them first?").arg(name),
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return Unsaved::Save;
  if (answer == QMessageBox::Discard) return Unsaved::Discard;
  return Unsaved::Cancel;
}

int StandardDialogs::chooseRecord(QWidget* parent, const QString& fileName, const QStringList& titles) {
  QStringList items;
  for (int i = 0; i < titles.size(); ++i) {
    items << QObject::tr("%1: %2").arg(i + 1).arg(titles[i].isEmpty() ? QObject::tr("(no title)") : titles[i]);
  }
  bool ok = false;
  const QString item = QInputDialog::getItem(
      parent, QObject::tr("Open Case"),
      QObject::tr("\"%1\" holds %2 cases. Open which one?").arg(fileName).arg(titles.size()), items, 0, false, &ok);
  return ok ? int(items.indexOf(item)) : -1;
}

bool StandardDialogs::setUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

UserDialogs::Export StandardDialogs::confirmExport(QWidget* parent, const ExportPreview& preview) {
  ExportDialog dialog(preview, parent);
  if (dialog.exec() != QDialog::Accepted) return Export::Cancel;
  return dialog.writeDeck() ? Export::TablesAndDeck : Export::Tables;
}

}  // namespace tarnvik
