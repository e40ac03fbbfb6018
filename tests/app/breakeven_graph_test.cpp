// The break-even graph drawn from each line's corners shows what it showed drawn from a point per
// unit: at 3, 100, 1,000 and 32,767 units, at scale 1 and 2, in a light and a dark palette, every
// pixel where the two pictures of the real chart differ lies within a pixel of a line in both;
// and a click on a line answers with the value of the unit nearest to it, as it did.
// VEXMOOR_GRAPH_SHOTS names a folder to keep the pictures in, to look at them.
#include "breakeven/ui/breakeven_chart.h"
#include "support/user_input.h"
#include "support/window_fixture.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using vexmoor::test::Click;
using vexmoor::test::WindowFixture;

namespace vexmoor {

namespace {

// The window is reached by its controls' names, and the chart as the window's one BreakEvenChart.
BreakEvenChart& Chart(const WindowFixture& f)
{
    return *f.window->findChild<BreakEvenChart*>();
}

void ClickTab(const WindowFixture& f, const char* bar, int position)
{
    auto* tabs = f.Find<QTabBar>(bar);
    Click(tabs, tabs->tabRect(position - 1).center());
}

void Enter(const WindowFixture& f, int field, const QString& text)
{
    test::Enter(f.Find<QLineEdit>(QStringLiteral("txtBeV_%1").arg(field).toLatin1()), text);
}

QImage Render(QWidget* view, int scale)
{
    QImage image(view->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    view->render(&image);
    return image;
}

struct Pictures
{
    QImage drawn, everyUnit, bare; // bare: the lines left out
};

// Whether a line is drawn at (x, y) or beside it: the picture differs there from the bare one.
bool NearLine(const QImage& picture, const QImage& bare, int x, int y)
{
    for (int yy = std::max(0, y - 1); yy <= std::min(picture.height() - 1, y + 1); ++yy) {
        for (int xx = std::max(0, x - 1); xx <= std::min(picture.width() - 1, x + 1); ++xx) {
            if (picture.pixel(xx, yy) != bare.pixel(xx, yy))
                return true;
        }
    }
    return false;
}

// The first pixel where the pictures differ away from the lines of either, or (-1, -1).
QPoint DifferenceOffTheLines(const Pictures& p)
{
    for (int y = 0; y < p.drawn.height(); ++y) {
        for (int x = 0; x < p.drawn.width(); ++x) {
            if (p.drawn.pixel(x, y) != p.everyUnit.pixel(x, y) &&
                !(NearLine(p.drawn, p.bare, x, y) && NearLine(p.everyUnit, p.bare, x, y)))
                return {x, y};
        }
    }
    return {-1, -1};
}

// The chart as it was drawn before: every unit a point of every line, with a one-pixel pen.
void DrawEveryUnit(BreakEvenChart& chart)
{
    const GraphGrid& grid = chart.Grid();
    for (int s = 1; s <= grid.seriesCount; ++s) {
        if (!chart.Series(s)->pointsVisible()) {
            QPen pen = chart.Series(s)->pen();
            pen.setWidth(1);
            chart.Series(s)->setPen(pen);
        }
        QList<QPointF> points;
        double value = 0;
        for (int p = 1; grid.Value(s, p, value); ++p)
            points.append(QPointF(p, value));
        chart.Series(s)->replace(points);
    }
}

void SetLinesShown(BreakEvenChart& chart, bool shown)
{
    for (int s = 1; s <= BreakEvenChart::kSeriesCount; ++s)
        chart.Series(s)->setOpacity(shown ? 1 : 0);
}

// A real click on the sales line (ten a unit) at `units`; the message it gives and the one
// expected: the value of the unit nearest to the pixel clicked.
std::pair<QString, QString> ClickSales(WindowFixture& f, double units)
{
    BreakEvenChart& chart = Chart(f);
    QChart* plot = chart.View()->chart();
    const QPoint pos = chart.View()->mapFromScene(
        plot->mapToScene(plot->mapToPosition(QPointF(units, 10 * units), chart.Series(2))));
    const QPointF clicked =
        plot->mapToValue(plot->mapFromScene(chart.View()->mapToScene(pos)), chart.Series(2));
    const std::size_t before = f.services.messages.size();
    Click(chart.View()->viewport(), pos);
    const QStringList messages = f.services.MessageTexts();
    return {f.services.messages.size() > before ? messages.last() : QString(),
            QStringLiteral("Value of DataPoint = %1").arg(10 * std::round(clicked.x()), 0, 'f', 0)};
}

} // namespace

class BreakEvenGraphTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cornersDrawTheSamePictureAsEveryUnit()
    {
        const QString shots = qEnvironmentVariable("VEXMOOR_GRAPH_SHOTS");
        const QPalette original = QApplication::palette();
        const struct
        {
            const char* name;
            QPalette palette;
        } palettes[] = {{"light", test::LightPalette()}, {"dark", test::DarkPalette()}};
        for (const auto& [paletteName, palette] : palettes) {
            QApplication::setPalette(palette);
            WindowFixture f;
            ClickTab(f, "tabOptions", 2);
            const QStringList entries {"", "10", "6", "1000"};
            for (int i = 1; i < 4; ++i)
                Enter(f, i, entries[i]);
            for (const int units : {3, 100, 1000, 32767}) {
                ClickTab(f, "tabOptions1", 1);
                Enter(f, 0, QString::number(units));
                Click(f.Find<QPushButton>("cmdCalBeV"));
                ClickTab(f, "tabOptions1", 3);
                BreakEvenChart& chart = Chart(f);
                // Dots only while the units are few; beyond, each line from its two ends, two
                // pixels wide once more than one unit falls on a pixel.
                QCOMPARE(chart.Series(2)->pointsVisible(), units == 3);
                if (units > 3) {
                    QCOMPARE(chart.Series(2)->points(),
                             (QList<QPointF> {{1, 10}, {units * 1.0, units * 10.0}}));
                    QCOMPARE(chart.Series(2)->pen().width(), units < 1000 ? 1 : 2);
                }
                const auto clickedDrawn = ClickSales(f, units * 0.6);

                Pictures pictures[2];
                for (int scale : {1, 2})
                    pictures[scale - 1].drawn = Render(chart.View(), scale);
                SetLinesShown(chart, false);
                for (int scale : {1, 2})
                    pictures[scale - 1].bare = Render(chart.View(), scale);
                SetLinesShown(chart, true);
                DrawEveryUnit(chart);
                for (int scale : {1, 2})
                    pictures[scale - 1].everyUnit = Render(chart.View(), scale);
                const auto clickedEveryUnit = ClickSales(f, units * 0.6);

                const QString name = QStringLiteral("%1 %2 units").arg(paletteName).arg(units);
                QCOMPARE(clickedDrawn.first, clickedDrawn.second);
                QCOMPARE(clickedEveryUnit.first, clickedDrawn.first);
                for (int scale : {1, 2}) {
                    const Pictures& p = pictures[scale - 1];
                    if (!shots.isEmpty()) {
                        const QString file = QDir(shots).filePath(
                            QStringLiteral("%1-%2-x%3-").arg(paletteName).arg(units).arg(scale));
                        p.drawn.save(file + "corners.png");
                        p.everyUnit.save(file + "every-unit.png");
                    }
                    const QPoint off = DifferenceOffTheLines(p);
                    QVERIFY2(off == QPoint(-1, -1),
                             qPrintable(QStringLiteral("%1 at scale %2: (%3, %4)")
                                            .arg(name)
                                            .arg(scale)
                                            .arg(off.x())
                                            .arg(off.y())));
                }
            }
        }
        QApplication::setPalette(original);
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::BreakEvenGraphTest)
#include "breakeven_graph_test.moc"
