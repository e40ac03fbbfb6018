// One key press through the calculator engine, the display text included. Budget: under 1 us.
// Run with --benchmark_repetitions=9 --benchmark_report_aggregates_only=true for the median.
#include "calculator/core/calculator_engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

// A working cycle of keys: typing, an operator, "=", a function and a clear, so that the
// entry stays short and every kind of key is timed.
constexpr std::array<std::string_view, 16> kCycle {
    "1", "2", ".", "5", "+", "3", "4", "=", "=", "*", "7", "=", "sqrt", "1/x", "%", "C",
};

void KeyPress(benchmark::State& run)
{
    vexmoor::CalculatorState calculator;
    std::size_t next = 0;
    for (auto _ : run) {
        vexmoor::CalculatorKeyResult result = vexmoor::PressCalculatorKey(calculator, kCycle[next]);
        benchmark::DoNotOptimize(result.display.data());
        next = (next + 1) % kCycle.size();
    }
}
BENCHMARK(KeyPress);

// The costliest single key: "=" with a result of fifteen digits to write.
void EqualsWithLongResult(benchmark::State& run)
{
    vexmoor::CalculatorState calculator;
    for (std::string_view key : {"2", "/", "3"})
        vexmoor::PressCalculatorKey(calculator, key);
    for (auto _ : run) {
        vexmoor::CalculatorKeyResult result = vexmoor::PressCalculatorKey(calculator, "=");
        benchmark::DoNotOptimize(result.display.data());
        calculator.Accumulator = 2;
    }
}
BENCHMARK(EqualsWithLongResult);

} // namespace
