// The loan schedule as text lines: a header, one line per instalment with the balance it starts
// from, its amount and its split into principal and interest, and a totals line. The fields are
// separated by fixed runs of blanks; only the instalment number is aligned (right, in four
// characters; five-digit numbers stand without padding).
#pragma once

#include "common/core/number_text.h"
#include "loan/core/loan_terms.h"

#include <functional>
#include <string>

namespace vexmoor {

struct LoanScheduleRequest
{
    bool fromRepayment = true; // built by the Repayment page's calculation
    bool principalPageActive = false; // the Principal sub-page is the selected one
    std::string repaymentLoanType; // the Repayment page's loan-type text
    std::string principalLoanType; // the Principal page's loan-type text
};

// Receives each line the moment it has been made.
using LoanScheduleSink = std::function<void(std::string&& line)>;

// Builds the schedule of the loan in `state`, handing the lines to `sink` in order. The state's
// instalment, principalPart and interestPart are the working values of the rows and hold the last
// row's values afterwards. The totals add the figures as shown (each text read back), not the
// unrounded values. A failure (Failure(Overflow) for 32,768 or more rows or a value beyond the
// double range, Failure(DivisionByZero)) stops the build; the lines made before it have reached
// the sink.
void BuildLoanScheduleLines(const LoanScheduleRequest& request, LoanState& state,
                            const RegionalFormat& format, const LoanScheduleSink& sink);

// The number of rows a count of instalments gives: rounded to a whole number, halves to even
// (2.5 -> 2, 3.5 -> 4). Throws Failure(Overflow) outside the 16-bit range.
int LoanScheduleRowCount(double instalmentCount);

} // namespace vexmoor
