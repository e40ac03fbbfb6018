// Fuzz target for the break-even core: entry validation and totals, the calculation, the analysis
// with its graph rows, and the data point text, on one page's fields kept from step to step.
// Every step fails only as the program reports, every text written reads back in the region, and
// the analysis has a header and a graph row per line (its figures are the core test's).
//
// Input: a region choice, then up to 8 steps. A step is a choice of what to do, then:
//   entry:       the field (0 units, 1 unit price, 2 variable cost per unit, 3 fixed costs), then
//                the text typed into it, one line;
//   calculation: nothing more (the calculation and the analysis of the units field);
//   data point:  a line whose first eight bytes are the value.
#include "fuzz_support.h"

#include "breakeven/core/breakeven.h"

#include <cstring>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

constexpr std::initializer_list<ErrorNumber> kReported = {ErrorNumber::TypeMismatch,
                                                          ErrorNumber::Overflow};

// Written for every finite value, reading back as the same number, with no grouping.
void CheckPointText(double value, const RegionalFormat& format)
{
    std::string text;
    const int failure =
        RequireFailureIn({ErrorNumber::Overflow}, [&] { text = DataPointText(value, format); });
    Require(failure == 0 ? std::isfinite(value) && ReadBack(text, format) == value &&
                    (format.groupSeparator.empty() ||
                     text.find(format.groupSeparator) == std::string::npos)
                         : !std::isfinite(value),
            "a data point text is the finite value, ungrouped", text);
}

void Calculate(BreakEvenFields& fields, BreakEvenFigures& figures, const RegionalFormat& format)
{
    if (RequireFailureIn(kReported, [&] { ComputeBreakEven(fields, figures, format); }) != 0)
        return;
    for (std::size_t i = 4; i < fields.size(); ++i)
        ReadBack(fields[i], format);
    std::int16_t units = 0;
    if (FailureOf([&] { units = GraphUnitsFromText(fields[0], format); }) == 0 && units > 400)
        return; // longer analyses only repeat, slowly
    BreakEvenAnalysis analysis;
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, ErrorNumber::InvalidProcedureCall},
        [&] { BuildBreakEvenAnalysis(fields[0], figures, format, analysis); }, fields[0]);
    Require(analysis.lines.empty() || analysis.lines.front() == AnalysisHeader(), "a header");
    Require(failure != 0 || analysis.lines.size() <= analysis.grid.rows.size() + 1,
            "a graph row per analysis line", fields[0]);
    for (const GraphValues& row : analysis.grid.rows) {
        CheckPointText(row.totalCosts, format);
        CheckPointText(row.totalSales, format);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = input.Region();
    // The cleared page, in the region's own zero texts.
    BreakEvenFields fields;
    fields.fill(FormatFixed(0, 2, format));
    fields[0] = FormatFixed(0, 0, format);
    BreakEvenFigures figures;
    for (int step = 0; step < 8 && !input.Empty(); ++step) {
        const int action = input.Choice(3);
        if (action == 0) {
            const int index = input.Choice(4);
            const std::string_view text = input.Line();
            fields[std::size_t(index)] = text;
            std::string rewritten;
            if (RequireFailureIn(
                    kReported, [&] { rewritten = ReformatFieldText(index, text, format); }, text) ==
                0) {
                Require(ReadBack(rewritten, format) ==
                            RoundHalfAway(ParseNumber(text, format), index == 0 ? 0 : 2),
                        "a rewritten entry reads back as the entry rounded half away", text);
                fields[std::size_t(index)] = rewritten;
            }
            RequireFailureIn(
                kReported, [&] { RecomputeTotals(index, fields, figures, format); }, text);
        } else if (action == 1) {
            Calculate(fields, figures, format);
        } else {
            const std::string_view bytes = input.Line();
            double value = 0;
            std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
            CheckPointText(value, format);
        }
    }
    return 0;
}
