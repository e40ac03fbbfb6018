// The break-even graph against the plain-Qt floor, in one run (offscreen unless QT_QPA_PLATFORM
// says otherwise).
//
// The window's path is what a user does: Calculate, the analysis sub-page shown and painted, then
// the graph sub-page shown and painted. The floor is the best plain Qt Charts way of drawing the
// same data one point per unit, in a chart view of the graph's size: the same axes and pens,
// the axis ranges set first and each of the three line series given all its points with one
// replace(), then painted. Window and floor runs alternate, so that a busy machine slows both
// alike; the medians and their ratio are printed.
//
// The window is reached through object names and its tab bars only, not its members.
#include "break_even_driver.h"
#include "breakeven/core/breakeven.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <QWindow>
#include <cstdio>

namespace {

using namespace vexmoor;
using namespace vexmoor::bench;

// The plain-Qt floor: the same picture from one point per unit.
class Floor
{
public:
    Floor(QSize size, const BreakEvenFigures& figures, int units)
        : m_figures(figures)
        , m_units(units)
    {
        auto* chart = new QChart;
        m_unitsAxis = new QValueAxis;
        m_amountsAxis = new QValueAxis;
        chart->addAxis(m_unitsAxis, Qt::AlignBottom);
        chart->addAxis(m_amountsAxis, Qt::AlignLeft);
        for (auto& series : m_series) {
            series = new QLineSeries;
            QPen pen(Qt::red);
            pen.setWidth(1);
            pen.setCosmetic(true);
            series->setPen(pen);
            chart->addSeries(series);
            series->attachAxis(m_unitsAxis);
            series->attachAxis(m_amountsAxis);
        }
        m_view.setChart(chart);
        m_view.setRenderHint(QPainter::Antialiasing);
        m_view.resize(size);
        m_view.show();
        while (!m_view.windowHandle()->isExposed())
            QApplication::processEvents();
        m_paints.Watch(m_view.viewport());
    }

    double Run()
    {
        QElapsedTimer timer;
        timer.start();
        QList<QPointF> points[3];
        double high = 0;
        for (auto& list : points)
            list.reserve(m_units);
        for (int i = 1; i <= m_units; ++i) {
            const GraphValues values = GraphRowValues(i, m_figures);
            points[0].append(QPointF(i, values.totalCosts));
            points[1].append(QPointF(i, values.totalSales));
            points[2].append(QPointF(i, values.fixedCosts));
            high = std::max({high, values.totalCosts, values.totalSales, values.fixedCosts});
        }
        m_unitsAxis->setRange(0, m_units);
        m_amountsAxis->setRange(0, high);
        for (int s = 0; s < 3; ++s)
            m_series[s]->replace(points[s]);
        m_paints.WaitForPaint();
        return Milliseconds(timer);
    }

private:
    BreakEvenFigures m_figures;
    int m_units;
    QChartView m_view;
    QValueAxis* m_unitsAxis;
    QValueAxis* m_amountsAxis;
    QLineSeries* m_series[3] {};
    PaintCounter m_paints;
};

void Compare(QWidget* window, const char* unitsText, int units, int runs)
{
    BreakEvenDriver path(window);
    path.Enter(QString::fromLatin1(unitsText));
    BreakEvenFigures figures;
    figures.FixedCosts = 1000;
    figures.UnitPrice = 10;
    figures.VariableCostPerUnit = 6;
    Floor floor(path.ChartSize(), figures, units);

    std::vector<double> calculation, list, graph, whole, plain, wholeProcessor, plainProcessor;
    for (int run = 0; run <= runs; ++run) {
        const BreakEvenDriver::Times times = path.Run();
        const double before = ProcessorMilliseconds();
        const double plainMs = floor.Run();
        const double after = ProcessorMilliseconds();
        if (run == 0)
            continue; // the first run makes the chart
        calculation.push_back(times.calculation);
        list.push_back(times.list);
        graph.push_back(times.graph);
        whole.push_back(times.calculation + times.list + times.graph);
        plain.push_back(plainMs);
        wholeProcessor.push_back(times.processor);
        plainProcessor.push_back(after - before);
    }
    std::printf("units %-7s window: calculation %6.2f ms, list page %6.2f ms, graph page %6.2f ms, "
                "whole %6.2f ms; plain-Qt floor %6.2f ms; ratio %.2f (medians of %d)\n",
                unitsText, Median(calculation), Median(list), Median(graph), Median(whole),
                Median(plain), Median(whole) / Median(plain), runs);
    std::printf("      %-7s processor time: window %6.2f ms, plain-Qt floor %6.2f ms; ratio %.2f\n",
                "", Median(wholeProcessor), Median(plainProcessor),
                Median(wholeProcessor) / Median(plainProcessor));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QuietServices services;
    platform::SetServices(&services);
    {
        const std::unique_ptr<QWidget> window = MakeWindow();
        Compare(window.get(), "32,767", 32767, 31);
        Compare(window.get(), "1,000", 1000, 61);
    }
    platform::SetServices(nullptr);
    return 0;
}
