// The two loan calculations bound to their pages, and the schedule list they rebuild.
//
// An arithmetic fault ends a calculation silently (no message, no log record). The page then
// shows no result and no schedule rather than the previous ones, which the inputs no longer
// produce; a principal already shown before the fault stays, and only the schedule goes.
#include "errors/core/failure.h"
#include "loan/core/loan_calculation.h"
#include "loan/core/loan_schedule.h"
#include "loan/ui/loan_page.h"
#include "loan/ui/loan_page_view.h"
#include "platform/text.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"

#include <QLineEdit>

namespace vexmoor {

namespace {

// The scrollable width of the schedule list, so that its long lines scroll sideways.
constexpr int kScheduleExtentPixels = 350;

using platform::ToQString;

std::string Text(const QLineEdit* field)
{
    return platform::ToStd(field->text());
}

std::string Text(const platform::Selector* selector)
{
    return platform::ToStd(selector->Text());
}

// The mode the calculation works with. A mode outside the eight periodic ones is replaced by
// "Monthly [12]" on the selector too; that change of selection runs the page's calculation once
// more, nested, before this one goes on.
std::string NormaliseModeSelector(platform::Selector* selector)
{
    const std::string text = Text(selector);
    const std::string_view normal = NormaliseRepaymentMode(text);
    if (normal != text)
        selector->SetText(ToQString(normal));
    return std::string(normal);
}

} // namespace

void LoanPage::cmdCalRpy_Click()
{
    CalculateLoan(LoanEntryPage::Repayment);
}

void LoanPage::cmdCalPrn_Click()
{
    CalculateLoan(LoanEntryPage::Principal);
}

void LoanPage::CalculateLoan(LoanEntryPage page)
{
    const LoanPageView view = ViewOf(page);
    const bool repayment = page == LoanEntryPage::Repayment;
    QLineEdit* result = view.Result();
    bool shown = false;
    const ShowLoanResult show = [&](const std::string& text) {
        result->setText(ToQString(text));
        shown = true;
    };
    const GuardOutcome outcome =
        m_context.Guard(view.calculateName, GuardVariant::SilentArithmetic, [&] {
            LoanEntries entries;
            entries.mode = NormaliseModeSelector(view.Mode());
            entries.amount = Text(view.fields[view.at.amountField]);
            entries.rate = Text(view.fields[view.at.rateField]);
            entries.ratePeriod = Text(cboIntRat[view.at.ratePeriodSelector]);
            entries.term = Text(view.fields[view.at.termField]);
            entries.loanType = Text(cboIntRat[view.at.loanTypeSelector]);
            if (repayment)
                CalculateRepayment(entries, m_loanState, m_context.regionalFormat, show);
            else
                CalculatePrincipal(entries, m_loanState, m_context.regionalFormat, show);
            LoanSchedule(repayment);
        });
    if (!outcome.completed && IsSilentArithmeticFault(outcome.errorNumber)) {
        if (!shown)
            result->clear();
        lstLsd->Clear();
    }
}

void LoanPage::LoanSchedule(bool fromRepayment)
{
    m_context.Guard("LoanSchedule", GuardVariant::Plain, [&] {
        m_schedulePage = fromRepayment ? LoanEntryPage::Repayment : LoanEntryPage::Principal;
        lstLsd->Clear();
        LoanScheduleRequest request;
        request.fromRepayment = fromRepayment;
        request.principalPageActive = principalPageActive;
        request.repaymentLoanType = Text(cboIntRat[2]);
        request.principalLoanType = Text(cboIntRat[3]);
        // Each line goes into the list as it is made, so a build that fails keeps its lines.
        BuildLoanScheduleLines(
            request, m_loanState, m_context.regionalFormat, [this](std::string&& line) {
                // The header's and the totals' words in the user's language: the two lines
                // that do not start with an instalment's number.
                const std::size_t first = line.find_first_not_of(' ');
                const bool words =
                    first == std::string::npos || line[first] < '0' || line[first] > '9';
                lstLsd->Append(words ? platform::TranslatedListLine("Lists", line)
                                     : ToQString(line));
            });
        lstLsd->SetHorizontalExtent(kScheduleExtentPixels);
    });
}

} // namespace vexmoor
