// The two loan calculations: the instalment that repays a principal, and the principal that an
// instalment repays, by the three interest methods.
//
// Both stop at the first fault and leave in the state what they had stored before it. An
// arithmetic fault (a division by zero, an invalid operation, an overflow, a number beyond the
// double range in a field) throws Failure(DivisionByZero) or Failure(Overflow); the pages end
// such a calculation silently. A field text that is not a number throws Failure(TypeMismatch),
// which the pages report.
#pragma once

#include "common/core/number_text.h"
#include "loan/core/loan_terms.h"

#include <functional>
#include <string>

namespace vexmoor {

// The texts of one entry page, as its controls hold them. The mode is already normalised.
struct LoanEntries
{
    std::string amount; // the principal (Repayment page) or the instalment (Principal page)
    std::string rate; // percent per rate period
    std::string ratePeriod;
    std::string mode;
    std::string term;
    std::string loanType;
};

// Receives the result field's text the moment it is known.
using ShowLoanResult = std::function<void(const std::string& text)>;

// Stores principal, ratePerInstalment, instalmentCount and instalment (and, for "Flat Rate", the
// principal and interest parts of every instalment), then shows FormatLoanAmount(instalment).
// With a loan type that is none of the three labels nothing is computed and the instalment the
// state already holds is shown.
void CalculateRepayment(const LoanEntries& entries, LoanState& state, const RegionalFormat& format,
                        const ShowLoanResult& show);

// Stores instalment, ratePerInstalment, instalmentCount and principal, shows
// FormatLoanAmount(principal), then stores interestPart = rate x principal. A fault in that last
// step comes after the principal has been shown.
void CalculatePrincipal(const LoanEntries& entries, LoanState& state, const RegionalFormat& format,
                        const ShowLoanResult& show);

} // namespace vexmoor
