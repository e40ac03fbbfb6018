// The break-even graph drawn from each line's corners shows what it showed drawn from a point per
// unit: at 3, 100, 1,000 and 32,767 units, at scale 1 and 2, in a light and a dark palette, every
// pixel where the two pictures of the real chart differ lies within a pixel of a line in both.
// And a click on a line drawn from its corners answers with the value of the unit nearest to it.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "support/window_fixture.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>

#include <array>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

// The chart at scale 1 and 2.
std::array<QImage, 2> Render(QWidget* view)
{
    std::array<QImage, 2> images;
    for (int scale : {1, 2}) {
        QImage& image = images[scale - 1] = QImage(view->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        view->render(&image);
    }
    return images;
}

// Whether a line is drawn within a pixel of `at`: the picture differs there from the bare one.
bool NearLine(const QImage& picture, const QImage& bare, QPoint at)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (const QPoint p = at + QPoint(dx, dy);
                picture.rect().contains(p) && picture.pixel(p) != bare.pixel(p))
                return true;
    return false;
}

} // namespace

class BreakEvenGraphTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cornersDrawTheSamePictureAsEveryUnit()
    {
        for (const auto& [name, palette] :
             {std::pair {"light", LightPalette()}, std::pair {"dark", DarkPalette()}}) {
            QApplication::setPalette(palette);
            WindowFixture f;
            for (const int units : {3, 100, 1000, 32767}) {
                f.EnterBreakEven({QString::number(units), "10", "6", "1000"});
                f.Tab("tabOptions1", 3);
                BreakEvenChart& chart = f.window->BreakEven().Chart();
                // Dots only while the units are few; beyond, each line from its two ends, two
                // pixels wide once more than one unit falls on a pixel.
                QCOMPARE(chart.Series(2)->pointsVisible(), units == 3);
                if (units > 3) {
                    QCOMPARE(chart.Series(2)->points(),
                             (QList<QPointF> {{1, 10}, {units * 1.0, units * 10.0}}));
                    QCOMPARE(chart.Series(2)->pen().width(), units < 1000 ? 1 : 2);
                }
                // A click on the sales line answers with the value of the unit nearest to it.
                Q_EMIT chart.Series(2)->clicked(QPointF(units * 0.6 + 0.4, units * 6.0));
                QCOMPARE(f.services.MessageTexts().last(),
                         QStringLiteral("Value of DataPoint = %1")
                             .arg(10 * std::round(units * 0.6 + 0.4), 0, 'f', 0));

                const auto drawn = Render(chart.View());
                for (int s = 1; s <= BreakEvenChart::kSeriesCount; ++s)
                    chart.Series(s)->setOpacity(0);
                const auto bare = Render(chart.View()); // the lines left out
                // The chart as it was drawn before: every unit a point of every line, with a
                // one-pixel pen.
                for (int s = 1; s <= BreakEvenChart::kSeriesCount; ++s) {
                    QLineSeries* series = chart.Series(s);
                    series->setOpacity(1);
                    QPen pen = series->pen();
                    pen.setWidth(series->pointsVisible() ? pen.width() : 1);
                    series->setPen(pen);
                    QList<QPointF> points;
                    double value = 0;
                    for (int p = 1; chart.Grid().Value(s, p, value); ++p)
                        points.append(QPointF(p, value));
                    series->replace(points);
                }
                const auto everyUnit = Render(chart.View());

                for (int scale : {0, 1})
                    for (int y = 0; y < drawn[scale].height(); ++y)
                        for (int x = 0; x < drawn[scale].width(); ++x)
                            if (drawn[scale].pixel(x, y) != everyUnit[scale].pixel(x, y) &&
                                !(NearLine(drawn[scale], bare[scale], {x, y}) &&
                                  NearLine(everyUnit[scale], bare[scale], {x, y})))
                                QFAIL(
                                    qPrintable(QString::asprintf("%s, %d units, scale %d: (%d, %d)",
                                                                 name, units, scale + 1, x, y)));
                f.Tab("tabOptions1", 1);
            }
        }
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::BreakEvenGraphTest)
#include "breakeven_graph_test.moc"
