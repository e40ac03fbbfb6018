// The loan schedule lines: the worked schedules against golden files, row counts from fractional
// and large instalment counts, and builds that stop part way.
#include "loan/core/loan_calculation.h"
#include "loan/core/loan_schedule.h"

#include "errors/core/failure.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vexmoor {
namespace {

using test::DeCh;
using test::DeDe;
using test::EnUs;
using test::FrFr;
using test::HiIn;

struct Built
{
    std::vector<std::string> lines;
    int failure = 0;
};

Built Build(const LoanScheduleRequest& request, LoanState& state,
            const RegionalFormat& format = EnUs())
{
    Built built;
    try {
        BuildLoanScheduleLines(request, state, format,
                               [&](std::string&& line) { built.lines.push_back(std::move(line)); });
    } catch (const Failure& failure) {
        built.failure = failure.Number();
    }
    return built;
}

LoanScheduleRequest FromRepayment(const std::string& loanType)
{
    return {true, false, loanType, ""};
}

std::vector<std::string> Golden(const std::string& name)
{
    std::ifstream file(std::string(VEXMOOR_TEST_DATA) + "/" + name);
    EXPECT_TRUE(file.good()) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
                 const std::string& name)
{
    ASSERT_EQ(actual.size(), expected.size()) << name;
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << name << " line " << i;
}

std::string Blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

TEST(LoanSchedule, WorkedSchedulesLineForLine)
{
    struct Row
    {
        const char* name;
        LoanScheduleRequest request;
        LoanState state;
        RegionalFormat format;
        const char* golden;
    };
    const Row rows[] = {
        {"flat rate from the repayment page",
         FromRepayment("Flat Rate"),
         {1200, 0.01, 112, 12, 100, 12},
         EnUs(),
         "loan_flat_rate_schedule.txt"},
        {"reducing balance from the repayment page",
         FromRepayment("Red Bal"),
         {1200, 0.01, 112, 12, 0, 0},
         EnUs(),
         "loan_red_bal_schedule.txt"},
        {"annuity from the repayment page",
         FromRepayment("Amortize"),
         {1000, 0.01, 88.84878867834162, 12, 0, 0},
         EnUs(),
         "loan_amortize_schedule.txt"},
        {"annuity in a German region",
         FromRepayment("Amortize"),
         {1000, 0.01, 88.84878867834162, 12, 0, 0},
         DeDe(),
         "loan_amortize_schedule_de_de.txt"},
    };
    for (Row row : rows) {
        const Built built = Build(row.request, row.state, row.format);
        EXPECT_EQ(built.failure, 0) << row.name;
        ExpectLines(built.lines, Golden(row.golden), row.name);
    }
}

TEST(LoanSchedule, HeaderAndRowLayout)
{
    LoanState state {1200, 0.01, 112, 12, 100, 12};
    const Built built = Build(FromRepayment("Flat Rate"), state);
    ASSERT_EQ(built.lines.size(), 14u);
    EXPECT_EQ(built.lines[0].size(), 88u);
    EXPECT_EQ(built.lines[1],
              Blanks(3) + "1" + Blanks(11) + "1,344.00" + Blanks(11) + "112.00" + Blanks(11) +
                  "100.00" + Blanks(11) + "12.00");
    EXPECT_EQ(built.lines[13].substr(0, 2 + 11 + 10), Blanks(13) + " Totals : ");
}

// The calculations and the builder together, as the pages run them.
TEST(LoanSchedule, CalculatedLoansGiveTheWorkedSchedules)
{
    auto ignore = [](const std::string&) {};
    LoanState state;
    CalculateRepayment({"1000", "1", "Month", "Monthly [12]", "12", "Amortize"}, state, EnUs(),
                       ignore);
    EXPECT_EQ(state.instalment, 88.84878867834162);
    ExpectLines(Build(FromRepayment("Amortize"), state).lines, Golden("loan_amortize_schedule.txt"),
                "annuity");
    // The build leaves the last row's figures as working values.
    EXPECT_NEAR(state.interestPart, 0.8797, 0.00005);

    state = {};
    CalculateRepayment({"1200", "1", "Month", "Monthly [12]", "12", "Red Bal"}, state, EnUs(),
                       ignore);
    ExpectLines(Build(FromRepayment("Red Bal"), state).lines, Golden("loan_red_bal_schedule.txt"),
                "reducing balance");
    EXPECT_NEAR(state.instalment, 101, 1e-9);

    // An annuity without interest: even instalments, no interest in any row.
    state = {};
    CalculateRepayment({"1200", "0", "Month", "Monthly [12]", "12", "Amortize"}, state, EnUs(),
                       ignore);
    const Built interestFree = Build(FromRepayment("Amortize"), state);
    ASSERT_EQ(interestFree.lines.size(), 14u);
    EXPECT_EQ(interestFree.lines[12],
              Blanks(2) + "12" + Blanks(11) + "100.00" + Blanks(11) + "100.00" + Blanks(11) +
                  "100.00" + Blanks(11) + "0.00");
    EXPECT_EQ(interestFree.lines[13],
              Blanks(13) + " Totals : " + Blanks(11) + "1,200.00" + Blanks(11) + "1,200.00" +
                  Blanks(11) + "0.00");

    // From the principal page with a flat-rate instalment of 112: the principal comes out just
    // under 1,200, and the shown instalment less the shown interest gives the portion 100.
    state = {};
    CalculatePrincipal({"112", "1", "Month", "Monthly [12]", "12", "Flat Rate"}, state, EnUs(),
                       ignore);
    EXPECT_LT(state.principal, 1200);
    const LoanScheduleRequest principalPage {false, true, "", "Flat Rate"};
    ExpectLines(Build(principalPage, state).lines, Golden("loan_flat_rate_schedule.txt"),
                "flat rate from the principal page");
    EXPECT_EQ(state.principalPart, 100);
}

// The totals add each row's figures exactly as the row shows them, whatever the region writes.
TEST(LoanSchedule, TotalsAddTheFiguresAsShownInEveryRegion)
{
    for (const RegionalFormat& format : {EnUs(), DeDe(), FrFr(), DeCh(), HiIn()}) {
        for (const char* type : {"Red Bal", "Amortize", "Flat Rate"}) {
            LoanState state;
            CalculateRepayment({FormatFixed(1234567.89, 2, format), FormatFixed(0.73, 2, format),
                                "Month", "Monthly [12]", "240", type},
                               state, format, [](const std::string&) {});
            const Built built = Build(FromRepayment(type), state, format);
            ASSERT_EQ(built.lines.size(), 242u);
            double sums[3] = {0, 0, 0};
            for (std::size_t row = 1; row + 1 < built.lines.size(); ++row) {
                std::istringstream fields(built.lines[row]);
                std::string number, balance, figure;
                fields >> number >> balance;
                for (double& sum : sums) {
                    fields >> figure;
                    sum += ParseLoanNumber(figure, format);
                }
            }
            std::istringstream totals(built.lines.back());
            std::string label, colon, figure;
            totals >> label >> colon;
            for (double sum : sums) {
                totals >> figure;
                EXPECT_EQ(ParseLoanNumber(figure, format), RoundHalfAway(sum, 2))
                    << type << " " << built.lines.back();
            }
        }
    }
}

TEST(LoanSchedule, RowCountsFromTheInstalmentCount)
{
    struct Row
    {
        const char* name;
        double count;
        int rows; // -1: the build fails with an overflow before any line
    };
    const Row rows[] = {
        {"0.4 gives none", 0.4, 0},          {"0.5 to even gives none", 0.5, 0},
        {"0.6 gives one", 0.6, 1},           {"2.5 to even gives 2", 2.5, 2},
        {"3.5 to even gives 4", 3.5, 4},     {"negative gives none", -3, 0},
        {"lowest 16-bit", -32768.5, 0},      {"below 16 bits", -32768.6, -1},
        {"32,767.5 overflows", 32767.5, -1},
    };
    for (const Row& row : rows) {
        LoanState state {100, 0.01, 10, row.count, 1, 2};
        const Built built = Build(FromRepayment("Red Bal"), state);
        if (row.rows < 0) {
            EXPECT_EQ(built.failure, 6) << row.name;
            EXPECT_TRUE(built.lines.empty()) << row.name;
            continue;
        }
        EXPECT_EQ(built.failure, 0) << row.name;
        EXPECT_EQ(built.lines.size(), static_cast<std::size_t>(row.rows) + 2) << row.name;
    }
}

TEST(LoanSchedule, NoInstalmentsGiveAZeroTotalsLine)
{
    LoanState state {1000, 0.01, 50, 0.4, 0, 0};
    const Built built = Build(FromRepayment("Amortize"), state);
    ASSERT_EQ(built.lines.size(), 2u);
    EXPECT_EQ(built.lines[1],
              Blanks(3 + 11) + " Totals : " + Blanks(11) + "0.00" + Blanks(11) + "0.00" +
                  Blanks(11) + "0.00");
}

TEST(LoanSchedule, FractionalReducingBalanceLeavesPrincipalUnpaid)
{
    LoanState state {1300, 0.01, 0, 6.5, 0, 0};
    const Built built = Build(FromRepayment("Red Bal"), state);
    ASSERT_EQ(built.lines.size(), 8u);
    EXPECT_NE(built.lines[1].find("200.00           13.00"), std::string::npos) << built.lines[1];
    EXPECT_NE(built.lines[7].find("1,200.00"), std::string::npos) << built.lines[7];
}

TEST(LoanSchedule, UnprocessedRowsRepeatTheStartingFigures)
{
    struct Row
    {
        const char* name;
        LoanScheduleRequest request;
    };
    const Row rows[] = {
        {"no repayment loan type", FromRepayment("")},
        {"unknown loan type", FromRepayment("amortize")},
        {"principal build while its page is not selected", {false, false, "", "Amortize"}},
    };
    for (const Row& row : rows) {
        LoanState state {500, 0.01, 60, 3, 55, 5};
        const Built built = Build(row.request, state);
        ASSERT_EQ(built.lines.size(), 5u) << row.name;
        EXPECT_EQ(built.lines[1].substr(4), built.lines[3].substr(4)) << row.name;
        EXPECT_NE(built.lines[3].find("500.00"), std::string::npos) << row.name;
    }
}

TEST(LoanSchedule, NegativeFiguresInTheRegionalForm)
{
    LoanState state {-1200, 0.01, -112, 12, -100, -12};
    const Built built = Build(FromRepayment("Flat Rate"), state);
    ASSERT_EQ(built.failure, 0);
    EXPECT_EQ(built.lines.back(),
              Blanks(2 + 11) + " Totals : " + Blanks(11) + "-1,344.00" + Blanks(11) + "-1,200.00" +
                  Blanks(11) + "-144.00");
}

// Five-digit row numbers stand without padding, and the 16-bit row counter reaches its end.
TEST(LoanSchedule, LongSchedulesEndWithTheirTotals)
{
    for (const int count : {9999, 12000, 32767}) {
        LoanState state {double(count) * 100, 0, 0, double(count), 0, 0};
        const Built built = Build(FromRepayment("Red Bal"), state);
        ASSERT_EQ(built.failure, 0) << count;
        ASSERT_EQ(built.lines.size(), static_cast<std::size_t>(count) + 2) << count;
        EXPECT_EQ(built.lines[100].substr(0, 4), " 100");
        EXPECT_EQ(built.lines[9999].substr(0, 4 + 11), "9999" + Blanks(11));
        const std::string last = std::to_string(count);
        EXPECT_EQ(built.lines[count].substr(0, last.size() + 11 + 1), last + Blanks(11) + "1")
            << count;
        // The totals number (count + 1) has five digits: no padding before the label.
        const std::string& totals = built.lines.back();
        EXPECT_EQ(totals.substr(0, 21), Blanks(11) + " Totals : ") << count;
        // Every instalment is 100.00 of principal and no interest.
        const std::string principalTotal = count == 9999 ? "999,900.00"
            : count == 12000                             ? "1,200,000.00"
                                                         : "3,276,700.00";
        EXPECT_NE(totals.find(Blanks(11) + principalTotal + Blanks(11) + principalTotal +
                              Blanks(11) + "0.00"),
                  std::string::npos)
            << totals;
    }
}

TEST(LoanSchedule, AFailingBuildKeepsTheLinesMadeBeforeIt)
{
    // An annuity paying nothing at 200 % per instalment: its balance triples each row until it
    // passes the double range.
    LoanState state {1e300, 2, 0, 100, 0, 0};
    const Built built = Build(FromRepayment("Amortize"), state);
    EXPECT_EQ(built.failure, 6);
    ASSERT_GT(built.lines.size(), 10u);
    ASSERT_LT(built.lines.size(), 100u);
    EXPECT_EQ(built.lines.back().substr(0, 4),
              Blanks(4 - 2) + std::to_string(built.lines.size() - 1));
    EXPECT_EQ(built.lines.back().find("Totals"), std::string::npos);
    // The state keeps the last good row's figures, never an infinity.
    EXPECT_TRUE(std::isfinite(state.principalPart));
    EXPECT_TRUE(std::isfinite(state.interestPart));

    // A flat-rate starting balance beyond the range fails before the header.
    LoanState huge {1e300, 1e10, 1, 12, 1, 1};
    const Built none = Build(FromRepayment("Flat Rate"), huge);
    EXPECT_EQ(none.failure, 6);
    EXPECT_TRUE(none.lines.empty());
}

} // namespace
} // namespace vexmoor
