// The loan entry pages: the sub-page switch, the focus cue, leaving a field (reformat and
// recalculate), the rate-period, loan-type and mode selectors, and Clear. The calculations and
// the schedule list are in loan_calculations.cpp.
//
// The pages recalculate on their own: leaving a field or choosing in a selector runs the page's
// Calculate handler, exactly as the button does. Choosing a rate period refills the mode list,
// and the program's selection of the new mode is itself a change of selection, so the mode
// selector's Click recalculates once (nested) before the rate-period handling recalculates again.
#include "loan/core/loan_entry.h"
#include "loan/core/loan_terms.h"
#include "loan/ui/loan_page.h"
#include "loan/ui/loan_page_view.h"
#include "platform/export/list_export.h"
#include "platform/export/report.h"
#include "platform/text.h"
#include "platform/widgets/container.h"
#include "platform/widgets/control_set.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/selector.h"
#include "platform/widgets/tab_strip.h"

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
    void (LoanPage::*fieldGotFocus)(std::int16_t);
    void (LoanPage::*fieldLostFocus)(std::int16_t);
    void (LoanPage::*fieldValidate)(std::int16_t, bool&);
    void (LoanPage::*modeClick)(std::int16_t);
    void (LoanPage::*modeGotFocus)(std::int16_t);
    void (LoanPage::*modeLostFocus)(std::int16_t);
    void (LoanPage::*modeValidate)(std::int16_t, bool&);
};

// A loan text in the user's language.
QString Shown(std::string_view english)
{
    return platform::Translated("Loan", english);
}

// The page's term caption and mode list after a rate period was chosen; the selection of the new
// mode, made last, runs the mode selector's Click.
void RefillPageModes(const LoanPageView& view, const platform::Selector* ratePeriod)
{
    platform::Selector* modes = view.Mode();
    modes->Clear();
    const ModeListRefill refill = RefillModeList(ratePeriod->ListIndex());
    view.captions[view.at.termField]->setText(Shown(refill.termCaption));
    for (std::string_view label : refill.modes)
        modes->AddItem(ToQString(label), Shown(label));
    modes->SetText(ToQString(refill.selected));
}

} // namespace

LoanPage::LoanPage(const PageContext& context, QObject* parent)
    : Page(context, parent)
{ }

LoanPageView LoanPage::ViewOf(LoanEntryPage page) const
{
    if (page == LoanEntryPage::Repayment)
        return {page,
                IndexesOf(page),
                txtCalRpy,
                lblCalRpy,
                cboCalRpy,
                "txtCalRpy_Validate",
                "cmdCalRpy_Click",
                "cboCalRpy_Click",
                "cboCalRpy_Validate"};
    return {page,
            IndexesOf(page),
            txtCalPrn,
            lblCalPrn,
            cboCalPrn,
            "txtCalPrn_Validate",
            "cmdCalPrn_Click",
            "cboCalPrn_Click",
            "cboCalPrn_Validate"};
}

void LoanPage::ValidateEntry(LoanEntryPage page, std::int16_t index, bool& cancel)
{
    const LoanPageView view = ViewOf(page);
    const GuardOutcome outcome =
        m_context.Guard(view.validateName, GuardVariant::InvalidNumber, [&] {
            QLineEdit* field = view.fields[index];
            const std::string text = platform::ToStd(field->text());
            field->setText(
                ToQString(ReformatLoanField(page, index, text, m_context.regionalFormat)));
            CalculateLoan(page);
        });
    cancel = outcome.cancel;
}

void LoanPage::RecalculateFromMode(LoanEntryPage page, bool validating)
{
    const LoanPageView view = ViewOf(page);
    m_context.Guard(validating ? view.modeValidateName : view.modeClickName, GuardVariant::Plain,
                    [&] { CalculateLoan(page); });
}

void LoanPage::ShowFocusCue(LoanEntryPage page, std::int16_t index, bool bold) const
{
    SetBold(ViewOf(page).captions[index], bold);
}

void LoanPage::Make(platform::ControlSet& controls)
{
    controls.Take(QStringLiteral("tabOptions2"), tabOptions2);
    controls.Take(QStringLiteral("picOptions2"), picOptions2);
    controls.Take(QStringLiteral("lblCalRpy"), lblCalRpy);
    controls.Take(QStringLiteral("lblCalPrn"), lblCalPrn);
    controls.Take(QStringLiteral("txtCalRpy"), txtCalRpy);
    controls.Take(QStringLiteral("txtCalPrn"), txtCalPrn);
    controls.Take(QStringLiteral("cboIntRat"), cboIntRat);
    controls.Take(QStringLiteral("cboCalRpy"), cboCalRpy);
    controls.Take(QStringLiteral("cboCalPrn"), cboCalPrn);
    controls.Take(QStringLiteral("cmdCalRpy"), cmdCalRpy);
    controls.Take(QStringLiteral("cmdClrRpy"), cmdClrRpy);
    controls.Take(QStringLiteral("cmdCalPrn"), cmdCalPrn);
    controls.Take(QStringLiteral("cmdClrPrn"), cmdClrPrn);
    controls.Take(QStringLiteral("lstLsd"), lstLsd);

    new platform::ListExport(lstLsd, QStringLiteral("lstLsd"),
                             QCoreApplication::translate("Export", "loan-schedule.csv"),
                             m_context.regionalFormat, GuardedPlain, [this] {
                                 // The entries and result of the page that built the schedule,
                                 // as they stand on the page, and the schedule.
                                 platform::ReportSource source;
                                 source.kind = ReportKind::LoanSchedule;
                                 source.inputs = platform::InputsFromCaptions(
                                     ViewOf(m_schedulePage).captions,
                                     platform::CaptionOrder::TopToBottom);
                                 source.lines = lstLsd->Lines();
                                 return source;
                             });
    for (const auto& [index, selector] : cboIntRat) {
        // Rate periods on 0 and 1, loan types on 2 and 3.
        if (IntRatRefills(index)) {
            for (std::string_view label : kRatePeriodLabels)
                selector->AddItem(ToQString(label), Shown(label));
        } else {
            for (std::string_view label : kLoanTypeLabels)
                selector->AddItem(ToQString(label), Shown(label));
        }
        const std::int16_t i = index;
        selector->SetClickHandler([this, i] { cboIntRat_Click(i); });
        m_context.focusEvents->Attach(
            selector->Combo(),
            platform::FocusHandlers {
                [this, i](bool& cancel) { cboIntRat_Validate(i, cancel); },
                [this, i] { cboIntRat_GotFocus(i); },
                [this, i] { cboIntRat_LostFocus(i); },
            });
    }

    for (const LoanEntryPage page : kEntryPages)
        ConnectEntryPage(page);

    connect(cmdCalRpy, &QPushButton::clicked, this, [this] { cmdCalRpy_Click(); });
    connect(cmdCalPrn, &QPushButton::clicked, this, [this] { cmdCalPrn_Click(); });
    connect(cmdClrRpy, &QPushButton::clicked, this, [this] { cmdClrRpy_Click(); });
    connect(cmdClrPrn, &QPushButton::clicked, this, [this] { cmdClrPrn_Click(); });
    tabOptions2->SetClickHandler([this] { tabOptions2_Click(); });
}

void LoanPage::ConnectEntryPage(LoanEntryPage page)
{
    const LoanPageView view = ViewOf(page);
    static constexpr PageHandlers kRepayment {
        &LoanPage::txtCalRpy_GotFocus, &LoanPage::txtCalRpy_LostFocus,
        &LoanPage::txtCalRpy_Validate, &LoanPage::cboCalRpy_Click,
        &LoanPage::cboCalRpy_GotFocus, &LoanPage::cboCalRpy_LostFocus,
        &LoanPage::cboCalRpy_Validate};
    static constexpr PageHandlers kPrincipal {
        &LoanPage::txtCalPrn_GotFocus, &LoanPage::txtCalPrn_LostFocus,
        &LoanPage::txtCalPrn_Validate, &LoanPage::cboCalPrn_Click,
        &LoanPage::cboCalPrn_GotFocus, &LoanPage::cboCalPrn_LostFocus,
        &LoanPage::cboCalPrn_Validate};
    const PageHandlers& on = page == LoanEntryPage::Repayment ? kRepayment : kPrincipal;
    for (std::string_view label : InitialModeList(page))
        view.Mode()->AddItem(ToQString(label), Shown(label));
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
        m_context.focusEvents->Attach(field, std::move(handlers));
    }
    for (const auto& [index, selector] : view.modes) {
        const std::int16_t i = index;
        selector->SetClickHandler([this, i, on] { (this->*on.modeClick)(i); });
        m_context.focusEvents->Attach(
            selector->Combo(),
            platform::FocusHandlers {
                [this, i, on](bool& cancel) { (this->*on.modeValidate)(i, cancel); },
                [this, i, on] { (this->*on.modeGotFocus)(i); },
                [this, i, on] { (this->*on.modeLostFocus)(i); },
            });
    }
}

void LoanPage::Load()
{
    tabOptions2_Click();
}

void LoanPage::Show()
{
    if (loanPagePrepared)
        return;
    cmdClrRpy_Click();
    cmdClrPrn_Click();
    loanPagePrepared = true;
}

void LoanPage::tabOptions2_Click()
{
    m_context.Guard("tabOptions2_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions2->Selected() - 1;
        platform::ShowOnly(picOptions2, selected, platform::kSubPageLeftTwips);
        repaymentPageActive = selected == static_cast<int>(LoanSubPage::Repayment);
        principalPageActive = selected == static_cast<int>(LoanSubPage::Principal);
    });
}

void LoanPage::txtCalRpy_GotFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Repayment, index, true);
}

void LoanPage::txtCalRpy_LostFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Repayment, index, false);
}

void LoanPage::txtCalRpy_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(LoanEntryPage::Repayment, index, cancel);
}

void LoanPage::txtCalPrn_GotFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Principal, index, true);
}

void LoanPage::txtCalPrn_LostFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Principal, index, false);
}

void LoanPage::txtCalPrn_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(LoanEntryPage::Principal, index, cancel);
}

void LoanPage::cboCalRpy_Click(std::int16_t)
{
    RecalculateFromMode(LoanEntryPage::Repayment, false);
}

void LoanPage::cboCalRpy_GotFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Repayment, index, true);
}

void LoanPage::cboCalRpy_LostFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Repayment, index, false);
}

void LoanPage::cboCalRpy_Validate(std::int16_t, bool& cancel)
{
    RecalculateFromMode(LoanEntryPage::Repayment, true);
    cancel = false;
}

void LoanPage::cboCalPrn_Click(std::int16_t)
{
    RecalculateFromMode(LoanEntryPage::Principal, false);
}

void LoanPage::cboCalPrn_GotFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Principal, index, true);
}

void LoanPage::cboCalPrn_LostFocus(std::int16_t index)
{
    ShowFocusCue(LoanEntryPage::Principal, index, false);
}

void LoanPage::cboCalPrn_Validate(std::int16_t, bool& cancel)
{
    RecalculateFromMode(LoanEntryPage::Principal, true);
    cancel = false;
}

void LoanPage::cboIntRat_Click(std::int16_t index)
{
    bool cancel = false;
    cboIntRat_Validate(index, cancel);
}

void LoanPage::cboIntRat_GotFocus(std::int16_t index)
{
    if (const auto caption = IntRatCaption(index, repaymentPageActive, principalPageActive))
        ShowFocusCue(caption->page, caption->labelIndex, true);
}

void LoanPage::cboIntRat_LostFocus(std::int16_t index)
{
    if (const auto caption = IntRatCaption(index, repaymentPageActive, principalPageActive))
        ShowFocusCue(caption->page, caption->labelIndex, false);
}

void LoanPage::cboIntRat_Validate(std::int16_t index, bool& cancel)
{
    m_context.Guard("cboIntRat_Validate", GuardVariant::Plain, [&] {
        const LoanEntryPage page = IntRatPage(index);
        if (IntRatRefills(index))
            RefillPageModes(ViewOf(page), cboIntRat[index]);
        CalculateLoan(page);
    });
    cancel = false;
}

void LoanPage::cmdClrRpy_Click()
{
    ClearLoanPage(LoanEntryPage::Repayment);
}

void LoanPage::cmdClrPrn_Click()
{
    ClearLoanPage(LoanEntryPage::Principal);
}

void LoanPage::ClearLoanPage(LoanEntryPage page)
{
    const LoanPageView view = ViewOf(page);
    for (const ZeroText& zero : LoanZeroTexts(page, m_context.regionalFormat))
        view.fields[zero.fieldIndex]->setText(ToQString(zero.text));
    lstLsd->Clear();
}

} // namespace vexmoor
