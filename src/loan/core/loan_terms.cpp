// Loan vocabularies, loan number texts and the conversion of rate and term.
#include "loan/core/loan_terms.h"

#include "loan/core/loan_arithmetic.h"

#include <cstddef>

namespace vexmoor {

namespace {

template<typename Enum, std::size_t Count>
std::optional<Enum> Recognise(std::string_view text,
                              const std::array<std::string_view, Count>& labels)
{
    for (std::size_t i = 0; i < Count; ++i)
        if (labels[i] == text)
            return static_cast<Enum>(i);
    return std::nullopt;
}

} // namespace

std::string_view Label(RepaymentMode mode)
{
    return kRepaymentModeLabels.at(static_cast<std::size_t>(mode));
}

std::string_view Label(RatePeriod period)
{
    return kRatePeriodLabels.at(static_cast<std::size_t>(period));
}

std::string_view Label(LoanType type)
{
    return kLoanTypeLabels.at(static_cast<std::size_t>(type));
}

std::optional<RepaymentMode> RecogniseRepaymentMode(std::string_view text)
{
    return Recognise<RepaymentMode>(text, kRepaymentModeLabels);
}

std::optional<RatePeriod> RecogniseRatePeriod(std::string_view text)
{
    return Recognise<RatePeriod>(text, kRatePeriodLabels);
}

std::optional<LoanType> RecogniseLoanType(std::string_view text)
{
    return Recognise<LoanType>(text, kLoanTypeLabels);
}

double ParseLoanNumber(std::string_view text, const RegionalFormat& format)
{
    return ParseNumber(text, format);
}

std::string FormatLoanAmount(double value, const RegionalFormat& format)
{
    // One decimal is significant; the second is always 0. The tie rule of this step is to even,
    // unlike the away-from-zero rule of the fixed-decimal writing after it.
    return FormatFixed(RoundHalfEven(value, 1), 2, format);
}

std::string_view NormaliseRepaymentMode(std::string_view modeText)
{
    const auto mode = RecogniseRepaymentMode(modeText);
    if (mode && *mode != RepaymentMode::EndOfTermLumpSum)
        return Label(*mode);
    return Label(RepaymentMode::Monthly);
}

void ConvertLoanTerms(double ratePercent, std::string_view ratePeriodText,
                      std::string_view modeText, std::string_view termText, LoanState& state,
                      const RegionalFormat& format)
{
    loan_detail::FaultWatch watch;
    // Every store is tested right after it is made, so a faulty value stays in the state.
    auto store = [&watch](double& field, double value) {
        field = value;
        watch.Check();
    };
    double& rate = state.ratePerInstalment;
    double& count = state.instalmentCount;

    store(rate, watch.Divide(ratePercent, 100));
    const auto period = RecogniseRatePeriod(ratePeriodText);
    if (period == RatePeriod::Year)
        store(rate, watch.Divide(rate, 12));

    const auto mode = RecogniseRepaymentMode(modeText);
    auto term = [&] { return ParseLoanNumber(termText, format); };
    // Instalments per whole-number count: months per quarter, half-year or year.
    auto countOf = [&](double monthsPerInstalment) {
        store(count, RoundHalfEven(watch.Divide(term(), monthsPerInstalment), 0));
        store(rate, watch.Multiply(rate, monthsPerInstalment));
    };

    if (period == RatePeriod::Day) {
        store(count, term());
        return;
    }
    if (period == RatePeriod::Week) {
        if (mode == RepaymentMode::Weekly) {
            store(count, term());
        } else if (mode == RepaymentMode::BiWeekly) {
            store(count, watch.Divide(term(), 2));
            store(rate, watch.Add(rate, rate));
        }
        // Any other mode: neither figure changes, and the count of the previous calculation
        // stays. The pages never offer that combination.
        return;
    }
    switch (mode.value_or(RepaymentMode::Daily)) {
    case RepaymentMode::BiMonthly:
        store(count, watch.Divide(term(), 2));
        store(rate, watch.Add(rate, rate));
        break;
    case RepaymentMode::Quarterly:
        countOf(3);
        break;
    case RepaymentMode::SemiAnnually:
        countOf(6);
        break;
    case RepaymentMode::Annually:
        countOf(12);
        break;
    default: // monthly, and every mode that is not month-based: one instalment per term unit
        store(count, term());
        break;
    }
}

} // namespace vexmoor
