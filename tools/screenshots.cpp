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
#include <array>
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

// Types a case's title and nine inputs (GOR and salinity given) into `window`.
void TypeCase(MainWindow& window, const std::array<const char*, 9>& values, const char* title) {
  const char* boxes[] = {"apix", "ggx", "tx", "px", "bpx", "phix", "swcx", "saltx", "worx"};
  for (std::size_t i = 0; i < values.size(); ++i) {
    window.findChild<QLineEdit*>(QString::fromLatin1(boxes[i]))->setText(QString::fromLatin1(values[i]));
  }
  auto* titleBox = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
  titleBox->setText(QString::fromUtf8(title));
  titleBox->setCursorPosition(0);
  window.findChild<QComboBox*>(QStringLiteral("gorpk"))->setCurrentText(QStringLiteral("GOR MCF/STB"));
  window.findChild<QComboBox*>(QStringLiteral("wtrpk"))->setCurrentText(QStringLiteral("Salinity % NaCl"));
}

// Chooses the formation and applies the selection, every other choice as it stands.
void ApplyFormation(MainWindow& window, const char* formation) {
  window.selectCorrelations();
  Choose(window.selectionDialog(), "Forch", formation);
  window.selectionDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
}

// The selection dialog, then the main window in field and metric units.
bool ShootMainWindow(MainWindow& window, const QDir& dir) {
  TypeCase(window, {"35", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"}, "North field, well A-1 black oil");
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
  return ok;
}

// The report's page as its PDF holds it: A4 at 90 dots per inch, 18 mm and 15 mm margins.
bool ShootReport(const MainWindow& window, const QDir& dir) {
  QImage page(744, 1052, QImage::Format_RGB32);
  page.setDotsPerMeterX(3543);
  page.setDotsPerMeterY(3543);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    PaintCaseReport(painter, QRect(64, 53, 744 - 128, 1052 - 106), SheetOf(window.model()), window.model().shownCase());
  }
  const bool saved = page.save(dir.filePath(QStringLiteral("report.png")));
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(dir.filePath(QStringLiteral("report.png"))));
  return saved;
}

// A warned case: 58 °API with Glaso, whose data end at 48.1 °API.
bool ShootWarnings(const QDir& dir) {
  MainWindow warned(std::make_unique<StandardDialogs>());
  warned.resize(1024, 570);
  warned.show();
  TypeCase(warned, {"58", "0.75", "200", "3000", "0.5", "20", "25", "3", "0.5"}, "Light oil outside Glaso's data");
  warned.selectCorrelations();
  Choose(warned.selectionDialog(), "Oilch", "Glaso : North Sea Crudes");
  Choose(warned.selectionDialog(), "Gasch", "Wet Gas");
  Choose(warned.selectionDialog(), "Forch", "Hall");
  warned.selectionDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  warned.calculate();
  Wait(50);
  return Save(&warned, dir, "warnings.png");
}

// The splash window, then the Plots tab of the main window's case.
bool ShootSplashAndPlots(MainWindow& window, const QDir& dir) {
  SplashWindow splash(&window);
  splash.show();
  Wait(50);
  bool ok = Save(&splash, dir, "splash.png");
  splash.hide();
  ApplyFormation(window, "Hall");
  window.calculate();
  window.showTables();
  TablesWindow* tables = window.tablesWindow();
  tables->findChild<QTabWidget*>(QStringLiteral("tablesTabs"))->setCurrentIndex(2);
  Wait(100);
  return Save(tables, dir, "plots.png") && ok;
}

// The example lab report at its own conditions, ranked, with the best family tuned.
bool ShootLabData(const QDir& dir) {
  MainWindow lab(std::make_unique<ExampleLabDialogs>());
  lab.resize(1024, 570);
  lab.show();
  TypeCase(lab, {"35.1", "0.872", "220", "4000", "0.854", "20", "25", "3", "0.5"}, "Black oil at 220 F, 4000 psia");
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
  return Save(labTables, dir, "lab-data.png");
}

// Export for Simulator on a cold heavy oil, whose tables adjust Bo where Vazquez and
// Beggs' undersaturated compressibility would make it rise.
bool ShootExportDialog(const QDir& dir) {
  MainWindow cold(std::make_unique<StandardDialogs>());
  TypeCase(cold, {"15", "1.2", "60", "3000", "0.01", "20", "25", "3", "0.5"}, "");
  cold.selectCorrelations();
  Choose(cold.selectionDialog(), "Forch", "Hall");
  cold.selectionDialog()->hide();
  cold.calculate();
  ExportPreview preview;
  std::string error;
  if (!PreviewEclipseExport(*cold.model().shownCase(), UnitSystem::Field, preview, error)) {
    std::fprintf(stderr, "no export preview: %s\n", error.c_str());
    return false;
  }
  ExportDialog exportDialog(preview);
  exportDialog.show();
  Wait(50);
  return Save(&exportDialog, dir, "export-dialog.png");
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
  bool ok = ShootMainWindow(window, dir);
  ok = ShootReport(window, dir) && ok;
  ok = ShootWarnings(dir) && ok;
  ok = ShootSplashAndPlots(window, dir) && ok;
  ok = ShootLabData(dir) && ok;
  ok = ShootExportDialog(dir) && ok;
  return ok ? 0 : 1;
}
