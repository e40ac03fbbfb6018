// Loan vocabularies, loan number texts, the conversion of rate and term, and the entry pages'
// rules.
#include "loan/core/loan_entry.h"
#include "loan/core/loan_terms.h"

#include "errors/core/failure.h"
#include "support/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace vexmoor {
namespace {

using test::DeCh;
using test::DeDe;
using test::EnUs;
using test::FrFr;
using test::HiIn;

int FailureNumber(const std::function<void()>& body)
{
    try {
        body();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

TEST(LoanVocabulary, LabelsAreRecognisedExactlyAndNothingElse)
{
    for (std::size_t i = 0; i < kRepaymentModeLabels.size(); ++i)
        EXPECT_EQ(RecogniseRepaymentMode(kRepaymentModeLabels[i]), static_cast<RepaymentMode>(i));
    EXPECT_EQ(RecogniseRatePeriod("Week"), RatePeriod::Week);
    EXPECT_EQ(RecogniseLoanType("Red Bal"), LoanType::RedBal);
    EXPECT_EQ(Label(RepaymentMode::EndOfTermLumpSum), "End-of-Term Lump Sum");
    EXPECT_EQ(Label(RepaymentMode::BiWeekly), "Bi-Weekly [14]");

    for (const char* near : {"", "Monthly[12]", "monthly [12]", " Monthly [12]", "Monthly [12] ",
                             "Monthly", "Daily [1]\n"})
        EXPECT_EQ(RecogniseRepaymentMode(near), std::nullopt) << '"' << near << '"';
    for (const char* near : {"", "month", "Years", " Day"})
        EXPECT_EQ(RecogniseRatePeriod(near), std::nullopt) << '"' << near << '"';
    for (const char* near : {"", "Flat rate", "RedBal", "Amortise", "Amortize "})
        EXPECT_EQ(RecogniseLoanType(near), std::nullopt) << '"' << near << '"';
}

TEST(LoanVocabulary, NormaliseKeepsTheEightPeriodicModes)
{
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(NormaliseRepaymentMode(kRepaymentModeLabels[i]), kRepaymentModeLabels[i]);
    for (const char* other : {"End-of-Term Lump Sum", "", "Monthly", "Weekly [7] "})
        EXPECT_EQ(NormaliseRepaymentMode(other), "Monthly [12]") << '"' << other << '"';
}

TEST(LoanNumbers, FormatRoundsToOneDecimalTiesToEvenInEveryRegion)
{
    struct Row
    {
        const char* name;
        double value;
        RegionalFormat format;
        const char* text;
    };
    const Row rows[] = {
        {"quarter goes down to even", 0.25, EnUs(), "0.20"},
        {"three quarters up to even", 0.75, EnUs(), "0.80"},
        {"worked instalment", 8791.5887, EnUs(), "8,791.60"},
        {"flat instalment", 9166.6667, EnUs(), "9,166.70"},
        {"shortest text 0.35 is a tie", 0.35, EnUs(), "0.40"},
        {"shortest text 0.45 is a tie", 0.45, EnUs(), "0.40"},
        {"zero", 0, EnUs(), "0.00"},
        {"negative", -1234.56, EnUs(), "-1,234.60"},
        {"negative tie", -0.25, EnUs(), "-0.20"},
        {"tiny negative has no sign", -0.04, EnUs(), "0.00"},
        {"German", 1234567.891, DeDe(), "1.234.567,90"},
        {"French narrow space", 1234567.891, FrFr(), "1\u202F234\u202F567,90"},
        {"Swiss apostrophe", 100000.0145, DeCh(), "100\u2019000.00"},
        {"Indian grouping", 12345678.25, HiIn(), "1,23,45,678.20"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatLoanAmount(row.value, row.format), row.text) << row.name;

    EXPECT_EQ(FailureNumber([] { FormatLoanAmount(INFINITY, EnUs()); }), 6);
    EXPECT_EQ(FailureNumber([] { FormatLoanAmount(NAN, EnUs()); }), 6);
}

TEST(LoanNumbers, ParseReadsWhatThePagesWriteAndRejectsTheRest)
{
    EXPECT_EQ(ParseLoanNumber("100,000.00", EnUs()), 100000);
    EXPECT_EQ(ParseLoanNumber("1.234,50", DeDe()), 1234.5);
    EXPECT_EQ(ParseLoanNumber("1\u202F234,50", FrFr()), 1234.5);
    EXPECT_EQ(ParseLoanNumber("1,23,456.00", HiIn()), 123456);
    EXPECT_EQ(ParseLoanNumber("-0.5", EnUs()), -0.5);
    for (const char* bad : {"", " ", "abc", "1,2,3", "12a", "1.2.3"})
        EXPECT_EQ(FailureNumber([&] { ParseLoanNumber(bad, EnUs()); }), 13) << '"' << bad << '"';
    EXPECT_EQ(FailureNumber([] { ParseLoanNumber("1e400", EnUs()); }), 6);
}

TEST(LoanTerms, ConversionByRatePeriodAndMode)
{
    struct Row
    {
        const char* name;
        double percent;
        const char* period;
        const char* mode;
        const char* term;
        double rate;
        double count;
    };
    const Row rows[] = {
        // Month-based periods, by mode.
        {"year monthly", 10, "Year", "Monthly [12]", "12", 0.1 / 12, 12},
        {"year quarterly", 10, "Year", "Quarterly [3]", "12", 0.025, 4},
        {"year bi-monthly", 10, "Year", "Bi-Monthly [6]", "12", 0.1 / 12 + 0.1 / 12, 6},
        {"month quarterly 5 rounds up", 1, "Month", "Quarterly [3]", "5", 0.03, 2},
        {"month quarterly 4 rounds down", 1, "Month", "Quarterly [3]", "4", 0.03, 1},
        {"annually 18 is 1.5, to even 2", 12, "Year", "Annually [1]", "18", 0.12, 2},
        {"annually 30 is 2.5, to even 2", 12, "Year", "Annually [1]", "30", 0.12, 2},
        {"annually 6 is 0.5, to even 0", 12, "Year", "Annually [1]", "6", 0.12, 0},
        {"semi-annually 3 months is none", 1, "Month", "Semi-Annually [2]", "3", 0.06, 0},
        {"bi-monthly odd term is fractional", 1, "Month", "Bi-Monthly [6]", "13", 0.02, 6.5},
        {"daily mode on a month period", 1, "Month", "Daily [1]", "30", 0.01, 30},
        {"unknown mode is one per month", 1, "Month", "Fortnightly", "7", 0.01, 7},
        // Week: only the two weekly modes convert.
        {"week bi-weekly", 0.5, "Week", "Bi-Weekly [14]", "13", 0.01, 6.5},
        {"week weekly", 0.5, "Week", "Weekly [7]", "13", 0.005, 13},
        // Day: the term in days whatever the mode.
        {"day daily", 0.1, "Day", "Daily [1]", "30", 0.001, 30},
        {"day ignores quarterly", 0.1, "Day", "Quarterly [3]", "30", 0.001, 30},
        // An unknown period: rate unchanged, month-based modes.
        {"empty period", 2, "", "Quarterly [3]", "12", 0.06, 4},
        {"lower-case period", 24, "year", "Monthly [12]", "12", 0.24, 12},
    };
    for (const Row& row : rows) {
        LoanState state;
        ConvertLoanTerms(row.percent, row.period, row.mode, row.term, state, EnUs());
        EXPECT_DOUBLE_EQ(state.ratePerInstalment, row.rate) << row.name;
        EXPECT_EQ(state.instalmentCount, row.count) << row.name;
    }
}

TEST(LoanTerms, YearThenAnnuallyDividesAndMultipliesByTwelve)
{
    LoanState state;
    ConvertLoanTerms(10, "Year", "Annually [1]", "24", state, EnUs());
    EXPECT_EQ(state.ratePerInstalment, 0.1 / 12 * 12);
    EXPECT_EQ(state.instalmentCount, 2);
}

TEST(LoanTerms, WeekWithAMonthlyModeKeepsThePreviousCountAndReadsNoTerm)
{
    LoanState state;
    state.instalmentCount = 7;
    // The term text is not a number, but it is never read.
    ConvertLoanTerms(1, "Week", "Monthly [12]", "not a number", state, EnUs());
    EXPECT_EQ(state.instalmentCount, 7);
    EXPECT_EQ(state.ratePerInstalment, 0.01);
}

TEST(LoanTerms, FaultsStoreFirstAndThrow)
{
    LoanState state;
    // The rate is stored before the term is found not to be a number.
    EXPECT_EQ(
        FailureNumber([&] { ConvertLoanTerms(5, "Month", "Monthly [12]", "", state, EnUs()); }),
        13);
    EXPECT_EQ(state.ratePerInstalment, 0.05);
    // A term beyond the double range is an overflow, after the rate has been stored.
    state = LoanState {};
    EXPECT_EQ(FailureNumber([&] { ConvertLoanTerms(1, "Day", "", "1e999", state, EnUs()); }), 6);
    EXPECT_EQ(state.ratePerInstalment, 0.01);
    EXPECT_EQ(state.instalmentCount, 0);
}

TEST(LoanEntryRules, LeavingAFieldRewritesItsText)
{
    struct Row
    {
        LoanEntryPage page;
        std::int16_t field;
        const char* typed;
        RegionalFormat format;
        const char* shown;
    };
    const auto rpy = LoanEntryPage::Repayment;
    const auto prn = LoanEntryPage::Principal;
    const Row rows[] = {
        {rpy, 0, "1234.5", EnUs(), "1,234.50"},
        {rpy, 1, "12.5", EnUs(), "12.5000"},
        {rpy, 2, "12.5", EnUs(), "13"},
        {rpy, 2, "1234", EnUs(), "1,234"},
        {rpy, 2, "13.5", EnUs(), "14"},
        {rpy, 4, "0.005", EnUs(), "0.01"},
        {prn, 3, "0.12345", EnUs(), "0.1235"},
        {prn, 2, "-2.5", EnUs(), "-3"},
        {prn, 0, "1234,5", DeDe(), "1.234,50"},
        {prn, 3, "7,25", FrFr(), "7,2500"},
        {rpy, 0, "1234567", HiIn(), "12,34,567.00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReformatLoanEntry(row.typed, EntryDecimals(row.page, row.field), row.format),
                  row.shown)
            << row.typed;
    EXPECT_EQ(FailureNumber([] { ReformatLoanEntry("", 2, EnUs()); }), 13);
}

TEST(LoanEntryRules, RateSelectorCaptionFollowsTheSubPageFlags)
{
    struct Row
    {
        std::int16_t index;
        bool repayment;
        bool principal;
        std::optional<std::int16_t> label;
        LoanEntryPage page;
    };
    const auto rpy = LoanEntryPage::Repayment;
    const auto prn = LoanEntryPage::Principal;
    const Row rows[] = {
        {0, true, false, 6, rpy},
        {2, true, false, 5, rpy},
        {1, true, false, std::nullopt, rpy},
        {1, false, true, 6, prn},
        {3, false, true, 5, prn},
        {0, false, true, std::nullopt, rpy},
        {3, false, false, std::nullopt, rpy},
        {3, true, true, std::nullopt, rpy},
    };
    for (const Row& row : rows) {
        const auto caption = IntRatCaption(row.index, row.repayment, row.principal);
        ASSERT_EQ(caption.has_value(), row.label.has_value()) << row.index;
        if (caption) {
            EXPECT_EQ(caption->labelIndex, *row.label);
            EXPECT_EQ(caption->page, row.page);
        }
    }
}

} // namespace
} // namespace vexmoor
