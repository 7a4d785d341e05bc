// One case as a user works on it: the texts typed into the nine input boxes and the two
// selectors, the case title, the correlations in force with their captions, and what the
// last calculation showed. The desktop window and the command-line calculator both go
// through it, so a case record becomes a case, and a case becomes what is shown, in one
// place.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "calc/input_checks.h"
#include "calc/oil_tuning_fit.h"
#include "io/case_record.h"
#include "model/case_entry.h"
#include "model/case_gas.h"
#include "model/case_lab.h"
#include "present/formatted_outputs.h"
#include "present/selector_texts.h"

namespace tarnvik {

inline constexpr std::size_t kInputCount = kInputFieldCount;

// Reads the nine box texts (apix, ggx, tx, px, bpx, phix, swcx, saltx, worx) by the
// text-to-number rule: the leading numeric part, 0 when there is none.
InputSet ReadInputs(const std::array<std::string_view, kInputCount>& boxes);

// The nine numbers of a case record, in box order; a number never filled counts as 0.
InputSet InputsOf(const std::array<std::optional<double>, kInputCount>& numbers);
std::array<std::optional<double>, kInputCount> NumbersOf(const InputSet& inputs);

// A number as an input box shows it after opening a case: the shortest plain text that
// reads back as the same number, with one leading blank when it is not negative.
std::string BoxText(double value);

// The captions under "Correlation Selected": what is in force, in words.
struct SelectionCaptions {
  std::string oil;
  std::string gas;
  std::string rock;
};

// How a case record's fields 4 to 6 apply to the correlations in force: a caption that
// names a known oil family (by its first three characters), gas characterisation ("Wet" or
// "Dry") or rock correlation (its whole text) sets it and becomes its caption; any other
// text leaves that choice and its caption as they were. The formation type is not part of
// a record and is kept.
void ApplyRecordSelection(const CaseRecord& record, CorrelationSelection& selection, SelectionCaptions& captions);

// A record as a case to calculate: its numbers, its selector modes, and `selection` with
// the record's correlation fields applied.
CalculationCase CaseFromRecord(const CaseRecord& record, CorrelationSelection selection);

// Calculates a case and says what to show.
RunOutput RunCase(const CalculationCase& calculationCase);

class CaseModel {
 public:
  CaseModel();

  // The unit system the boxes and results are shown in. Switching converts what the boxes
  // show (to six significant digits) and the results on screen, without a calculation; a
  // box shows its text exactly as typed again in the system it was typed in, and a
  // calculation or a save reads it from that text, never from a converted one.
  UnitSystem units() const { return units_; }
  void setUnits(UnitSystem system);

  // What the user typed, as shown in the current unit system.
  const std::string& title() const { return title_; }
  // The GOR selector's text as a case file holds it ("GOR MCF/STB" in either system), and
  // as shown ("GOR sm3/sm3" in Metric).
  const std::string& gorSelector() const { return gorSelector_; }
  std::string gorSelectorShown() const;
  const std::string& waterSelector() const { return waterSelector_; }
  std::string box(std::size_t index) const;
  void setTitle(std::string text) { title_ = std::move(text); }
  // A text typed into the GOR selector as shown in the current unit system.
  void setGorSelector(std::string shownText);
  void setWaterSelector(std::string text) { waterSelector_ = std::move(text); }
  // A text typed into a box, in the current unit system.
  void setBox(std::size_t index, std::string text) { boxes_[index] = {std::move(text), units_}; }
  // The "Gas impurities" row: CO2, H2S and N2 in mol % (index 0, 1, 2), read by the same
  // text-to-number rule; mol % is the same in both unit systems.
  static constexpr std::size_t kImpurityCount = 3;
  const std::string& impurityBox(std::size_t index) const { return impurityBoxes_[index]; }
  void setImpurityBox(std::size_t index, std::string text) { impurityBoxes_[index] = std::move(text); }

  // The correlations in force and their captions.
  const CorrelationSelection& selection() const { return selection_; }
  const SelectionCaptions& captions() const { return captions_; }
  void chooseOil(OilCorrelation family);
  void chooseGas(GasCharacterisation characterisation);
  void chooseRock(RockCorrelation rock);
  void chooseFormation(FormationType formation);

  // Lab data and tuning. The lab data are held here, the tuning in the selection, so that
  // every calculation of the case, and every table, plot and export built from it, uses
  // it while it is on. Choosing another oil family turns tuning off.
  const std::optional<LabData>& labData() const { return lab_; }
  // Takes new lab data, or none; tuning fitted to the data before is turned off.
  void setLabData(std::optional<LabData> data);
  // The nine families ranked against the lab data, for the case as typed now. False, with
  // the reason, without lab data or when they cannot be compared (calc/lab_fit.h).
  bool rankOilFamilies(OilRanking& ranking, std::string& error) const;
  // Tunes `family` to the lab data (by default the best-ranked family) and puts it in
  // force: it becomes the oil family, with its caption, and tuning is on. False, with the
  // reason, when it cannot be tuned; nothing changes then.
  bool applyTuning(std::optional<OilCorrelation> family, OilTuningFit& fit, std::string& error);
  void removeTuning();
  const OilTuning& tuning() const { return selection_.oilTuning; }
  bool tuned() const { return selection_.oilTuning.active; }

  // The case the boxes, selectors and choices hold now, read by the text-to-number rule.
  CalculationCase currentCase() const;
  // Whether the case typed holds what every calculation needs, the temperature and the
  // pressure (the correlations in force have their defaults): Enter calculates then.
  bool readyToCalculate() const;

  // Calculates from the boxes and selectors as they are. On a z-factor failure the values
  // shown stay those of the calculation before, and the status says so.
  const RunOutput& calculate();

  // What the results area shows; these outlive a failed calculation.
  const std::optional<DisplayedOutputs>& shown() const { return shown_; }
  GorSelectorMode shownMode() const {
    return shownRun_ ? shownRun_->calculationCase.gorMode : GorSelectorMode::BubblePoint;
  }
  // The warnings a run of the case typed now would give (values outside the data of a
  // correlation in force, unphysical results): what the boxes are marked by as they are
  // typed, before any calculation. Empty while the z-factor fails.
  std::vector<Diagnostic> currentWarnings() const;

  // The case the values shown were calculated for.
  std::optional<CalculationCase> shownCase() const {
    return shownRun_ ? std::optional(shownRun_->calculationCase) : std::nullopt;
  }
  // True when values are shown and the case typed now is not the one they belong to.
  bool resultsStale() const { return shownRun_ && shownRun_->calculationCase != currentCase(); }
  // The caption beside the bubble-point/GOR result and the unit that goes with it: those
  // of the values shown (a failed run changes neither while earlier values are shown), in
  // the current unit system; empty before a run set them.
  std::string pbCaption() const;
  std::string_view pbUnit() const;
  // The status line: the inputs of the last calculation that were blank (read as 0) or
  // impossible (a negative GOR, a porosity above 100 %: the results are not to be
  // trusted), a z-factor failure, the results out of range or not computed, why a
  // compressibility is blank, and the warnings of the run that gave the values shown.
  const std::string& status() const { return status_; }

  // The numbers of the last calculation or open, and the case of the last calculation.
  const InputSet& inputs() const { return inputs_; }
  std::optional<CalculationCase> lastCase() const {
    return attempted_ ? std::optional(attempted_->calculationCase) : std::nullopt;
  }

  // Takes a case as its file holds it (model/case_entry.h): title, selector texts, the
  // nine numbers (into the boxes and the input set), the correlations its captions name,
  // the gas impurities, the formation type where it has one, and the lab data and tuning
  // (a tuning of another family than the caption names puts its family in force).
  // Results and status stay. `path` becomes the case's file, and what is open counts as
  // saved.
  void open(const CaseEntry& entry, std::string path = {});
  void open(const CaseRecord& record, std::string path = {}) {
    CaseEntry entry;
    entry.record = record;
    open(entry, std::move(path));
  }
  // The record a save writes: title, selector texts and captions as they are, and the
  // numbers the boxes hold, read by the same text-to-number rule as a calculation (a
  // blank box: a number never filled).
  CaseRecord recordToSave() const;
  // The lab data and tuning a save writes after the record, and the whole text of a case
  // file: the record alone when there are none (the fifteen fields as always).
  CaseLab labToSave() const;
  // The gas impurities a save writes after the record: what the row holds, read as a
  // calculation reads it.
  GasImpurities gasToSave() const;
  // The formation type a save writes: the one in force where the rock correlation reads
  // one (Newman, Yale et al.), else none.
  FormationType formationToSave() const;
  // All of it as a case file holds it, and the file's text.
  CaseEntry entryToSave() const;
  std::string fileToSave() const;
  // The case was saved to `path`: it becomes the case's file, and what is typed now counts
  // as saved.
  void markSaved(std::string path);

  // The file the case was last opened from or saved to; empty for a new case.
  const std::string& filePath() const { return filePath_; }
  // True when a save would write something other than what was last opened or saved (for
  // a new case: other than the empty window).
  bool modified() const { return entryToSave() != saved_; }

 private:
  // A box's text and the unit system it was typed in.
  struct TypedBox {
    std::string text;
    UnitSystem system = UnitSystem::Field;
  };
  void updateStatus();

  UnitSystem units_ = UnitSystem::Field;
  std::string title_;
  std::string gorSelector_{kGorSelectorPrompt};
  std::string waterSelector_{kWaterSelectorPrompt};
  std::array<TypedBox, kInputCount> boxes_;
  std::array<std::string, kImpurityCount> impurityBoxes_;  // before saved_, which reads them
  CorrelationSelection selection_;
  SelectionCaptions captions_;

  // One calculation: the case as typed then, what it gave, and what its numbers were read
  // from (the boxes left blank, the values no reservoir has).
  struct Run {
    CalculationCase calculationCase;
    CalculationOutcome outcome;
    Diagnostics blank;
    std::vector<ImpossibleInput> impossible;
  };
  std::optional<Run> attempted_;  // the last calculation
  std::optional<Run> shownRun_;   // the last that gave values: those on screen
  // Derived from them, kept for the references the window reads: the last run as
  // presented, and the values on screen in units_.
  RunOutput run_;
  std::optional<DisplayedOutputs> shown_;
  std::optional<GorSelectorMode> pbMode_;  // the mode of the caption beside pb/GOR, once set
  std::string status_;
  InputSet inputs_;
  std::string filePath_;
  std::optional<LabData> lab_;
  CaseEntry saved_;  // last: what a save writes reads everything above
};

}  // namespace tarnvik
