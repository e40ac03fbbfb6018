// The break-even page through its real widgets: the focus cue, what Calculate shows in the list
// and tells a screen reader, the sub-pages, the graph made late and a click on its points, and
// failures and Clear that keep the graph. (The figures and the refused entries: the core test and
// entries_test.)
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

QList<QPointF> Points(const WindowFixture& f, int series)
{
    return f.window->BreakEven().Chart().Series(series)->points();
}

const QList<QPointF> kThreeUnitSales {{1, 10}, {2, 20}, {3, 30}};

} // namespace

class BreakEvenPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A field's caption is bold while the field has the focus; the break-even units caption is
    // bold by design and stays bold once its field is left. Calculated, the example's list is made
    // wide enough for its lines; a screen reader hears what the graph shows, and each point the
    // arrow keys step onto. Totals come from a field's text as typed, which is reformatted after.
    void focusCueListAndScreenReader()
    {
        WindowFixture f;
        f.Tab("tabOptions", 2);
        const auto bold = [&f](int i) {
            return Named<QLabel>(*f.window, "lblBeV", i)->font().bold();
        };
        Click(f.Field("txtBeV", 1));
        QVERIFY(bold(1) && !bold(0));
        PressTab();
        QVERIFY(!bold(1) && bold(2));
        f.Tab("tabOptions1", 2);
        Click(f.Field("txtBeV", 9));
        PressTab();
        QVERIFY(QApplication::focusWidget() != f.Field("txtBeV", 9) && bold(9));

        f.Tab("tabOptions1", 1);
        f.EnterBreakEven({"100", "10", "6", "1000"});
        QCOMPARE(f.ListBox("lstBev")->HorizontalExtent(), 300);
        auto* graph = f.Find("chtBeVAny");
        const auto heard = [graph] {
            return QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Description);
        };
        QCOMPARE(heard(),
                 QStringLiteral("Break-even units 250. From 1 to 100 units: total costs "
                                "from 1,006.00 to 1,600.00, total sales from 10.00 to "
                                "1,000.00, fixed costs 1,000.00. The cost and sales lines "
                                "cross at 250.00 units, at 2,500.00."));
        f.Tab("tabOptions1", 3);
        graph->setFocus();
        for (const auto& [key, said] :
             {std::pair {Qt::Key_Right, "1 units: total costs 1,006.00, total sales 10.00"},
              std::pair {Qt::Key_End, "100 units: total costs 1,600.00, total sales 1,000.00"},
              std::pair {Qt::Key_PageUp, "90 units: total costs 1,540.00, total sales 900.00"}}) {
            QTest::keyClick(graph, key);
            QCOMPARE(heard(), QString::fromLatin1(said) + ", fixed costs 1,000.00.");
        }
        f.Tab("tabOptions1", 1);
        Enter(f.Field("txtBeV", 0), "2.5");
        QCOMPARE(f.Field("txtBeV", 0)->text(), QStringLiteral("3"));
        QCOMPARE(f.Field("txtBeV", 6)->text(), QStringLiteral("25.00"));
        QVERIFY(f.services.messages.empty());
    }

    // The sub-pages show alone. The graph is made when first shown, with the last result and its
    // units axis titled; a click on a point tells its value. A failed Calculate is reported, and it
    // and Clear keep the graph.
    void graphMadeLateKeptThroughFailuresAndClear()
    {
        WindowFixture f;
        f.EnterBreakEven({"3", "10", "6", "20"});
        BreakEvenChart& chart = f.window->BreakEven().Chart();
        QVERIFY(!chart.Created());
        for (int tab : {3, 2, 1, 3}) {
            f.Tab("tabOptions1", tab);
            for (int p = 0; p < 3; ++p) {
                QWidget* page = Named<QWidget>(*f.window, "picOptions1", p);
                QCOMPARE(QList<bool>({page->isEnabled(), page->isVisible()}),
                         QList<bool>(2, p == tab - 1));
            }
        }
        QChartView* view = chart.View();
        QCOMPARE(view->size(), f.Find("chtBeVAny")->size());
        QCOMPARE(Points(f, 1), (QList<QPointF> {{1, 26}, {2, 32}, {3, 38}}));
        QCOMPARE(Points(f, 2), kThreeUnitSales);
        QCOMPARE(Points(f, 3), (QList<QPointF> {{1, 20}, {2, 20}, {3, 20}}));
        QCOMPARE(view->chart()->axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Units"));

        // A real click on "Total Sales" just left of unit 2, clear of the fixed costs line; then
        // the chart's own clicked signal for total costs near unit 2.
        const QPointF at = view->chart()->mapToPosition(QPointF(1.9, 19), chart.Series(2));
        Click(view->viewport(), view->mapFromScene(view->chart()->mapToScene(at)));
        QCOMPARE(f.services.MessageTexts(), QStringList {"Value of DataPoint = 20"});
        QCOMPARE(f.services.messages.back().title, QStringLiteral("Break-Even Graph"));
        Q_EMIT chart.Series(1)->clicked(QPointF(2.2, 33));
        QCOMPARE(f.services.MessageTexts().last(), QStringLiteral("Value of DataPoint = 32"));

        // 40,000 units are reported; -5 stop after the header line.
        f.services.messages.clear();
        f.Tab("tabOptions1", 1);
        const char* errors[] = {"Overflow {6}", "Invalid procedure call or argument {5}"};
        for (int i = 0; i < 2; ++i) {
            Enter(f.Field("txtBeV", 0), i == 0 ? "40000" : "-5");
            f.Press("cmdCalBeV");
            QCOMPARE(f.services.MessageTexts().last(), QString(" [frmVexmoor] ") + errors[i]);
            QCOMPARE(f.ListBox("lstBev")->Count(), i);
            QCOMPARE(Points(f, 2), kThreeUnitSales);
        }
        QVERIFY(f.services.LogLines().join('\n').contains(QStringLiteral("Position (GenChart)")));
        f.Press("cmdClrBeV");
        for (int i = 0; i < kBreakEvenFieldCount; ++i)
            QCOMPARE(f.Field("txtBeV", i)->text(), QString(i == 0 ? "0" : "0.00"));
        QCOMPARE(f.ListBox("lstBev")->Count(), 0);
        QCOMPARE(Points(f, 2), kThreeUnitSales);
        // Calculating at once uses no figure the page no longer shows (the old fixed costs would
        // give 20 units), and units "0" give one unlabelled point of two values.
        f.Press("cmdCalBeV");
        QCOMPARE(f.Field("txtBeV", 9)->text(), QStringLiteral("0"));
        QCOMPARE(f.window->BreakEven().Figures().FixedCosts, 0.0);
        QCOMPARE(f.ListBox("lstBev")->Count(), 0);
        QVERIFY(!chart.Grid().labelled);
        QCOMPARE(Points(f, 1), (QList<QPointF> {{1, 0}}));
        QCOMPARE(Points(f, 2), (QList<QPointF> {{1, 0}}));
        QVERIFY(!chart.Series(3)->isVisible());
        QVERIFY(!view->chart()->legend()->markers(chart.Series(3)).front()->isVisible());
        QCOMPARE(f.services.messages.size(), std::size_t(2));
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::BreakEvenPageTest)
#include "breakeven_page_test.moc"
