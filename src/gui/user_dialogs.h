// The dialogs the window asks the user through: file names, error messages and the
// print dialog. The program uses the standard dialogs; tests answer them in advance.
#pragma once
#include <QString>

class QPrinter;
class QWidget;

namespace tarnvik {

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // The file chosen in the open dialog, empty when the user cancels.
  virtual QString openFileName(QWidget* parent, const QString& title) = 0;
  // The file name chosen in the save dialog, empty when the user cancels.
  virtual QString saveFileName(QWidget* parent, const QString& title) = 0;
  virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
  // Lets the user set up `printer`; false when the user cancels.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The standard file, message and print dialogs.
class StandardDialogs : public UserDialogs {
 public:
  QString openFileName(QWidget* parent, const QString& title) override;
  QString saveFileName(QWidget* parent, const QString& title) override;
  void showError(QWidget* parent, const QString& title, const QString& text) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

}  // namespace tarnvik
