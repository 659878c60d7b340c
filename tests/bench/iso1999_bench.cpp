#include <benchmark/benchmark.h>

#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/shift.h"

namespace {

// One risk scan: 91 fractiles, both groups, six frequencies.
void BM_ScanRisk(benchmark::State& state)
{
    RiskState risk = InitialRiskState();
    risk.criterion = (int)state.range(0);
    for (auto _ : state) {
        RiskShares shares = ScanRisk(risk.record, risk.criterion);
        benchmark::DoNotOptimize(shares);
    }
}
BENCHMARK(BM_ScanRisk)->Arg(kCriterionIso1999_90)->Arg(kCriterionOtremOld)->Arg(kCriterionBiologicalAny);

// The predictions table: 20 exposure times by 7 levels.
void BM_PredictionTable(benchmark::State& state)
{
    PredictionState predictions = InitialPredictionState();
    double values[kPredictionTimes][kPredictionLevels];
    for (auto _ : state) {
        ComputePredictionTable(predictions, values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_PredictionTable);

// The threshold-shift table: 19 fractiles by 6 frequencies of HTLAN, with
// the damage of each fractile.
void BM_ShiftTableWithDamage(benchmark::State& state)
{
    ShiftState shift = InitialShiftState();
    ShiftTable table;
    for (auto _ : state) {
        ComputeShiftTable(shift, &table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ShiftTableWithDamage);

}  // namespace
