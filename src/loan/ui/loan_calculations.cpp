// The two loan calculations bound to their pages, and the schedule list they rebuild.
//
// An arithmetic fault ends a calculation silently (no message, no log record). The page then
// shows no result and no schedule rather than the previous ones, which the inputs no longer
// produce; a principal already shown before the fault stays, and only the schedule goes.
#include "errors/ui/guard.h"
#include "loan/core/loan_calculation.h"
#include "loan/core/loan_schedule.h"
#include "platform/list_box.h"
#include "platform/selector.h"
#include "shell/ui/frm_vexmoor.h"

#include <QLineEdit>

namespace vexmoor {

namespace {

// The scrollable width of the schedule list, so that its long lines scroll sideways.
constexpr int kScheduleExtentPixels = 350;

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Text(const QLineEdit* field)
{
    return field->text().toStdString();
}

std::string Text(const platform::Selector* selector)
{
    return selector->Text().toStdString();
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

template<typename Calculate>
void RunCalculation(const char* procName, QLineEdit* result, platform::ListBox* schedule,
                    Calculate calculate)
{
    bool shown = false;
    auto show = [&](const std::string& text) {
        result->setText(ToQString(text));
        shown = true;
    };
    const GuardOutcome outcome =
        Guarded(procName, GuardVariant::SilentArithmetic, [&] { calculate(show); });
    if (!outcome.completed && IsSilentLoanFault(outcome.errorNumber)) {
        if (!shown)
            result->clear();
        schedule->Clear();
    }
}

} // namespace

void frmVexmoor::cmdCalRpy_Click()
{
    RunCalculation("cmdCalRpy_Click", txtCalRpy[4], lstLsd, [&](const ShowLoanResult& show) {
        LoanEntries entries;
        entries.mode = NormaliseModeSelector(cboCalRpy[3]);
        entries.amount = Text(txtCalRpy[0]);
        entries.rate = Text(txtCalRpy[1]);
        entries.ratePeriod = Text(cboIntRat[0]);
        entries.term = Text(txtCalRpy[2]);
        entries.loanType = Text(cboIntRat[2]);
        CalculateRepayment(entries, loanState, regionalFormat, show);
        LoanSchedule(true);
    });
}

void frmVexmoor::cmdCalPrn_Click()
{
    RunCalculation("cmdCalPrn_Click", txtCalPrn[4], lstLsd, [&](const ShowLoanResult& show) {
        LoanEntries entries;
        entries.mode = NormaliseModeSelector(cboCalPrn[1]);
        entries.amount = Text(txtCalPrn[0]);
        entries.rate = Text(txtCalPrn[3]);
        entries.ratePeriod = Text(cboIntRat[1]);
        entries.term = Text(txtCalPrn[2]);
        entries.loanType = Text(cboIntRat[3]);
        CalculatePrincipal(entries, loanState, regionalFormat, show);
        LoanSchedule(false);
    });
}

void frmVexmoor::LoanSchedule(bool fromRepayment)
{
    Guarded("LoanSchedule", GuardVariant::Plain, [&] {
        lstLsd->Clear();
        LoanScheduleRequest request;
        request.fromRepayment = fromRepayment;
        request.principalPageActive = principalPageActive;
        request.repaymentLoanType = Text(cboIntRat[2]);
        request.principalLoanType = Text(cboIntRat[3]);
        // Each line goes into the list as it is made, so a build that fails keeps its lines.
        BuildLoanScheduleLines(request, loanState, regionalFormat,
                               [this](std::string&& line) { lstLsd->Append(ToQString(line)); });
        lstLsd->SetHorizontalExtent(kScheduleExtentPixels);
    });
}

} // namespace vexmoor
