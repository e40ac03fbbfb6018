// The break-even chart: the grid, the point handler and the module that draws the graph.
#include "breakeven/ui/breakeven_chart.h"

#include "platform/services/modules.h"
#include "platform/services/regional_format.h"

#include <QEvent>
#include <QLibrary>
#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vexmoor {

namespace {

MakeBreakEvenGraphFunction GraphModule()
{
    static QLibrary module(platform::ModulePath(QStringLiteral(VEXMOOR_GRAPH_MODULE_INSTALLED),
                                                QStringLiteral(VEXMOOR_GRAPH_MODULE_BUILD_PATH)));
    auto make = reinterpret_cast<MakeBreakEvenGraphFunction>(module.resolve(kMakeBreakEvenGraph));
    if (make == nullptr)
        throw std::runtime_error("The graph cannot be drawn: " +
                                 module.errorString().toStdString());
    return make;
}

} // namespace

BreakEvenChart::BreakEvenChart(QWidget* host, QObject* parent)
    : QObject(parent)
    , m_host(host)
{ }

BreakEvenChart::~BreakEvenChart() = default;

void BreakEvenChart::SetPointHandler(std::function<void(int, int)> handler)
{
    m_pointHandler = std::move(handler);
}

void BreakEvenChart::SetGrid(GraphGrid grid)
{
    m_grid = std::move(grid);
    if (Created())
        m_graph->Show(m_grid);
}

QPicture BreakEvenChart::Picture() const
{
    return Created() ? m_graph->Picture() : QPicture();
}

QChartView* BreakEvenChart::View() const
{
    return Created() ? m_graph->View() : nullptr;
}

QLineSeries* BreakEvenChart::Series(int series) const
{
    return Created() ? m_graph->Series(series) : nullptr;
}

void BreakEvenChart::EnsureCreated()
{
    if (Created())
        return;
    const MakeBreakEvenGraphFunction make = GraphModule();
    // The chart's clicks come back here while this object lives.
    const QPointer<BreakEvenChart> self(this);
    m_graph.reset(make(m_host, platform::NumberLocale(), [self](int series, QPointF value) {
        if (self)
            self->OnClicked(series, value);
    }));
    m_host->installEventFilter(this);
    m_graph->Show(m_grid);
}

bool BreakEvenChart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::PaletteChange)
        m_graph->ApplyPalette();
    return QObject::eventFilter(watched, event);
}

int BreakEvenChart::PointAt(int series, const QPointF& value) const
{
    const int rows = static_cast<int>(m_grid.rows.size());
    if (series < 1 || series > m_grid.seriesCount || rows == 0 || !std::isfinite(value.x()))
        return 0;
    // Point p stands at x = p.
    return static_cast<int>(std::clamp(std::round(value.x()), 1.0, static_cast<double>(rows)));
}

void BreakEvenChart::OnClicked(int series, const QPointF& value)
{
    const int point = PointAt(series, value);
    if (point > 0 && m_pointHandler)
        m_pointHandler(series, point);
}

} // namespace vexmoor
