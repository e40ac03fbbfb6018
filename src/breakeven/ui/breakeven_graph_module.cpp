// The break-even line chart over Qt Charts, a module of its own that the program loads when the
// graph is first shown (see breakeven_graph.h).
//
// The three lines are straight in the unit count, so each is drawn from the few units where it
// bends (its first and last), not from a point per unit: Qt Charts keeps, strokes for hit-testing
// and paints every point it is given, which at 32,767 units a line cost tens of milliseconds and
// megabytes for the same picture. While the units are few enough to show as dots, every unit is
// a point. The values of every unit stay in the grid, for the value of a clicked point.
//
// Qt Charts lays a series out again on every change of its points or axes, and the axes with
// their labels on every change of theirs, so each is changed only when what it shows changes, a
// series' points in one replace(). The unit counts are a value axis with a few ticks, not a
// label per point.
#include "breakeven/ui/breakeven_graph.h"

#include "common/core/contrast.h"
#include "platform/widgets/colors.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QList>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace vexmoor {

namespace {

// clang-format off
const char* const kSeriesNames[kGraphSeriesCount] = {QT_TRANSLATE_NOOP("Graph", "Total Costs"),
                                                     QT_TRANSLATE_NOOP("Graph", "Total Sales"),
                                                     QT_TRANSLATE_NOOP("Graph", "Fixed Costs")};
// clang-format on
const QColor kSeriesColors[kGraphSeriesCount] = {QColor(192, 48, 48), QColor(32, 112, 200),
                                                 QColor(96, 96, 96)};

// Points are drawn as dots only while there are few enough to tell apart.
constexpr int kMostPointsWithDots = 50;
// How far a line drawn from its corners may pass from a unit's value, in parts of the amounts
// axis: a hundred-thousandth, far below a pixel at any size the chart takes.
constexpr double kLineTolerance = 1e-5;
// Ticks wanted on each axis; the chart is small.
constexpr double kUnitTicks = 5;
constexpr double kAmountTicks = 4;

// A step of 1, 2 or 5 times a power of ten, at least `rough`.
double NiceStep(double rough)
{
    if (!(rough > 0) || !std::isfinite(rough))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough * (1 - 1e-9))
            return factor * power;
    }
    return 10 * power;
}

// Decimals a tick label needs to show a step: 0 for whole steps, 1 for 0.5, 2 for 0.02.
int StepDecimals(double step)
{
    return std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 15);
}

void SetAxis(QValueAxis* axis, double low, double high, double step)
{
    // Every change lays the axis and its labels out again, so an axis already showing this
    // range is left alone (a calculation repeated, or one that changed only the other axis).
    const QString format = QStringLiteral("%.%1f").arg(StepDecimals(step));
    if (axis->tickType() == QValueAxis::TicksDynamic && axis->min() == low && axis->max() == high &&
        axis->tickInterval() == step && axis->tickAnchor() == 0 && axis->labelFormat() == format)
        return;
    // The axis lays its ticks out again on every change; with the old interval over the new
    // range (1 over 0 to 32,767) that would be tens of thousands of tick items. A fixed tick
    // count in between keeps every step small.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setLabelFormat(format);
    axis->setRange(low, high);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setTickType(QValueAxis::TicksDynamic);
}

// How the lines are drawn: with dots while the points are few; one pixel wide while the units are
// far enough apart; two where more than one unit falls on a device pixel, the weight the line had
// when it was drawn through every unit, whose overlapping one-pixel segments filled about two.
enum class LineWeight { Dots, Thin, Dense };

// A cosmetic pen, the lines' weight at any scale. Dots get a wider scaled pen, whose width also
// sizes them.
QPen SeriesPen(const QColor& color, LineWeight weight)
{
    QPen pen(color);
    pen.setWidth(weight == LineWeight::Thin ? 1 : 2);
    pen.setCosmetic(weight != LineWeight::Dots);
    return pen;
}

class QtChartsGraph final : public BreakEvenGraph
{
public:
    QtChartsGraph(QWidget* host, const QLocale& numbers, std::function<void(int, QPointF)> clicked);

    void Show(const GraphGrid& grid) override;
    void ApplyPalette() override;
    QChartView* View() const override { return m_view; }
    QPicture Picture() const override;
    QLineSeries* Series(int series) const override
    {
        return series >= 1 && series <= kGraphSeriesCount
            ? m_series[static_cast<std::size_t>(series - 1)]
            : nullptr;
    }

private:
    // The lines' pens, in the theme's colours, with dots while there are few points.
    void ApplyPens();

    QWidget* m_host;
    QChart* m_chart;
    QChartView* m_view = nullptr;
    std::array<QLineSeries*, kGraphSeriesCount> m_series {};
    std::array<QColor, kGraphSeriesCount> m_seriesColors;
    QValueAxis* m_unitsAxis;
    QValueAxis* m_amountAxis;
    LineWeight m_weight = LineWeight::Thin;
};

QtChartsGraph::QtChartsGraph(QWidget* host, const QLocale& numbers,
                             std::function<void(int, QPointF)> clicked)
    : m_host(host)
    , m_chart(new QChart)
    , m_unitsAxis(new QValueAxis)
    , m_amountAxis(new QValueAxis)
{
    // Axis labels in the region's own number format, the one the fields and lists use.
    m_chart->setLocale(numbers);
    m_chart->setLocalizeNumbers(true);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(2, 2, 6, 2));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);

    QFont small = m_host->font();
    small.setPointSizeF(7.5);
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setFont(small);

    for (QValueAxis* axis : {m_unitsAxis, m_amountAxis}) {
        axis->setLabelsFont(small);
        axis->setMinorTickCount(0);
    }
    // The program installed its translator for the whole application: the module speaks it too.
    m_unitsAxis->setTitleText(QCoreApplication::translate("Graph", "Units"));
    m_unitsAxis->setTitleFont(small);
    m_chart->addAxis(m_unitsAxis, Qt::AlignBottom);
    m_chart->addAxis(m_amountAxis, Qt::AlignLeft);

    for (int s = 0; s < kGraphSeriesCount; ++s) {
        auto* series = new QLineSeries;
        series->setName(QCoreApplication::translate("Graph", kSeriesNames[s]));
        series->setPen(SeriesPen(kSeriesColors[s], LineWeight::Thin));
        m_chart->addSeries(series);
        series->attachAxis(m_unitsAxis);
        series->attachAxis(m_amountAxis);
        QObject::connect(series, &QXYSeries::clicked, m_chart,
                         [clicked, s](const QPointF& value) { clicked(s + 1, value); });
        m_series[static_cast<std::size_t>(s)] = series;
    }

    m_view = new QChartView(m_chart, m_host);
    m_view->setObjectName(QStringLiteral("chtBeVAnyView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    // The host is the control the Tab key stops at; the view inside it is only its picture.
    m_view->setFocusPolicy(Qt::NoFocus);
    // Right clicks go on to the host, whose context menu the page gives.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setToolTip(m_host->toolTip());
    m_view->setFrameShape(QFrame::NoFrame);

    auto* layout = new QVBoxLayout(m_host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    ApplyPalette();
}

void QtChartsGraph::ApplyPalette()
{
    const QPalette palette = m_host->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QColor grid = palette.color(QPalette::Mid);
    m_chart->setBackgroundBrush(base);
    m_chart->setBackgroundPen(QPen(grid));
    m_chart->legend()->setLabelColor(text);
    for (QValueAxis* axis : {m_unitsAxis, m_amountAxis}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(grid);
    }
    // The lines keep their hues, made as readable on the base as a text would be.
    for (std::size_t s = 0; s < m_seriesColors.size(); ++s)
        m_seriesColors[s] = platform::ToQColor(
            ReadableOn(platform::ToRgb(kSeriesColors[s]), platform::ToRgb(base)));
    ApplyPens();
}

void QtChartsGraph::ApplyPens()
{
    for (std::size_t s = 0; s < m_series.size(); ++s)
        m_series[s]->setPen(SeriesPen(m_seriesColors[s], m_weight));
}

void QtChartsGraph::Show(const GraphGrid& grid)
{
    const int rows = static_cast<int>(grid.rows.size());
    const int seriesShown = std::clamp(grid.seriesCount, 0, kGraphSeriesCount);
    const bool dots = rows <= kMostPointsWithDots;

    double low = 0; // the amounts axis always shows zero
    double high = 0;
    for (const GraphValues& row : grid.rows) {
        const double values[kGraphSeriesCount] = {row.totalCosts, row.totalSales, row.fixedCosts};
        for (int s = 0; s < seriesShown; ++s) {
            low = std::min(low, values[s]);
            high = std::max(high, values[s]);
        }
    }

    // A lone point stands in the middle; dots get half a unit of room so the last is not cut.
    const double unitHigh = rows <= 1 ? 2 : rows + (dots ? 0.5 : 0);
    SetAxis(m_unitsAxis, 0, unitHigh, std::max(1.0, NiceStep(rows / kUnitTicks)));

    if (high - low <= 0)
        high = low + 1;
    const double step = NiceStep((high - low) / kAmountTicks);
    double axisLow = std::floor(low / step) * step;
    double axisHigh = std::ceil(high / step) * step;
    if (!std::isfinite(axisLow))
        axisLow = low;
    if (!std::isfinite(axisHigh))
        axisHigh = high;
    SetAxis(m_amountAxis, axisLow, axisHigh, step);

    // The plot's width in device pixels once the chart has been laid out, else the host's.
    const double plotWidth =
        (m_chart->plotArea().width() > 0 ? m_chart->plotArea().width() : m_host->width()) *
        m_host->devicePixelRatioF();
    m_weight = dots ? LineWeight::Dots : rows > plotWidth ? LineWeight::Dense : LineWeight::Thin;
    ApplyPens();
    const double tolerance = (axisHigh - axisLow) * kLineTolerance;
    for (int s = 0; s < kGraphSeriesCount; ++s) {
        QLineSeries* series = m_series[static_cast<std::size_t>(s)];
        series->setPointsVisible(dots);
        series->setVisible(s < seriesShown);
        // Every point while each shows as a dot; beyond, a line is drawn from its corners. A
        // series not shown keeps none.
        std::vector<int> drawn;
        if (s < seriesShown && dots) {
            for (int p = 1; p <= rows; ++p)
                drawn.push_back(p);
        } else if (s < seriesShown) {
            drawn = LineCorners(grid, s + 1, tolerance);
        }
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(drawn.size()));
        double value = 0;
        for (const int p : drawn) {
            grid.Value(s + 1, p, value);
            points.append(QPointF(p, value));
        }
        // A series given its points again is laid out and painted again, even the same points.
        if (series->points() != points)
            series->replace(points);
    }
    // Shown once it shows the first grid.
    if (!m_view->isVisibleTo(m_host))
        m_view->show();
}

QPicture QtChartsGraph::Picture() const
{
    QChart* chart = m_chart;
    if (chart->size().isEmpty()) {
        chart->resize(m_host->size());
        chart->layout()->activate();
    }
    // A cosmetic pen is one device pixel wide, a hair on a printer: the lines are drawn one
    // screen pixel wide instead, whatever the resolution, and get their own pens back after.
    std::vector<std::pair<QXYSeries*, QPen>> pens;
    for (QAbstractSeries* series : chart->series()) {
        auto* line = qobject_cast<QXYSeries*>(series);
        if (line == nullptr || !line->pen().isCosmetic())
            continue;
        pens.emplace_back(line, line->pen());
        QPen pen = line->pen();
        pen.setCosmetic(false);
        pen.setWidthF(std::max<qreal>(1, pen.widthF()));
        line->setPen(pen);
    }
    const QRectF area = chart->sceneBoundingRect();
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    chart->scene()->render(&painter, QRectF(QPointF(), area.size()), area);
    painter.end();
    for (const auto& [line, pen] : pens)
        line->setPen(pen);
    picture.setBoundingRect(QRectF(QPointF(), area.size()).toAlignedRect());
    return picture;
}

} // namespace

} // namespace vexmoor

extern "C" Q_DECL_EXPORT vexmoor::BreakEvenGraph*
vexmoor_make_breakeven_graph(QWidget* host, const QLocale& numbers,
                             std::function<void(int, QPointF)> clicked)
{
    return new vexmoor::QtChartsGraph(host, numbers, std::move(clicked));
}
