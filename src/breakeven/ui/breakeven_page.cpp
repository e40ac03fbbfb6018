// The break-even page: the fields' focus cue, validation and reformatting, Calculate, Clear, the
// three sub-pages, and GenChart feeding the analysis list and the graph.
//
// The core works on a copy of the ten field texts; whatever it wrote is put back into the text
// boxes even when it stops with a failure, so the page shows the texts written before it.
#include "breakeven/ui/breakeven_chart.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "platform/widgets/container.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/services/services.h"
#include "platform/widgets/tab_strip.h"
#include "platform/text.h"
#include "shell/ui/frm_vexmoor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace vexmoor {

namespace {

using platform::SetBold;
using platform::ToQString;
using platform::ToStd;

constexpr int kListExtentPixels = 300;
constexpr const char* kDesignBoldProperty = "designBold";

BreakEvenFields ReadFields(const platform::ControlArray<QLineEdit>& txtBeV)
{
    BreakEvenFields fields;
    for (int i = 0; i < kBreakEvenFieldCount; ++i)
        fields[static_cast<std::size_t>(i)] = ToStd(txtBeV[static_cast<std::int16_t>(i)]->text());
    return fields;
}

void WriteChangedFields(const platform::ControlArray<QLineEdit>& txtBeV,
                        const BreakEvenFields& before, const BreakEvenFields& after)
{
    for (int i = 0; i < kBreakEvenFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (after[at] != before[at])
            txtBeV[static_cast<std::int16_t>(i)]->setText(ToQString(after[at]));
    }
}

// Runs a core operation on the field texts and writes back what it wrote, failure or not.
template<typename Operation>
void RunOnFields(const platform::ControlArray<QLineEdit>& txtBeV, Operation operation)
{
    const BreakEvenFields before = ReadFields(txtBeV);
    BreakEvenFields fields = before;
    try {
        operation(fields);
    } catch (...) {
        WriteChangedFields(txtBeV, before, fields);
        throw;
    }
    WriteChangedFields(txtBeV, before, fields);
}

// Lines are ASCII but for the regional separators and minus sign; Latin-1 is the faster read.
void FillList(platform::ListBox* list, const TextLines& lines, bool ascii)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto size = static_cast<qsizetype>(line.size());
        list->Append(ascii ? QString::fromLatin1(line.data(), size) : ToQString(line));
    }
}

bool IsAscii(const RegionalFormat& format)
{
    for (const std::string* text :
         {&format.decimalSeparator, &format.groupSeparator, &format.minusSign}) {
        for (const char c : *text) {
            if (static_cast<unsigned char>(c) >= 0x80)
                return false;
        }
    }
    return true;
}

} // namespace

void frmVexmoor::ConnectBreakEven()
{
    for (const auto& [index, edit] : txtBeV) {
        const std::int16_t i = index;
        if (QLabel* label = lblBeV[i])
            label->setProperty(kDesignBoldProperty, label->font().bold());
        focusEvents->Attach(edit,
                            platform::FocusHandlers {
                                [this, i](bool& cancel) { txtBeV_Validate(i, cancel); },
                                [this, i] { txtBeV_GotFocus(i); },
                                [this, i] { txtBeV_LostFocus(i); },
                            });
    }
    connect(cmdCalBeV, &QPushButton::clicked, this, [this] { cmdCalBeV_Click(); });
    connect(cmdClrBeV, &QPushButton::clicked, this, [this] { cmdClrBeV_Click(); });
    tabOptions1->SetClickHandler([this] { tabOptions1_Click(); });

    breakEvenChart = new BreakEvenChart(chtBeVAny, this);
    breakEvenChart->SetPointHandler(
        [this](int series, int point) { chtBeVAny_PointSelected(series, point); });
    ConnectBreakEvenExport();
}

void frmVexmoor::txtBeV_GotFocus(std::int16_t index)
{
    SetBold(lblBeV[index], true);
}

void frmVexmoor::txtBeV_LostFocus(std::int16_t index)
{
    // Back to the label's own weight: the break-even units caption is bold by design and stays so.
    if (QLabel* label = lblBeV[index])
        SetBold(label, label->property(kDesignBoldProperty).toBool());
    Guarded("txtBeV_LostFocus", GuardVariant::Plain, [&] {
        QLineEdit* edit = txtBeV[index];
        const std::string text = ReformatFieldText(index, ToStd(edit->text()), regionalFormat);
        edit->setText(ToQString(text));
    });
}

void frmVexmoor::txtBeV_Validate(std::int16_t index, bool& cancel)
{
    const GuardOutcome outcome = Guarded("txtBeV_Validate", GuardVariant::InvalidNumber, [&] {
        RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
            ValidateBreakEvenField(index, fields, breakEven, regionalFormat);
        });
    });
    if (outcome.cancel)
        cancel = true;
}

void frmVexmoor::cmdCalBeV_Click()
{
    const GuardOutcome outcome = Guarded("cmdCalBeV_Click", GuardVariant::Plain, [&] {
        RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
            ComputeBreakEven(fields, breakEven, regionalFormat);
        });
    });
    if (outcome.completed)
        GenChart();
}

void frmVexmoor::cmdClrBeV_Click()
{
    ClearBreakEven();
}

void frmVexmoor::ClearBreakEven()
{
    // The figures go back to 0 with the texts; the graph keeps the last result.
    RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
        ResetBreakEven(fields, breakEven, regionalFormat);
    });
    lstBev->Clear();
}

void frmVexmoor::LoadBreakEvenPage()
{
    ClearBreakEven();
    tabOptions1_Click();
}

void frmVexmoor::tabOptions1_Click()
{
    Guarded("tabOptions1_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions1->Selected() - 1;
        platform::ShowOnly(picOptions1, selected, kSubPageLeftTwips);
        if (selected == static_cast<int>(BreakEvenSubPage::Graph))
            breakEvenChart->EnsureCreated();
    });
}

void frmVexmoor::GenChart()
{
    Guarded("GenChart", GuardVariant::Plain, [&] {
        lstBev->Clear();
        BreakEvenAnalysis analysis;
        const bool ascii = IsAscii(regionalFormat);
        const auto fill = [&] { FillList(lstBev, analysis.lines, ascii); };
        try {
            BuildBreakEvenAnalysis(ToStd(txtBeV[0]->text()), breakEven, regionalFormat, analysis);
        } catch (...) {
            fill();
            throw;
        }
        fill();
        if (analysis.extentSet)
            lstBev->SetHorizontalExtent(kListExtentPixels);
        breakEvenChart->SetGrid(std::move(analysis.grid));
    });
}

void frmVexmoor::chtBeVAny_PointSelected(int series, int dataPoint)
{
    // Failures here can only be the program's own; they are reported like any handler's.
    Guarded("chtBeVAny_PointSelected", GuardVariant::Plain, [&] {
        double value = 0;
        if (!breakEvenChart->Grid().Value(series, dataPoint, value))
            return;
        platform::CurrentServices().ShowMessage(QStringLiteral("Value of DataPoint = ") +
                                                    ToQString(DataPointText(value, regionalFormat)),
                                                QStringLiteral("Break-Even Graph"));
    });
}

} // namespace vexmoor
