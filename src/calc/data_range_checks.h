// Which values of a run lie outside the data the correlations in force were fitted to
// (the table in correlations/validity_ranges.h). The checks read the inputs and the
// results; they change no number.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/result_set.h"

namespace tarnvik {

// At most the fifteen correlations a case can run with.
struct CorrelationList {
  std::array<Correlation, 15> items{};
  std::size_t size = 0;

  void push(Correlation correlation) { items[size++] = correlation; }
  const Correlation* begin() const { return items.data(); }
  const Correlation* end() const { return items.data() + size; }
};

// The correlations a case runs with, whatever its results: with oil (API > 0) the oil
// family, its undersaturated compressibility (Petrosky and Farshad's for that family,
// Vazquez and Beggs' for every other), Beal's dead-oil and undersaturated charts and Chew
// and Connally's; with gas (γg > 0) Hall–Yarborough and Lee–Gonzalez–Eakin, and for a gas
// with impurities Wichert and Aziz (CO2, H2S), Carr, Kobayashi and Burrows' nitrogen
// adjustment (N2) and their viscosity corrections; the four water
// correlations; the rock correlation chosen.
CorrelationList CorrelationsInForce(const CalculationCase& calculationCase);

// The box a quantity is typed in, with the fifth box read as the selector says; empty for
// a quantity the run derives (Rs, Bo, Tpr, Ppr, and the member of GOR and bubble point
// the user did not give).
std::optional<InputField> InputOf(RangedQuantity quantity, GorSelectorMode gorMode);

// Appends an OutsideDataRange diagnostic for every value the run gave a correlation in
// force that lies outside that correlation's data, correlation by correlation in the
// order above, each in the table's order. A correlation counts where the run used it:
// the undersaturated compressibility and viscosity above the bubble point only; Chew and
// Connally, and the family's bubble point and GOR, not for an oil without gas in solution;
// the family's Bo at or below the bubble point only (the papers fitted Bo of saturated
// oil); a porosity correlation only for a porosity above 0. Chew and Connally's pressure
// is the one their correction is evaluated at, the lower of p and pb.
void NoteOutsideDataRange(const CalculationCase& calculationCase, const ResultSet& results, Diagnostics& diagnostics);

// The same for the values an oil family is given straight from the boxes: API gravity, gas
// gravity, temperature and the fifth box (GOR or bubble point; none for an oil without gas
// in solution). This is what tells, before any run, whether a family's data cover the case.
void NoteFamilyInputsOutsideData(const CalculationCase& calculationCase, OilCorrelation family,
                                 Diagnostics& diagnostics);

}  // namespace tarnvik
