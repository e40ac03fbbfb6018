// The Break Even page: the four entry fields and their results on the Parameters sub-page, the
// unit contribution, break-even units and analysis list on the Break Even sub-page, and the graph
// on the Graph sub-page; Calculate and Clear; the list's and the graph's export.
#pragma once

#include "breakeven/core/breakeven.h"
#include "pages/page.h"
#include "platform/widgets/control_array.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexmoor {

namespace platform {
class ContextMenu;
class ListBox;
} // namespace platform

struct BreakEvenChart;

// The sub-pages, in the order of their tab strip.
enum class BreakEvenSubPage { Parameters, BreakEven, Graph };

class BreakEvenPage final : public Page
{
public:
    BreakEvenPage(const PageContext& context, QObject* parent);

    void Make(platform::ControlSet& controls) override;
    // The fields cleared, the sub-page shown.
    void Load() override;
    void Show() override { }
    platform::TabStrip* SubPages() const override { return tabOptions1; }

    // The figures of the last calculation, and the graph (for tests and the benchmark).
    const BreakEvenFigures& Figures() const { return m_breakEven; }
    BreakEvenChart& Chart() const { return *m_chart; }

    // The graph's keys: the arrow keys, Home, End, Page Up and Page Down step through its
    // points, each told to a screen reader with its unit count and values.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtBeV_GotFocus(std::int16_t index);
    void txtBeV_LostFocus(std::int16_t index);
    void txtBeV_Validate(std::int16_t index, bool& cancel);
    void cmdCalBeV_Click();
    void cmdClrBeV_Click();
    void ClearBreakEven();
    void tabOptions1_Click();
    void GenChart();
    void chtBeVAny_PointSelected(int series, int dataPoint);
    // The graph's picture onto the clipboard, or into a PNG or SVG file the user names.
    void chtBeVAny_CopyGraph();
    void chtBeVAny_SaveGraph();
    // The analysis list's and the graph's context menus.
    void MakeExport();

    platform::TabStrip* tabOptions1 = nullptr;
    platform::ControlArray<QWidget> picOptions1;
    platform::ControlArray<QLabel> lblBeV;
    platform::ControlArray<QLineEdit> txtBeV;
    QPushButton* cmdCalBeV = nullptr;
    QPushButton* cmdClrBeV = nullptr;
    platform::ListBox* lstBev = nullptr;
    // Host of the chart; the chart itself is created on the first display of the Graph sub-page.
    QWidget* chtBeVAny = nullptr;
    BreakEvenChart* m_chart = nullptr;
    platform::ContextMenu* m_graphMenu = nullptr;
    BreakEvenFigures m_breakEven;
    int m_graphPoint = 0; // the point a keyboard user stepped onto; 0 for none yet
};

} // namespace vexmoor
