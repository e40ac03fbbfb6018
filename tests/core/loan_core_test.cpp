// The loan core: result texts, the conversion of rate and term, the two calculations and the
// schedule lines. The window test enters the worked loans and checks their shown texts.
#include "loan/core/loan_calculation.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_schedule.h"

#include "errors/core/failure.h"
#include "support/failure_of.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace vexmoor {
namespace {

using test::FailureOf;

using test::DeDe;
using test::EnUs;
using test::SvSe;

struct Outcome
{
    std::optional<std::string> shown; // the result text, if the run got as far as showing it
    int failure = 0;
};

Outcome Calculate(bool repayment, const LoanEntries& entries, LoanState& state,
                  const RegionalFormat& format = EnUs())
{
    Outcome outcome;
    outcome.failure = FailureOf([&] {
        auto show = [&](const std::string& text) { outcome.shown = text; };
        if (repayment)
            CalculateRepayment(entries, state, format, show);
        else
            CalculatePrincipal(entries, state, format, show);
    });
    return outcome;
}

struct Built
{
    std::vector<std::string> lines;
    int failure = 0;
};

Built Build(const std::string& loanType, LoanState& state, const RegionalFormat& format = EnUs(),
            bool fromRepayment = true)
{
    Built built;
    const LoanScheduleRequest request {fromRepayment, !fromRepayment, loanType, loanType};
    built.failure = FailureOf([&] {
        BuildLoanScheduleLines(request, state, format,
                               [&](std::string&& line) { built.lines.push_back(std::move(line)); });
    });
    return built;
}

TEST(LoanNumbers, ResultTextsAndModes)
{
    // One decimal, ties to even, written with two.
    const struct
    {
        double value;
        RegionalFormat format;
        const char* text;
    } rows[] = {
        {0.25, EnUs(), "0.20"},   {0.75, EnUs(), "0.80"},  {8791.5887, EnUs(), "8,791.60"},
        {-0.25, EnUs(), "-0.20"}, {-0.04, EnUs(), "0.00"}, {1234567.891, DeDe(), "1.234.567,90"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatLoanAmount(row.value, row.format), row.text) << row.value;
    EXPECT_EQ(FailureOf([] { FormatLoanAmount(NAN, EnUs()); }), 6);

    // The eight periodic modes stay; the lump sum and any other text (no trimming) are monthly.
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(NormaliseRepaymentMode(kRepaymentModeLabels[i]), kRepaymentModeLabels[i]);
    for (const char* other : {"End-of-Term Lump Sum", "", "Weekly [7] ", "weekly [7]"})
        EXPECT_EQ(NormaliseRepaymentMode(other), "Monthly [12]") << '"' << other << '"';
}

// Leaving an entry field: its decimals, and the amounts the program cannot hold to the cent
// refused like a text that is no number; the rate and term are no money.
TEST(LoanNumbers, EntriesReformattedOrRefused)
{
    using P = LoanEntryPage;
    const struct
    {
        P page;
        std::int16_t field;
        const char* text;
        const char* shown; // nullptr when refused
        int error;
    } rows[] = {
        {P::Repayment, 0, "1234.5", "1,234.50", 0},
        {P::Repayment, 1, "1e13", "10,000,000,000,000.0000", 0},
        {P::Principal, 2, "12.5", "13", 0},
        {P::Principal, 0, "-9999999999999.99", "-9,999,999,999,999.99", 0},
        {P::Principal, 0, "-9999999999999.996", nullptr, 13},
        {P::Repayment, 0, "1e308", nullptr, 13},
        {P::Repayment, 2, "1e400", nullptr, 6},
        {P::Principal, 3, "abc", nullptr, 13},
    };
    for (const auto& row : rows) {
        std::string shown;
        EXPECT_EQ(
            FailureOf([&] { shown = ReformatLoanField(row.page, row.field, row.text, EnUs()); }),
            row.error)
            << row.text;
        EXPECT_EQ(shown, row.shown ? row.shown : "") << row.text;
    }
}

TEST(LoanTerms, ConversionByRatePeriodAndMode)
{
    const struct
    {
        const char* name;
        double percent;
        const char *period, *mode, *term;
        double rate, count; // count 7: kept from the previous calculation
        int failure;
    } rows[] = {
        {"month quarterly 5 rounds up", 1, "Month", "Quarterly [3]", "5", 0.03, 2, 0},
        {"annually 30 is 2.5, to even 2", 12, "Year", "Annually [1]", "30", 0.12, 2, 0},
        {"semi-annually 3 months is none", 1, "Month", "Semi-Annually [2]", "3", 0.06, 0, 0},
        {"bi-monthly odd term is fractional", 1, "Month", "Bi-Monthly [6]", "13", 0.02, 6.5, 0},
        {"unknown mode is one per month", 1, "Month", "Fortnightly", "9", 0.01, 9, 0},
        {"week weekly", 0.5, "Week", "Weekly [7]", "13", 0.005, 13, 0},
        {"week monthly reads no term", 1, "Week", "Monthly [12]", "x", 0.01, 7, 0},
        {"day ignores the mode", 0.1, "Day", "Quarterly [3]", "30", 0.001, 30, 0},
        {"lower-case period is unknown", 24, "year", "Quarterly [3]", "12", 0.72, 4, 0},
        // The rate is stored before the term fails.
        {"term not a number", 5, "Month", "Monthly [12]", "", 0.05, 7, 13},
        {"term beyond range", 1, "Day", "", "1e999", 0.01, 7, 6},
    };
    for (const auto& row : rows) {
        LoanState state;
        state.instalmentCount = 7;
        EXPECT_EQ(FailureOf([&] {
                      ConvertLoanTerms(row.percent, row.period, row.mode, row.term, state, EnUs());
                  }),
                  row.failure)
            << row.name;
        EXPECT_DOUBLE_EQ(state.ratePerInstalment, row.rate) << row.name;
        EXPECT_EQ(state.instalmentCount, row.count) << row.name;
    }
}

// The worked loans' unrounded results: R rows the instalment, P rows the principal. Flat rate and
// reducing balance agree.
TEST(LoanCalculation, WorkedResults)
{
    const struct
    {
        char page;
        const char *amount, *rate, *period, *term, *mode;
        double flat, amortize;
    } rows[] = {
        {'R', "100,000.00", "10.0000", "Year", "12", "Monthly [12]", 9166.6667, 8791.5887},
        {'R', "100000", "10", "Year", "12", "Quarterly [3]", 27500, 26581.7878},
        {'R', "100000", "10", "Year", "12", "Bi-Monthly [6]", 18333.3333, 17652.2784},
        {'R', "100000", "1", "Month", "12", "Monthly [12]", 9333.3333, 8884.8789},
        {'R', "10000", "0.5", "Week", "13", "Bi-Weekly [14]", 1638.4615, 1596.6800},
        {'R', "5000", "0.1", "Day", "30", "Daily [1]", 171.6667, 169.2625},
        {'P', "8,791.59", "10", "Year", "12", "Monthly [12]", 95908.2545, 100000.0145},
        {'P', "9166.67", "10", "Year", "12", "Monthly [12]", 100000.0364, 104266.3651},
        {'P', "27500", "10", "Year", "12", "Quarterly [3]", 100000, 103454.2907},
        {'P', "1638.46", "0.5", "Week", "13", "Bi-Weekly [14]", 9999.9906, 10261.6678},
        {'P', "171.67", "0.1", "Day", "30", "Daily [1]", 5000.0971, 5071.1180},
    };
    for (const auto& row : rows) {
        for (const char* type : {"Flat Rate", "Red Bal", "Amortize"}) {
            LoanState state;
            const bool repayment = row.page == 'R';
            ASSERT_EQ(Calculate(repayment,
                                {row.amount, row.rate, row.period, row.mode, row.term, type}, state)
                          .failure,
                      0);
            EXPECT_NEAR(repayment ? state.instalment : state.principal,
                        type == std::string("Amortize") ? row.amortize : row.flat, 0.00005)
                << row.page << " " << row.amount << " " << row.mode << " " << type;
        }
    }
}

// How each run ends and the figure it leaves: silent stops (11 division by zero, 6 overflow or
// invalid operation) and reported errors (13) show nothing; every run starts from figures of 7.
TEST(LoanCalculation, StopsAndWhatTheStateKeeps)
{
    const double inf = INFINITY;
    const struct
    {
        const char* name;
        bool repayment; // the figure is the instalment, else the principal
        const char *amount, *rate, *term, *type;
        int failure;
        std::optional<std::string> shown;
        double figure;
    } rows[] = {
        {"red bal term 0 stores first", true, "1000", "1", "0", "Red Bal", 11, {}, inf},
        {"flat term 0 stores nothing", true, "1000", "1", "0", "Flat Rate", 11, {}, 7},
        {"amortize term 0", true, "1000", "1", "0", "Amortize", 11, {}, inf},
        {"0 over 0 is invalid", true, "0", "1", "0", "Red Bal", 6, {}, NAN},
        {"principal red bal term 0", false, "100", "1", "0", "Red Bal", 0, "0.00", 0},
        {"principal amortize term 0", false, "100", "1", "0", "Amortize", 11, {}, 0},
        // Mended: an annuity without interest is the even split, not 0 / 0.
        {"amortize 0 %", true, "1200", "0", "12", "Amortize", 0, "100.00", 100},
        {"principal amortize 0 %", false, "100", "0", "12", "Amortize", 0, "1,200.00", 1200},
        {"amortize 0 % term 0", true, "1200", "0", "0", "Amortize", 11, {}, inf},
        {"principal amortize 0 % term 0", false, "100", "0", "0", "Amortize", 11, {}, 0},
        {"annuity base 0", true, "1000", "-100", "12", "Amortize", 11, {}, 0},
        {"annuity negative base", true, "1000", "-200", "12.5", "Amortize", 6, {}, NAN},
        {"product beyond range", true, "1e300", "1e12", "1", "Red Bal", 6, {}, inf},
        {"amount beyond range", true, "1e999", "1", "12", "Red Bal", 6, {}, 7},
        {"amount not a number", true, "abc", "1", "12", "Red Bal", 13, {}, 7},
        {"rate empty", false, "100", "", "12", "Red Bal", 13, {}, 7},
        // No loan type (none matches but the exact label): the held figure is shown.
        {"no loan type", true, "100", "1", "12", "", 0, "7.00", 7},
        {"principal lower-case type", false, "100", "1", "12", "amortize", 0, "7.00", 7},
    };
    for (const auto& row : rows) {
        LoanState state {7, 7, 7, 7, 7, 7};
        const Outcome outcome =
            Calculate(row.repayment,
                      {row.amount, row.rate, "Month", "Monthly [12]", row.term, row.type}, state);
        EXPECT_EQ(outcome.failure, row.failure) << row.name;
        EXPECT_EQ(outcome.shown, row.shown) << row.name;
        const double figure = row.repayment ? state.instalment : state.principal;
        EXPECT_TRUE(figure == row.figure || (std::isnan(figure) && std::isnan(row.figure)))
            << row.name << ": " << figure;
    }
}

// The annuity against A = P r (1+r)^n / ((1+r)^n - 1), and the principal as its inverse.
TEST(LoanCalculation, AnnuityAgreesWithTheStandardFormula)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> principal(100, 5e6);
    std::uniform_int_distribution<int> basisPoints(1, 3000); // 0.01 % to 30 % a year
    std::uniform_int_distribution<int> months(1, 480);
    for (int i = 0; i < 4000; ++i) {
        const double p = std::round(principal(random) * 100) / 100;
        const double yearlyPercent = basisPoints(random) / 100.0;
        const int n = months(random);
        LoanState state;
        LoanEntries entries {"", "", "Year", "Monthly [12]", std::to_string(n), "Amortize"};
        entries.amount = std::to_string(p);
        entries.rate = std::to_string(yearlyPercent);
        ASSERT_EQ(Calculate(true, entries, state).failure, 0);
        const long double r = yearlyPercent / 100.0L / 12.0L;
        const long double growth = std::pow(1.0L + r, static_cast<long double>(n));
        ASSERT_NEAR(state.instalment, static_cast<double>(p * r * growth / (growth - 1.0L)),
                    1e-9 * p)
            << p << " at " << yearlyPercent << "% for " << n;

        LoanState inverse;
        entries.amount = std::to_string(state.instalment);
        ASSERT_EQ(Calculate(false, entries, inverse).failure, 0);
        ASSERT_NEAR(inverse.principal, p, 1e-6 * p);
    }
}

// Loans calculated as the pages do (1 % a month for 12 months), then built: the worked schedules
// line for line.
TEST(LoanSchedule, WorkedSchedulesLineForLine)
{
    const struct
    {
        bool repayment;
        const char *amount, *type;
        RegionalFormat format;
        const char* golden;
    } rows[] = {
        {true, "1200", "Flat Rate", EnUs(), "loan_flat_rate_schedule.txt"},
        {true, "1200", "Red Bal", EnUs(), "loan_red_bal_schedule.txt"},
        {true, "1000", "Amortize", EnUs(), "loan_amortize_schedule.txt"},
        {true, "1000", "Amortize", DeDe(), "loan_amortize_schedule_de_de.txt"},
        {false, "112", "Flat Rate", EnUs(), "loan_flat_rate_schedule.txt"},
    };
    for (const auto& row : rows) {
        LoanState state;
        const LoanEntries entries {row.amount, "1", "Month", "Monthly [12]", "12", row.type};
        ASSERT_EQ(Calculate(row.repayment, entries, state, row.format).failure, 0) << row.golden;
        const Built built = Build(row.type, state, row.format, row.repayment);
        EXPECT_EQ(built.failure, 0) << row.golden;
        std::ifstream file(std::string(VEXMOOR_TEST_DATA) + "/" + row.golden);
        std::vector<std::string> expected;
        for (std::string line; std::getline(file, line);)
            expected.push_back(line);
        EXPECT_EQ(built.lines, expected) << row.golden;
    }
    // The principal page's flat-rate portion is the shown instalment less the shown interest.
    LoanState state;
    Calculate(false, {"112.34", "1", "Month", "Monthly [12]", "12", "Flat Rate"}, state);
    Build("Flat Rate", state, EnUs(), false);
    EXPECT_NEAR(state.principalPart, 112.30 - 12.04, 1e-9);
}

// The totals add the figures as each row shows them, read back in the region's own writing
// (here a negative loan with a two-byte minus sign and no-break spaces).
TEST(LoanSchedule, TotalsAddTheFiguresAsShown)
{
    auto lastThree = [](const std::string& line) {
        std::istringstream words(line);
        const std::vector<std::string> all {std::istream_iterator<std::string>(words), {}};
        return std::vector<double> {ParseLoanNumber(all.end()[-3], SvSe()),
                                    ParseLoanNumber(all.end()[-2], SvSe()),
                                    ParseLoanNumber(all.end()[-1], SvSe())};
    };
    for (const char* type : {"Red Bal", "Amortize", "Flat Rate"}) {
        LoanState state;
        Calculate(true, {"\u22121234567,89", "0,73", "Month", "Monthly [12]", "240", type}, state,
                  SvSe());
        const Built built = Build(type, state, SvSe());
        ASSERT_EQ(built.lines.size(), 242u) << type;
        std::vector<double> sums(3);
        for (std::size_t row = 1; row + 1 < built.lines.size(); ++row) {
            for (std::size_t i = 0; i < 3; ++i)
                sums[i] += lastThree(built.lines[row])[i];
        }
        for (double& sum : sums)
            sum = RoundHalfAway(sum, 2);
        EXPECT_EQ(lastThree(built.lines.back()), sums) << type << " " << built.lines.back();
    }
}

TEST(LoanSchedule, RowCountsFromTheInstalmentCount)
{
    const struct
    {
        double count;
        int rows; // -1: an overflow before any line
    } rows[] = {{0.5, 0},      {2.5, 2},       {3.5, 4},     {-3, 0},
                {-32768.5, 0}, {-32768.6, -1}, {32767.5, -1}};
    for (const auto& row : rows) {
        LoanState state {100, 0.01, 10, row.count, 1, 2};
        const Built built = Build("Red Bal", state);
        EXPECT_EQ(built.failure, row.rows < 0 ? 6 : 0) << row.count;
        EXPECT_EQ(built.lines.size(), row.rows < 0 ? 0u : std::size_t(row.rows) + 2) << row.count;
    }

    // A fractional reducing-balance count: 6 rows of 1,300 / 6.5, the rest left unpaid.
    LoanState state {1300, 0.01, 0, 6.5, 0, 0};
    const Built built = Build("Red Bal", state);
    ASSERT_EQ(built.lines.size(), 8u);
    EXPECT_NE(built.lines[1].find("200.00           13.00"), std::string::npos) << built.lines[1];
    EXPECT_NE(built.lines[7].find("1,200.00"), std::string::npos) << built.lines[7];
}

// Mended: five-digit row numbers stand without padding, and the 16-bit row counter reaches its
// end, so every row and the totals line are shown.
TEST(LoanSchedule, LongSchedulesEndWithTheirTotals)
{
    const struct
    {
        int count;
        const char* total;
    } rows[] = {{9999, "999,900.00"}, {12000, "1,200,000.00"}, {32767, "3,276,700.00"}};
    for (const auto& row : rows) {
        LoanState state {row.count * 100.0, 0, 0, double(row.count), 0, 0};
        const Built built = Build("Red Bal", state);
        ASSERT_EQ(built.failure, 0) << row.count;
        ASSERT_EQ(built.lines.size(), static_cast<std::size_t>(row.count) + 2) << row.count;
        const std::string gap(11, ' '), last = std::to_string(row.count);
        EXPECT_EQ(built.lines[9999].substr(0, 4 + 11), "9999" + gap);
        EXPECT_EQ(built.lines[row.count].substr(0, last.size() + 12), last + gap + "1");
        EXPECT_EQ(built.lines.back(),
                  gap + " Totals : " + gap + row.total + gap + row.total + gap + "0.00");
    }
}

TEST(LoanSchedule, AFailingBuildKeepsTheLinesMadeBeforeIt)
{
    // An annuity paying nothing at 200 % per instalment: its balance triples each row until it
    // passes the double range.
    LoanState state {1e300, 2, 0, 100, 0, 0};
    const Built built = Build("Amortize", state);
    EXPECT_EQ(built.failure, 6);
    ASSERT_GT(built.lines.size(), 10u);
    ASSERT_LT(built.lines.size(), 100u);
    EXPECT_EQ(built.lines.back().substr(0, 4), "  " + std::to_string(built.lines.size() - 1));
    // The state keeps the last good row's figures, never an infinity.
    EXPECT_TRUE(std::isfinite(state.principalPart));
    EXPECT_TRUE(std::isfinite(state.interestPart));
}

} // namespace
} // namespace vexmoor
