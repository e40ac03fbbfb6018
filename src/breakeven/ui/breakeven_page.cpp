// The break-even page: the fields' focus cue, validation and reformatting, Calculate, Clear, the
// three sub-pages, and GenChart feeding the analysis list and the graph.
//
// The core works on a copy of the ten field texts; whatever it wrote is put back into the text
// boxes even when it stops with a failure, so the page shows the texts written before it.
#include "breakeven/ui/breakeven_page.h"

#include "breakeven/core/graph_text.h"
#include "breakeven/ui/breakeven_chart.h"
#include "errors/core/failure.h"
#include "platform/text.h"
#include "platform/widgets/container.h"
#include "platform/widgets/control_set.h"
#include "platform/widgets/focus_events.h"
#include "platform/widgets/list_box.h"
#include "platform/widgets/tab_strip.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

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
// The graph's sentences for a screen reader, in the user's language.
std::string GraphText(std::string_view english)
{
    return ToStd(platform::Translated("Graph", english));
}

void FillList(platform::ListBox* list, const TextLines& lines, bool ascii)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto size = static_cast<qsizetype>(line.size());
        if (i == 0) // the header, in the user's language
            list->Append(platform::TranslatedListLine("Lists", line));
        else
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

BreakEvenPage::BreakEvenPage(const PageContext& context, QObject* parent)
    : Page(context, parent)
{ }

void BreakEvenPage::Make(platform::ControlSet& controls)
{
    controls.Take(QStringLiteral("tabOptions1"), tabOptions1);
    controls.Take(QStringLiteral("picOptions1"), picOptions1);
    controls.Take(QStringLiteral("lblBeV"), lblBeV);
    controls.Take(QStringLiteral("txtBeV"), txtBeV);
    controls.Take(QStringLiteral("cmdCalBeV"), cmdCalBeV);
    controls.Take(QStringLiteral("cmdClrBeV"), cmdClrBeV);
    controls.Take(QStringLiteral("lstBev"), lstBev);
    controls.Take(QStringLiteral("chtBeVAny"), chtBeVAny);
    for (const auto& [index, edit] : txtBeV) {
        const std::int16_t i = index;
        if (QLabel* label = lblBeV[i])
            label->setProperty(kDesignBoldProperty, label->font().bold());
        m_context.focusEvents->Attach(edit,
                                      platform::FocusHandlers {
                                          [this, i](bool& cancel) { txtBeV_Validate(i, cancel); },
                                          [this, i] { txtBeV_GotFocus(i); },
                                          [this, i] { txtBeV_LostFocus(i); },
                                      });
    }
    connect(cmdCalBeV, &QPushButton::clicked, this, [this] { cmdCalBeV_Click(); });
    connect(cmdClrBeV, &QPushButton::clicked, this, [this] { cmdClrBeV_Click(); });
    tabOptions1->SetClickHandler([this] { tabOptions1_Click(); });

    chtBeVAny->installEventFilter(this);
    m_chart = new BreakEvenChart(chtBeVAny, this);
    m_chart->SetPointHandler(
        [this](int series, int point) { chtBeVAny_PointSelected(series, point); });
    MakeExport();
}

void BreakEvenPage::txtBeV_GotFocus(std::int16_t index)
{
    SetBold(lblBeV[index], true);
}

void BreakEvenPage::txtBeV_LostFocus(std::int16_t index)
{
    // Back to the label's own weight: the break-even units caption is bold by design and stays so.
    if (QLabel* label = lblBeV[index])
        SetBold(label, label->property(kDesignBoldProperty).toBool());
    m_context.Guard("txtBeV_LostFocus", GuardVariant::Plain, [&] {
        QLineEdit* edit = txtBeV[index];
        const std::string text =
            ReformatFieldText(index, ToStd(edit->text()), m_context.regionalFormat);
        edit->setText(ToQString(text));
    });
}

void BreakEvenPage::txtBeV_Validate(std::int16_t index, bool& cancel)
{
    const GuardOutcome outcome =
        m_context.Guard("txtBeV_Validate", GuardVariant::InvalidNumber, [&] {
            RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
                ValidateBreakEvenField(index, fields, m_breakEven, m_context.regionalFormat);
            });
        });
    if (outcome.cancel)
        cancel = true;
}

void BreakEvenPage::cmdCalBeV_Click()
{
    const GuardOutcome outcome = m_context.Guard("cmdCalBeV_Click", GuardVariant::Plain, [&] {
        RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
            ComputeBreakEven(fields, m_breakEven, m_context.regionalFormat);
        });
    });
    if (outcome.completed)
        GenChart();
}

void BreakEvenPage::cmdClrBeV_Click()
{
    ClearBreakEven();
}

void BreakEvenPage::ClearBreakEven()
{
    // The figures go back to 0 with the texts; the graph keeps the last result.
    RunOnFields(txtBeV, [&](BreakEvenFields& fields) {
        ResetBreakEven(fields, m_breakEven, m_context.regionalFormat);
    });
    lstBev->Clear();
}

void BreakEvenPage::Load()
{
    ClearBreakEven();
    tabOptions1_Click();
}

void BreakEvenPage::tabOptions1_Click()
{
    m_context.Guard("tabOptions1_Click", GuardVariant::Plain, [&] {
        const int selected = tabOptions1->Selected() - 1;
        platform::ShowOnly(picOptions1, selected, platform::kSubPageLeftTwips);
        if (selected == static_cast<int>(BreakEvenSubPage::Graph))
            m_chart->EnsureCreated();
    });
}

void BreakEvenPage::GenChart()
{
    m_context.Guard("GenChart", GuardVariant::Plain, [&] {
        lstBev->Clear();
        BreakEvenAnalysis analysis;
        const bool ascii = IsAscii(m_context.regionalFormat);
        const auto fill = [&] { FillList(lstBev, analysis.lines, ascii); };
        try {
            BuildBreakEvenAnalysis(ToStd(txtBeV[0]->text()), m_breakEven, m_context.regionalFormat,
                                   analysis);
        } catch (...) {
            fill();
            throw;
        }
        fill();
        if (analysis.extentSet)
            lstBev->SetHorizontalExtent(kListExtentPixels);
        m_chart->SetGrid(std::move(analysis.grid));
        m_graphPoint = 0;
        chtBeVAny->setAccessibleDescription(
            ToQString(GraphDescription(m_chart->Grid(), m_breakEven, ToStd(txtBeV[9]->text()),
                                       m_context.regionalFormat, GraphText)));
    });
}

void BreakEvenPage::chtBeVAny_PointSelected(int series, int dataPoint)
{
    // Failures here can only be the program's own; they are reported like any handler's.
    m_context.Guard("chtBeVAny_PointSelected", GuardVariant::Plain, [&] {
        double value = 0;
        if (!m_chart->Grid().Value(series, dataPoint, value))
            return;
        m_context.Services().ShowMessage(
            QCoreApplication::translate("Graph", "Value of DataPoint = %1")
                .arg(ToQString(DataPointText(value, m_context.regionalFormat))),
            QCoreApplication::translate("Graph", "Break-Even Graph"));
    });
}

bool BreakEvenPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != chtBeVAny || event->type() != QEvent::KeyPress)
        return Page::eventFilter(watched, event);
    const int points = m_chart->Grid().labelled ? static_cast<int>(m_chart->Grid().rows.size()) : 0;
    int point = m_graphPoint;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        ++point;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        --point;
        break;
    case Qt::Key_PageDown:
        point += 10;
        break;
    case Qt::Key_PageUp:
        point -= 10;
        break;
    case Qt::Key_Home:
        point = 1;
        break;
    case Qt::Key_End:
        point = points;
        break;
    default:
        return Page::eventFilter(watched, event);
    }
    if (points == 0)
        return true;
    m_graphPoint = std::clamp(point, 1, points);
    chtBeVAny->setAccessibleDescription(ToQString(
        GraphPointDescription(m_chart->Grid(), m_graphPoint, m_context.regionalFormat, GraphText)));
    return true;
}

} // namespace vexmoor
