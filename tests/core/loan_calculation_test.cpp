// The repayment and principal calculations: worked results for every loan type, what the state
// keeps when a run stops, silent arithmetic stops against reported errors, and the zero-interest
// annuity.
#include "loan/core/loan_calculation.h"

#include "errors/core/failure.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace vexmoor {
namespace {

using test::DeDe;
using test::EnUs;

struct Outcome
{
    std::optional<std::string> shown; // the result text, if the run got as far as showing it
    int failure = 0; // the error number the run stopped with, 0 when it completed
};

Outcome Calculate(bool repayment, const LoanEntries& entries, LoanState& state,
                  const RegionalFormat& format = EnUs())
{
    Outcome outcome;
    auto show = [&](const std::string& text) { outcome.shown = text; };
    try {
        if (repayment)
            CalculateRepayment(entries, state, format, show);
        else
            CalculatePrincipal(entries, state, format, show);
    } catch (const Failure& failure) {
        outcome.failure = failure.Number();
    }
    return outcome;
}

struct WorkedRow
{
    const char* amount;
    const char* rate;
    const char* period;
    const char* term;
    const char* mode;
    double ratePerInstalment;
    double count;
    // Shown texts and unrounded values (to 4 decimals; NAN where only the text is worked out).
    const char* flat;
    double flatValue;
    const char* redBal;
    const char* amortize;
    double amortizeValue;
};

void CheckWorkedRow(bool repayment, const WorkedRow& row)
{
    const struct
    {
        const char* type;
        const char* text;
        double value;
    } results[] = {
        {"Flat Rate", row.flat, row.flatValue},
        {"Red Bal", row.redBal, NAN},
        {"Amortize", row.amortize, row.amortizeValue},
    };
    for (const auto& result : results) {
        LoanState state;
        const LoanEntries entries {row.amount, row.rate, row.period,
                                   row.mode,   row.term, result.type};
        const Outcome outcome = Calculate(repayment, entries, state);
        const std::string name = std::string(row.amount) + " " + row.mode + " " + result.type;
        ASSERT_EQ(outcome.failure, 0) << name;
        EXPECT_EQ(outcome.shown, result.text) << name;
        EXPECT_NEAR(state.ratePerInstalment, row.ratePerInstalment, 1e-15) << name;
        EXPECT_EQ(state.instalmentCount, row.count) << name;
        const double value = repayment ? state.instalment : state.principal;
        if (!std::isnan(result.value)) {
            EXPECT_NEAR(value, result.value, 0.00005) << name;
        }
    }
}

TEST(LoanRepayment, WorkedResults)
{
    const WorkedRow rows[] = {
        {"100,000.00", "10.0000", "Year", "12", "Monthly [12]", 0.1 / 12, 12, "9,166.70", 9166.6667,
         "9,166.70", "8,791.60", 8791.5887},
        {"100000", "10", "Year", "12", "Quarterly [3]", 0.025, 4, "27,500.00", 27500, "27,500.00",
         "26,581.80", 26581.7878},
        {"100000", "10", "Year", "12", "Bi-Monthly [6]", 0.1 / 6, 6, "18,333.30", NAN, "18,333.30",
         "17,652.30", 17652.2784},
        {"100000", "1", "Month", "12", "Monthly [12]", 0.01, 12, "9,333.30", NAN, "9,333.30",
         "8,884.90", 8884.8789},
        {"10000", "0.5", "Week", "13", "Bi-Weekly [14]", 0.01, 6.5, "1,638.50", 1638.4615,
         "1,638.50", "1,596.70", 1596.6800},
        {"5000", "0.1", "Day", "30", "Daily [1]", 0.001, 30, "171.70", NAN, "171.70", "169.30",
         169.2625},
    };
    for (const WorkedRow& row : rows)
        CheckWorkedRow(true, row);
}

TEST(LoanPrincipal, WorkedResults)
{
    const WorkedRow rows[] = {
        {"8,791.59", "10", "Year", "12", "Monthly [12]", 0.1 / 12, 12, "95,908.30", 95908.2545,
         "95,908.30", "100,000.00", 100000.0145},
        {"9166.67", "10", "Year", "12", "Monthly [12]", 0.1 / 12, 12, "100,000.00", 100000.0364,
         "100,000.00", "104,266.40", 104266.3651},
        {"27500", "10", "Year", "12", "Quarterly [3]", 0.025, 4, "100,000.00", NAN, "100,000.00",
         "103,454.30", 103454.2907},
        {"1638.46", "0.5", "Week", "13", "Bi-Weekly [14]", 0.01, 6.5, "10,000.00", 9999.9906,
         "10,000.00", "10,261.70", 10261.6678},
        {"171.67", "0.1", "Day", "30", "Daily [1]", 0.001, 30, "5,000.10", NAN, "5,000.10",
         "5,071.10", 5071.1180},
    };
    for (const WorkedRow& row : rows)
        CheckWorkedRow(false, row);
}

TEST(LoanCalculation, PartsAndInterestLeftForTheSchedule)
{
    LoanState state;
    Calculate(true, {"100000", "10", "Year", "Monthly [12]", "12", "Flat Rate"}, state);
    EXPECT_NEAR(state.principalPart, 8333.3333, 0.00005);
    EXPECT_NEAR(state.interestPart, 833.3333, 0.00005);

    state = {};
    Calculate(false, {"8791.59", "10", "Year", "Monthly [12]", "12", "Amortize"}, state);
    EXPECT_NEAR(state.interestPart, 833.3335, 0.00005);

    // The inverse holds up to the rounding of the instalment.
    state = {};
    EXPECT_EQ(
        Calculate(false, {"8791.60", "10", "Year", "Monthly [12]", "12", "Amortize"}, state).shown,
        "100,000.10");
    EXPECT_NEAR(state.principal, 100000.1283, 0.00005);
}

TEST(LoanCalculation, SmallAmountsShowOneSignificantDecimal)
{
    LoanState state;
    EXPECT_EQ(Calculate(true, {"1", "0", "Month", "Monthly [12]", "4", "Flat Rate"}, state).shown,
              "0.20");
    EXPECT_EQ(Calculate(true, {"3", "0", "Month", "Monthly [12]", "4", "Flat Rate"}, state).shown,
              "0.80");
    EXPECT_EQ(Calculate(true, {"-100", "1", "Month", "Monthly [12]", "4", "Red Bal"}, state).shown,
              "-26.00");
    EXPECT_EQ(Calculate(true, {"100.000,00", "10", "Year", "Monthly [12]", "12", "Amortize"}, state,
                        DeDe())
                  .shown,
              "8.791,60");
}

// How each run ends, and what it leaves in the state: a silent stop (6 or 11) shows nothing, a
// reported error (13) shows nothing either, a completed run shows its text.
TEST(LoanCalculation, StopsAndWhatTheStateKeeps)
{
    struct Row
    {
        const char* name;
        bool repayment;
        LoanEntries entries;
        int failure;
        std::optional<std::string> shown;
        // The figure of interest afterwards: the instalment (repayment) or principal (principal).
        double value;
    };
    const double inf = INFINITY;
    const Row rows[] = {
        // Terms of 0 stop every repayment; the reducing-balance sum is stored before the test.
        {"repayment red bal term 0",
         true,
         {"1000", "1", "Month", "Monthly [12]", "0", "Red Bal"},
         11,
         std::nullopt,
         inf},
        {"repayment flat term 0 stores nothing",
         true,
         {"1000", "1", "Month", "Monthly [12]", "0", "Flat Rate"},
         11,
         std::nullopt,
         7},
        {"repayment amortize term 0",
         true,
         {"1000", "1", "Month", "Monthly [12]", "0", "Amortize"},
         11,
         std::nullopt,
         inf},
        {"semi-annual 3 months has no instalment",
         true,
         {"1000", "1", "Month", "Semi-Annually [2]", "3", "Red Bal"},
         11,
         std::nullopt,
         inf},
        {"zero principal over zero term",
         true,
         {"0", "1", "Month", "Monthly [12]", "0", "Red Bal"},
         6,
         std::nullopt,
         NAN},
        // The principal side divides by no term except in the annuity.
        {"principal red bal term 0",
         false,
         {"100", "1", "Month", "Monthly [12]", "0", "Red Bal"},
         0,
         "0.00",
         0},
        {"principal flat term 0",
         false,
         {"100", "1", "Month", "Monthly [12]", "0", "Flat Rate"},
         0,
         "0.00",
         0},
        {"principal amortize term 0 keeps 0",
         false,
         {"100", "1", "Month", "Monthly [12]", "0", "Amortize"},
         11,
         std::nullopt,
         0},
        // Zero interest: the annuity is the even split (mended: it used to divide 0 by 0).
        {"repayment amortize no interest",
         true,
         {"1200", "0", "Month", "Monthly [12]", "12", "Amortize"},
         0,
         "100.00",
         100},
        {"principal amortize no interest",
         false,
         {"100", "0", "Month", "Monthly [12]", "12", "Amortize"},
         0,
         "1,200.00",
         1200},
        {"repayment amortize no interest no term",
         true,
         {"1200", "0", "Month", "Monthly [12]", "0", "Amortize"},
         11,
         std::nullopt,
         inf},
        {"principal amortize no interest no term",
         false,
         {"100", "0", "Month", "Monthly [12]", "0", "Amortize"},
         11,
         std::nullopt,
         0},
        {"repayment flat no interest",
         true,
         {"1200", "0", "Month", "Monthly [12]", "12", "Flat Rate"},
         0,
         "100.00",
         100},
        {"principal red bal no interest",
         false,
         {"100", "0", "Month", "Monthly [12]", "12", "Red Bal"},
         0,
         "1,200.00",
         1200},
        // A rate of -100 % makes the annuity's base 0: zero to a negative power.
        {"annuity base 0",
         true,
         {"1000", "-100", "Month", "Monthly [12]", "12", "Amortize"},
         11,
         std::nullopt,
         0},
        // A negative base to a fractional power has no real value.
        {"annuity negative base",
         true,
         {"1000", "-100", "Month", "Bi-Monthly [6]", "13", "Amortize"},
         6,
         std::nullopt,
         NAN},
        {"product beyond the double range",
         true,
         {"1e300", "1e12", "Month", "Monthly [12]", "1", "Red Bal"},
         6,
         std::nullopt,
         inf},
        // Conversions: beyond the double range is silent, not a number is reported.
        {"principal beyond range",
         true,
         {"1e999", "1", "Month", "Monthly [12]", "12", "Red Bal"},
         6,
         std::nullopt,
         7},
        {"principal not a number",
         true,
         {"abc", "1", "Month", "Monthly [12]", "12", "Red Bal"},
         13,
         std::nullopt,
         7},
        {"empty rate",
         false,
         {"100", "", "Month", "Monthly [12]", "12", "Red Bal"},
         13,
         std::nullopt,
         7},
        {"empty term",
         true,
         {"100", "1", "Month", "Monthly [12]", "", "Amortize"},
         13,
         std::nullopt,
         7},
        // No loan type: nothing computed, the state's figure is shown.
        {"repayment no loan type",
         true,
         {"100", "1", "Month", "Monthly [12]", "12", ""},
         0,
         "7.00",
         7},
        {"principal no loan type",
         false,
         {"100", "1", "Month", "Monthly [12]", "12", ""},
         0,
         "7.00",
         7},
    };
    for (const Row& row : rows) {
        LoanState state;
        state.instalment = 7;
        state.principal = 7;
        state.principalPart = 7;
        state.interestPart = 7;
        if (!row.repayment) // the entered instalment replaces it at once
            state.principal = 7;
        const Outcome outcome = Calculate(row.repayment, row.entries, state);
        EXPECT_EQ(outcome.failure, row.failure) << row.name;
        EXPECT_EQ(outcome.shown, row.shown) << row.name;
        EXPECT_EQ(IsSilentLoanFault(outcome.failure), row.failure == 6 || row.failure == 11)
            << row.name;
        const double value = row.repayment ? state.instalment : state.principal;
        if (std::isnan(row.value)) {
            EXPECT_TRUE(std::isnan(value)) << row.name;
        } else {
            EXPECT_EQ(value, row.value) << row.name;
        }
    }
}

TEST(LoanCalculation, FlatRatePartsAreTestedBeforeTheyAreStored)
{
    LoanState state;
    state.interestPart = 7;
    // P / n is fine, P x r overflows: only the principal part is stored.
    const Outcome outcome =
        Calculate(true, {"1e300", "1e12", "Month", "Monthly [12]", "4", "Flat Rate"}, state);
    EXPECT_EQ(outcome.failure, 6);
    EXPECT_EQ(state.principalPart, 2.5e299);
    EXPECT_EQ(state.interestPart, 7);
}

TEST(LoanCalculation, ReportedErrorKeepsWhatWasStoredBefore)
{
    LoanState state;
    const Outcome outcome =
        Calculate(true, {"2,500.00", "6", "Year", "Monthly [12]", "twelve", "Amortize"}, state);
    EXPECT_EQ(outcome.failure, 13);
    EXPECT_EQ(state.principal, 2500);
    EXPECT_EQ(state.ratePerInstalment, 0.005);
}

TEST(LoanCalculation, PrincipalInterestFaultComesAfterTheDisplay)
{
    LoanState state;
    state.principal = 1e300;
    // No loan type: the held principal is shown; its interest at 1e12 % overflows afterwards.
    const Outcome outcome =
        Calculate(false, {"1", "1e12", "Month", "Monthly [12]", "1", ""}, state);
    EXPECT_EQ(outcome.failure, 6);
    EXPECT_TRUE(outcome.shown.has_value());
    EXPECT_TRUE(std::isinf(state.interestPart));
}

// The annuity against the textbook formula A = P r (1+r)^n / ((1+r)^n - 1), and the principal
// calculation as its inverse, on random loans.
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
        const LoanEntries entries {std::to_string(p),
                                   std::to_string(yearlyPercent),
                                   "Year",
                                   "Monthly [12]",
                                   std::to_string(n),
                                   "Amortize"};
        ASSERT_EQ(Calculate(true, entries, state).failure, 0);
        const long double r = yearlyPercent / 100.0L / 12.0L;
        const long double growth = std::pow(1.0L + r, static_cast<long double>(n));
        const long double expected = p * r * growth / (growth - 1.0L);
        ASSERT_NEAR(state.instalment, static_cast<double>(expected), 1e-9 * p)
            << p << " at " << yearlyPercent << "% for " << n;

        LoanState inverse;
        LoanEntries back = entries;
        back.amount = std::to_string(state.instalment);
        ASSERT_EQ(Calculate(false, back, inverse).failure, 0);
        ASSERT_NEAR(inverse.principal, p, 1e-6 * p);
    }
}

} // namespace
} // namespace vexmoor
