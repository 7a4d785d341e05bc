#include "gui/lab_page_widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "gui/display_text.h"
#include "gui/widget_factory.h"

namespace tarnvik {

QPushButton* MakeLabButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* MakeLabLabel(const char* name, QWidget* parent) {
  return MakeWrappedLabel(QString::fromLatin1(name), QString(), parent);
}

QTableWidget* MakeLabTable(const char* name, QWidget* parent) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setAlternatingRowColors(true);
  table->setWordWrap(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
  table->horizontalHeader()->setMinimumHeight(table->fontMetrics().height() * 2 + 10);
  return table;
}

QString LabUnitText(const LabQuantity& q, UnitSystem system) {
  return WithUnitSymbols(FromView(ShownUnitIn(q, system)));
}

std::optional<double> LabPointValue(const LabPoint& point, LabColumn column) {
  if (column == LabColumn::Pressure) return point.pressure;
  return *CellOf(point, column);
}

}  // namespace tarnvik
