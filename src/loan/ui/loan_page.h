// The Loan Calculator page: the Repayment and Principal entry sub-pages, each with its fields,
// selectors, Calculate and Clear, and the Loan Schedule sub-page with the schedule list; the loan
// state the calculations share.
//
// The two entry pages share one body for each event (loan_pages.cpp); the named handlers of each
// page's controls choose the page and pass the event on.
#pragma once

#include "loan/core/loan_entry.h"
#include "loan/core/loan_terms.h"
#include "pages/page.h"
#include "platform/widgets/control_array.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexmoor {

namespace platform {
class ListBox;
class Selector;
} // namespace platform

struct LoanPageView;

// The sub-pages, in the order of their tab strip.
enum class LoanSubPage { Repayment, Principal, Schedule };

class LoanPage final : public Page
{
public:
    LoanPage(const PageContext& context, QObject* parent);

    void Make(platform::ControlSet& controls) override;
    // The sub-page shown.
    void Load() override;
    // The first visit clears both entry pages.
    void Show() override;
    platform::TabStrip* SubPages() const override { return tabOptions2; }

    // For tests: the loan of the last calculation, whether the first visit has cleared the entry
    // pages, and whether the Repayment sub-page is the one shown.
    const LoanState& State() const { return m_loanState; }
    bool Prepared() const { return loanPagePrepared; }
    bool RepaymentPageActive() const { return repaymentPageActive; }

private:
    void tabOptions2_Click();
    void txtCalRpy_GotFocus(std::int16_t index);
    void txtCalRpy_LostFocus(std::int16_t index);
    void txtCalRpy_Validate(std::int16_t index, bool& cancel);
    void txtCalPrn_GotFocus(std::int16_t index);
    void txtCalPrn_LostFocus(std::int16_t index);
    void txtCalPrn_Validate(std::int16_t index, bool& cancel);
    void cboCalRpy_Click(std::int16_t index);
    void cboCalRpy_GotFocus(std::int16_t index);
    void cboCalRpy_LostFocus(std::int16_t index);
    void cboCalRpy_Validate(std::int16_t index, bool& cancel);
    void cboCalPrn_Click(std::int16_t index);
    void cboCalPrn_GotFocus(std::int16_t index);
    void cboCalPrn_LostFocus(std::int16_t index);
    void cboCalPrn_Validate(std::int16_t index, bool& cancel);
    void cboIntRat_Click(std::int16_t index);
    void cboIntRat_GotFocus(std::int16_t index);
    void cboIntRat_LostFocus(std::int16_t index);
    void cboIntRat_Validate(std::int16_t index, bool& cancel);
    void cmdCalRpy_Click();
    void cmdCalPrn_Click();
    void cmdClrRpy_Click();
    void cmdClrPrn_Click();

    // One body per event for both entry pages.
    LoanPageView ViewOf(LoanEntryPage page) const;
    void CalculateLoan(LoanEntryPage page);
    void ClearLoanPage(LoanEntryPage page);
    void LoanSchedule(bool fromRepayment);
    // Leaving an entry field: its text rewritten with the field's decimals, then the page
    // recalculated. A text that is not a number keeps the focus in the field.
    void ValidateEntry(LoanEntryPage page, std::int16_t index, bool& cancel);
    // Choosing in the page's mode selector, or leaving it: the page recalculated.
    void RecalculateFromMode(LoanEntryPage page, bool validating);
    // The caption of a page's field or mode selector in bold while it has the focus.
    void ShowFocusCue(LoanEntryPage page, std::int16_t index, bool bold) const;
    // Wires each entry page's fields and mode selector to their named handlers.
    void ConnectEntryPage(LoanEntryPage page);

    platform::TabStrip* tabOptions2 = nullptr;
    platform::ControlArray<QWidget> picOptions2;
    platform::ControlArray<QLabel> lblCalRpy;
    platform::ControlArray<QLabel> lblCalPrn;
    platform::ControlArray<QLineEdit> txtCalRpy;
    platform::ControlArray<QLineEdit> txtCalPrn;
    platform::ControlArray<platform::Selector> cboIntRat;
    platform::ControlArray<platform::Selector> cboCalRpy;
    platform::ControlArray<platform::Selector> cboCalPrn;
    QPushButton* cmdCalRpy = nullptr;
    QPushButton* cmdClrRpy = nullptr;
    QPushButton* cmdCalPrn = nullptr;
    QPushButton* cmdClrPrn = nullptr;
    platform::ListBox* lstLsd = nullptr;
    LoanState m_loanState;
    // The entry page whose calculation built the schedule in lstLsd, for its report.
    LoanEntryPage m_schedulePage = LoanEntryPage::Repayment;
    // Both entry pages are cleared on the first visit of the loan page.
    bool loanPagePrepared = false;
    bool repaymentPageActive = false;
    bool principalPageActive = false;
};

} // namespace vexmoor
