// The break-even arithmetic through its field texts: totals chained through displayed amounts,
// break-even units rounded half to even, the partial writes a failure leaves, the analysis lines
// and graph rows, and the graph routine's unit count.
#include "breakeven/core/breakeven.h"
#include "errors/core/failure.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vexmoor {
namespace {

using test::DeDe;
using test::EnUs;
using test::FrFr;
using test::HiIn;

constexpr int kNoCalc = -1;

BreakEvenFields Fields(const char* units, const char* price, const char* variable,
                       const char* fixed)
{
    // Result fields start with markers, so a test sees exactly which of them were written.
    return {units, price, variable, fixed, "#4", "#5", "#6", "#7", "#8", "#9"};
}

// Runs RecomputeTotals(validate) then, unless calc is kNoCalc, ComputeBreakEven; returns the
// failure number, 0 when both completed.
int RunOperations(BreakEvenFields& fields, BreakEvenFigures& figures, int validate, bool calc,
                  const RegionalFormat& format)
{
    try {
        if (validate != kNoCalc)
            RecomputeTotals(validate, fields, figures, format);
        if (calc)
            ComputeBreakEven(fields, figures, format);
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

const std::string kHuge = "1" + std::string(200, '0'); // 1e200, square beyond the double range
const std::string kVast = "15" + std::string(307, '0'); // 1.5e308

// Whole digits grouped in threes with two decimals, as en_US writes them.
std::string EnUsAmount(const std::string& digits)
{
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text + ".00";
}

struct FieldsRow
{
    const char* name;
    RegionalFormat format;
    BreakEvenFields fields;
    int validate; // field index validated first, or kNoCalc
    bool calc; // then the calculate action
    int error;
    BreakEvenFields expected;
};

// clang-format off
const FieldsRow kFieldsRows[] = {
    // --- the worked example
    {"WorkedExampleValidate", EnUs(), Fields("100", "10", "6", "1,000"), 0, false, 0,
     {"100", "10", "6", "1,000", "600.00", "1,600.00", "1,000.00", "-600.00", "#8", "#9"}},
    {"WorkedExampleCalculate", EnUs(), Fields("100", "10", "6", "1,000"), 0, true, 0,
     {"100", "10", "6", "1,000", "600.00", "1,600.00", "1,000.00", "-600.00", "4.00", "250"}},
    // --- break-even units, half to even
    {"QuotientTwoAndHalf", EnUs(), Fields("1", "400", "0", "1,000"), 0, true, 0,
     {"1", "400", "0", "1,000", "0.00", "1,000.00", "400.00", "-600.00", "400.00", "2"}},
    {"QuotientThreeAndHalf", EnUs(), Fields("1", "400", "0", "1,400"), 0, true, 0,
     {"1", "400", "0", "1,400", "0.00", "1,400.00", "400.00", "-1,000.00", "400.00", "4"}},
    {"NegativeContribution", EnUs(), Fields("1", "0", "400", "1,000"), 0, true, 0,
     {"1", "0", "400", "1,000", "400.00", "1,400.00", "0.00", "-1,400.00", "-400.00", "-2"}},
    {"ZeroContributionDividesByOne", EnUs(), Fields("1", "5", "5", "2.5"), 0, true, 0,
     {"1", "5", "5", "2.5", "5.00", "7.50", "5.00", "-2.50", "0.00", "2"}},
    {"ZeroContributionThreeAndHalf", EnUs(), Fields("1", "5", "5", "3.5"), 0, true, 0,
     {"1", "5", "5", "3.5", "5.00", "8.50", "5.00", "-3.50", "0.00", "4"}},
    {"TinyNegativeQuotientHasNoMinus", EnUs(), Fields("1", "0", "400", "100"), 0, true, 0,
     {"1", "0", "400", "100", "400.00", "500.00", "0.00", "-500.00", "-400.00", "0"}},
    // --- amounts are used as displayed, two decimals, halves away from zero
    {"ThreeDecimalsUsedAsTwo", EnUs(), Fields("2.125", "1", "0", "0"), 0, false, 0,
     {"2.125", "1", "0", "0", "0.00", "0.00", "2.13", "2.13", "#8", "#9"}},
    {"ContributionFromRoundedAmounts", EnUs(), Fields("1", "10.005", "6.004", "0"), 0, true, 0,
     {"1", "10.005", "6.004", "0", "6.00", "6.00", "10.01", "4.01", "4.01", "0"}},
    {"TotalsChainedThroughTexts", EnUs(), Fields("3", "0.335", "0.335", "0.004"), 0, false, 0,
     {"3", "0.335", "0.335", "0.004", "1.02", "1.02", "1.02", "0.00", "#8", "#9"}},
    {"FixedCostsOnlyRecomputesFiveAndSeven", EnUs(),
     {"100", "10", "6", "1", "7.00", "#5", "9.00", "#7", "#8", "#9"}, 3, false, 0,
     {"100", "10", "6", "1", "7.00", "8.00", "9.00", "1.00", "#8", "#9"}},
    {"ResultFieldIndexAboveThree", EnUs(),
     {"100", "10", "6", "1", "7.00", "#5", "9.00", "#7", "#8", "#9"}, 8, false, 0,
     {"100", "10", "6", "1", "7.00", "8.00", "9.00", "1.00", "#8", "#9"}},
    // --- other regions
    {"German", DeDe(), Fields("100", "10,5", "6", "1.000"), 0, true, 0,
     {"100", "10,5", "6", "1.000", "600,00", "1.600,00", "1.050,00", "-550,00", "4,50", "222"}},
    {"French", FrFr(), Fields("1\u202F000", "2,5", "1", "0"), 1, false, 0,
     {"1\u202F000", "2,5", "1", "0", "1\u202F000,00", "1\u202F000,00", "2\u202F500,00",
      "1\u202F500,00", "#8", "#9"}},
    {"Indian", HiIn(), Fields("100000", "12.5", "0", "0"), 1, false, 0,
     {"100000", "12.5", "0", "0", "0.00", "0.00", "12,50,000.00", "12,50,000.00", "#8", "#9"}},
    // --- invalid numbers stop at the read; texts written before it stay
    {"UnitsInvalid", EnUs(), Fields("abc", "10", "6", "1,000"), 0, false, 13,
     Fields("abc", "10", "6", "1,000")},
    {"UnitsEmpty", EnUs(), Fields("", "10", "6", "1,000"), 1, false, 13,
     Fields("", "10", "6", "1,000")},
    {"VariableCostsInvalid", EnUs(), Fields("100", "10", "6x", "1,000"), 0, false, 13,
     Fields("100", "10", "6x", "1,000")},
    {"PriceInvalidAfterFieldFour", EnUs(), Fields("100", "ten", "6", "1,000"), 2, false, 13,
     {"100", "ten", "6", "1,000", "600.00", "#5", "#6", "#7", "#8", "#9"}},
    {"FixedInvalidAfterFourAndSix", EnUs(), Fields("100", "10", "6", "abc"), 0, false, 13,
     {"100", "10", "6", "abc", "600.00", "#5", "1,000.00", "#7", "#8", "#9"}},
    {"FixedInvalidValidatingFixed", EnUs(), Fields("100", "10", "6", " "), 3, false, 13,
     Fields("100", "10", "6", " ")},
    {"ResultFieldInvalid", EnUs(), Fields("100", "10", "6", "1"), 3, false, 13,
     Fields("100", "10", "6", "1")},
    {"CalculatePriceInvalid", EnUs(), Fields("1", "1.2.3", "6", "1"), kNoCalc, true, 13,
     Fields("1", "1.2.3", "6", "1")},
    {"CalculateVariableInvalid", EnUs(), Fields("1", "1", "--6", "1"), kNoCalc, true, 13,
     Fields("1", "1", "--6", "1")},
    // --- overflow
    {"RevenueOverflows", EnUs(), Fields(kHuge.c_str(), kHuge.c_str(), "1", "0"), 0, false, 6,
     {kHuge, kHuge, "1", "0", EnUsAmount(kHuge), "#5", "#6", "#7", "#8", "#9"}},
    {"CostsSumOverflows", EnUs(), Fields("1", "0", kVast.c_str(), kVast.c_str()), 0, false, 6,
     {"1", "0", kVast, kVast, EnUsAmount(kVast), "#5", "0.00", "#7", "#8", "#9"}},
    {"ContributionOverflows", EnUs(), Fields("1", kVast.c_str(), ("-" + kVast).c_str(), "0"),
     kNoCalc, true, 6, Fields("1", kVast.c_str(), ("-" + kVast).c_str(), "0")},
};
// clang-format on

void PrintTo(const FieldsRow& row, std::ostream* os)
{
    *os << row.name;
}

class FieldsTest : public testing::TestWithParam<FieldsRow>
{
};

TEST_P(FieldsTest, Texts)
{
    const FieldsRow& row = GetParam();
    BreakEvenFields fields = row.fields;
    BreakEvenFigures figures;
    EXPECT_EQ(RunOperations(fields, figures, row.validate, row.calc, row.format), row.error);
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        EXPECT_EQ(fields[i], row.expected[i]) << "field " << i;
}

INSTANTIATE_TEST_SUITE_P(BreakEven, FieldsTest, testing::ValuesIn(kFieldsRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BreakEvenFigures, WorkedExample)
{
    BreakEvenFields fields = Fields("100", "10", "6", "1,000");
    BreakEvenFigures figures;
    ASSERT_EQ(RunOperations(fields, figures, 0, true, EnUs()), 0);
    EXPECT_EQ(figures.FixedCosts, 1000);
    EXPECT_EQ(figures.TotalVariableCosts, 600);
    EXPECT_EQ(figures.TotalCosts, 1600);
    EXPECT_EQ(figures.TotalRevenue, 1000);
    EXPECT_EQ(figures.UnitPrice, 10);
    EXPECT_EQ(figures.VariableCostPerUnit, 6);
    EXPECT_EQ(figures.UnitContribution, 4);
}

TEST(BreakEvenFigures, FailedValidationLeavesTheLaterFiguresZero)
{
    BreakEvenFields fields = Fields("100", "10", "6", "1,000");
    BreakEvenFigures figures;
    ASSERT_EQ(RunOperations(fields, figures, 0, false, EnUs()), 0);
    fields[6] = "oops";
    EXPECT_EQ(RunOperations(fields, figures, 3, false, EnUs()), 13);
    EXPECT_EQ(figures.FixedCosts, 1000);
    EXPECT_EQ(figures.TotalVariableCosts, 600);
    EXPECT_EQ(figures.TotalCosts, 1600);
    EXPECT_EQ(figures.TotalRevenue, 0);
}

TEST(BreakEvenFigures, ClearResetsTextsAndFigures)
{
    BreakEvenFields fields = Fields("100", "10", "6", "1,000");
    BreakEvenFigures figures;
    ASSERT_EQ(RunOperations(fields, figures, 0, true, EnUs()), 0);
    figures.GraphUnits = 100;
    ResetBreakEven(fields, figures);
    const BreakEvenFields cleared = {"0",    "0.00", "0.00", "0.00", "0.00",
                                     "0.00", "0.00", "0.00", "0.00", "0.00"};
    EXPECT_EQ(fields, cleared);
    EXPECT_EQ(figures.FixedCosts, 0);
    EXPECT_EQ(figures.UnitPrice, 0);
    EXPECT_EQ(figures.GraphUnits, 0);
    // Calculating right after clearing shows nothing the page no longer holds.
    ASSERT_EQ(RunOperations(fields, figures, kNoCalc, true, EnUs()), 0);
    EXPECT_EQ(fields[8], "0.00");
    EXPECT_EQ(fields[9], "0");
}

struct ReformatRow
{
    const char* name;
    RegionalFormat format;
    int index;
    const char* text;
    const char* expected; // nullptr: fails with 13
};

// clang-format off
const ReformatRow kReformatRows[] = {
    {"PriceTwoDecimals", EnUs(), 1, "2.5", "2.50"},
    {"UnitsHalfAwayFromZero", EnUs(), 0, "2.5", "3"},
    {"UnitsNegativeHalf", EnUs(), 0, "-2.5", "-3"},
    {"Grouped", EnUs(), 1, "1000", "1,000.00"},
    {"UnitsTakenAsTyped", EnUs(), 0, "2.495", "2"}, // not 2.50 first, which would give 3
    {"LeadingZero", EnUs(), 3, ".5", "0.50"},
    {"Blanks", EnUs(), 2, "  7 ", "7.00"},
    {"German", DeDe(), 1, "1234,565", "1.234,57"},
    {"Invalid", EnUs(), 1, "1,2,", nullptr},
    {"Empty", EnUs(), 0, "", nullptr},
};
// clang-format on

TEST(BreakEvenReformat, Rows)
{
    for (const ReformatRow& row : kReformatRows) {
        SCOPED_TRACE(row.name);
        std::optional<std::string> text;
        int error = 0;
        try {
            text = ReformatFieldText(row.index, row.text, row.format);
        } catch (const Failure& failure) {
            error = failure.Number();
        }
        if (row.expected) {
            EXPECT_EQ(text.value_or("<failed>"), row.expected);
        } else {
            EXPECT_EQ(error, 13);
        }
    }
}

BreakEvenFigures ExampleFigures(double price, double variable, double fixed)
{
    BreakEvenFigures figures;
    figures.UnitPrice = price;
    figures.VariableCostPerUnit = variable;
    figures.FixedCosts = fixed;
    return figures;
}

TEST(BreakEvenAnalysis, Lines)
{
    const std::string header = "Units" + std::string(16, ' ') + "Total Costs" +
        std::string(16, ' ') + "Total Sales" + std::string(16, ' ') + "Profit";
    EXPECT_EQ(AnalysisHeader(), header);

    const BreakEvenFigures example = ExampleFigures(10, 6, 1000);
    struct
    {
        const char* name;
        int i;
        RegionalFormat format;
        std::string expected;
    } const rows[] = {
        {"Seven", 7, EnUs(),
         std::string(7, ' ') + "7" + std::string(22, ' ') + "1,042.00" + std::string(20, ' ') +
             "70.00" + std::string(21, ' ') + "-972.00"},
        {"Hundredth", 100, EnUs(),
         std::string(5, ' ') + "100" + std::string(22, ' ') + "1,600.00" + std::string(20, ' ') +
             "1,000.00" + std::string(21, ' ') + "-600.00"},
        {"German", 100, DeDe(),
         std::string(5, ' ') + "100" + std::string(22, ' ') + "1.600,00" + std::string(20, ' ') +
             "1.000,00" + std::string(21, ' ') + "-600,00"},
        {"LargestCount", 32767, EnUs(),
         std::string(3, ' ') + "32767" + std::string(22, ' ') + "197,602.00" +
             std::string(20, ' ') + "327,670.00" + std::string(21, ' ') + "130,068.00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(AnalysisLine(row.i, example, row.format), row.expected);
    }
    // The unit count ends in column 8 whatever its width.
    EXPECT_EQ(AnalysisLine(7, example, EnUs()).find('7'), 7u);
    EXPECT_EQ(AnalysisLine(100, example, EnUs()).find("100"), 5u);
}

TEST(BreakEvenAnalysis, ProfitComputedAfreshNotFromRoundedTexts)
{
    // Costs 0.005 and sales 0.01 display as 0.01 each; the profit 0.005 displays as 0.01.
    const BreakEvenFigures figures = ExampleFigures(0.01, 0.005, 0);
    const std::string line = AnalysisLine(1, figures, EnUs());
    EXPECT_EQ(line.substr(line.size() - 4), "0.01");
    EXPECT_EQ(GraphRow(1, figures).values.totalCosts, 0.005);
}

TEST(BreakEvenGraph, Row)
{
    const GraphPoint point = GraphRow(2, ExampleFigures(10, 6, 20));
    EXPECT_EQ(point.label, "2 ");
    EXPECT_EQ(point.values.totalCosts, 32);
    EXPECT_EQ(point.values.totalSales, 20);
    EXPECT_EQ(point.values.fixedCosts, 20);
    // Values are not rounded.
    EXPECT_EQ(GraphRow(3, ExampleFigures(0.001, 0, 0)).values.totalSales, 3 * 0.001);
}

struct UnitsRow
{
    const char* name;
    const char* text;
    int error;
    int graphUnits; // the figure afterwards (starting from 99)
    std::size_t lines;
    std::size_t rows;
};

// clang-format off
const UnitsRow kUnitsRows[] = {
    {"Three", "3", 0, 3, 4, 3},
    {"ZeroText", "0", 0, 1, 0, 1},
    {"ZeroWithDecimals", "0.00", 0, 0, 1, 0},
    {"ZeroZero", "00", 0, 0, 1, 0},
    {"Grouped", "1,000", 0, 1000, 1001, 1000},
    {"HalfToEvenDown", "2.5", 0, 2, 3, 2},
    {"HalfToEvenUp", "3.5", 0, 4, 5, 4},
    {"Largest", "32,767", 0, 32767, 32768, 32767},
    {"NegativeHalfToZero", "-0.5", 0, 0, 1, 0},
    {"RoundsBeyondRange", "32767.5", 6, 99, 0, 0},
    {"Beyond", "40,000", 6, 99, 0, 0},
    {"Huge", kHuge.c_str(), 6, 99, 0, 0},
    {"Invalid", "abc", 13, 99, 0, 0},
    {"Empty", "", 13, 99, 0, 0},
    {"Negative", "-5", 5, -5, 1, 0},
    {"Smallest", "-32768.5", 5, -32768, 1, 0},
};
// clang-format on

TEST(BreakEvenGraph, UnitsText)
{
    for (const UnitsRow& row : kUnitsRows) {
        SCOPED_TRACE(row.name);
        BreakEvenFigures figures = ExampleFigures(10, 6, 20);
        figures.GraphUnits = 99;
        BreakEvenAnalysis analysis;
        int error = 0;
        try {
            BuildBreakEvenAnalysis(row.text, figures, EnUs(), analysis);
        } catch (const Failure& failure) {
            error = failure.Number();
        }
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(figures.GraphUnits, row.graphUnits);
        EXPECT_EQ(analysis.lines.size(), row.lines);
        if (error == 0) {
            EXPECT_EQ(analysis.grid.rows.size(), row.rows);
            EXPECT_EQ(analysis.extentSet, row.lines > 0);
        }
        if (!analysis.lines.empty()) {
            EXPECT_EQ(analysis.lines.front(), AnalysisHeader());
        }
    }
}

TEST(BreakEvenGraph, ThreeUnitExample)
{
    BreakEvenFigures figures = ExampleFigures(10, 6, 20);
    BreakEvenAnalysis analysis;
    BuildBreakEvenAnalysis("3", figures, EnUs(), analysis);
    ASSERT_EQ(analysis.lines.size(), 4u);
    const char* costs[] = {"26.00", "32.00", "38.00"};
    const char* sales[] = {"10.00", "20.00", "30.00"};
    const char* profits[] = {"-16.00", "-12.00", "-8.00"};
    for (int i = 0; i < 3; ++i) {
        const std::string line(analysis.lines[static_cast<std::size_t>(i + 1)]);
        EXPECT_NE(line.find(std::string(22, ' ') + costs[i] + std::string(20, ' ') + sales[i] +
                            std::string(21, ' ') + profits[i]),
                  std::string::npos)
            << line;
    }
    const GraphGrid& grid = analysis.grid;
    EXPECT_EQ(grid.seriesCount, 3);
    EXPECT_TRUE(grid.labelled);
    ASSERT_EQ(grid.rows.size(), 3u);
    EXPECT_EQ(grid.Label(1), "1 ");
    EXPECT_EQ(grid.Label(3), "3 ");
    EXPECT_EQ(grid.Label(4), "");
    double value = 0;
    ASSERT_TRUE(grid.Value(2, 2, value));
    EXPECT_EQ(value, 20);
    for (int p = 1; p <= 3; ++p) {
        ASSERT_TRUE(grid.Value(3, p, value));
        EXPECT_EQ(value, 20);
    }
    EXPECT_FALSE(grid.Value(4, 1, value));
    EXPECT_FALSE(grid.Value(1, 4, value));
    EXPECT_FALSE(grid.Value(1, 0, value));
}

TEST(BreakEvenGraph, ZeroUnitsGivesOneUnlabelledTwoValuePoint)
{
    BreakEvenFigures figures = ExampleFigures(10, 6, 20);
    BreakEvenAnalysis analysis;
    BuildBreakEvenAnalysis("0", figures, EnUs(), analysis);
    EXPECT_FALSE(analysis.grid.labelled);
    EXPECT_EQ(analysis.grid.Label(1), "");
    EXPECT_EQ(analysis.grid.seriesCount, 2);
    ASSERT_EQ(analysis.grid.rows.size(), 1u);
    double value = -1;
    ASSERT_TRUE(analysis.grid.Value(1, 1, value));
    EXPECT_EQ(value, 0);
    ASSERT_TRUE(analysis.grid.Value(2, 1, value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(analysis.grid.Value(3, 1, value));
}

TEST(BreakEvenGraph, OverflowKeepsTheLinesBefore)
{
    BreakEvenFigures figures = ExampleFigures(1.7e308, 0, 0);
    BreakEvenAnalysis analysis;
    try {
        BuildBreakEvenAnalysis("5", figures, EnUs(), analysis);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), 6);
    }
    EXPECT_EQ(analysis.lines.size(), 2u); // the header and unit 1
    EXPECT_FALSE(analysis.extentSet);
}

TEST(BreakEvenGraph, DataPointText)
{
    struct
    {
        double value;
        RegionalFormat format;
        const char* expected;
    } const rows[] = {
        {20, EnUs(), "20"},   {-16, EnUs(), "-16"},         {0, EnUs(), "0"},
        {-0.0, EnUs(), "0"},  {26.5, EnUs(), "26.5"},       {26.5, DeDe(), "26,5"},
        {0.1, EnUs(), "0.1"}, {1234567, EnUs(), "1234567"}, {1e20, EnUs(), "100000000000000000000"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DataPointText(row.value, row.format), row.expected) << row.value;
}

} // namespace
} // namespace vexmoor
