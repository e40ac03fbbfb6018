// The loan entry pages' rules as data.
#include "loan/core/loan_entry.h"

#include "errors/core/failure.h"
#include "loan/core/loan_terms.h"

#include <algorithm>

namespace vexmoor {

std::vector<std::string_view> InitialModeList(LoanEntryPage page)
{
    const std::size_t count = page == LoanEntryPage::Repayment ? 9 : 7;
    return {kRepaymentModeLabels.begin(), kRepaymentModeLabels.begin() + count};
}

ModeListRefill RefillModeList(int ratePeriodPosition)
{
    switch (ratePeriodPosition) {
    case static_cast<int>(RatePeriod::Day):
        return {kTermDaysCaption, {Label(RepaymentMode::Daily)}, Label(RepaymentMode::Daily)};
    case static_cast<int>(RatePeriod::Week):
        return {kTermWeeksCaption,
                {Label(RepaymentMode::Weekly), Label(RepaymentMode::BiWeekly)},
                Label(RepaymentMode::Weekly)};
    default:
        return {kTermMonthsCaption,
                {Label(RepaymentMode::Monthly), Label(RepaymentMode::BiMonthly),
                 Label(RepaymentMode::Quarterly), Label(RepaymentMode::SemiAnnually),
                 Label(RepaymentMode::Annually)},
                Label(RepaymentMode::Monthly)};
    }
}

const LoanPageIndexes& IndexesOf(LoanEntryPage page)
{
    static constexpr LoanPageIndexes kRepayment {0, 1, 2, 3, 0, 2};
    static constexpr LoanPageIndexes kPrincipal {0, 3, 2, 1, 1, 3};
    return page == LoanEntryPage::Repayment ? kRepayment : kPrincipal;
}

int EntryDecimals(LoanEntryPage page, std::int16_t fieldIndex)
{
    if (fieldIndex == IndexesOf(page).rateField)
        return 4;
    if (fieldIndex == IndexesOf(page).termField)
        return 0;
    return 2;
}

std::array<ZeroText, 4> LoanZeroTexts(LoanEntryPage page, const RegionalFormat& format)
{
    // Every field, the result included, in field order.
    const LoanPageIndexes& at = IndexesOf(page);
    std::array<std::int16_t, 4> fields {at.amountField, at.rateField, at.termField,
                                        kResultFieldIndex};
    std::sort(fields.begin(), fields.end());
    std::array<ZeroText, 4> texts;
    for (std::size_t i = 0; i < fields.size(); ++i)
        texts[i] = {fields[i], FormatFixed(0, EntryDecimals(page, fields[i]), format)};
    return texts;
}

std::string ReformatLoanEntry(std::string_view text, int decimals, const RegionalFormat& format)
{
    return FormatFixed(ParseLoanNumber(text, format), decimals, format);
}

std::string ReformatLoanField(LoanEntryPage page, std::int16_t fieldIndex, std::string_view text,
                              const RegionalFormat& format)
{
    const int decimals = EntryDecimals(page, fieldIndex);
    const double value = ParseLoanNumber(text, format);
    const bool amount =
        fieldIndex == IndexesOf(page).amountField || fieldIndex == kResultFieldIndex;
    if (amount && !IsHoldableAmount(value, decimals))
        throw Failure(ErrorNumber::TypeMismatch);
    return FormatFixed(value, decimals, format);
}

LoanEntryPage IntRatPage(std::int16_t index)
{
    return index % 2 == 0 ? LoanEntryPage::Repayment : LoanEntryPage::Principal;
}

bool IntRatRefills(std::int16_t index)
{
    return index == 0 || index == 1;
}

std::optional<CaptionLabel> IntRatCaption(std::int16_t index, bool repaymentPageActive,
                                          bool principalPageActive)
{
    // Rate period captions are label 6, loan type captions label 5, on both pages.
    if (!repaymentPageActive && !principalPageActive)
        return std::nullopt;
    const LoanEntryPage page =
        repaymentPageActive ? LoanEntryPage::Repayment : LoanEntryPage::Principal;
    if (index == IndexesOf(page).ratePeriodSelector)
        return CaptionLabel {page, 6};
    if (index == IndexesOf(page).loanTypeSelector)
        return CaptionLabel {page, 5};
    return std::nullopt;
}

} // namespace vexmoor
