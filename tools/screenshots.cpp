// Renders the screenshots in docs/ without a display: the main window after a
// calculation of the example case at the size of a 1024 x 600 laptop screen, in field and
// in metric units, a case warned of values outside a correlation's data, the selection
// dialog, the splash window, the Plots tab of the tables window, its Lab data page with the
// example lab report and the best family tuned to it, and the case report's page.
// Usage: QT_QPA_PLATFORM=offscreen tarnvik_screenshots OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "gui/case_report.h"
#include "gui/export_dialog.h"
#include "gui/lab_data_page.h"
#include "gui/main_window.h"
#include "gui/selection_dialog.h"
#include "gui/splash_window.h"
#include "gui/tables_window.h"
#include "gui/user_dialogs.h"

using namespace tarnvik;

namespace {

// Lets the window lay itself out and paint for `ms` milliseconds.
void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void Choose(QWidget* dialog, const char* list, const char* item) {
  auto* widget = dialog->findChild<QListWidget*>(QString::fromLatin1(list));
  QListWidgetItem* chosen = widget->findItems(QString::fromLatin1(item), Qt::MatchExactly).value(0);
  widget->setCurrentItem(chosen);
  emit widget->itemClicked(chosen);  // as a click: also the item already highlighted applies
}

// The standard dialogs, with the example lab report chosen in the open dialog.
class ExampleLabDialogs : public StandardDialogs {
 public:
  QString openFileName(QWidget*, const QString&, const QString&) override {
    return QString::fromUtf8(TARNVIK_EXAMPLE_LAB_FILE);
  }
};

bool Save(QWidget* widget, const QDir& dir, const char* name) {
  const bool saved = widget->grab().save(dir.filePath(QString::fromLatin1(name)));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(dir.filePath(QString::fromLatin1(name))));
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // the units chosen here are not remembered for the user
  if (argc != 2) {
    std::fprintf(stderr, "usage: tarnvik_screenshots OUTPUT_DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));

  MainWindow window(std::make_unique<StandardDialogs>());
  window.resize(1024, 570);
  window.show();
  const char* boxes[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};
  const char* values[] = {"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"};
  for (int i = 0; i < 9; ++i) window.findChild<QLineEdit*>(QString::fromLatin1(boxes[i]))->setText(values[i]);
  window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("North field, well A-1 black oil"));
  window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setCursorPosition(0);
  window.findChild<QComboBox*>(QStringLiteral("gorpk"))->setCurrentText(QStringLiteral("GOR MCF/STB"));
  window.findChild<QComboBox*>(QStringLiteral("wtrpk"))->setCurrentText(QStringLiteral("Salinity % NaCl"));

  window.selectCorrelations();
  SelectionDialog* dialog = window.selectionDialog();
  Choose(dialog, "Oilch", "Standing : California Crudes");
  Choose(dialog, "Gasch", "Wet Gas");
  Choose(dialog, "Forch", "Newman");
  Choose(dialog, "Rocks", "Consolidated Sands");
  Wait(50);
  bool ok = Save(dialog, dir, "selection-dialog.png");
  dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  window.calculate();
  Wait(50);
  ok = Save(&window, dir, "main-window.png") && ok;
  window.setUnits(UnitSystem::Metric);
  Wait(50);
  ok = Save(&window, dir, "main-window-metric.png") && ok;
  window.setUnits(UnitSystem::Field);

  // The report's page as its PDF holds it: A4 at 90 dots per inch, 18 mm and 15 mm margins.
  QImage page(744, 1052, QImage::Format_RGB32);
  page.setDotsPerMeterX(3543);
  page.setDotsPerMeterY(3543);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    PaintCaseReport(painter, QRect(64, 53, 744 - 128, 1052 - 106), SheetOf(window.model()), window.model().shownCase());
  }
  const bool report = page.save(dir.filePath(QStringLiteral("report.png")));
  std::printf("%s %s\n", report ? "wrote" : "could not write", qPrintable(dir.filePath(QStringLiteral("report.png"))));
  ok = report && ok;

  // A warned case: 58 °API with Glaso, whose data end at 48.1 °API.
  {
    MainWindow warned(std::make_unique<StandardDialogs>());
    warned.resize(1024, 570);
    warned.show();
    const char* warnedValues[] = {"58", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"};
    for (int i = 0; i < 9; ++i) warned.findChild<QLineEdit*>(QString::fromLatin1(boxes[i]))->setText(warnedValues[i]);
    warned.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Light oil outside Glaso's data"));
    warned.findChild<QComboBox*>(QStringLiteral("gorpk"))->setCurrentText(QStringLiteral("GOR MCF/STB"));
    warned.findChild<QComboBox*>(QStringLiteral("wtrpk"))->setCurrentText(QStringLiteral("Salinity % NaCl"));
    warned.selectCorrelations();
    Choose(warned.selectionDialog(), "Oilch", "Glaso : North Sea Crudes");
    Choose(warned.selectionDialog(), "Gasch", "Wet Gas");
    Choose(warned.selectionDialog(), "Forch", "Hall");
    warned.selectionDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    warned.calculate();
    Wait(50);
    ok = Save(&warned, dir, "warnings.png") && ok;
  }

  SplashWindow splash(&window);
  splash.show();
  Wait(50);
  ok = Save(&splash, dir, "splash.png") && ok;
  splash.hide();

  window.selectCorrelations();
  Choose(window.selectionDialog(), "Forch", "Hall");
  window.selectionDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  window.calculate();
  window.showTables();
  TablesWindow* tables = window.tablesWindow();
  tables->findChild<QTabWidget*>(QStringLiteral("tablesTabs"))->setCurrentIndex(2);
  Wait(100);
  ok = Save(tables, dir, "plots.png") && ok;

  // The example lab report at its own conditions, ranked, with the best family tuned.
  {
    MainWindow lab(std::make_unique<ExampleLabDialogs>());
    lab.resize(1024, 570);
    lab.show();
    const char* labValues[] = {"35.1", "0.872", "220", "4000", "0.854", "20", "25", "3", "0.5"};
    for (int i = 0; i < 9; ++i) lab.findChild<QLineEdit*>(QString::fromLatin1(boxes[i]))->setText(labValues[i]);
    lab.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Black oil at 220 F, 4000 psia"));
    lab.findChild<QComboBox*>(QStringLiteral("gorpk"))->setCurrentText(QStringLiteral("GOR MCF/STB"));
    lab.findChild<QComboBox*>(QStringLiteral("wtrpk"))->setCurrentText(QStringLiteral("Salinity % NaCl"));
    lab.selectCorrelations();
    lab.selectionDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    lab.calculate();
    lab.showLabData();
    TablesWindow* labTables = lab.tablesWindow();
    labTables->resize(1280, 800);
    LabDataPage* labPage = labTables->labPage();
    labPage->openLabFile();
    labPage->applyTuning();
    lab.calculate();
    Wait(100);
    ok = Save(labTables, dir, "lab-data.png") && ok;
  }
  // Export for Simulator on a cold heavy oil, whose tables adjust Bo where Vazquez and
  // Beggs' undersaturated compressibility would make it rise.
  {
    MainWindow cold(std::make_unique<StandardDialogs>());
    const char* coldValues[] = {"15", "1.2", "60", "3000", "0.01", "20", "25", "3", "0.5"};
    for (int i = 0; i < 9; ++i) cold.findChild<QLineEdit*>(QString::fromLatin1(boxes[i]))->setText(coldValues[i]);
    cold.findChild<QComboBox*>(QStringLiteral("gorpk"))->setCurrentText(QStringLiteral("GOR MCF/STB"));
    cold.selectCorrelations();
    Choose(cold.selectionDialog(), "Forch", "Hall");
    cold.selectionDialog()->hide();
    cold.calculate();
    ExportPreview preview;
    std::string error;
    if (PreviewEclipseExport(*cold.model().shownCase(), UnitSystem::Field, preview, error)) {
      ExportDialog exportDialog(preview);
      exportDialog.show();
      Wait(50);
      ok = Save(&exportDialog, dir, "export-dialog.png") && ok;
    } else {
      std::fprintf(stderr, "no export preview: %s\n", error.c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
