// The break-even graph drawn with Qt Charts, as the chart (breakeven_chart.h) sees it. It lives in
// a module of its own (breakeven_graph_module.cpp) that the chart loads when the graph is first
// shown: Qt Charts, with the OpenGL libraries it needs, then costs the program nothing at start.
#pragma once

#include "breakeven/core/breakeven.h"

#include <QPicture>
#include <QPointF>
#include <functional>

class QChartView;
class QLineSeries;
class QLocale;
class QWidget;

namespace vexmoor {

// Total costs, total sales and fixed costs.
inline constexpr int kGraphSeriesCount = 3;

class BreakEvenGraph
{
public:
    virtual ~BreakEvenGraph() = default;
    // Draws the grid: every unit a point while the units show as dots, else each line from its
    // corners; the axes from zero to what the grid holds. The view is shown with the first.
    virtual void Show(const GraphGrid& grid) = 0;
    // The theme's colours, from the host's palette.
    virtual void ApplyPalette() = 0;
    virtual QChartView* View() const = 0;
    // The chart as it is drawn now, as drawing commands (lines, texts and fills, no pixels) in
    // the chart's own size, for a printed report. A chart not yet shown is first laid out at the
    // size of its host.
    virtual QPicture Picture() const = 0;
    // Series 1 to kGraphSeriesCount.
    virtual QLineSeries* Series(int series) const = 0;
};

// The module's one entry point, named kMakeBreakEvenGraph: a graph filling `host`, its axis
// labels in the number format of `numbers`. `clicked` runs with the 1-based series and the chart
// position (x = unit count) when the user clicks a line.
using MakeBreakEvenGraphFunction = BreakEvenGraph* (*)(QWidget* host, const QLocale& numbers,
                                                       std::function<void(int, QPointF)> clicked);
inline constexpr const char* kMakeBreakEvenGraph = "vexmoor_make_breakeven_graph";

} // namespace vexmoor
