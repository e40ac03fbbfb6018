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
#include "platform/container.h"
#include "platform/focus_events.h"
#include "platform/list_box.h"
#include "platform/list_export.h"
#include "platform/selector.h"
#include "platform/tab_strip.h"
#include "shell/ui/frm_vexmoor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vexmoor {

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetBold(QLabel* label, bool bold)
{
    if (label == nullptr || label->font().bold() == bold)
        return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

LoanEntryPage ToEntryPage(frmVexmoor::LoanPage page)
{
    return page == frmVexmoor::LoanPage::Repayment ? LoanEntryPage::Repayment
                                                   : LoanEntryPage::Principal;
}

// The page's term caption and mode list after a rate period was chosen; the selection of the new
// mode, made last, runs the mode selector's Click.
void RefillPageModes(frmVexmoor& w, LoanEntryPage page, std::int16_t ratePeriodIndex)
{
    const bool repayment = page == LoanEntryPage::Repayment;
    platform::Selector* modes =
        repayment ? w.cboCalRpy[ModeSelectorIndex(page)] : w.cboCalPrn[ModeSelectorIndex(page)];
    QLabel* termCaption =
        repayment ? w.lblCalRpy[TermFieldIndex(page)] : w.lblCalPrn[TermFieldIndex(page)];
    modes->Clear();
    const ModeListRefill refill = RefillModeList(w.cboIntRat[ratePeriodIndex]->ListIndex());
    termCaption->setText(ToQString(refill.termCaption));
    for (std::string_view label : refill.modes)
        modes->AddItem(ToQString(label));
    modes->SetText(ToQString(refill.selected));
}

// Leaving an entry field: its text rewritten with the field's decimals, then the page
// recalculated. A text that is not a number keeps the focus in the field.
void ValidateEntry(frmVexmoor& w, LoanEntryPage page, std::int16_t index, bool& cancel)
{
    const bool repayment = page == LoanEntryPage::Repayment;
    const GuardOutcome outcome = Guarded(
        repayment ? "txtCalRpy_Validate" : "txtCalPrn_Validate", GuardVariant::InvalidNumber, [&] {
            QLineEdit* field = repayment ? w.txtCalRpy[index] : w.txtCalPrn[index];
            const std::string text = field->text().toStdString();
            field->setText(ToQString(ReformatLoanField(page, index, text, w.regionalFormat)));
            if (repayment)
                w.cmdCalRpy_Click();
            else
                w.cmdCalPrn_Click();
        });
    cancel = outcome.cancel;
}

} // namespace

void frmVexmoor::ConnectLoan()
{
    new platform::ListExport(lstLsd, QStringLiteral("lstLsd"), QStringLiteral("loan-schedule.csv"),
                             regionalFormat,
                             [](const char* procName, const std::function<void()>& body) {
                                 Guarded(procName, GuardVariant::Plain, body);
                             });
    for (std::string_view label : InitialModeList(LoanEntryPage::Repayment))
        cboCalRpy[3]->AddItem(ToQString(label));
    for (std::string_view label : InitialModeList(LoanEntryPage::Principal))
        cboCalPrn[1]->AddItem(ToQString(label));
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

    for (const auto& [index, field] : txtCalRpy) {
        const std::int16_t i = index;
        platform::FocusHandlers handlers {
            {}, [this, i] { txtCalRpy_GotFocus(i); }, [this, i] { txtCalRpy_LostFocus(i); }};
        // The result field cannot be typed into, so leaving it has nothing to check.
        if (i != kResultFieldIndex)
            handlers.validate = [this, i](bool& cancel) { txtCalRpy_Validate(i, cancel); };
        focusEvents->Attach(field, std::move(handlers));
    }
    for (const auto& [index, field] : txtCalPrn) {
        const std::int16_t i = index;
        platform::FocusHandlers handlers {
            {}, [this, i] { txtCalPrn_GotFocus(i); }, [this, i] { txtCalPrn_LostFocus(i); }};
        if (i != kResultFieldIndex)
            handlers.validate = [this, i](bool& cancel) { txtCalPrn_Validate(i, cancel); };
        focusEvents->Attach(field, std::move(handlers));
    }

    for (const auto& [index, selector] : cboCalRpy) {
        const std::int16_t i = index;
        selector->SetClickHandler([this, i] { cboCalRpy_Click(i); });
        focusEvents->Attach(selector->Combo(),
                            platform::FocusHandlers {
                                [this, i](bool& cancel) { cboCalRpy_Validate(i, cancel); },
                                [this, i] { cboCalRpy_GotFocus(i); },
                                [this, i] { cboCalRpy_LostFocus(i); },
                            });
    }
    for (const auto& [index, selector] : cboCalPrn) {
        const std::int16_t i = index;
        selector->SetClickHandler([this, i] { cboCalPrn_Click(i); });
        focusEvents->Attach(selector->Combo(),
                            platform::FocusHandlers {
                                [this, i](bool& cancel) { cboCalPrn_Validate(i, cancel); },
                                [this, i] { cboCalPrn_GotFocus(i); },
                                [this, i] { cboCalPrn_LostFocus(i); },
                            });
    }

    connect(cmdCalRpy, &QPushButton::clicked, this, [this] { cmdCalRpy_Click(); });
    connect(cmdCalPrn, &QPushButton::clicked, this, [this] { cmdCalPrn_Click(); });
    connect(cmdClrRpy, &QPushButton::clicked, this, [this] { cmdClrRpy_Click(); });
    connect(cmdClrPrn, &QPushButton::clicked, this, [this] { cmdClrPrn_Click(); });
    tabOptions2->SetClickHandler([this] { tabOptions2_Click(); });
}

void frmVexmoor::tabOptions2_Click()
{
    Guarded("tabOptions2_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions2->Selected() - 1;
        for (int i = 0; i < tabOptions2->Count(); ++i) {
            QWidget* container = picOptions2[static_cast<std::int16_t>(i)];
            if (i != selected) {
                platform::HideContainer(container);
                continue;
            }
            platform::ShowContainer(container, kSubPageLeftTwips);
            repaymentPageActive = i == 0;
            principalPageActive = i == 1;
        }
    });
}

void frmVexmoor::txtCalRpy_GotFocus(std::int16_t index)
{
    SetBold(lblCalRpy[index], true);
}

void frmVexmoor::txtCalRpy_LostFocus(std::int16_t index)
{
    SetBold(lblCalRpy[index], false);
}

void frmVexmoor::txtCalRpy_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(*this, LoanEntryPage::Repayment, index, cancel);
}

void frmVexmoor::txtCalPrn_GotFocus(std::int16_t index)
{
    SetBold(lblCalPrn[index], true);
}

void frmVexmoor::txtCalPrn_LostFocus(std::int16_t index)
{
    SetBold(lblCalPrn[index], false);
}

void frmVexmoor::txtCalPrn_Validate(std::int16_t index, bool& cancel)
{
    ValidateEntry(*this, LoanEntryPage::Principal, index, cancel);
}

void frmVexmoor::cboCalRpy_Click(std::int16_t)
{
    Guarded("cboCalRpy_Click", GuardVariant::Plain, [&] { cmdCalRpy_Click(); });
}

void frmVexmoor::cboCalRpy_GotFocus(std::int16_t index)
{
    SetBold(lblCalRpy[index], true);
}

void frmVexmoor::cboCalRpy_LostFocus(std::int16_t index)
{
    SetBold(lblCalRpy[index], false);
}

void frmVexmoor::cboCalRpy_Validate(std::int16_t, bool& cancel)
{
    Guarded("cboCalRpy_Validate", GuardVariant::Plain, [&] { cmdCalRpy_Click(); });
    cancel = false;
}

void frmVexmoor::cboCalPrn_Click(std::int16_t)
{
    Guarded("cboCalPrn_Click", GuardVariant::Plain, [&] { cmdCalPrn_Click(); });
}

void frmVexmoor::cboCalPrn_GotFocus(std::int16_t index)
{
    SetBold(lblCalPrn[index], true);
}

void frmVexmoor::cboCalPrn_LostFocus(std::int16_t index)
{
    SetBold(lblCalPrn[index], false);
}

void frmVexmoor::cboCalPrn_Validate(std::int16_t, bool& cancel)
{
    Guarded("cboCalPrn_Validate", GuardVariant::Plain, [&] { cmdCalPrn_Click(); });
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
        SetBold(caption->page == LoanEntryPage::Repayment ? lblCalRpy[caption->labelIndex]
                                                          : lblCalPrn[caption->labelIndex],
                true);
}

void frmVexmoor::cboIntRat_LostFocus(std::int16_t index)
{
    if (const auto caption = IntRatCaption(index, repaymentPageActive, principalPageActive))
        SetBold(caption->page == LoanEntryPage::Repayment ? lblCalRpy[caption->labelIndex]
                                                          : lblCalPrn[caption->labelIndex],
                false);
}

void frmVexmoor::cboIntRat_Validate(std::int16_t index, bool& cancel)
{
    Guarded("cboIntRat_Validate", GuardVariant::Plain, [&] {
        const LoanEntryPage page = IntRatPage(index);
        if (IntRatRefills(index))
            RefillPageModes(*this, page, index);
        if (page == LoanEntryPage::Repayment)
            cmdCalRpy_Click();
        else
            cmdCalPrn_Click();
    });
    cancel = false;
}

void frmVexmoor::cmdClrRpy_Click()
{
    ClearLoanPage(LoanPage::Repayment);
}

void frmVexmoor::cmdClrPrn_Click()
{
    ClearLoanPage(LoanPage::Principal);
}

void frmVexmoor::ClearLoanPage(LoanPage page)
{
    const LoanEntryPage entryPage = ToEntryPage(page);
    const auto& fields = entryPage == LoanEntryPage::Repayment ? txtCalRpy : txtCalPrn;
    for (const ZeroText& zero : LoanZeroTexts(entryPage, regionalFormat))
        fields[zero.fieldIndex]->setText(ToQString(zero.text));
    lstLsd->Clear();
}

} // namespace vexmoor
