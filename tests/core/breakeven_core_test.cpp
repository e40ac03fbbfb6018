// The break-even arithmetic through its field texts: totals chained through displayed amounts,
// break-even units rounded half to even, the partial writes a failure leaves, the analysis lines
// and the graph routine's unit count.
#include "breakeven/core/breakeven.h"
#include "errors/core/failure.h"
#include "support/failure_of.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace vexmoor {
namespace {

using namespace test;

constexpr int kCalculateOnly = -1;
const std::string kHuge = "1" + std::string(200, '0'); // its square is beyond the double range
const std::string kVast = "15" + std::string(307, '0'); // 1.5e308

// Puts the "|"-separated texts into the fields from `at` on.
void Put(BreakEvenFields& fields, std::size_t at, const std::string& texts)
{
    fields[at].clear();
    for (const char c : texts) {
        if (c == '|')
            fields[++at].clear();
        else
            fields[at] += c;
    }
}

// The texts from field 0 on, "|"-separated (result fields start as "#4"...); the field validated
// before the calculate action, or kCalculateOnly; the error; the texts expected from field 4 on
// (fields not named keep their text).
struct FieldsRow
{
    std::string fields;
    int validate, error;
    std::string written;
    RegionalFormat format = EnUs();
};

// clang-format off
const FieldsRow kFieldsRows[] = {
    {"100|10|6|1,000", 0, 0, "600.00|1,600.00|1,000.00|-600.00|4.00|250"},
    // Break-even units to even; a negative or zero contribution (which divides by one).
    {"1|400|0|1,000", 0, 0, "0.00|1,000.00|400.00|-600.00|400.00|2"},
    {"1|400|0|1,400", 0, 0, "0.00|1,400.00|400.00|-1,000.00|400.00|4"},
    {"1|0|400|1,000", 0, 0, "400.00|1,400.00|0.00|-1,400.00|-400.00|-2"},
    {"1|5|5|2.5", 0, 0, "5.00|7.50|5.00|-2.50|0.00|2"},
    {"1|0|400|100", 0, 0, "400.00|500.00|0.00|-500.00|-400.00|0"},
    // Amounts are used as displayed: two decimals, halves away from zero, totals chained.
    {"2.125|1|0|0", 0, 0, "0.00|0.00|2.13|2.13|1.00|0"},
    {"1|10.005|6.004|0", 0, 0, "6.00|6.00|10.01|4.01|4.01|0"},
    {"3|0.335|0.335|0.004", 0, 0, "1.02|1.02|1.02|0.00|0.00|0"},
    // Fixed costs or a result field validated: only fields 5 and 7 are recomputed.
    {"100|10|6|1|7.00|#5|9.00", 3, 0, "7.00|8.00|9.00|1.00|4.00|0"},
    {"100|10|6|1|7.00|#5|9.00", 8, 0, "7.00|8.00|9.00|1.00|4.00|0"},
    {"100|10,5|6|1.000", 0, 0, "600,00|1.600,00|1.050,00|-550,00|4,50|222", DeDe()},
    // A text that is no number stops at its read; the texts written before it stay.
    {"|10|6|1,000", 0, 13, ""},      {"100|ten|6|1,000", 2, 13, "600.00"},
    {"100|10|6x|1,000", 0, 13, ""},  {"100|10|6|abc", 0, 13, "600.00|#5|1,000.00"},
    {"100|10|6|1", 3, 13, ""},       {"1|1.2.3|6|1", kCalculateOnly, 13, ""},
    // Results beyond the double range, or totals the program cannot show to the cent.
    {kHuge + "|" + kHuge + "|0|0", 0, 6, "0.00"}, {"1|" + kVast + "|-" + kVast + "|0", kCalculateOnly, 6, ""},
    {"1000000|10000000|0|0", 0, 6, "0.00"},        {"1|5e12|-5e12|0", kCalculateOnly, 6, ""},
};
// clang-format on

TEST(BreakEvenFields, ValidateThenCalculate)
{
    for (const FieldsRow& row : kFieldsRows) {
        SCOPED_TRACE(row.fields.substr(0, 40));
        BreakEvenFields fields {"", "", "", "", "#4", "#5", "#6", "#7", "#8", "#9"};
        Put(fields, 0, row.fields);
        BreakEvenFields expected = fields;
        if (!row.written.empty())
            Put(expected, 4, row.written);
        BreakEvenFigures figures;
        EXPECT_EQ(FailureOf([&] {
                      if (row.validate != kCalculateOnly)
                          RecomputeTotals(row.validate, fields, figures, row.format);
                      ComputeBreakEven(fields, figures, row.format);
                  }),
                  row.error);
        EXPECT_EQ(fields, expected);
    }
}

// A field's text is rounded once, as typed: 2.495 units are 2, not 2.50 first, which would give 3.
// (Entries the program cannot hold are refused through the window, entries_test.)
TEST(BreakEvenFields, ReformatRoundsOnce)
{
    EXPECT_EQ(ReformatFieldText(0, "2.495", EnUs()), "2");
    EXPECT_EQ(ReformatFieldText(1, "2.495", EnUs()), "2.50");
    EXPECT_EQ(FailureOf([] { ReformatFieldText(1, "1,2,", EnUs()); }), 13);
}

TEST(BreakEvenAnalysis, Lines)
{
    const BreakEvenFigures figures {.FixedCosts = 1000, .UnitPrice = 10, .VariableCostPerUnit = 6};
    const auto gap = [](int n) { return std::string(static_cast<std::size_t>(n), ' '); };
    // The unit count ends in column 8 whatever its width; the amounts follow after fixed gaps.
    EXPECT_EQ(AnalysisLine(7, figures, EnUs()),
              gap(7) + "7" + gap(22) + "1,042.00" + gap(20) + "70.00" + gap(21) + "-972.00");
    EXPECT_EQ(AnalysisLine(100, figures, EnUs()),
              gap(5) + "100" + gap(22) + "1,600.00" + gap(20) + "1,000.00" + gap(21) + "-600.00");

    // Costs 0.005 and sales 0.01 both show 0.01; the profit 0.005 shows 0.01, not 0.00.
    const BreakEvenFigures tiny {.UnitPrice = 0.01, .VariableCostPerUnit = 0.005};
    EXPECT_TRUE(AnalysisLine(1, tiny, EnUs()).ends_with(" 0.01"));
    EXPECT_EQ(GraphRowValues(1, tiny).totalCosts, 0.005); // graph values are not rounded
}

// The units text: the failure, then the figure (from 99), the list lines and the graph rows.
TEST(BreakEvenGraph, UnitsText)
{
    // clang-format off
    const std::tuple<const char*, int, int, std::size_t, std::size_t> rows[] = {
        {"0", 0, 1, 0, 1},        {"0.00", 0, 0, 1, 0},        {"1,000", 0, 1000, 1001, 1000},
        {"2.5", 0, 2, 3, 2},      {"3.5", 0, 4, 5, 4},         {"32767.5", 6, 99, 0, 0},
        {"40,000", 6, 99, 0, 0},  {"abc", 13, 99, 0, 0},       {"-5", 5, -5, 1, 0}};
    // clang-format on
    for (const auto& [text, error, graphUnits, lines, graphRows] : rows) {
        BreakEvenFigures figures {
            .FixedCosts = 20, .UnitPrice = 10, .VariableCostPerUnit = 6, .GraphUnits = 99};
        BreakEvenAnalysis analysis;
        EXPECT_EQ(FailureOf([&] { BuildBreakEvenAnalysis(text, figures, EnUs(), analysis); }),
                  error)
            << text;
        EXPECT_EQ(figures.GraphUnits, graphUnits) << text;
        EXPECT_EQ(analysis.lines.size(), lines) << text;
        EXPECT_TRUE(error != 0 ||
                    (analysis.grid.rows.size() == graphRows && analysis.extentSet == (lines > 0)))
            << text;
        EXPECT_TRUE(analysis.lines.empty() || analysis.lines.front() == AnalysisHeader()) << text;
    }
}

TEST(BreakEvenGraph, GridValuesTheirTextsAndOverflow)
{
    BreakEvenFigures figures {.FixedCosts = 20, .UnitPrice = 10, .VariableCostPerUnit = 6};
    BreakEvenAnalysis three;
    BuildBreakEvenAnalysis("3", figures, EnUs(), three);
    double value = 0;
    EXPECT_TRUE(three.grid.Value(1, 3, value) && value == 38);
    EXPECT_FALSE(three.grid.Value(4, 1, value) || three.grid.Value(1, 4, value) ||
                 three.grid.Value(1, 0, value));
    // A clicked point's value: the shortest digits, the regional separator and minus sign.
    EXPECT_EQ(DataPointText(-16.5, DeDe()), "-16,5");
    EXPECT_EQ(DataPointText(0.1, EnUs()), "0.1");
    EXPECT_EQ(DataPointText(1e20, EnUs()), "100000000000000000000");
    // An overflow keeps the lines before it, and no sideways extent.
    figures.UnitPrice = 1.7e308;
    BreakEvenAnalysis overflow;
    EXPECT_EQ(FailureOf([&] { BuildBreakEvenAnalysis("5", figures, EnUs(), overflow); }), 6);
    EXPECT_EQ(overflow.lines.size(), 2u); // the header and unit 1
    EXPECT_FALSE(overflow.extentSet);
}

// A grid of one series (total costs) with the given values, rows 1 on; or the figures' rows.
GraphGrid Grid(std::initializer_list<double> values, int units = 0, BreakEvenFigures figures = {})
{
    GraphGrid grid;
    for (const double value : values)
        grid.rows.push_back({.totalCosts = value});
    for (int i = 1; i <= units; ++i)
        grid.rows.push_back(GraphRowValues(i, figures));
    return grid;
}

// The program's lines are straight whatever the rounding in their values; lines that bend keep
// their corners, and a wobble within the tolerance is no bend. The line through the corners is,
// at every row, within the tolerance of its value.
TEST(BreakEvenGraph, LineCornersDrawEveryRowWithinTheTolerance)
{
    const BreakEvenFigures cents {.FixedCosts = 0.07, .UnitPrice = 0.1, .VariableCostPerUnit = 0.3};
    const BreakEvenFigures large {
        .FixedCosts = 9.99e12, .UnitPrice = 3.07e8, .VariableCostPerUnit = 0.01};
    GraphGrid cleared = Grid({0});
    cleared.seriesCount = 2;
    // clang-format off
    const std::tuple<GraphGrid, int, std::vector<int>> rows[] = {
        {Grid({}, 32767, cents), 1, {1, 32767}}, {Grid({}, 32767, cents), 2, {1, 32767}},
        {Grid({}, 32767, large), 1, {1, 32767}}, {Grid({}, 1000, large), 3, {1, 1000}},
        {Grid({0, 1, 2, 3, 3, 3}), 1, {1, 4, 6}}, {Grid({0, 1, 0, 1}), 1, {1, 2, 3, 4}},
        {Grid({0, 1.005, 1.995, 3.005, 4}), 1, {1, 5}}, {cleared, 2, {1}}, {cleared, 3, {}}};
    // clang-format on
    for (const auto& [grid, series, expected] : rows) {
        const std::vector<int> corners = LineCorners(grid, series, 0.01);
        EXPECT_EQ(corners, expected) << "series " << series << " of " << grid.rows.size();
        for (std::size_t c = 1; c < corners.size(); ++c) {
            double from = 0, to = 0, value = 0;
            grid.Value(series, corners[c - 1], from);
            grid.Value(series, corners[c], to);
            for (int p = corners[c - 1]; p <= corners[c]; ++p) {
                grid.Value(series, p, value);
                ASSERT_NEAR(from +
                                (to - from) * (p - corners[c - 1]) / (corners[c] - corners[c - 1]),
                            value, 0.01)
                    << "row " << p;
            }
        }
    }
}

} // namespace
} // namespace vexmoor
