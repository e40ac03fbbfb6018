// Loan vocabularies, the loan state and the conversion of rate and term.
#pragma once

namespace vexmoor {

struct LoanState {
    double principal = 0;
    double ratePerInstalment = 0;
    double instalment = 0;
    double instalmentCount = 0;
    double principalPart = 0;
    double interestPart = 0;
};

} // namespace vexmoor
