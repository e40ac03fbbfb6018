// The repayment and principal calculations. Expressions are evaluated in the written order, one
// operation at a time, because where a fault is tested decides what the state keeps.
#include "loan/core/loan_calculation.h"

#include "loan/core/loan_arithmetic.h"

namespace vexmoor {

namespace {

using loan_detail::FaultWatch;

// The annuity factor r / (1 - (1 + r)^-n), in the order e, b, q, d, k. The exponent and the base
// are tested as soon as they are made; the rest is left to the caller's test after its store.
double AnnuityFactor(double r, double n, FaultWatch& watch)
{
    const double e = watch.Value(-n);
    watch.Check();
    const double b = watch.Add(r, 1);
    watch.Check();
    const double q = watch.Power(b, e);
    const double d = watch.Subtract(1, q);
    return watch.Divide(r, d);
}

// Reads the entered amount into `amount` (the state's principal or instalment) and the terms into
// the state; returns the loan type the text names.
auto ReadEntries(const LoanEntries& entries, double& amount, LoanState& state,
                 const RegionalFormat& format)
{
    amount = ParseLoanNumber(entries.amount, format);
    ConvertLoanTerms(ParseLoanNumber(entries.rate, format), entries.ratePeriod, entries.mode,
                     entries.term, state, format);
    return RecogniseLoanType(entries.loanType);
}

} // namespace

void CalculateRepayment(const LoanEntries& entries, LoanState& state, const RegionalFormat& format,
                        const ShowLoanResult& show)
{
    const auto type = ReadEntries(entries, state.principal, state, format);
    const double p = state.principal;
    const double r = state.ratePerInstalment;
    const double n = state.instalmentCount;
    FaultWatch watch;
    if (type == LoanType::Amortize) {
        if (r == 0) {
            // Without interest the annuity is the principal spread evenly (the limit of the
            // formula, which itself would divide 0 by 0).
            state.instalment = watch.Divide(p, n);
        } else {
            state.instalment = watch.Multiply(AnnuityFactor(r, n, watch), p);
        }
        watch.Check();
    } else if (type == LoanType::RedBal) {
        state.instalment = watch.Add(watch.Divide(p, n), watch.Multiply(p, r));
        watch.Check();
    } else if (type == LoanType::FlatRate) {
        const double principalPart = watch.Divide(p, n);
        watch.Check();
        state.principalPart = principalPart;
        const double interestPart = watch.Multiply(p, r);
        watch.Check();
        state.interestPart = interestPart;
        state.instalment = watch.Add(interestPart, principalPart);
        watch.Check();
    }
    // No loan type picked: nothing computed, the instalment the state holds is shown.
    show(FormatLoanAmount(state.instalment, format));
}

void CalculatePrincipal(const LoanEntries& entries, LoanState& state, const RegionalFormat& format,
                        const ShowLoanResult& show)
{
    const auto type = ReadEntries(entries, state.instalment, state, format);
    const double a = state.instalment;
    const double r = state.ratePerInstalment;
    const double n = state.instalmentCount;
    FaultWatch watch;
    if (type == LoanType::Amortize) {
        if (r == 0) {
            // The zero-interest limit: the instalments add up to the principal. A term of 0
            // still has no annuity.
            state.principal = watch.Multiply(n, a);
            if (n == 0)
                throw Failure(ErrorNumber::DivisionByZero);
        } else {
            // With a term of 0 the factor is infinite and the principal 0; the fault stays.
            state.principal = watch.Divide(a, AnnuityFactor(r, n, watch));
        }
        watch.Check();
    } else if (type == LoanType::RedBal) {
        const double u = watch.Multiply(n, a);
        const double v = watch.Add(watch.Multiply(n, r), 1);
        state.principal = watch.Divide(u, v);
        watch.Check();
    } else if (type == LoanType::FlatRate) {
        // The same value as the reducing-balance inverse, in another order of operations.
        const double v = watch.Add(watch.Multiply(n, r), 1);
        const double w = watch.Divide(a, v);
        state.principal = watch.Multiply(w, n);
        watch.Check();
    }
    // No loan type picked: nothing computed, the principal the state holds is shown.
    show(FormatLoanAmount(state.principal, format));
    state.interestPart = watch.Multiply(r, state.principal);
    watch.Check();
}

} // namespace vexmoor
