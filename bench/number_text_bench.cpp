// Formatting and reading back two-decimal amounts below 1e12, the texts every break-even and loan
// field and schedule line goes through; compared with the bare std::to_chars / std::from_chars.
#include "common/core/number_text.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <string>
#include <vector>

namespace {

using vexmoor::RegionalFormat;

constexpr std::size_t kSampleSize = 4096; // a power of two, for cheap cycling

// Amounts with two decimals from cents to hundreds of billions, evenly spread over magnitudes.
std::vector<double> Amounts()
{
    std::mt19937_64 random(7);
    std::vector<double> amounts;
    amounts.reserve(kSampleSize);
    for (std::size_t i = 0; i < kSampleSize; ++i) {
        const auto digits = 1 + random() % 14; // cents 1 to 14 digits long
        long long cents = 1;
        for (std::size_t d = 0; d < digits; ++d)
            cents = cents * 10;
        cents = static_cast<long long>(random() % static_cast<unsigned long long>(cents));
        amounts.push_back((i % 3 == 0 ? -1.0 : 1.0) * static_cast<double>(cents) / 100.0);
    }
    return amounts;
}

RegionalFormat Region(int index)
{
    switch (index) {
    case 1:
        return {",", "\u202F", 3, 3, "-"}; // fr_FR
    case 2:
        return {".", ",", 3, 2, "-"}; // hi_IN
    default:
        return {".", ",", 3, 3, "-"}; // en_US
    }
}

void FormatAmount(benchmark::State& state)
{
    const std::vector<double> amounts = Amounts();
    const RegionalFormat format = Region(static_cast<int>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = vexmoor::FormatFixed(amounts[i++ & (kSampleSize - 1)], 2, format);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FormatAmount)->Arg(0)->Arg(1)->Arg(2);

void ReadAmount(benchmark::State& state)
{
    const RegionalFormat format = Region(static_cast<int>(state.range(0)));
    std::vector<std::string> texts;
    for (const double amount : Amounts())
        texts.push_back(vexmoor::FormatFixed(amount, 2, format));
    std::size_t i = 0;
    for (auto _ : state) {
        double value = vexmoor::ParseNumber(texts[i++ & (kSampleSize - 1)], format);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(ReadAmount)->Arg(0)->Arg(1)->Arg(2);

void RoundHalfEvenOneDecimal(benchmark::State& state)
{
    const std::vector<double> amounts = Amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        double value = vexmoor::RoundHalfEven(amounts[i++ & (kSampleSize - 1)] / 3, 1);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(RoundHalfEvenOneDecimal);

// The floor: shortest digits into a string, and plain digits back.
void BareToChars(benchmark::State& state)
{
    const std::vector<double> amounts = Amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        char buffer[32];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, amounts[i++ & (kSampleSize - 1)]).ptr;
        std::string text(buffer, end);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BareToChars);

void BareFromChars(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (const double amount : Amounts()) {
        char buffer[32];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed, 2).ptr;
        texts.emplace_back(buffer, end);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ & (kSampleSize - 1)];
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BareFromChars);

} // namespace
