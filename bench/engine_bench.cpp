#include <string>

#include <benchmark/benchmark.h>

#include "bench/bench.h"
#include "engine/analysis_pass.h"
#include "engine/summary_report.h"
#include "tests/engine/stats/designed_records.h"

namespace {

// The starting analysis of a parameter and design, its calculation block filled.
DQORecord FilledRecord(int parameter, int design)
{
    DQORecord rec = DesignedRecord(parameter, design);
    FillCalculationBlock(rec);
    return rec;
}

// One analysis pass on a fresh copy of the filled record (the copy is part of
// the figure: a few kilobytes, well below the pass itself).
void AnalysisPass(benchmark::State& state, int parameter, int design)
{
    const DQORecord filled = FilledRecord(parameter, design);
    DiscardedMessages messages;
    for (auto _ : state) {
        DQORecord rec = filled;
        ComputeAnalysisPass(rec, messages);
        benchmark::DoNotOptimize(rec.dCurve);
    }
}

// A size typed on the summary screen turned into the false acceptance limit.
void TypedSamples(benchmark::State& state, int parameter, int typed)
{
    DQORecord computed = FilledRecord(parameter, kSimpleRandom);
    DiscardedMessages messages;
    ComputeAnalysisPass(computed, messages);
    computed.nUserSamples = typed;
    for (auto _ : state) {
        DQORecord rec = computed;
        rec.bSamplesChanged = 1;
        ApplyTypedSamples(rec, messages);
        benchmark::DoNotOptimize(rec.fLimitAtUpper);
    }
}

void SummaryReport(benchmark::State& state, int parameter, int design)
{
    DQORecord rec = FilledRecord(parameter, design);
    DiscardedMessages messages;
    ComputeAnalysisPass(rec, messages);
    for (auto _ : state) {
        std::string text = FormatSummaryReport(rec);
        benchmark::DoNotOptimize(text.data());
    }
}

} // namespace

void RegisterEngineBenchmarks()
{
    struct Pass {
        const char* name;
        int parameter, design;
    };
    const Pass passes[] = {
        {"AnalysisPass/OneMean/SimpleRandom", kOneMean, kSimpleRandom},
        {"AnalysisPass/OneMean/Composite", kOneMean, kComposite},
        {"AnalysisPass/OneMean/Stratified", kOneMean, kStratified},
        {"AnalysisPass/OneProportion/SimpleRandom", kOneProportion, kSimpleRandom},
        {"AnalysisPass/OneProportion/Stratified", kOneProportion, kStratified},
        {"AnalysisPass/TwoMean", kTwoMean, kSimpleRandom},
        {"AnalysisPass/TwoProportion", kTwoProportion, kSimpleRandom},
    };
    for (const Pass& p : passes)
        benchmark::RegisterBenchmark(p.name, AnalysisPass, p.parameter, p.design);
    benchmark::RegisterBenchmark("TypedSamples/OneMean", TypedSamples, kOneMean, 20);
    benchmark::RegisterBenchmark("TypedSamples/TwoMean", TypedSamples, kTwoMean, 50);
    benchmark::RegisterBenchmark("SummaryReport/OneMean", SummaryReport, kOneMean, kSimpleRandom);
    benchmark::RegisterBenchmark("SummaryReport/OneMean/Stratified", SummaryReport, kOneMean,
                                 kStratified);
}
