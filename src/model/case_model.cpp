#include "model/case_model.h"

#include <cmath>

#include "base/rounding.h"
#include "calc/calculation_run.h"
#include "calc/input_checks.h"
#include "io/number_text.h"
#include "present/blank_reasons.h"
#include "present/input_texts.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"
#include "present/unit_texts.h"
#include "present/warning_texts.h"

namespace tarnvik {

InputSet ReadInputs(const std::array<std::string_view, kInputCount>& boxes) {
  return InputSet{
      .apiGravity = ParseNumber(boxes[0]),
      .gasGravity = ParseNumber(boxes[1]),
      .temperatureF = ParseNumber(boxes[2]),
      .pressure = ParseNumber(boxes[3]),
      .gorOrPb = ParseNumber(boxes[4]),
      .porosity = ParseNumber(boxes[5]),
      .swc = ParseNumber(boxes[6]),
      .salinityOrSg = ParseNumber(boxes[7]),
      .wor = ParseNumber(boxes[8]),
  };
}

InputSet InputsOf(const std::array<std::optional<double>, kInputCount>& numbers) {
  InputSet in;
  for (std::size_t i = 0; i < kInputCount; ++i) InputValue(in, static_cast<InputField>(i)) = numbers[i].value_or(0.0);
  return in;
}

std::array<std::optional<double>, kInputCount> NumbersOf(const InputSet& in) {
  std::array<std::optional<double>, kInputCount> numbers;
  for (std::size_t i = 0; i < kInputCount; ++i) numbers[i] = InputValue(in, static_cast<InputField>(i));
  return numbers;
}

std::string BoxText(double value) {
  const std::string digits = FormatShortest(value);
  return value >= 0 ? " " + digits : digits;
}

void ApplyRecordSelection(const CaseRecord& record, CorrelationSelection& selection, SelectionCaptions& captions) {
  if (const auto family = OilCorrelationFromCaption(record.oilCaption)) {
    selection.oilCorrelation = *family;
    captions.oil = record.oilCaption;
  }
  if (const auto gas = GasCharacterisationFromCaption(record.gasCaption)) {
    selection.gasCharacterisation = *gas;
    captions.gas = record.gasCaption;
  }
  if (const auto rock = RockCorrelationFromCaption(record.rockCaption)) {
    selection.rockCorrelation = *rock;
    captions.rock = record.rockCaption;
  }
}

CalculationCase CaseFromRecord(const CaseRecord& record, CorrelationSelection selection) {
  SelectionCaptions unused;
  ApplyRecordSelection(record, selection, unused);
  return {InputsOf(record.numbers), GorModeFromText(record.gorSelector), WaterModeFromText(record.waterSelector),
          selection};
}

RunOutput RunCase(const CalculationCase& c) { return PresentRun(Calculate(c), c.gorMode); }

CaseModel::CaseModel() : saved_(entryToSave()) {}

void CaseModel::chooseOil(OilCorrelation family) {
  if (!TunesFamily(selection_.oilTuning, family)) selection_.oilTuning = OilTuning{};
  selection_.oilCorrelation = family;
  captions_.oil = OilCorrelationItem(family);
}

void CaseModel::chooseGas(GasCharacterisation characterisation) {
  selection_.gasCharacterisation = characterisation;
  captions_.gas = GasCharacterisationItem(characterisation);
}

void CaseModel::chooseRock(RockCorrelation rock) {
  selection_.rockCorrelation = rock;
  captions_.rock = RockCorrelationItem(rock);
}

void CaseModel::chooseFormation(FormationType formation) { selection_.formationType = formation; }

namespace {

// A value converted for a box of the other unit system, to six significant digits in the
// box's usual form. Only shown: a calculation and a save read the text as typed.
std::string ConvertedBoxText(double value) { return BoxText(RoundSignificant(value, 6)); }

}  // namespace

void CaseModel::setUnits(UnitSystem system) {
  units_ = system;
  if (shownRun_) shown_ = FormatOutputs(shownRun_->outcome, shownMode(), units_);
  updateStatus();
}

std::string CaseModel::box(std::size_t index) const {
  const TypedBox& box = boxes_[index];
  if (box.system == units_) return box.text;
  const Dimension dimension = InputTextOf(static_cast<InputField>(index), GorModeFromText(gorSelector_)).dimension;
  if (dimension == Dimension::Plain || box.text.find_first_not_of(" \t") == std::string::npos) return box.text;
  return ConvertedBoxText(FromField(ToField(ParseNumber(box.text), dimension, box.system), dimension, units_));
}

std::string CaseModel::gorSelectorShown() const { return std::string(GorSelectorShown(gorSelector_, units_)); }

void CaseModel::setGorSelector(std::string shownText) {
  gorSelector_ = std::string(GorSelectorFromShown(shownText, units_));
}

std::string CaseModel::pbCaption() const {
  return pbMode_ ? CaptionInUnits(PbCaption(*pbMode_), units_) : std::string();
}

std::string_view CaseModel::pbUnit() const {
  return pbMode_ ? FieldInfo(OutputField::PbOrRsb, *pbMode_, units_).unit : std::string_view();
}

CalculationCase CaseModel::currentCase() const {
  const GorSelectorMode gorMode = GorModeFromText(gorSelector_);
  InputSet inputs;
  double* values[] = {&inputs.apiGravity, &inputs.gasGravity, &inputs.temperatureF, &inputs.pressure, &inputs.gorOrPb,
                      &inputs.porosity,   &inputs.swc,        &inputs.salinityOrSg, &inputs.wor};
  for (std::size_t i = 0; i < kInputCount; ++i) {
    *values[i] = ToField(ParseNumber(boxes_[i].text), InputTextOf(static_cast<InputField>(i), gorMode).dimension,
                         boxes_[i].system);
  }
  inputs.impurities = gasToSave();
  return {inputs, gorMode, WaterModeFromText(waterSelector_), selection_};
}

bool CaseModel::readyToCalculate() const {
  const auto typed = [this](std::size_t box) { return boxes_[box].text.find_first_not_of(" \t") != std::string::npos; };
  return typed(2) && typed(3);
}

const RunOutput& CaseModel::calculate() {
  const CalculationCase c = currentCase();
  inputs_ = c.inputs;
  // The run goes ahead as typed; the status says what its numbers were read from.
  attempted_ = Run{c, Calculate(c), BlankInputs(recordToSave()), ImpossibleInputs(c.inputs)};
  run_ = PresentRun(attempted_->outcome, c.gorMode, units_);
  // The caption and unit of the bubble-point/GOR field go with its value: a failed run
  // that leaves earlier values on screen leaves their caption too.
  if (run_.pbCaption && (run_.outputs || !shown_)) pbMode_ = c.gorMode;
  if (run_.outputs) {
    shown_ = *run_.outputs;
    shownRun_ = attempted_;
  }
  updateStatus();
  return run_;
}

std::vector<Diagnostic> CaseModel::currentWarnings() const { return Warnings(Calculate(currentCase()).diagnostics); }

void CaseModel::updateStatus() {
  const DisplayedOutputs* shown = shown_ ? &*shown_ : nullptr;
  // A z-factor failure: the program's message, then what it means for this case.
  std::optional<std::string> failure;
  status_.clear();
  if (attempted_) {
    const CalculationCase& c = attempted_->calculationCase;
    if (attempted_->outcome.failed()) {
      failure =
          std::string(ZFactorMessage(attempted_->outcome.zFactorStatus)) + ". " +
          ZFactorExplanation(attempted_->outcome.zFactorStatus, c.inputs, c.selection.gasCharacterisation, units_);
    }
    for (const ImpossibleInput& input : attempted_->impossible) {
      status_ += (status_.empty() ? "" : "; ") + ImpossibleInputText(input, c.gorMode, c.waterMode, units_);
    }
    if (!status_.empty()) status_ += ": the results are not to be trusted";
    const std::string blank = WarningSentences(attempted_->blank, c.gorMode, units_);
    if (!blank.empty()) status_ += (status_.empty() ? "" : ". ") + blank;
  }
  const std::string run =
      StatusText(failure ? std::optional<std::string_view>(*failure) : std::nullopt, shown, shownMode());
  if (!run.empty()) status_ += (status_.empty() ? "" : ". ") + run;
  if (shown != nullptr) {
    for (const std::string& more :
         {BlankReasons(shownRun_->calculationCase, *shown), WarningSentences(shown->warnings, shownMode(), units_)}) {
      if (!more.empty()) status_ += (status_.empty() ? "" : ". ") + more;
    }
  }
}

void CaseModel::setLabData(std::optional<LabData> data) {
  lab_ = std::move(data);
  selection_.oilTuning = OilTuning{};
}

bool CaseModel::rankOilFamilies(OilRanking& ranking, std::string& error) const {
  if (!lab_) {
    error = "there are no lab data: open a lab file first";
    return false;
  }
  return RankOilFamilies(currentCase(), *lab_, ranking, error);
}

bool CaseModel::applyTuning(std::optional<OilCorrelation> family, OilTuningFit& fit, std::string& error) {
  if (!family) {
    OilRanking ranking;
    if (!rankOilFamilies(ranking, error)) return false;
    family = ranking.families.front().family;
  }
  if (!lab_) {
    error = "there are no lab data: open a lab file first";
    return false;
  }
  if (!TuneOilFamily(currentCase(), *lab_, *family, fit, error)) return false;
  chooseOil(*family);
  selection_.oilTuning = fit.tuning;
  return true;
}

void CaseModel::removeTuning() { selection_.oilTuning = OilTuning{}; }

void CaseModel::open(const CaseEntry& entry, std::string path) {
  const CaseRecord& record = entry.record;
  title_ = record.title;
  gorSelector_ = record.gorSelector;
  waterSelector_ = record.waterSelector;
  inputs_ = InputsOf(record.numbers);
  impurityBoxes_ = {};
  // A number never filled (a box saved blank) opens as a blank box.
  for (std::size_t i = 0; i < kInputCount; ++i) {
    boxes_[i] = {record.numbers[i] ? BoxText(*record.numbers[i]) : std::string(), UnitSystem::Field};
  }
  // A content of 0 shows as a blank box, as in a new case.
  const GasImpurities& gas = entry.gas;
  const double contents[] = {gas.co2, gas.h2s, gas.n2};
  for (std::size_t i = 0; i < kImpurityCount; ++i) impurityBoxes_[i] = contents[i] != 0 ? BoxText(contents[i]) : "";
  inputs_.impurities = gas;
  selection_.oilTuning = OilTuning{};
  ApplyRecordSelection(record, selection_, captions_);
  // A file without a formation line leaves the formation type chosen, as a caption the
  // record does not name leaves its choice.
  if (entry.formation != FormationType::None) selection_.formationType = entry.formation;
  lab_ = entry.lab.data;
  selection_.oilTuning = entry.lab.tuning;
  // The tuning names its family; a record whose caption names another is made to agree.
  if (entry.lab.tuning.active && !TuningInForce(selection_)) chooseOil(entry.lab.tuning.family);
  markSaved(std::move(path));
}

CaseRecord CaseModel::recordToSave() const {
  CaseRecord record;
  record.title = title_;
  record.gorSelector = gorSelector_;
  record.waterSelector = waterSelector_;
  record.oilCaption = captions_.oil;
  record.gasCaption = captions_.gas;
  record.rockCaption = captions_.rock;
  // A blank box is a number never filled; any other text is read as a calculation reads
  // it, in field units.
  const CalculationCase c = currentCase();
  const auto numbers = NumbersOf(c.inputs);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    if (boxes_[i].text.find_first_not_of(" \t") != std::string::npos) record.numbers[i] = numbers[i];
  }
  return record;
}

CaseLab CaseModel::labToSave() const { return CaseLab{lab_, selection_.oilTuning}; }

GasImpurities CaseModel::gasToSave() const {
  return {ParseNumber(impurityBoxes_[0]), ParseNumber(impurityBoxes_[1]), ParseNumber(impurityBoxes_[2])};
}

FormationType CaseModel::formationToSave() const {
  return UsesFormationType(selection_.rockCorrelation) ? selection_.formationType : FormationType::None;
}

CaseEntry CaseModel::entryToSave() const {
  return CaseEntry{recordToSave(), labToSave(), gasToSave(), formationToSave()};
}

std::string CaseModel::fileToSave() const { return WriteCaseEntry(entryToSave()); }

void CaseModel::markSaved(std::string path) {
  filePath_ = std::move(path);
  saved_ = entryToSave();
}

}  // namespace tarnvik
