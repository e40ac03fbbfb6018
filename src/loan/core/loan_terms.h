// Loan vocabularies, the loan state, loan number texts and the conversion of the entered rate and
// term into a rate per instalment and a number of instalments. Both loan entry pages and the
// schedule share everything here.
//
// Selections are recognised by their label alone, compared character for character (case and
// blanks count, nothing is trimmed); a text that is no label is not an error, each operation says
// what it does with one. List positions are never used to recognise a selection.
#pragma once

#include "common/core/number_text.h"
#include "common/core/translatable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vexmoor {

// How often an instalment falls due. The bracketed number is part of the label only.
enum class RepaymentMode {
    Daily,
    Weekly,
    BiWeekly,
    Monthly,
    BiMonthly,
    Quarterly,
    SemiAnnually,
    Annually,
    EndOfTermLumpSum,
};

// The period the entered percentage applies to; it also fixes the unit of the term.
enum class RatePeriod { Month, Year, Day, Week };

// The interest method.
enum class LoanType { FlatRate, RedBal, Amortize };

// Labels in list order.
// clang-format off
inline constexpr std::array<std::string_view, 9> kRepaymentModeLabels = {
    VEXMOOR_TR_NOOP("Loan", "Daily [1]"),
    VEXMOOR_TR_NOOP("Loan", "Weekly [7]"),
    VEXMOOR_TR_NOOP("Loan", "Bi-Weekly [14]"),
    VEXMOOR_TR_NOOP("Loan", "Monthly [12]"),
    VEXMOOR_TR_NOOP("Loan", "Bi-Monthly [6]"),
    VEXMOOR_TR_NOOP("Loan", "Quarterly [3]"),
    VEXMOOR_TR_NOOP("Loan", "Semi-Annually [2]"),
    VEXMOOR_TR_NOOP("Loan", "Annually [1]"),
    VEXMOOR_TR_NOOP("Loan", "End-of-Term Lump Sum"),
};
inline constexpr std::array<std::string_view, 4> kRatePeriodLabels = {
    VEXMOOR_TR_NOOP("Loan", "Month"),
    VEXMOOR_TR_NOOP("Loan", "Year"),
    VEXMOOR_TR_NOOP("Loan", "Day"),
    VEXMOOR_TR_NOOP("Loan", "Week"),
};
inline constexpr std::array<std::string_view, 3> kLoanTypeLabels = {
    VEXMOOR_TR_NOOP("Loan", "Flat Rate"),
    VEXMOOR_TR_NOOP("Loan", "Red Bal"),
    VEXMOOR_TR_NOOP("Loan", "Amortize"),
};
// clang-format on

std::string_view Label(RepaymentMode mode);
std::string_view Label(RatePeriod period);
std::string_view Label(LoanType type);

// The selection a text names, or nothing for any other text (the empty one included).
std::optional<RepaymentMode> RecogniseRepaymentMode(std::string_view text);
std::optional<RatePeriod> RecogniseRatePeriod(std::string_view text);
std::optional<LoanType> RecogniseLoanType(std::string_view text);

// One record per window; every field starts at 0 and keeps its value from one calculation to the
// next. Each value is stored the moment it has been computed, so a calculation that stops part
// way leaves what it had stored. The schedule uses instalment, principalPart and interestPart as
// its working values.
struct LoanState
{
    double principal = 0;
    double ratePerInstalment = 0; // a fraction, not a percentage
    double instalment = 0;
    double instalmentCount = 0; // fractional for the two-weekly and two-monthly modes
    double principalPart = 0;
    double interestPart = 0;
};

// An entry field's text as a number, in the user's regional conventions. Throws
// Failure(TypeMismatch) for a text that is not a number (the empty text included) and
// Failure(Overflow) for one beyond the double range.
double ParseLoanNumber(std::string_view text, const RegionalFormat& format);

// The text a result field shows: value rounded to one decimal (ties to even), written with two
// decimals, grouped, in the regional format (8791.5887 -> "8,791.60"). Throws Failure(Overflow)
// for infinity or not-a-number, so such a value never becomes a text.
std::string FormatLoanAmount(double value, const RegionalFormat& format);

// The mode text unchanged when it is one of the eight periodic labels, else "Monthly [12]" (the
// lump sum, the empty text and any other text are all computed as monthly).
std::string_view NormaliseRepaymentMode(std::string_view modeText);

// Sets state.ratePerInstalment and, except for a weekly rate period with a mode that is not
// weekly, state.instalmentCount, from the rate in percent, the rate-period text, the mode text
// and the term text (converted only where a branch uses it). Each value is stored before it is
// tested; a value that overflows throws Failure(Overflow) with the value left in the state.
void ConvertLoanTerms(double ratePercent, std::string_view ratePeriodText,
                      std::string_view modeText, std::string_view termText, LoanState& state,
                      const RegionalFormat& format);

} // namespace vexmoor
