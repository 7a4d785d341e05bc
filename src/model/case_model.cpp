#include "model/case_model.h"

#include "calc/calculation_run.h"
#include "io/number_text.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"

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

InputSet InputsOf(const std::array<std::optional<double>, kInputCount>& n) {
  const auto v = [&](std::size_t i) { return n[i].value_or(0.0); };
  return InputSet{v(0), v(1), v(2), v(3), v(4), v(5), v(6), v(7), v(8)};
}

std::array<std::optional<double>, kInputCount> NumbersOf(const InputSet& in) {
  return {in.apiGravity, in.gasGravity, in.temperatureF, in.pressure, in.gorOrPb,
          in.porosity,   in.swc,        in.salinityOrSg, in.wor};
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

CaseModel::CaseModel() = default;

void CaseModel::chooseOil(OilCorrelation family) {
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

void CaseModel::discardRockChoice() {
  selection_.rockCorrelation = RockCorrelation::None;
  selection_.formationType = FormationType::None;
}

const RunOutput& CaseModel::calculate() {
  std::array<std::string_view, kInputCount> texts;
  for (std::size_t i = 0; i < kInputCount; ++i) texts[i] = boxes_[i];
  inputs_ = ReadInputs(texts);
  inputsFilled_ = true;
  const CalculationCase c{inputs_, GorModeFromText(gorSelector_), WaterModeFromText(waterSelector_), selection_};
  lastCase_ = c;
  run_ = RunCase(c);
  if (run_.pbCaption) {
    pbCaption_ = *run_.pbCaption;
    pbUnit_ = FieldInfo(OutputField::PbOrRsb, c.gorMode).unit;
  }
  if (run_.outputs) {
    shown_ = *run_.outputs;
    shownMode_ = c.gorMode;
    status_ = StatusText(std::nullopt, &*shown_, shownMode_);
  } else {
    status_ = StatusText(run_.message, shown_ ? &*shown_ : nullptr, shownMode_);
  }
  return run_;
}

void CaseModel::open(const CaseRecord& record) {
  title_ = record.title;
  gorSelector_ = record.gorSelector;
  waterSelector_ = record.waterSelector;
  inputs_ = InputsOf(record.numbers);
  inputsFilled_ = true;
  const auto numbers = NumbersOf(inputs_);
  for (std::size_t i = 0; i < kInputCount; ++i) boxes_[i] = BoxText(*numbers[i]);
  ApplyRecordSelection(record, selection_, captions_);
}

CaseRecord CaseModel::recordToSave() const {
  CaseRecord record;
  record.title = title_;
  record.gorSelector = gorSelector_;
  record.waterSelector = waterSelector_;
  record.oilCaption = captions_.oil;
  record.gasCaption = captions_.gas;
  record.rockCaption = captions_.rock;
  if (inputsFilled_) record.numbers = NumbersOf(inputs_);
  return record;
}

}  // namespace tarnvik
