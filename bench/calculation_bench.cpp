// Speed of one calculation run and of the batch path (parse record, run, CSV row).
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"
#include "calc/calculation_run.h"
#include "calc/oil_tuning_fit.h"
#include "calc/pressure_table.h"
#include "export/black_oil_tables.h"
#include "io/case_record.h"
#include "model/case_entry.h"
#include "model/case_model.h"
#include "present/selection_texts.h"

namespace {

using namespace tarnvik;

// A full run from the nine box texts to the 21 output texts, for each oil family
// (range 0) above (range 1 = 1) or below (range 1 = 0) the bubble point.
void BM_RunCalculation(benchmark::State& state) {
  CorrelationSelection selection;
  selection.oilCorrelation = static_cast<OilCorrelation>(state.range(0));
  selection.rockCorrelation = RockCorrelation::Hall;
  const bool above = state.range(1) == 1;
  const std::array<std::string_view, kInputCount> boxes = {"35", "0.75", "200", above ? "4000" : "1500", "2500", "20",
                                                           "25", "3",    "0.5"};
  const std::string gorSelector = "Bubble Point Pressure psia";
  const std::string waterSelector = "Salinity % NaCl";
  for (auto _ : state) {
    const CalculationCase c{ReadInputs(boxes), GorModeFromText(gorSelector), WaterModeFromText(waterSelector),
                            selection};
    RunOutput out = RunCase(c);
    benchmark::DoNotOptimize(out);
  }
  state.SetLabel(std::string(OilCorrelationName(selection.oilCorrelation)) + (above ? " above pb" : " below pb"));
}
BENCHMARK(BM_RunCalculation)->ArgsProduct({benchmark::CreateDenseRange(0, 8, 1), {0, 1}});

// What the window does on "Calculate": the same run through the case model, which also
// keeps what is shown and writes the status line.
void BM_CaseModelCalculate(benchmark::State& state) {
  CaseModel model;
  const char* boxes[] = {"35", "0.75", "200", "1500", "2500", "20", "25", "3", "0.5"};
  for (std::size_t i = 0; i < kInputCount; ++i) model.setBox(i, boxes[i]);
  model.setGorSelector("Bubble Point Pressure psia");
  model.chooseRock(RockCorrelation::Hall);
  for (auto _ : state) benchmark::DoNotOptimize(model.calculate());
}
BENCHMARK(BM_CaseModelCalculate);

// The correlations alone, numbers in and results out (no text reading or formatting):
// the cost of one row of a table against pressure.
void BM_Calculate(benchmark::State& state) {
  CorrelationSelection selection;
  selection.oilCorrelation = static_cast<OilCorrelation>(state.range(0));
  selection.rockCorrelation = RockCorrelation::Hall;
  const InputSet inputs{35, 0.75, 200, state.range(1) == 1 ? 4000.0 : 1500.0, 2500, 20, 25, 3, 0.5};
  for (auto _ : state) {
    CalculationOutcome outcome =
        Calculate(inputs, GorSelectorMode::BubblePoint, WaterSelectorMode::Salinity, selection);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_Calculate)->ArgsProduct({{0, 4}, {0, 1}});

// The correlations alone over the generated cases bench/python_bench.py gives the Python
// module's array call (GOR mode, Hall, the same ranges), for Standing (0) and
// Petrosky/Farshad (4): what an array call costs per case before the module's own work.
void BM_CalculateGenerated(benchmark::State& state) {
  constexpr std::size_t kCases = 100000;
  std::mt19937 random(42);
  std::uniform_real_distribution<double> api(18, 48), gg(0.6, 1.1), t(100, 260), p(500, 6000), gor(0.1, 1.5),
      phi(8, 32), swc(10, 40), sal(0, 10), wor(0, 2);
  std::vector<InputSet> cases(kCases);
  for (InputSet& c : cases)
    c = {api(random), gg(random),  t(random),   p(random),  gor(random),
         phi(random), swc(random), sal(random), wor(random)};
  CorrelationSelection selection;
  selection.oilCorrelation = static_cast<OilCorrelation>(state.range(0));
  selection.rockCorrelation = RockCorrelation::Hall;
  for (auto _ : state) {
    for (const InputSet& c : cases) {
      CalculationOutcome outcome = Calculate(c, GorSelectorMode::Gor, WaterSelectorMode::Salinity, selection);
      benchmark::DoNotOptimize(outcome);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kCases));
}
BENCHMARK(BM_CalculateGenerated)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

// 100,000 generated case records, every family, both GOR modes, wet and dry gas.
std::string GenerateRecords(std::size_t count) {
  std::mt19937 random(42);
  std::uniform_real_distribution<double> api(18, 48), gg(0.6, 1.1), t(100, 260), p(500, 6000), gor(0.1, 1.5),
      pb(800, 5000), phi(8, 32), swc(10, 40), sal(0, 10), wor(0, 2);
  std::string text;
  CaseRecord record;
  for (std::size_t i = 0; i < count; ++i) {
    const bool gorMode = i % 2 == 0;
    record.title = "Generated case " + std::to_string(i + 1);
    record.gorSelector = gorMode ? "GOR MCF/STB" : "Bubble Point Pressure psia";
    record.waterSelector = "Salinity % NaCl";
    record.oilCaption = std::string(kOilCorrelationItems[i % 9]);
    record.gasCaption = (i / 9) % 2 ? "Dry Gas" : "Wet Gas";
    record.rockCaption = std::string(kRockCorrelationItems[i % 4]);
    record.numbers = {api(random), gg(random),  t(random),   p(random),  gorMode ? gor(random) : pb(random),
                      phi(random), swc(random), sal(random), wor(random)};
    text += WriteCaseRecord(record);
  }
  return text;
}

void BM_BatchCsv(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const std::string records = GenerateRecords(count);
  CaseOverrides overrides;
  overrides.formation = FormationType::ConsolidatedSands;
  for (auto _ : state) {
    std::istringstream input(records);
    std::ostringstream output;
    const auto writer = batch::MakeWriter(batch::Format::Csv, batch::Values::Shown, output);
    CaseEntryReader reader(input);
    CaseEntry entry;
    CaseEntryReader::Outcome outcome;
    std::size_t number = 0;
    while (reader.Next(entry, outcome)) {
      writer->Write(batch::CalculateCase(++number, entry.record, CaseFromEntry(entry, overrides)));
    }
    benchmark::DoNotOptimize(output.str().size());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}
BENCHMARK(BM_BatchCsv)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

// The Tables and Plots overlay: a 2000-point pressure table for each of the nine oil
// families (18,000 runs), computed on demand. Target: under 50 ms.
void BM_PressureTableAllFamilies(benchmark::State& state) {
  tarnvik::CalculationCase c;
  c.inputs = {35, 0.75, 200, 3000, 0.5, 20, 25, 3, 0.5};
  c.gorMode = tarnvik::GorSelectorMode::Gor;
  c.selection.rockCorrelation = tarnvik::RockCorrelation::Hall;
  const tarnvik::PressureRange range{.minimum = {}, .maximum = {}, .points = static_cast<int>(state.range(0))};
  std::size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    for (int family = 0; family < 9; ++family) {
      std::string error;
      const auto table = tarnvik::BuildPressureTable(
          tarnvik::WithOilFamily(c, static_cast<tarnvik::OilCorrelation>(family)), range, error);
      rows += table.rows.size();
      benchmark::DoNotOptimize(table.rows.data());
    }
  }
  state.counters["runs"] = static_cast<double>(rows);
}
BENCHMARK(BM_PressureTableAllFamilies)->Arg(2000)->Unit(benchmark::kMillisecond);

// Black-oil tables for a simulator, built and checked as --export-eclipse does, without
// the files: the typical oil (no adjustments) and a volatile oil below its bubble point
// whose saturated Bo and viscosity are adjusted.
void BM_BlackOilTables(benchmark::State& state) {
  tarnvik::CalculationCase c;
  c.selection.rockCorrelation = tarnvik::RockCorrelation::Hall;
  if (state.range(0) == 0) {
    c.inputs = {35, 0.75, 200, 3000, 0.5, 20, 25, 3, 0.5};
    c.gorMode = tarnvik::GorSelectorMode::Gor;
  } else {
    c.inputs = {49.4, 0.91, 261, 5029, 5403, 24, 26, 1.4, 0.9};
    c.gorMode = tarnvik::GorSelectorMode::BubblePoint;
    c.selection.oilCorrelation = tarnvik::OilCorrelation::DoklaOsman;
  }
  for (auto _ : state) {
    tarnvik::BlackOilTables tables;
    std::string error;
    if (!tarnvik::BuildBlackOilTables(c, {}, tables, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(tables.liveOil.data());
  }
}
BENCHMARK(BM_BlackOilTables)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A laboratory report of 20 pressures (Rs, Bo and oil viscosity at each, 16 below the
// bubble point with z, and 4 above) ranked against the nine oil families, and the
// best-ranked family tuned to it, gas included, as --rank-oil --tune and the window's Lab
// data page do.
void BM_RankAndTuneLabReport(benchmark::State& state) {
  tarnvik::CalculationCase c;
  c.inputs = {35, 0.8, 200, 3000, 0.6, 20, 25, 3, 0.5};
  c.gorMode = tarnvik::GorSelectorMode::Gor;
  tarnvik::InputSet in = c.inputs;
  in.pressure = 14.7;
  const double pb = tarnvik::CalculateOilState(in, c.gorMode, tarnvik::OilCorrelation::Glaso).pb * 1.05;
  tarnvik::LabData data;
  data.temperatureF = 200;
  data.bubblePoint = pb;
  data.gor = 600;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> noise(0.97, 1.03);
  for (int i = 1; i <= 20; ++i) {
    in.pressure = pb * i / 16.0;
    const tarnvik::OilState oil = tarnvik::CalculateOilState(in, c.gorMode, tarnvik::OilCorrelation::Glaso);
    tarnvik::LabPoint point{in.pressure, i <= 16 ? oil.rs * noise(random) : 600, oil.bo * noise(random),
                            oil.muO * noise(random)};
    if (i <= 16) point.z = tarnvik::Calculate(in, c.gorMode, c.waterMode, c.selection).results.z.value_or(1);
    data.points.push_back(point);
  }
  for (auto _ : state) {
    tarnvik::OilRanking ranking;
    tarnvik::OilTuningFit fit;
    std::string error;
    if (!tarnvik::RankOilFamilies(c, data, ranking, error) ||
        !tarnvik::TuneOilFamily(c, data, ranking.families.front().family, fit, error)) {
      state.SkipWithError(error.c_str());
    }
    benchmark::DoNotOptimize(fit.tuning.boFactor);
  }
}
BENCHMARK(BM_RankAndTuneLabReport)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
