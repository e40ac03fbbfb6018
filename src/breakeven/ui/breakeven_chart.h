// The break-even graph: a line chart of total costs, total sales and fixed costs over the unit
// counts, shown inside the window's chart host `chtBeVAny`.
//
// Qt Charts costs start-up time, so the chart itself is only built when the Graph sub-page is
// first shown, by a module of its own loaded then (breakeven_graph.h); until then the grid handed
// over by GenChart is just kept, and the chart shows it once it exists. The grid kept here is the
// chart's data: a clicked point's value is read from it, as the last successful GenChart left it.
// The series hold only the points the lines are drawn from (every unit while the units show as
// dots, else each line's corners).
#pragma once

#include "breakeven/core/breakeven.h"
#include "breakeven/ui/breakeven_graph.h"

#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>

class QWidget;
class QChartView;
class QLineSeries;

namespace vexmoor {

struct BreakEvenChart : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSeriesCount = kGraphSeriesCount;

    // `host` is the window's empty chart control; the chart view fills it. Owned by `parent`.
    BreakEvenChart(QWidget* host, QObject* parent);
    ~BreakEvenChart() override;

    // Keeps the grid and, once the chart exists, shows it.
    void SetGrid(GraphGrid grid);
    const GraphGrid& Grid() const { return m_grid; }

    // Builds the chart on first use (the Graph sub-page is being shown). Throws when the graph's
    // module cannot be loaded.
    void EnsureCreated();
    bool Created() const { return m_graph != nullptr; }

    // Runs with the 1-based series and point numbers when the user clicks a data point.
    void SetPointHandler(std::function<void(int series, int point)> handler);

    // The chart as drawn now, for a report (see BreakEvenGraph::Picture); empty before the chart
    // exists.
    QPicture Picture() const;

    // For tests and the benchmark; null before the chart exists.
    QChartView* View() const;
    QLineSeries* Series(int series) const;

    // The point nearest to a click on `series` at the chart position `value` (x = unit count),
    // or 0 when the series has no point there.
    int PointAt(int series, const QPointF& value) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnClicked(int series, const QPointF& value);

    QWidget* m_host;
    GraphGrid m_grid;
    std::unique_ptr<BreakEvenGraph> m_graph;
    std::function<void(int, int)> m_pointHandler;
};

} // namespace vexmoor
