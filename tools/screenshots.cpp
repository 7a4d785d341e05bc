#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QDir>
#include "ui/main_window.h"
#include "ui/selection_dialog.h"
#include "ui/splash_window.h"
#include "ui/user_dialogs.h"
using namespace tarnvik;
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MainWindow w(std::make_unique<StandardDialogs>());
  w.show();
  const char* names[] = {"apix","ggx","tx","px","bpx","phix","swcx","saltx","worx"};
  const char* vals[] = {"35","0.75","200","3000","0.6","20","25","5","0.5"};
  for (int i=0;i<9;++i) w.findChild<QLineEdit*>(names[i])->setText(vals[i]);
  w.findChild<QComboBox*>("gorpk")->setCurrentText("GOR MCF/STB");
  w.findChild<QComboBox*>("wtrpk")->setCurrentText("Salinity % NaCl");
  w.findChild<QLineEdit*>("Text1")->setText("Example well A-1");
  w.selectCorrelations();
  auto* d = w.selectionDialog();
  d->findChild<QListWidget*>("Oilch")->setCurrentRow(1);
  d->findChild<QListWidget*>("Gasch")->setCurrentRow(0);
  d->findChild<QListWidget*>("Forch")->setCurrentRow(3);
  d->findChild<QListWidget*>("Rocks")->setCurrentRow(0);
  d->findChild<QPushButton*>("Command1")->click();
  w.calculate();
  QTest::qWait(100);
  QDir dir(argv[1]); w.grab().save(dir.filePath("main.png"));
  SplashWindow s(&w); s.start(); QTest::qWait(50); s.grab().save(dir.filePath("splash.png"));
  d = nullptr; w.selectCorrelations(); w.selectionDialog()->grab().save(dir.filePath("dlg.png"));
}
