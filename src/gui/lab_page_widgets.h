// What the parts of the Lab data page (gui/lab_data_page.h) make and show alike: their
// buttons, labels and tables, the unit of a lab quantity as shown beside its values, and
// a point's value in a column of the report's table.
#pragma once
#include <QString>
#include <optional>

#include "base/unit_system.h"
#include "calc/lab_data.h"
#include "model/lab_quantities.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tarnvik {

// A button that does not take Return for its own.
QPushButton* MakeLabButton(const char* name, const QString& text, QWidget* parent);
// A label of plain text that wraps.
QLabel* MakeLabLabel(const char* name, QWidget* parent);
// A table of alternating rows, its headings wrapped over two lines.
QTableWidget* MakeLabTable(const char* name, QWidget* parent);

// The quantity's unit in `system`, with its symbols.
QString LabUnitText(const LabQuantity& q, UnitSystem system);

// A point's value in a column, its pressure included.
std::optional<double> LabPointValue(const LabPoint& point, LabColumn column);

}  // namespace tarnvik
