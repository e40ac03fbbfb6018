// Building the lines of long loan schedules: 9,999 rows (the longest with four-digit row
// numbers) and 32,767 rows (the most a schedule can have). Budgets: 15 ms and 50 ms.
#include "loan/core/loan_schedule.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void BuildSchedule(benchmark::State& run, const char* loanType)
{
    const auto rows = static_cast<double>(run.range(0));
    const vexmoor::RegionalFormat format;
    const vexmoor::LoanScheduleRequest request {true, false, loanType, ""};
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(rows) + 2);
    for (auto _ : run) {
        // A 30-year-style annuity stretched to the row count, as the repayment page leaves it.
        vexmoor::LoanState state {250000, 0.0001, 250000 / rows * 1.5, rows, 0, 0};
        lines.clear();
        vexmoor::BuildLoanScheduleLines(
            request, state, format, [&](std::string&& line) { lines.push_back(std::move(line)); });
        benchmark::DoNotOptimize(lines.data());
    }
    run.counters["lines"] = static_cast<double>(lines.size());
}

void BM_AmortizeSchedule(benchmark::State& run)
{
    BuildSchedule(run, "Amortize");
}

void BM_RedBalSchedule(benchmark::State& run)
{
    BuildSchedule(run, "Red Bal");
}

} // namespace

BENCHMARK(BM_AmortizeSchedule)
    ->Arg(9999)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RedBalSchedule)
    ->Arg(9999)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
