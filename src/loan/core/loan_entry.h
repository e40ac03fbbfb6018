// The rules of the two loan entry pages as plain data: which decimals a field is rewritten with,
// the texts Clear writes, the mode list a rate period brings, and which caption label shows the
// focus of a rate-period or loan-type selector. The window binds them to its controls.
#pragma once

#include "common/core/number_text.h"
#include "common/core/translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexmoor {

enum class LoanEntryPage { Repayment, Principal };

inline constexpr std::string_view kTermMonthsCaption = VEXMOOR_TR_NOOP("Loan", "Term (Months):");
inline constexpr std::string_view kTermWeeksCaption = VEXMOOR_TR_NOOP("Loan", "Term (Weeks):");
inline constexpr std::string_view kTermDaysCaption = VEXMOOR_TR_NOOP("Loan", "Term (Days):");

// The mode list a page starts with: all nine labels on the Repayment page, the first seven
// ("Daily [1]" to "Semi-Annually [2]") on the Principal page.
std::vector<std::string_view> InitialModeList(LoanEntryPage page);

// What choosing a rate period does to the page's mode selector and term caption. The caption is
// set first, the list filled next, the selection made last.
struct ModeListRefill
{
    std::string_view termCaption;
    std::vector<std::string_view> modes;
    std::string_view selected;
};

// By the rate-period selector's list position: 2 (Day) gives the daily list, 3 (Week) the two
// weekly labels, any other position (nothing picked is -1) the five month-based labels.
ModeListRefill RefillModeList(int ratePeriodPosition);

// The decimals a field is rewritten with when it is left: 4 for the rate, 0 for the term, 2 for
// the amounts (the entered amount and the result).
int EntryDecimals(LoanEntryPage page, std::int16_t fieldIndex);

// Where a page keeps its entries: indexes into the page's own field, caption and mode-selector
// arrays (txtCalRpy, lblCalRpy, cboCalRpy or txtCalPrn, lblCalPrn, cboCalPrn) and into cboIntRat,
// which holds the selectors of both pages.
struct LoanPageIndexes
{
    std::int16_t amountField; // the principal or the instalment entered
    std::int16_t rateField;
    std::int16_t termField; // its caption names the term's unit
    std::int16_t modeSelector; // shares its index with its caption label
    std::int16_t ratePeriodSelector; // in cboIntRat
    std::int16_t loanTypeSelector; // in cboIntRat
};
inline constexpr std::int16_t kResultFieldIndex = 4;
const LoanPageIndexes& IndexesOf(LoanEntryPage page);

struct ZeroText
{
    std::int16_t fieldIndex;
    std::string text;
};
// What Clear writes into the page's four fields, in field order: zero with each field's decimals
// in the regional format ("0.00", "0.0000", "0" in en_US; "0,00", "0,0000", "0" in de_DE).
std::array<ZeroText, 4> LoanZeroTexts(LoanEntryPage page, const RegionalFormat& format);

// The entry text as a number rewritten with `decimals` decimals, halves away from zero, in the
// regional format ("1234.5" -> "1,234.50"; "12.5" -> "13" with no decimals). Throws
// Failure(TypeMismatch) for a text that is not a number, the empty text included, and
// Failure(Overflow) for a number beyond the double range.
std::string ReformatLoanEntry(std::string_view text, int decimals, const RegionalFormat& format);

// The text of field `fieldIndex` rewritten as the page does when the field is left: with the
// field's decimals, and an amount (field 0 or the result) of kAmountLimit or more, which the
// program cannot hold to the cent, refused with Failure(TypeMismatch) like a text that is not a
// number.
std::string ReformatLoanField(LoanEntryPage page, std::int16_t fieldIndex, std::string_view text,
                              const RegionalFormat& format);

// The rate-period and loan-type selectors cboIntRat(0..3): the page each belongs to, and whether
// choosing in it refills the page's mode list (only the rate periods, 0 and 1, do).
LoanEntryPage IntRatPage(std::int16_t index);
bool IntRatRefills(std::int16_t index);

// The caption label that shows the focus of cboIntRat(index), read from the sub-page flags in
// this order: the Repayment page's selectors while it is selected, else the Principal page's
// while that one is; nothing otherwise.
struct CaptionLabel
{
    LoanEntryPage page;
    std::int16_t labelIndex;
};
std::optional<CaptionLabel> IntRatCaption(std::int16_t index, bool repaymentPageActive,
                                          bool principalPageActive);

} // namespace vexmoor
