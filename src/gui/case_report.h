// The one-page report of a case, laid out for paper, in the units shown: the program's
// version, the date and the case file, the title, the inputs with their units, the
// correlations in force (and the tuning), the 21 results by fluid, what the status line
// warns of, the plots of Rs and Bo and of z and Bg against pressure, and a table of the
// case against pressure.
#pragma once
#include <QString>
#include <optional>

#include "calc/calculation_case.h"
#include "model/case_sheet.h"

class QPainter;
class QRect;

namespace tarnvik {

// Paints the report inside `page` (device pixels of the painter). `plotted` is the case of
// the results, whose plots are drawn; none without results.
void PaintCaseReport(QPainter& painter, const QRect& page, const CaseSheet& sheet,
                     const std::optional<CalculationCase>& plotted);

// Writes the report as a one-page A4 PDF, replacing `path` only when complete. False with
// the reason in words when it could not be written.
bool WriteCaseReportPdf(const QString& path, const CaseSheet& sheet, const std::optional<CalculationCase>& plotted,
                        QString& error);

}  // namespace tarnvik
