// The graph routine's core for the largest unit count and for a thousand units: every analysis
// line and graph row, as the Calculate button builds them.
#include "breakeven/core/breakeven.h"

#include <benchmark/benchmark.h>

namespace {

void BuildAnalysis(benchmark::State& state, const char* unitsText)
{
    vexmoor::BreakEvenFigures figures;
    figures.UnitPrice = 10;
    figures.VariableCostPerUnit = 6;
    figures.FixedCosts = 1000;
    const vexmoor::RegionalFormat format;
    for (auto _ : state) {
        vexmoor::BreakEvenAnalysis analysis;
        vexmoor::BuildBreakEvenAnalysis(unitsText, figures, format, analysis);
        benchmark::DoNotOptimize(analysis.lines.front().data());
    }
}

BENCHMARK_CAPTURE(BuildAnalysis, Units32767, "32,767")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildAnalysis, Units1000, "1,000")->Unit(benchmark::kMicrosecond);

} // namespace
