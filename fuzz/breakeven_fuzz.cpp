// Fuzz target for the break-even core: entry validation and totals, the calculation, the analysis
// with its graph rows, and the data point text, on one page's fields kept from step to step.
//
// Input: a region choice, then up to kMaxSteps steps. A step is a choice of what to do, then:
//   entry:       the field (0 units, 1 unit price, 2 variable cost per unit, 3 fixed costs), then
//                the text typed into it, one line;
//   calculation: nothing more (the calculation and the analysis of the units field);
//   data point:  a line whose first eight bytes are the value.
#include "common/core/table_text.h"
#include "fuzz_support.h"

#include "breakeven/core/breakeven.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

constexpr int kMaxSteps = 8;
// Longer analyses only repeat what shorter ones do and would slow the fuzzer down a hundredfold.
constexpr int kMaxUnits = 400;
constexpr int kInvalidCall = static_cast<int>(ErrorNumber::InvalidProcedureCall);

// A field's text as the amount the computations use: read and rounded to two decimals.
double Amount(const BreakEvenFields& fields, int index, const RegionalFormat& format)
{
    return RoundHalfAway(ReadBack(fields[static_cast<std::size_t>(index)], format,
                                  "a field the computation read reads"),
                         2);
}

bool Shows(const BreakEvenFields& fields, int index, double value, const RegionalFormat& format)
{
    return ReadBack(fields[static_cast<std::size_t>(index)], format, "a written field reads") ==
        value;
}

void CheckPointText(double value, const RegionalFormat& format)
{
    std::string text;
    const int failure = RequireFailureIn(
        {ErrorNumber::Overflow}, "a data point text fails only for infinity or not-a-number",
        [&] { text = DataPointText(value, format); });
    Require((failure != 0) == !std::isfinite(value),
            "a data point text is written for every finite value");
    if (failure != 0)
        return;
    Require(ReadBack(text, format, "a data point text reads") == value,
            "a data point text reads back as the same number", text);
    Require(format.groupSeparator.empty() || text.find(format.groupSeparator) == std::string::npos,
            "a data point text has no grouping", text);
}

void Enter(FuzzInput& input, BreakEvenFields& fields, BreakEvenFigures& figures,
           const RegionalFormat& format)
{
    const int index = input.Choice(4);
    const std::string_view text = input.Line();
    auto& field = fields[static_cast<std::size_t>(index)];
    field = text;
    std::string rewritten;
    const int refused = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
        "an entry is refused only as no number or an overflow",
        [&] { rewritten = ReformatFieldText(index, text, format); }, text);
    if (refused == 0) {
        Require(ReadBack(rewritten, format, "a rewritten entry reads") ==
                    RoundHalfAway(ParseNumber(text, format), index == 0 ? 0 : 2),
                "a rewritten entry reads back as the entry rounded half away", text);
        field = rewritten;
    }

    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
        "totals fail only by a text that is no number or an overflow",
        [&] { RecomputeTotals(index, fields, figures, format); }, text);
    if (failure != 0)
        return;
    if (index <= 2) {
        const double units = Amount(fields, 0, format);
        Require(Shows(fields, 4, RoundHalfAway(units * Amount(fields, 2, format), 2), format),
                "total variable costs are units times variable cost", fields[4]);
        Require(Shows(fields, 6, RoundHalfAway(units * Amount(fields, 1, format), 2), format),
                "total revenue is units times price", fields[6]);
    }
    const double fixed = Amount(fields, 3, format);
    const double variable = Amount(fields, 4, format);
    Require(Shows(fields, 5, RoundHalfAway(fixed + variable, 2), format),
            "total costs are fixed and variable costs", fields[5]);
    Require(Shows(fields, 7,
                  RoundHalfAway(Amount(fields, 6, format) - Amount(fields, 5, format), 2), format),
            "total profit is revenue less costs", fields[7]);
    Require(figures.FixedCosts == fixed && figures.TotalVariableCosts == variable &&
                figures.TotalCosts == Amount(fields, 5, format) &&
                figures.TotalRevenue == Amount(fields, 6, format),
            "the kept totals are those the fields show");
}

// Every analysis line: the unit count right-aligned in eight columns, then costs, sales and
// profit, the first two as the grid row holds them.
void CheckAnalysisLines(const BreakEvenAnalysis& analysis, const RegionalFormat& format)
{
    for (std::size_t i = 1; i < analysis.lines.size(); ++i) {
        const std::string_view line = analysis.lines[i];
        const std::vector<std::string> fields = SplitListLine(line);
        Require(fields.size() == 4 && fields[0] == std::to_string(i) && line.size() > 8 &&
                    line[7] != ' ' && line[8] == ' ',
                "an analysis line starts with its unit count in eight columns", line);
        Require(i <= analysis.grid.rows.size(), "every analysis line has its graph row", line);
        const GraphValues& row = analysis.grid.rows[i - 1];
        const double costs = ReadBack(fields[1], format, "analysis costs read");
        const double sales = ReadBack(fields[2], format, "analysis sales read");
        const double profit = ReadBack(fields[3], format, "analysis profit reads");
        Require(costs == RoundHalfAway(row.totalCosts, 2) &&
                    sales == RoundHalfAway(row.totalSales, 2),
                "analysis costs and sales are the graph row's, rounded", line);
        const double slack = 0.0051 +
            4 * std::numeric_limits<double>::epsilon() *
                (std::fabs(row.totalSales) + std::fabs(row.totalCosts));
        Require(std::fabs(profit - (row.totalSales - row.totalCosts)) <= slack,
                "analysis profit is sales less costs", line);
    }
}

void Calculate(BreakEvenFields& fields, BreakEvenFigures& figures, const RegionalFormat& format)
{
    const int failure =
        RequireFailureIn({ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
                         "the calculation fails only by a text that is no number or an overflow",
                         [&] { ComputeBreakEven(fields, figures, format); });
    if (failure != 0)
        return;
    const double contribution =
        RoundHalfAway(Amount(fields, 1, format) - Amount(fields, 2, format), 2);
    Require(Shows(fields, 8, contribution, format) && figures.UnitContribution == contribution,
            "unit contribution is price less variable cost", fields[8]);
    const double divisor = contribution == 0 ? 1 : contribution;
    Require(Shows(fields, 9, RoundHalfEven(figures.FixedCosts / divisor, 0), format),
            "break-even units are the fixed costs over the contribution, rounded to even",
            fields[9]);

    BreakEvenAnalysis analysis;
    std::int16_t units = 0;
    const int unitsFailure = FailureOf([&] { units = GraphUnitsFromText(fields[0], format); });
    if (unitsFailure == 0 && units > kMaxUnits)
        return;
    const int analysisFailure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, ErrorNumber::InvalidProcedureCall},
        "the analysis fails only by its units or an overflow",
        [&] { BuildBreakEvenAnalysis(fields[0], figures, format, analysis); }, fields[0]);
    Require(unitsFailure == 0 || analysisFailure == unitsFailure,
            "units that are no 16-bit number fail the analysis", fields[0]);
    Require((analysisFailure == kInvalidCall) == (unitsFailure == 0 && units < 0),
            "a negative unit count fails the analysis as an invalid call", fields[0]);
    if (analysisFailure == kInvalidCall)
        Require(analysis.lines.size() == 1, "a negative unit count leaves only the header");
    CheckAnalysisLines(analysis, format);
    if (analysisFailure != 0)
        return;

    const GraphGrid& grid = analysis.grid;
    if (grid.seriesCount == 2) {
        Require(units == 0 && !grid.labelled && grid.rows.size() == 1 && analysis.lines.empty() &&
                    grid.rows[0].totalCosts == 0 && grid.rows[0].totalSales == 0,
                "no units give one unlabelled point of two zero values", fields[0]);
        return;
    }
    Require(grid.seriesCount == 3 && grid.labelled && figures.GraphUnits == units &&
                analysis.lines.size() == static_cast<std::size_t>(units) + 1 &&
                grid.rows.size() == static_cast<std::size_t>(units) && analysis.extentSet &&
                analysis.lines.front() == AnalysisHeader(),
            "the analysis has a header, one line and one graph row per unit", fields[0]);
    for (const GraphValues& row : grid.rows)
        Require(row.fixedCosts == figures.FixedCosts, "every graph row has the fixed costs");
    if (!grid.rows.empty()) {
        CheckPointText(grid.rows.back().totalCosts, format);
        CheckPointText(grid.rows.back().totalSales, format);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const RegionalFormat& format = PickRegion(input);
    // The cleared page, in the region's own zero texts.
    BreakEvenFields fields;
    fields.fill(FormatFixed(0, 2, format));
    fields[0] = FormatFixed(0, 0, format);
    BreakEvenFigures figures;
    for (int step = 0; step < kMaxSteps && !input.Empty(); ++step) {
        switch (input.Choice(3)) {
        case 0:
            Enter(input, fields, figures, format);
            break;
        case 1:
            Calculate(fields, figures, format);
            break;
        default: {
            const std::string_view bytes = input.Line();
            double value = 0;
            std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
            CheckPointText(value, format);
            break;
        }
        }
    }
    return 0;
}
