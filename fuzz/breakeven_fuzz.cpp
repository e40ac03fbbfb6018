// Fuzz target for the break-even core: entry validation and totals, the calculation, the analysis
// with its graph rows, and the data point text, on one page's fields kept from step to step.
//
// Input: a region choice, then up to 8 steps. A step is a choice of what to do, then:
//   entry:       the field (0 units, 1 unit price, 2 variable cost per unit, 3 fixed costs), then
//                the text typed into it, one line;
//   calculation: nothing more (the calculation and the analysis of the units field);
//   data point:  a line whose first eight bytes are the value.
#include "common/core/table_text.h"
#include "fuzz_support.h"

#include "breakeven/core/breakeven.h"

#include <cstring>

using namespace vexmoor;
using namespace vexmoor::fuzz;

namespace {

// A field's text as the amount the computations use.
double Amount(const BreakEvenFields& fields, int index, const RegionalFormat& format)
{
    return RoundHalfAway(ReadBack(fields[static_cast<std::size_t>(index)], format), 2);
}

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

// A refused entry is no number or an overflow; a kept one reads back as the entry rounded half
// away. Totals that complete are written texts that read, and the figures kept are those shown.
void Enter(FuzzInput& input, BreakEvenFields& fields, BreakEvenFigures& figures,
           const RegionalFormat& format)
{
    const int index = input.Choice(4);
    const std::string_view text = input.Line();
    auto& field = fields[static_cast<std::size_t>(index)];
    field = text;
    std::string rewritten;
    if (RequireFailureIn(
            {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
            [&] { rewritten = ReformatFieldText(index, text, format); }, text) == 0) {
        Require(ReadBack(rewritten, format) ==
                    RoundHalfAway(ParseNumber(text, format), index == 0 ? 0 : 2),
                "a rewritten entry reads back as the entry rounded half away", text);
        field = rewritten;
    }
    if (RequireFailureIn(
            {ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
            [&] { RecomputeTotals(index, fields, figures, format); }, text) == 0)
        Require(figures.FixedCosts == Amount(fields, 3, format) &&
                    figures.TotalVariableCosts == Amount(fields, 4, format) &&
                    figures.TotalCosts == Amount(fields, 5, format) &&
                    figures.TotalRevenue == Amount(fields, 6, format) &&
                    std::isfinite(Amount(fields, 7, format)),
                "the kept totals are those the fields show", text);
}

// The analysis: a header, then per unit its count right-aligned in eight columns and the graph
// row's costs and sales as shown; the profit is within a cent of sales less costs.
void CheckAnalysisLines(const BreakEvenAnalysis& analysis, const RegionalFormat& format)
{
    Require(analysis.lines.empty() || analysis.lines.front() == AnalysisHeader(), "a header");
    for (std::size_t i = 1; i < analysis.lines.size(); ++i) {
        const std::string_view line = analysis.lines[i];
        const std::vector<std::string> fields = SplitListLine(line);
        Require(fields.size() == 4 && fields[0] == std::to_string(i) && line.size() > 8 &&
                    line[7] != ' ' && line[8] == ' ' && i <= analysis.grid.rows.size(),
                "an analysis line starts with its unit count in eight columns", line);
        const GraphValues& row = analysis.grid.rows[i - 1];
        const double costs = ReadBack(fields[1], format), sales = ReadBack(fields[2], format);
        const double slack =
            0.0051 + 1e-15 * (std::fabs(row.totalSales) + std::fabs(row.totalCosts));
        Require(costs == RoundHalfAway(row.totalCosts, 2) &&
                    sales == RoundHalfAway(row.totalSales, 2) &&
                    std::fabs(ReadBack(fields[3], format) - (row.totalSales - row.totalCosts)) <=
                        slack,
                "analysis figures are the graph row's, rounded", line);
    }
}

// The calculation writes a contribution that the figures keep and whole break-even units; the
// analysis fails only by its units or an overflow, and otherwise has a graph row per unit.
void Calculate(BreakEvenFields& fields, BreakEvenFigures& figures, const RegionalFormat& format)
{
    if (RequireFailureIn({ErrorNumber::TypeMismatch, ErrorNumber::Overflow},
                         [&] { ComputeBreakEven(fields, figures, format); }) != 0)
        return;
    Require(figures.UnitContribution == Amount(fields, 8, format) &&
                ReadBack(fields[9], format) == std::round(ReadBack(fields[9], format)),
            "the contribution is kept as shown and the break-even units are whole", fields[9]);
    std::int16_t units = 0;
    const int unitsFailure = FailureOf([&] { units = GraphUnitsFromText(fields[0], format); });
    if (unitsFailure == 0 && units > 400) // longer analyses only repeat, slowly
        return;
    BreakEvenAnalysis analysis;
    const int failure = RequireFailureIn(
        {ErrorNumber::TypeMismatch, ErrorNumber::Overflow, ErrorNumber::InvalidProcedureCall},
        [&] { BuildBreakEvenAnalysis(fields[0], figures, format, analysis); }, fields[0]);
    Require((unitsFailure == 0 || failure == unitsFailure) &&
                (failure == 5) == (unitsFailure == 0 && units < 0) &&
                (failure != 5 || analysis.lines.size() == 1),
            "units no 16-bit count fail as they read, negative ones after the header", fields[0]);
    CheckAnalysisLines(analysis, format);
    if (failure != 0)
        return;
    const GraphGrid& grid = analysis.grid;
    if (grid.seriesCount == 2) {
        Require(units == 0 && !grid.labelled && grid.rows.size() == 1 && analysis.lines.empty() &&
                    grid.rows[0].totalCosts == 0 && grid.rows[0].totalSales == 0,
                "no units give one unlabelled point of two zero values", fields[0]);
        return;
    }
    Require(grid.seriesCount == 3 && grid.labelled && figures.GraphUnits == units &&
                analysis.lines.size() == std::size_t(units) + 1 &&
                grid.rows.size() == std::size_t(units) && analysis.extentSet,
            "one line and one graph row per unit", fields[0]);
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
    const RegionalFormat& format = input.Region();
    // The cleared page, in the region's own zero texts.
    BreakEvenFields fields;
    fields.fill(FormatFixed(0, 2, format));
    fields[0] = FormatFixed(0, 0, format);
    BreakEvenFigures figures;
    for (int step = 0; step < 8 && !input.Empty(); ++step) {
        const int action = input.Choice(3);
        if (action == 0) {
            Enter(input, fields, figures, format);
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
