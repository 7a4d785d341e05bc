// The dialogs the window asks the user through: file names, messages, the choice of a
// record, unsaved changes, the print dialog and what an export will write. The program uses the standard dialogs;
// tests answer them in advance.
#pragma once
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace tarnvik {

struct ExportPreview;

class UserDialogs {
 public:
  enum class Unsaved { Save, Discard, Cancel };

  virtual ~UserDialogs() = default;
  // The file chosen in the open dialog, which starts in `folder`; empty when the user
  // cancels.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder) = 0;
  // The file name chosen in the save dialog, which starts at `suggested` (a folder or a
  // file) and offers `filter` ("PDF files (*.pdf)"; empty: any file); empty when the user
  // cancels.
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                               const QString& filter) = 0;
  virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void showAbout(QWidget* parent, const QString& title, const QString& text) = 0;
  // What to do with the unsaved changes of the case `name` before they would be lost.
  virtual Unsaved askUnsaved(QWidget* parent, const QString& name) = 0;
  // The record the user opens from a file of several, by its title; −1 when the user
  // cancels.
  virtual int chooseRecord(QWidget* parent, const QString& fileName, const QStringList& titles) = 0;
  // Lets the user set up `printer`; false when the user cancels.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
  // Shows what an export for a simulator will write: the user cancels, or saves the tables
  // with or without the example deck.
  enum class Export { Cancel, Tables, TablesAndDeck };
  virtual Export confirmExport(QWidget* parent, const ExportPreview& preview) = 0;
};

// The standard file, message, input and print dialogs.
class StandardDialogs : public UserDialogs {
 public:
  QString openFileName(QWidget* parent, const QString& title, const QString& folder) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) override;
  void showError(QWidget* parent, const QString& title, const QString& text) override;
  void showAbout(QWidget* parent, const QString& title, const QString& text) override;
  Unsaved askUnsaved(QWidget* parent, const QString& name) override;
  int chooseRecord(QWidget* parent, const QString& fileName, const QStringList& titles) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
  Export confirmExport(QWidget* parent, const ExportPreview& preview) override;
};

}  // namespace tarnvik
