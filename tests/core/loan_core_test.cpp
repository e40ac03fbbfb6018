// The loan core: result texts, the conversion of rate and term, the two calculations and the
// schedule lines. The window test enters the worked loans and checks their shown texts.
#include "loan/core/loan_calculation.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_schedule.h"

#include "support/failure_of.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vexmoor {
namespace {

using namespace test;

// Runs one page's calculation on `state`: the failure, and the result text if it got that far.
std::pair<int, std::optional<std::string>> Calculate(bool repayment, const LoanEntries& entries,
                                                     LoanState& state,
                                                     const RegionalFormat& format = EnUs())
{
    std::optional<std::string> shown;
    const int failure = FailureOf([&] {
        const auto show = [&](const std::string& text) { shown = text; };
        repayment ? CalculateRepayment(entries, state, format, show)
                  : CalculatePrincipal(entries, state, format, show);
    });
    return {failure, shown};
}

// The schedule's lines (those made before a failure too) and the failure.
std::pair<std::vector<std::string>, int> Build(const std::string& type, LoanState& state,
                                               const RegionalFormat& format = EnUs(),
                                               bool fromRepayment = true)
{
    std::vector<std::string> lines;
    const int failure = FailureOf([&] {
        BuildLoanScheduleLines({fromRepayment, !fromRepayment, type, type}, state, format,
                               [&](std::string&& line) { lines.push_back(std::move(line)); });
    });
    return {lines, failure};
}

TEST(LoanNumbers, ResultTextsModesAndEntries)
{
    // One decimal, ties to even, written with two.
    // clang-format off
    const std::tuple<double, RegionalFormat, const char*> results[] = {
        {0.25, EnUs(), "0.20"},   {0.75, EnUs(), "0.80"},  {8791.5887, EnUs(), "8,791.60"},
        {-0.25, EnUs(), "-0.20"}, {-0.04, EnUs(), "0.00"}, {1234567.891, DeDe(), "1.234.567,90"}};
    // clang-format on
    for (const auto& [value, format, text] : results)
        EXPECT_EQ(FormatLoanAmount(value, format), text) << value;
    EXPECT_EQ(FailureOf([] { FormatLoanAmount(NAN, EnUs()); }), 6);

    // The eight periodic modes stay; the lump sum and any other text (no trimming) are monthly.
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(NormaliseRepaymentMode(kRepaymentModeLabels[i]), kRepaymentModeLabels[i]);
    for (const char* other : {"End-of-Term Lump Sum", "", "Weekly [7] ", "weekly [7]"})
        EXPECT_EQ(NormaliseRepaymentMode(other), "Monthly [12]") << '"' << other << '"';

    // Leaving an entry field rewrites it with its decimals; the rate and term are no money, so
    // they may pass the amounts' limit. (Refused entries: through the window, entries_test.)
    using P = LoanEntryPage;
    // clang-format off
    const std::tuple<P, std::int16_t, const char*, const char*> entries[] = {
        {P::Repayment, 0, "1234.5", "1,234.50"}, {P::Repayment, 1, "1e13", "10,000,000,000,000.0000"},
        {P::Principal, 2, "12.5", "13"},         {P::Principal, 0, "-9999999999999.99", "-9,999,999,999,999.99"}};
    // clang-format on
    for (const auto& [page, field, text, expected] : entries)
        EXPECT_EQ(ReformatLoanField(page, field, text, EnUs()), expected) << text;
}

TEST(LoanTerms, ConversionByRatePeriodAndMode)
{
    // Rate in percent, period, mode, term; the rate per instalment and the count (7: kept from
    // before), the failure (the rate is stored before the term fails).
    // clang-format off
    const std::tuple<double, const char*, const char*, const char*, double, double, int> rows[] = {
        {1, "Month", "Quarterly [3]", "5", 0.03, 2, 0},          // 5 / 3 rounds up
        {12, "Year", "Annually [1]", "30", 0.12, 2, 0},          // 2.5 to even
        {1, "Month", "Semi-Annually [2]", "3", 0.06, 0, 0},
        {1, "Month", "Bi-Monthly [6]", "13", 0.02, 6.5, 0},      // odd term: fractional
        {1, "Month", "Fortnightly", "9", 0.01, 9, 0},            // unknown mode: monthly
        {0.5, "Week", "Weekly [7]", "13", 0.005, 13, 0},
        {1, "Week", "Monthly [12]", "x", 0.01, 7, 0},            // reads no term
        {0.1, "Day", "Quarterly [3]", "30", 0.001, 30, 0},       // ignores the mode
        {24, "year", "Quarterly [3]", "12", 0.72, 4, 0},         // lower case: unknown period
        {5, "Month", "Monthly [12]", "", 0.05, 7, 13},
        {1, "Day", "", "1e999", 0.01, 7, 6}};
    // clang-format on
    for (const auto& [percent, period, mode, term, rate, count, failure] : rows) {
        LoanState state;
        state.instalmentCount = 7;
        EXPECT_EQ(FailureOf([&] { ConvertLoanTerms(percent, period, mode, term, state, EnUs()); }),
                  failure)
            << period << mode << term;
        EXPECT_DOUBLE_EQ(state.ratePerInstalment, rate) << period << mode << term;
        EXPECT_EQ(state.instalmentCount, count) << period << mode << term;
    }
}

// Unrounded results of the modes the window test does not enter: R rows the instalment, P rows
// the principal, by flat rate and reducing balance (which agree), and by annuity.
TEST(LoanCalculation, WorkedResults)
{
    // clang-format off
    const std::tuple<char, const char*, const char*, const char*, const char*, const char*, double, double> rows[] = {
        {'R', "100,000.00", "10.0000", "Year", "12", "Monthly [12]", 9166.6667, 8791.5887},
        {'R', "100000", "10", "Year", "12", "Quarterly [3]", 27500, 26581.7878},
        {'R', "100000", "10", "Year", "12", "Bi-Monthly [6]", 18333.3333, 17652.2784},
        {'P', "9166.67", "10", "Year", "12", "Monthly [12]", 100000.0364, 104266.3651},
        {'P', "27500", "10", "Year", "12", "Quarterly [3]", 100000, 103454.2907}};
    // clang-format on
    for (const auto& [page, amount, rate, period, term, mode, flat, annuity] : rows) {
        for (const std::string type : {"Flat Rate", "Red Bal", "Amortize"}) {
            LoanState state;
            ASSERT_EQ(Calculate(page == 'R', {amount, rate, period, mode, term, type}, state).first,
                      0);
            EXPECT_NEAR(page == 'R' ? state.instalment : state.principal,
                        type == "Amortize" ? annuity : flat, 0.00005)
                << page << " " << amount << " " << mode << " " << type;
        }
    }
}

// How each run ends, what it shows and the figure it leaves: silent stops (11 division by zero,
// 6 overflow or invalid operation) and reported errors (13) show nothing; every run starts from
// figures of 7. R: the figure is the instalment, P: the principal.
TEST(LoanCalculation, StopsAndWhatTheStateKeeps)
{
    const double inf = INFINITY;
    // clang-format off
    const std::tuple<char, const char*, const char*, const char*, const char*, int, const char*, double> rows[] = {
        {'R', "1000", "1", "0", "Red Bal", 11, nullptr, inf},  // stores first
        {'R', "1000", "1", "0", "Flat Rate", 11, nullptr, 7},  // stores nothing
        {'R', "1000", "1", "0", "Amortize", 11, nullptr, inf},
        {'R', "0", "1", "0", "Red Bal", 6, nullptr, NAN},      // 0 / 0 is invalid
        {'P', "100", "1", "0", "Red Bal", 0, "0.00", 0},
        {'P', "100", "1", "0", "Amortize", 11, nullptr, 0},
        // An annuity without interest is the even split, not 0 / 0.
        {'R', "1200", "0", "12", "Amortize", 0, "100.00", 100},
        {'P', "100", "0", "12", "Amortize", 0, "1,200.00", 1200},
        {'R', "1200", "0", "0", "Amortize", 11, nullptr, inf},
        {'P', "100", "0", "0", "Amortize", 11, nullptr, 0},
        {'R', "1000", "-100", "12", "Amortize", 11, nullptr, 0}, // annuity base 0
        {'R', "1000", "-200", "12.5", "Amortize", 6, nullptr, NAN},
        {'R', "1e300", "1e12", "1", "Red Bal", 6, nullptr, inf},
        {'R', "1e999", "1", "12", "Red Bal", 6, nullptr, 7},
        {'R', "abc", "1", "12", "Red Bal", 13, nullptr, 7},
        {'P', "100", "", "12", "Red Bal", 13, nullptr, 7},
        // No loan type (none matches but the exact label): the held figure is shown.
        {'R', "100", "1", "12", "", 0, "7.00", 7},
        {'P', "100", "1", "12", "amortize", 0, "7.00", 7}};
    // clang-format on
    for (const auto& [page, amount, rate, term, type, failure, shown, figure] : rows) {
        LoanState state {7, 7, 7, 7, 7, 7};
        const auto [error, text] =
            Calculate(page == 'R', {amount, rate, "Month", "Monthly [12]", term, type}, state);
        EXPECT_EQ(error, failure) << page << amount << rate << term << type;
        EXPECT_EQ(text, shown ? std::optional<std::string>(shown) : std::nullopt) << amount << type;
        const double left = page == 'R' ? state.instalment : state.principal;
        EXPECT_TRUE(left == figure || (std::isnan(left) && std::isnan(figure))) << left;
    }
}

// Loans calculated as the pages do (1 % a month for 12 months), then built: the worked schedules
// line for line.
TEST(LoanSchedule, WorkedSchedulesLineForLine)
{
    // clang-format off
    const std::tuple<bool, const char*, const char*, RegionalFormat, const char*> rows[] = {
        {true, "1200", "Flat Rate", EnUs(), "loan_flat_rate_schedule.txt"},
        {true, "1200", "Red Bal", EnUs(), "loan_red_bal_schedule.txt"},
        {true, "1000", "Amortize", EnUs(), "loan_amortize_schedule.txt"},
        {true, "1000", "Amortize", DeDe(), "loan_amortize_schedule_de_de.txt"},
        {false, "112", "Flat Rate", EnUs(), "loan_flat_rate_schedule.txt"}};
    // clang-format on
    for (const auto& [repayment, amount, type, format, golden] : rows) {
        LoanState state;
        ASSERT_EQ(
            Calculate(repayment, {amount, "1", "Month", "Monthly [12]", "12", type}, state, format)
                .first,
            0);
        std::ifstream file(std::string(VEXMOOR_TEST_DATA) + "/" + golden);
        std::vector<std::string> expected;
        for (std::string line; std::getline(file, line);)
            expected.push_back(line);
        EXPECT_EQ(Build(type, state, format, repayment), std::pair(expected, 0)) << golden;
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
    for (const char* type : {"Red Bal", "Amortize", "Flat Rate"}) {
        LoanState state;
        Calculate(true, {"\u22121234567,89", "0,73", "Month", "Monthly [12]", "240", type}, state,
                  SvSe());
        const auto [lines, failure] = Build(type, state, SvSe());
        ASSERT_EQ(lines.size(), 242u) << type;
        double sums[3] = {};
        for (std::size_t row = 1; row < lines.size(); ++row) {
            std::istringstream words(lines[row]);
            std::vector<std::string> all {std::istream_iterator<std::string>(words), {}};
            for (std::size_t i = 0; i < 3; ++i) {
                const double figure = ParseLoanNumber(all[all.size() - 3 + i], SvSe());
                if (row + 1 < lines.size())
                    sums[i] += figure;
                else
                    EXPECT_EQ(figure, RoundHalfAway(sums[i], 2)) << type << " " << lines.back();
            }
        }
    }
}

TEST(LoanSchedule, RowCountsLongSchedulesAndFailures)
{
    // The instalment count and the rows (-1: an overflow before any line).
    const std::pair<double, int> counts[] = {{0.5, 0},      {2.5, 2},       {3.5, 4},     {-3, 0},
                                             {-32768.5, 0}, {-32768.6, -1}, {32767.5, -1}};
    for (const auto& [count, rows] : counts) {
        LoanState state {100, 0.01, 10, count, 1, 2};
        const auto [lines, failure] = Build("Red Bal", state);
        EXPECT_EQ(failure, rows < 0 ? 6 : 0) << count;
        EXPECT_EQ(lines.size(), rows < 0 ? 0u : std::size_t(rows) + 2) << count;
    }

    // A fractional reducing-balance count: 6 rows of 1,300 / 6.5, the rest left unpaid.
    LoanState fractional {1300, 0.01, 0, 6.5, 0, 0};
    const auto [six, noFailure] = Build("Red Bal", fractional);
    ASSERT_EQ(six.size(), 8u);
    EXPECT_NE(six[1].find("200.00           13.00"), std::string::npos) << six[1];
    EXPECT_NE(six[7].find("1,200.00"), std::string::npos) << six[7];

    // Five-digit row numbers stand without padding, and the 16-bit row counter reaches its end.
    LoanState longest {3276700, 0, 0, 32767, 0, 0};
    const auto [lines, failure] = Build("Red Bal", longest);
    ASSERT_EQ(lines.size(), 32769u);
    const std::string gap(11, ' ');
    EXPECT_EQ(lines[9999].substr(0, 15), "9999" + gap);
    EXPECT_EQ(lines[32767].substr(0, 17), "32767" + gap + "1");
    EXPECT_EQ(lines.back(),
              gap + " Totals : " + gap + "3,276,700.00" + gap + "3,276,700.00" + gap + "0.00");

    // An annuity paying nothing at 200 % per instalment: its balance triples each row until it
    // passes the double range. The lines before stay; the state keeps the last good row's
    // figures, never an infinity.
    LoanState growing {1e300, 2, 0, 100, 0, 0};
    const auto [made, overflow] = Build("Amortize", growing);
    EXPECT_EQ(overflow, 6);
    ASSERT_TRUE(made.size() > 10 && made.size() < 100) << made.size();
    EXPECT_EQ(made.back().substr(0, 4), "  " + std::to_string(made.size() - 1));
    EXPECT_TRUE(std::isfinite(growing.principalPart) && std::isfinite(growing.interestPart));
}

} // namespace
} // namespace vexmoor
