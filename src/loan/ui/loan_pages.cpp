// The loan entry pages: the sub-page switch, the focus cue, leaving a field (reformat and
// recalculate), the rate-period, loan-type and mode selectors, and Clear. The calculations and
// the schedule list are in loan_calculations.cpp.
//
// The pages recalculate on their own: leaving a field or choosing in a selector runs the page's
// Calculate handler, exactly as the button does. Choosing a rate period refills the mode list,
// and the program's selection of the new mode is itself a change of selection, so the mode
// selector's Click recalculates once (nested) before the rate-period handling recalculates again.
#include "errors/ui/guard.h"
#include "loan/core/loan_entry.h"
#include "loan/core/loan_terms.h"
#include "loan/ui/loan_page_view.h"
#include "platform/export/list_export.h"
#include "platform/export/report.h"
#include "platform/text.h"
#include "platform/widgets/container.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vexmoor {

using platform::SetBold;
using platform::ToQString;

namespace {

constexpr LoanEntryPage kEntryPages[] = {LoanEntryPage::Repayment, LoanEntryPage::Principal};

// The named handlers each entry page's fields and mode selector are wired to.
struct PageHandlers
{
    void (frmVexmoor::*fieldGotFocus)(std::int16_t);
    void (frmVexmoor::*fieldLostFocus)(std::int16_t);
    void (frmVexmoor::*fieldValidate)(std::int16_t, bool&);
    void (frmVexmoor::*modeClick)(std::int16_t);
    void (frmVexmoor::*modeGotFocus)(std::int16_t);
    void (frmVexmoor::*modeLostFocus)(std::int16_t);
    void (frmVexmoor::*modeValidate)(std::int16_t, bool&);
};

const PageHandlers& HandlersOf(LoanEntryPage page)
{
    static constexpr PageHandlers kRepayment {
        &frmVexmoor::txtCalRpy_GotFocus, &frmVexmoor::txtCalRpy_LostFocus,
        &frmVexmoor::txtCalRpy_Validate, &frmVexmoor::cboCalRpy_Click,
        &frmVexmoor::cboCalRpy_GotFocus, &frmVexmoor::cboCalRpy_LostFocus,
        &frmVexmoor::cboCalRpy_Validate};
    static constexpr PageHandlers kPrincipal {
        &frmVexmoor::txtCalPrn_GotFocus, &frmVexmoor::txtCalPrn_LostFocus,
        &frmVexmoor::txtCalPrn_Validate, &frmVexmoor::cboCalPrn_Click,
        &frmVexmoor::cboCalPrn_GotFocus, &frmVexmoor::cboCalPrn_LostFocus,
        &frmVexmoor::cboCalPrn_Validate};
    return page == LoanEntryPage::Repayment ? kRepayment : kPrincipal;
}

// The page's term caption and mode list after a rate period was chosen; the selection of the new
// mode, made last, runs the mode selector's Click.
void RefillPageModes(const LoanPageView& view, const platform::Selector* ratePeriod)
{
    platform::Selector* modes = view.Mode();
    modes->Clear();
    const ModeListRefill refill = RefillModeList(ratePeriod->ListIndex());
    view.captions[view.at.termField]->setText(ToQString(refill.termCaption));
    for (std::string_view label : refill.modes)
        modes->AddItem(ToQString(label));
    modes->SetText(ToQString(refill.selected));
}

// Leaving an entry field: its text rewritten with the field's decimals, then the page
// recalculated. A text that is not a number keeps the focus in the field.
void ValidateEntry(frmVexmoor& w, LoanEntryPage page, std::int16_t index, bool& cancel)
{
    const LoanPageView view = ViewOf(w, page);
    const GuardOutcome outcome = Guarded(view.validateName, GuardVariant::InvalidNumber, [&] {
        QLineEdit* field = view.fields[index];
        const std::string text = platform::ToStd(field->text());
        field->setText(ToQString(ReformatLoanField(page, index, text, w.regionalFormat)));
        w.CalculateLoan(page);
    });
    cancel = outcome.cancel;
}

// Choosing in the page's mode selector, or leaving it: the page recalculated; the focus always
// moves on.
void RecalculateFromMode(frmVexmoor& w, LoanEntryPage page, bool validating)
{
    const LoanPageView view = ViewOf(w, page);
    Guarded(validating ? view.modeValidateName : view.modeClickName, GuardVariant::Plain,
            [&] { w.CalculateLoan(page); });
}

// The focus cue: the caption of a page's field or mode selector in bold while it has the focus.
void ShowFocusCue(const frmVexmoor& w, LoanEntryPage page, std::int16_t index, bool bold)
{
    SetBold(ViewOf(w, page).captions[index], bold);
}

// The schedule's report: the entries and result of the page that built it, as they stand on
// the page, and the schedule.
platform::ReportSource LoanReport(const frmVexmoor& w)
{
    platform::ReportSource source;
    source.kind = ReportKind::LoanSchedule;
    source.inputs = platform::InputsFromCaptions(ViewOf(w, w.schedulePage).captions,
                                                 platform::CaptionOrder::TopToBottom);
    source.lines = w.lstLsd->Lines();
    return source;
}

} // namespace

LoanPageView ViewOf(const frmVexmoor& w, LoanEntryPage page)
{
    if (page == LoanEntryPage::Repayment)
        return {page,
                IndexesOf(page),
                w.txtCalRpy,
                w.lblCalRpy,
                w.cboCalRpy,
                "txtCalRpy_Validate",
                "cmdCalRpy_Click",
                "cboCalRpy_Click",
                "cboCalRpy_Validate"};
    return {page,
            IndexesOf(page),
            w.txtCalPrn,
            w.lblCalPrn,
            w.cboCalPrn,
            "txtCalPrn_Validate",
            "cmdCalPrn_Click",
            "cboCalPrn_Click",
            "cboCalPrn_Validate"};
}

void frmVexmoor::ConnectLoan()
{
    new platform::ListExport(lstLsd, QStringLiteral("lstLsd"), QStringLiteral("loan-schedule.csv"),
                             regionalFormat, GuardedPlain, [this] { return LoanReport(*this); });
    for (const auto& [index, selector] : cboIntRat) {
        // Rate periods on 0 and 1, loan types on 2 and 3.
        if (IntRatRefills(index)) {
            for (std::string_view label : kRatePeriodLabels)
                selector->AddItem(ToQString(label));
        } else {
            for (std::string_view label : kLoanTypeLabels)
                selector->AddItem(ToQString(label));
        }
        const std::int16_t i = index;
        selector->SetClickHandler([this, i] { cboIntRat_Click(i); });
        focusEvents->Attach(selector->Combo(),
                            platform::FocusHandlers {
                                [this, i](bool& cancel) { cboIntRat_Validate(i, cancel); },
                                [this, i] { cboIntRat_GotFocus(i); },
                                [this, i] { cboIntRat_LostFocus(i); },
                            });
    }

    for (const LoanEntryPage page : kEntryPages) {
        const LoanPageView view = ViewOf(*this, page);
        const PageHandlers& on = HandlersOf(page);
        for (std::string_view label : InitialModeList(page))
            view.Mode()->AddItem(ToQString(label));
        for (const auto& [index, field] : view.fields) {
            const std::int16_t i = index;
            platform::FocusHandlers handlers {{},
                                              [this, i, on] { (this->*on.fieldGotFocus)(i); },
                                              [this, i, on] { (this->*on.fieldLostFocus)(i); }};
            // The result field cannot be typed into, so leaving it has nothing to check.
            if (i != kResultFieldIndex)
                handlers.validate = [this, i, on](bool& cancel) {
                    (this->*on.fieldValidate)(i, cancel);
                };
            focusEvents->Attach(field, std::move(handlers));
        }
        for (const auto& [index, selector] : view.modes) {
            const std::int16_t i = index;
            selector->SetClickHandler([this, i, on] { (this->*on.modeClick)(i); });
            focusEvents->Attach(
                selector->Combo(),
                platform::FocusHandlers {
                    [this, i, on](bool& cancel) { (this->*on.modeValidate)(i, cancel); },
                    [this, i, on] { (this->*on.modeGotFocus)(i); },
                    [this, i, on] { (this->*on.modeLostFocus)(i); },
                });
        }
    }

    connect(cmdCalRpy, &QPushButton::clicked, this, [this] { cmdCalRpy_Click(); });
    connect(cmdCalPrn, &QPushButton::clicked, this, [this] { cmdCalPrn_Click(); });
    connect(cmdClrRpy, &QPushButton::clicked, this, [this] { cmdClrRpy_Click(); });
    connect(cmdClrPrn, &QPushButton::clicked, this, [this] { cmdClrPrn_Click(); });
    tabOptions2->SetClickHandler([this] { tabOptions2_Click(); });
}

void frmVexmoor::LoadLoanPage()
{
    tabOptions2_Click();
}

void frmVexmoor::ShowLoanPage()
{
    if (loanPagePrepared)
        return;
    cmdClrRpy_Click();
    cmdClrPrn_Click();
    loanPagePrepared = true;
}

void frmVexmoor::tabOptions2_Click()
{
    Guarded("tabOptions2_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions2->Selected() - 1;
        platform::ShowOnly(picOptions2, selected, kSubPageLeftTwips);
        repaymentPageActive = selected == static_cast<int>(LoanSubPage::Repayment);
        principalPageActive = selected == static_cast<int>(LoanSubPage::Principal);
    });
}

void frmVexmoor::txtCalRpy_GotFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Repayment, index, true);
}

void frmVexmoor::txtCalRpy_LostFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Repayment, index, false);
}

void frmVexmoor::txtCalRpy_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(*this, LoanEntryPage::Repayment, index, cancel);
}

void frmVexmoor::txtCalPrn_GotFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Principal, index, true);
}

void frmVexmoor::txtCalPrn_LostFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Principal, index, false);
}

void frmVexmoor::txtCalPrn_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(*this, LoanEntryPage::Principal, index, cancel);
}

void frmVexmoor::cboCalRpy_Click(std::int16_t)
{
    RecalculateFromMode(*this, LoanEntryPage::Repayment, false);
}

void frmVexmoor::cboCalRpy_GotFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Repayment, index, true);
}

void frmVexmoor::cboCalRpy_LostFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Repayment, index, false);
}

void frmVexmoor::cboCalRpy_Validate(std::int16_t, bool& cancel)
{
    RecalculateFromMode(*this, LoanEntryPage::Repayment, true);
    cancel = false;
}

void frmVexmoor::cboCalPrn_Click(std::int16_t)
{
    RecalculateFromMode(*this, LoanEntryPage::Principal, false);
}

void frmVexmoor::cboCalPrn_GotFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Principal, index, true);
}

void frmVexmoor::cboCalPrn_LostFocus(std::int16_t index)
{
    ShowFocusCue(*this, LoanEntryPage::Principal, index, false);
}

void frmVexmoor::cboCalPrn_Validate(std::int16_t, bool& cancel)
{
    RecalculateFromMode(*this, LoanEntryPage::Principal, true);
    cancel = false;
}

void frmVexmoor::cboIntRat_Click(std::int16_t index)
{
    bool cancel = false;
    cboIntRat_Validate(index, cancel);
}

void frmVexmoor::cboIntRat_GotFocus(std::int16_t index)
{
    if (const auto caption = IntRatCaption(index, repaymentPageActive, principalPageActive))
        ShowFocusCue(*this, caption->page, caption->labelIndex, true);
}

void frmVexmoor::cboIntRat_LostFocus(std::int16_t index)
{
    if (const auto caption = IntRatCaption(index, repaymentPageActive, principalPageActive))
        ShowFocusCue(*this, caption->page, caption->labelIndex, false);
}

void frmVexmoor::cboIntRat_Validate(std::int16_t index, bool& cancel)
{
    Guarded("cboIntRat_Validate", GuardVariant::Plain, [&] {
        const LoanEntryPage page = IntRatPage(index);
        if (IntRatRefills(index))
            RefillPageModes(ViewOf(*this, page), cboIntRat[index]);
        CalculateLoan(page);
    });
    cancel = false;
}

void frmVexmoor::cmdClrRpy_Click()
{
    ClearLoanPage(LoanEntryPage::Repayment);
}

void frmVexmoor::cmdClrPrn_Click()
{
    ClearLoanPage(LoanEntryPage::Principal);
}

void frmVexmoor::ClearLoanPage(LoanEntryPage page)
{
    const LoanPageView view = ViewOf(*this, page);
    for (const ZeroText& zero : LoanZeroTexts(page, regionalFormat))
        view.fields[zero.fieldIndex]->setText(ToQString(zero.text));
    lstLsd->Clear();
}

} // namespace vexmoor
