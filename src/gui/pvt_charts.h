// The charts of the Plots tab: properties of one case against pressure, with the bubble
// point and the reservoir pressure marked, and the solution gas-oil ratio and oil
// formation volume factor of the nine oil families overlaid. Values are plotted in the
// units the window shows; rows with a z-factor failure and values not computed or not
// finite are left out.
#pragma once
#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

#include "calc/pressure_table.h"
#include "present/output_fields.h"

class QChart;

namespace tarnvik {

struct Curve {
  OutputField field;
  const char* name;  // legend entry and axis quantity, e.g. "Rs"
  bool logarithmic;
};

struct PlotInfo {
  const char* objectName;  // of the chart view
  const char* label;       // in the list of plots
  const char* title;
  Curve left;
  std::optional<Curve> right;  // on a second y axis at the right
  bool families;               // the left curve for each of the nine oil families
};

inline constexpr std::array<PlotInfo, 7> kPlots = {{
    {"rsBoChart",
     "Rs and Bo",
     "Solution gas-oil ratio and oil formation volume factor",
     {OutputField::Rs, "Rs", false},
     Curve{OutputField::Bo, "Bo", false},
     false},
    {"oilViscosityChart",
     "Oil viscosity",
     "Oil viscosity",
     {OutputField::OilViscosity, "Oil viscosity", false},
     std::nullopt,
     false},
    {"zBgChart",
     "z and Bg",
     "Gas deviation factor and gas formation volume factor",
     {OutputField::Z, "z", false},
     Curve{OutputField::Bg, "Bg", true},
     false},
    {"gasViscosityChart",
     "Gas viscosity",
     "Gas viscosity",
     {OutputField::GasViscosity, "Gas viscosity", false},
     std::nullopt,
     false},
    {"waterChart",
     "Bw and water viscosity",
     "Water formation volume factor and water viscosity",
     {OutputField::Bw, "Bw", false},
     Curve{OutputField::WaterViscosity, "Water viscosity", false},
     false},
    {"familyRsChart",
     "Rs, nine oil families",
     "Solution gas-oil ratio, nine oil families",
     {OutputField::Rs, "Rs", false},
     std::nullopt,
     true},
    {"familyBoChart",
     "Bo, nine oil families",
     "Oil formation volume factor, nine oil families",
     {OutputField::Bo, "Bo", false},
     std::nullopt,
     true},
}};

// Names of the marker lines in the legend start with these.
inline constexpr const char* kBubblePointMarker = "Bubble point";
inline constexpr const char* kReservoirPressureMarker = "Reservoir pressure";

// Replaces what `chart` shows by the plot of one case, in `system`'s units.
void PlotCase(QChart& chart, const PlotInfo& plot, const PressureTable& table, GorSelectorMode gorMode,
              UnitSystem system = UnitSystem::Field);

// Replaces what `chart` shows by the left curve of each family's table, Standing first,
// with the reservoir pressure marked and the case's own family drawn thicker.
void PlotFamilies(QChart& chart, const PlotInfo& plot, const std::array<PressureTable, kOilCorrelationCount>& tables,
                  GorSelectorMode gorMode, OilCorrelation caseFamily, UnitSystem system = UnitSystem::Field);

// One property of an oil against pressure beside laboratory measurements, all in the
// units shown: the measured points, each family's curve at the report's conditions, and
// the tuned family's curve while tuning is on.
struct LabPlotData {
  QString quantity;  // axis title, e.g. "Rs"
  QString unit;      // as shown, e.g. "SCF/STB"
  QList<QPointF> measured;
  std::array<QList<QPointF>, kOilCorrelationCount> families;
  std::optional<QList<QPointF>> tuned;
  OilCorrelation tunedFamily = OilCorrelation::Standing;
  double lowestPressure = 0;  // the pressure axis, in the units shown
  double highestPressure = 1;
};

// Replaces what `chart` shows by the measured points as hollow markers over the nine
// families' curves, thin, Standing first, and the tuned curve in black, bolder, the legend
// under the plot.
void PlotAgainstLab(QChart& chart, const LabPlotData& data, UnitSystem system = UnitSystem::Field);

// Legend names of the measured points and of the tuned curve ("Standing tuned").
inline constexpr const char* kLabPointsName = "Lab data";
inline constexpr const char* kTunedCurveSuffix = " tuned";

// Empties `chart`, keeping its title.
void ClearPlot(QChart& chart);

}  // namespace tarnvik
